// The built libzkcomm.so as a program loads it: the eleven functions are
// there by name, nothing of the inside is, and it starts switched off.
#include "zkcomm/zkcomm.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class SharedLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        handle = ::dlopen(ZKCOMM_SHARED_LIBRARY, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle, nullptr) << ::dlerror();
    }
    void TearDown() override {
        if (handle != nullptr) {
            ::dlclose(handle);
        }
    }
    template <typename F> F* Symbol(const char* name) {
        return reinterpret_cast<F*>(::dlsym(handle, name));
    }
    void* handle = nullptr;
};

TEST_F(SharedLibrary, ExportsTheElevenFunctionsByName) {
    const char* names[] = {"GetVarFromFPGA",  "PutVarToFPGA",     "DisableDrive",
                           "EnableDrive",     "GetVarFromEEPROM", "PutVarToEEPROM",
                           "NVErase",         "CommZkDLLVersion", "CommZkDLLCompileTime",
                           "UseParallelPort", "NVEraseUnit"};
    for (const char* name : names) {
        EXPECT_NE(::dlsym(handle, name), nullptr) << name;
    }
}

TEST_F(SharedLibrary, HidesEverythingElse) {
    const char* inside[] = {
        "_ZN6zkcomm7SessionEv",                // zkcomm::Session()
        "_ZN6zkcomm9DriveLink11ReleaseLinkEv", // zkcomm::DriveLink::ReleaseLink()
        "_ZN6zkcomm7testing9ResetLinkEv",      // zkcomm::testing::ResetLink()
        "_ZN6zkcomm10BuildStampEv",            // zkcomm::BuildStamp()
        "_ZTVN6zkcomm15RecordingPortIoE",      // its vtable
    };
    for (const char* name : inside) {
        EXPECT_EQ(::dlsym(handle, name), nullptr) << name;
    }
}

TEST_F(SharedLibrary, StartsOffAndAnswersThroughItsOwnState) {
    auto* get = Symbol<decltype(GetVarFromFPGA)>("GetVarFromFPGA");
    auto* use = Symbol<decltype(UseParallelPort)>("UseParallelPort");
    auto* version = Symbol<decltype(CommZkDLLVersion)>("CommZkDLLVersion");
    ASSERT_NE(get, nullptr);
    ASSERT_NE(use, nullptr);
    ASSERT_NE(version, nullptr);
    int32_t v = 5;
    int32_t s = 6;
    EXPECT_EQ(get(0, &v, &s), LinkFailed);
    EXPECT_EQ(v, 5);
    EXPECT_EQ(use(4), LinkInvalid);
    EXPECT_EQ(use(0), LinkOk);
    char buffer[80];
    EXPECT_STREQ(version(buffer), "ZKCOMM.DLL -- Release 1.1");
}

// One run of a program on the simulated drive: a child process that loads the library
// afresh and returns what `body` returns as its exit status.
template <typename Body> int RunOnTheSimulator(const std::string& nvFile, Body body) {
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::setenv("ZKCOMM_SIMULATOR", "1", 1);
        ::setenv("ZKCOMM_SIM_NV_FILE", nvFile.c_str(), 1);
        void* handle = ::dlopen(ZKCOMM_SHARED_LIBRARY, RTLD_NOW | RTLD_LOCAL);
        ::_exit(handle == nullptr ? 100 : body(handle));
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 200;
}

template <typename F> F* Function(void* handle, const char* name) {
    return reinterpret_cast<F*>(::dlsym(handle, name));
}

// A user without hardware sends a value to NV, exits, starts again and loads from NV.
TEST(SimulatedDriveRuns, WhatOneRunSendsToNvTheNextRunReadsBack) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("zkcomm-runs-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    const std::string file = (dir / "sim-nv.bin").string();

    const int sent = RunOnTheSimulator(file, [](void* handle) {
        if (Function<decltype(UseParallelPort)>(handle, "UseParallelPort")(1) != LinkOk) {
            return 1;
        }
        return Function<decltype(PutVarToEEPROM)>(handle, "PutVarToEEPROM")(20, 9, 0x3C) == LinkOk
                   ? 0
                   : 2;
    });
    EXPECT_EQ(sent, 0) << "1: no LPT1, 2: the NV write failed";
    const int read = RunOnTheSimulator(file, [](void* handle) {
        if (Function<decltype(UseParallelPort)>(handle, "UseParallelPort")(1) != LinkOk) {
            return 1;
        }
        uint32_t reg = 0;
        int32_t data = 0;
        if (Function<decltype(GetVarFromEEPROM)>(handle, "GetVarFromEEPROM")(20, &reg, &data) !=
            LinkOk) {
            return 2;
        }
        return reg == 9 && data == 0x3C ? 0 : 3;
    });
    EXPECT_EQ(read, 0) << "1: no LPT1, 2: the NV read failed, 3: the word was not kept";
    std::filesystem::remove_all(dir);
}

} // namespace
