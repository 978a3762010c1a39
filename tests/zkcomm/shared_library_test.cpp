// The built libzkcomm.so as a program loads it: the eleven functions are
// there by name, nothing of the inside is, and it starts switched off.
#include "zkcomm/zkcomm.h"

#include <gtest/gtest.h>

#include <cstring>
#include <dlfcn.h>

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

} // namespace
