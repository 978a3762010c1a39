// The simulated drive's NV memory kept in a file between runs: where the file is, what a
// later drive finds in it, and that a file it cannot use gives the factory set, one line
// and a file kept aside, never a crash.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "line_driver.h"
#include "tests/support/unprivileged_child.h"
#include "tests/zkcomm/case_name.h"
#include "zkcomm/sim/nv_file.h"
#include "zkcomm/sim/nv_file_keeper.h"
#include "zkcomm/sim/simulated_drive.h"

namespace zkcomm::sim::test {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class NvFileTest : public ::testing::Test {
protected:
    NvFileTest() : dir_(fs::temp_directory_path() / ("zkcomm-nv-" + std::to_string(::getpid()))) {
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    ~NvFileTest() override { fs::remove_all(dir_); }

    // A drive as a new run of the program makes it, keeping NV in `file`.
    SimulatedDrive& Start(const fs::path& file) {
        drives_.emplace_back(std::make_unique<SimulatedDrive>());
        KeepNvInFile(*drives_.back(), file.string(),
                     [this](const std::string& line) { lines_.push_back(line); });
        return *drives_.back();
    }

    const fs::path dir_;
    fs::path file_ = dir_ / "state" / "zkcomm" / "sim-nv.bin";
    std::vector<std::string> lines_;
    std::vector<std::unique_ptr<SimulatedDrive>> drives_;
};

TEST_F(NvFileTest, WhatWasSentToNvIsThereAtTheNextStart) {
    SimulatedDrive& first = Start(file_);
    EXPECT_EQ(first.GetNvImage(), SimulatedDrive::FactoryNv()) << "no file yet";
    EXPECT_FALSE(fs::exists(file_)) << "nothing to keep before the memory changes";
    LineDriver line(first);
    EXPECT_FALSE(line.NvWrite(2, 0x0C44, false)) << "a write-disabled memory takes nothing";
    EXPECT_FALSE(fs::exists(file_));
    ASSERT_TRUE(line.NvWrite(2, 0x0C44)); // register 3 (PoleCount, DM1Map)
    ASSERT_TRUE(line.NvWrite(200, 0xBEEF));
    ASSERT_TRUE(fs::exists(file_)) << "the folders on the way are made";

    SimulatedDrive& second = Start(file_);
    EXPECT_EQ(second.GetNvImage(), first.GetNvImage());
    EXPECT_EQ(second.GetNvWord(200), 0xBEEF);
    EXPECT_EQ(second.GetRegister(3), 0x44) << "registers are loaded from the kept NV words";
    EXPECT_TRUE(lines_.empty()) << lines_.front();
    EXPECT_EQ(fs::status(file_).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(fs::status(file_.parent_path()).permissions() & fs::perms::all, fs::perms::owner_all);
    for (const auto& entry : fs::directory_iterator(file_.parent_path())) {
        EXPECT_EQ(entry.path(), file_) << "a temporary file was left behind";
    }
}

TEST_F(NvFileTest, EveryWayTheMemoryChangesIsKept) {
    struct Change {
        const char* name;
        void (*make)(SimulatedDrive&, LineDriver&);
        uint16_t word0; // expected afterwards at address 0
    };
    const Change changes[] = {
        {"erase", [](SimulatedDrive&, LineDriver& l) { ASSERT_TRUE(l.NvErase(0)); }, 0xFFFF},
        {"write all", [](SimulatedDrive&, LineDriver& l) { ASSERT_TRUE(l.NvWriteAll(0x1234)); },
         0x1234},
        {"erase all", [](SimulatedDrive&, LineDriver& l) { ASSERT_TRUE(l.NvEraseAll()); }, 0xFFFF},
        {"direct word", [](SimulatedDrive& d, LineDriver&) { d.SetNvWord(0, 0x0101); }, 0x0101},
        {"reset", [](SimulatedDrive& d, LineDriver&) { d.Reset(); },
         SimulatedDrive::FactoryNv()[0]},
    };
    SimulatedDrive& drive = Start(file_);
    LineDriver line(drive);
    ASSERT_TRUE(line.NvWrite(0, 0x0000));
    for (const Change& c : changes) {
        c.make(drive, line);
        std::string why;
        const auto kept = DecodeNvFile(ReadAll(file_), &why);
        ASSERT_TRUE(kept) << c.name << ": " << why;
        EXPECT_EQ((*kept)[0], c.word0) << c.name;
        EXPECT_EQ(*kept, drive.GetNvImage()) << c.name;
    }
}

struct BadFile {
    const char* name;
    std::string bytes;
    const char* reason; // part of the line
};
void PrintTo(const BadFile& c, std::ostream* os) {
    *os << c.name;
}

std::string GoodFile() {
    NvImage image = SimulatedDrive::FactoryNv();
    image[7] = 0x1234;
    return EncodeNvFile(image);
}

class UnusableNvFile : public NvFileTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(UnusableNvFile, GivesTheFactorySetAndOneLineAndKeepsTheFileAside) {
    const BadFile& c = GetParam();
    fs::create_directories(file_.parent_path());
    WriteAll(file_, c.bytes);

    SimulatedDrive& drive = Start(file_);
    EXPECT_EQ(drive.GetNvImage(), SimulatedDrive::FactoryNv());
    ASSERT_EQ(lines_.size(), 1u);
    EXPECT_NE(lines_[0].find(file_.string()), std::string::npos) << lines_[0];
    EXPECT_NE(lines_[0].find(c.reason), std::string::npos) << lines_[0];
    EXPECT_NE(lines_[0].find("factory NV set"), std::string::npos) << lines_[0];
    EXPECT_EQ(ReadAll(file_.string() + ".bad"), c.bytes) << "the unusable file is kept";

    // The drive works, and its next change is kept in a good file.
    ASSERT_TRUE(LineDriver(drive).NvWrite(9, 0x0A0A));
    EXPECT_EQ(Start(file_).GetNvWord(9), 0x0A0A);
    EXPECT_EQ(lines_.size(), 1u);
}

const std::string kGood = GoodFile();
const BadFile kBadFiles[] = {
    {"Empty", "", "0 bytes"},
    {"Short", kGood.substr(0, kGood.size() - 1), "519 bytes"},
    {"HeaderOnly", std::string(kNvFileMagic), "8 bytes"},
    {"Long", kGood + "x", "more than the 520 bytes"},
    {"WrongHeader", "ZKSIMNV2" + kGood.substr(8), "not an NV memory file"},
    {"Text", std::string(520, 'a'), "not an NV memory file"},
};
INSTANTIATE_TEST_SUITE_P(Files, UnusableNvFile, ::testing::ValuesIn(kBadFiles),
                         zkcomm::test::CaseName());

TEST_F(NvFileTest, AGoodFileOfAnotherDriveIsTakenWordForWord) {
    fs::create_directories(file_.parent_path());
    WriteAll(file_, kGood);
    EXPECT_EQ(Start(file_).GetNvWord(7), 0x1234);
    EXPECT_TRUE(lines_.empty());
    std::string why;
    ASSERT_TRUE(DecodeNvFile(kGood, &why)) << why;
    EXPECT_EQ(EncodeNvFile(*DecodeNvFile(kGood, &why)), kGood);
    EXPECT_EQ(kGood.substr(8 + 14, 2), std::string("\x34\x12", 2)) << "low byte first";
}

TEST_F(NvFileTest, AFolderInPlaceOfTheFileIsUnusable) {
    fs::create_directories(file_);
    SimulatedDrive& drive = Start(file_);
    EXPECT_EQ(drive.GetNvImage(), SimulatedDrive::FactoryNv());
    ASSERT_EQ(lines_.size(), 1u);
    EXPECT_NE(lines_[0].find("Is a directory"), std::string::npos) << lines_[0];
    EXPECT_TRUE(fs::is_directory(file_.string() + ".bad"));
}

TEST_F(NvFileTest, AnUnreadableFileIsUnusableAndKeptAside) {
    fs::create_directories(file_.parent_path());
    WriteAll(file_, kGood);
    fs::permissions(file_, fs::perms::none);
    unprivileged::HandOver(dir_);
    unprivileged::HandOver(dir_ / "state");
    unprivileged::HandOver(file_.parent_path());
    unprivileged::Run([&] {
        SimulatedDrive& drive = Start(file_);
        EXPECT_EQ(drive.GetNvImage(), SimulatedDrive::FactoryNv());
        ASSERT_EQ(lines_.size(), 1u);
        EXPECT_NE(lines_[0].find("Permission denied"), std::string::npos) << lines_[0];
        EXPECT_TRUE(fs::exists(file_.string() + ".bad"));
    });
}

TEST_F(NvFileTest, AFileThatCannotBeWrittenIsReportedOnceAndTheDriveGoesOn) {
    fs::create_directories(dir_ / "locked");
    unprivileged::HandOver(dir_);
    unprivileged::HandOver(dir_ / "locked");
    const fs::path file = dir_ / "locked" / "sim-nv.bin";
    unprivileged::Run([&] {
        fs::permissions(dir_ / "locked", fs::perms::owner_read | fs::perms::owner_exec);
        SimulatedDrive& drive = Start(file);
        LineDriver line(drive);
        ASSERT_TRUE(line.NvWrite(1, 0x1111));
        ASSERT_TRUE(line.NvWrite(2, 0x2222));
        EXPECT_EQ(drive.GetNvWord(2), 0x2222) << "the memory itself works on";
        ASSERT_EQ(lines_.size(), 1u) << "one line, not one per write";
        EXPECT_NE(lines_[0].find("not kept"), std::string::npos) << lines_[0];
        EXPECT_NE(lines_[0].find("Permission denied"), std::string::npos) << lines_[0];

        fs::permissions(dir_ / "locked", fs::perms::owner_all);
        ASSERT_TRUE(line.NvWrite(3, 0x3333));
        EXPECT_EQ(Start(file).GetNvImage(), drive.GetNvImage()) << "kept again once it can be";
        ASSERT_TRUE(line.NvWrite(4, 0x4444));
        EXPECT_EQ(lines_.size(), 1u);
    });
}

TEST_F(NvFileTest, NoPathKeepsNothing) {
    SimulatedDrive& drive = Start("");
    ASSERT_TRUE(LineDriver(drive).NvWrite(1, 0x1111));
    EXPECT_TRUE(lines_.empty());
    EXPECT_TRUE(fs::is_empty(dir_));
}

// Sets or clears the variables for one case and puts them back.
class Environment {
public:
    Environment(std::initializer_list<std::pair<const char*, const char*>> values) {
        for (const auto& [name, value] : values) {
            const char* old = std::getenv(name);
            saved_.push_back({name, old ? std::optional<std::string>(old) : std::nullopt});
            if (value) {
                ::setenv(name, value, 1);
            } else {
                ::unsetenv(name);
            }
        }
    }
    ~Environment() {
        for (const auto& [name, value] : saved_) {
            if (value) {
                ::setenv(name, value->c_str(), 1);
            } else {
                ::unsetenv(name);
            }
        }
    }

private:
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

TEST(NvFilePath, TheVariableElseTheStateFolderElseTheHome) {
    struct Case {
        const char* file;
        const char* state;
        const char* home;
        std::string path;
    };
    const Case cases[] = {
        {"/tmp/my-nv.bin", "/s", "/h", "/tmp/my-nv.bin"},
        {"", "/s", "/h", "/s/zkcomm/sim-nv.bin"},
        {nullptr, "/s", "/h", "/s/zkcomm/sim-nv.bin"},
        {nullptr, "relative/state", "/h", "/h/.local/state/zkcomm/sim-nv.bin"},
        {nullptr, "", "/h", "/h/.local/state/zkcomm/sim-nv.bin"},
        {nullptr, nullptr, "/h", "/h/.local/state/zkcomm/sim-nv.bin"},
        {nullptr, nullptr, nullptr, ""},
    };
    for (const Case& c : cases) {
        const Environment env{
            {"ZKCOMM_SIM_NV_FILE", c.file}, {"XDG_STATE_HOME", c.state}, {"HOME", c.home}};
        EXPECT_EQ(NvFilePath(), c.path)
            << (c.file ? c.file : "-") << " " << (c.state ? c.state : "-") << " "
            << (c.home ? c.home : "-");
    }
}

} // namespace
} // namespace zkcomm::sim::test
