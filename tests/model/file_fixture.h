// Parameter-file tests: a fresh folder per test, the table at its defaults, factory mode off.
#ifndef TESTS_MODEL_FILE_FIXTURE_H
#define TESTS_MODEL_FILE_FIXTURE_H

#include "zktools/model/file_process.h"
#include "zktools/model/model_error.h"
#include "zktools/model/symbol_table.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

class FileTest : public ::testing::Test {
protected:
    void SetUp() override {
        SymTable.ResetToDefaults();
        FileProc.SetFactoryMode(false);
        static std::atomic<int> serial{0};
        dir_ = std::filesystem::temp_directory_path() /
               ("zk_file_test_" + std::to_string(::getpid()) + "_" + std::to_string(++serial));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override {
        SymTable.ResetToDefaults();
        FileProc.SetFactoryMode(false);
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }

    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

    // Writes the bytes exactly as given (no line-end translation).
    std::string WriteFile(const std::string& name, const std::string& text) const {
        const std::string path = PathOf(name);
        std::ofstream out(path, std::ios::binary);
        out << text;
        return path;
    }

    static std::string ReadFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // The lines of a text, without their "\n"; a last line without one counts too.
    static std::vector<std::string> Lines(const std::string& text) {
        std::vector<std::string> lines;
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t end = text.find('\n', start);
            if (end == std::string::npos) {
                lines.push_back(text.substr(start));
                break;
            }
            lines.push_back(text.substr(start, end - start));
            start = end + 1;
        }
        return lines;
    }

    // The names in the test's folder, sorted.
    std::vector<std::string> FolderEntries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    // Every value of the table, in table order.
    static std::vector<int32_t> Snapshot() {
        std::vector<int32_t> values;
        for (int32_t i = 0; i < SymTable.Count(); ++i) {
            values.push_back(SymTable.Entries()[i].Value.load());
        }
        return values;
    }

    static int32_t ValueOf(const char* name) {
        int32_t value = 0;
        EXPECT_TRUE(SymTable.GetValue(name, value)) << name;
        return value;
    }

    // The message of the ModelError the call raises, or "" when it raises none.
    template <typename Call> static std::string MessageOf(Call call) {
        try {
            call();
        } catch (const ModelError& e) {
            return e.what();
        }
        return "";
    }

    std::filesystem::path dir_;
};

#endif
