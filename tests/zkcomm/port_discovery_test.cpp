// The search for the parallel controller in the hardware description, the
// base address in its configuration data, and the BIOS table.
#include "case_name.h"
#include "zkcomm/platform/hardware_description.h"
#include "zkcomm/platform/in_memory_registry_tree.h"
#include "zkcomm/port_discovery.h"

#include <gtest/gtest.h>

#include <string>

namespace zkcomm {
namespace {

const std::string System = "HARDWARE\\DESCRIPTION\\System";

class Version : public VersionQuery {
public:
    uint32_t GetVersion() override { return word; }
    uint32_t word = 0x00000006;
};

class Bios : public BiosAreaReader {
public:
    bool Read(uint32_t address, std::span<uint8_t> data) override {
        ++calls;
        if (!works || address != 0x408 || data.size() != 8) {
            return false;
        }
        for (size_t i = 0; i < 4; ++i) {
            data[2 * i] = static_cast<uint8_t>(words[i]);
            data[2 * i + 1] = static_cast<uint8_t>(words[i] >> 8);
        }
        return true;
    }
    bool works = true;
    uint16_t words[4] = {0x0378, 0x0278, 0x0000, 0x03BC};
    int calls = 0;
};

class Discovery : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(tree.OpenKeyCount(), 0u) << "every key is closed"; }

    void AddController(const std::string& path, int index, uint16_t base) {
        tree.SetValue(path + "\\" + std::to_string(index), ConfigurationDataValue,
                      PortResourceDescriptor(base));
    }
    std::string Find() {
        std::string path = "left over";
        const int32_t result = FindParallelControllerKey(tree, &path);
        EXPECT_EQ(result == 0, !path.empty());
        return path;
    }
    int32_t Base(int32_t n) { return GetPortBase(n, DiscoveryPlatform{tree, version, bios}); }

    InMemoryRegistryTree tree;
    Version version;
    Bios bios;
};

TEST_F(Discovery, FindsTheControllerThreeLevelsBelowSystem) {
    tree.AddKey(System + "\\CentralProcessor\\0");
    const std::string controller = System + "\\MultifunctionAdapter\\0\\ParallelController";
    AddController(controller, 0, 0x378);
    AddController(controller, 1, 0x278);
    EXPECT_EQ(Find(), controller);
    EXPECT_EQ(Base(2), 0x278);
    EXPECT_EQ(Base(1), 0x378);
    EXPECT_EQ(Base(3), PortNotFound);
    EXPECT_EQ(bios.calls, 0);
}

TEST_F(Discovery, NullPathBufferIsNotFound) {
    tree.AddKey(System + "\\A\\B\\ParallelController");
    EXPECT_EQ(FindParallelControllerKey(tree, nullptr), PortNotFound);
    EXPECT_EQ(tree.OpenCalls(), 0u);
}

struct TreeCase {
    const char* name;
    std::vector<std::string> keys; // below System
    std::string found;             // below System; empty: not found
};

class SearchShapes : public Discovery, public ::testing::WithParamInterface<TreeCase> {};

TEST_P(SearchShapes, FindOnlyTheExactNameOnLevelThree) {
    for (const std::string& key : GetParam().keys) {
        tree.AddKey(System + "\\" + key);
    }
    const std::string& found = GetParam().found;
    EXPECT_EQ(Find(), found.empty() ? "" : System + "\\" + found);
}

std::vector<std::string> Siblings(const std::string& prefix, int count, const std::string& last) {
    std::vector<std::string> keys;
    for (int i = 0; i < count; ++i) {
        keys.push_back(prefix + "K" + std::to_string(i));
    }
    keys.push_back(prefix + last);
    return keys;
}

INSTANTIATE_TEST_SUITE_P(
    Registry, SearchShapes,
    ::testing::Values(
        TreeCase{"OtherCase", {"A\\0\\parallelcontroller", "A\\0\\PARALLELCONTROLLER"}, ""},
        TreeCase{"PrefixOnly", {"A\\0\\ParallelControllers", "A\\0\\Parallel"}, ""},
        TreeCase{"TwoLevelsDown", {"A\\ParallelController\\0"}, ""},
        TreeCase{"FourLevelsDown", {"A\\B\\C\\ParallelController"}, ""},
        TreeCase{"OnLevelOne", {"ParallelController\\0\\1"}, ""},
        TreeCase{"FirstMatchWins",
                 {"A\\0\\Other", "A\\1\\ParallelController", "B\\0\\ParallelController"},
                 "A\\1\\ParallelController"},
        TreeCase{"Level1Index10", Siblings("", 10, "Z\\0\\ParallelController"),
                 "Z\\0\\ParallelController"},
        TreeCase{"Level1Index11", Siblings("", 11, "Z\\0\\ParallelController"), ""},
        TreeCase{"Level2Index10", Siblings("A\\", 10, "Z\\ParallelController"),
                 "A\\Z\\ParallelController"},
        TreeCase{"Level2Index11", Siblings("A\\", 11, "Z\\ParallelController"), ""},
        TreeCase{"Level3Index10", Siblings("A\\B\\", 10, "ParallelController"),
                 "A\\B\\ParallelController"},
        TreeCase{"Level3Index11", Siblings("A\\B\\", 11, "ParallelController"), ""},
        TreeCase{"EmptyTree", {}, ""}),
    test::CaseName{});

TEST_F(Discovery, MissingSystemKeyIsNotFound) {
    tree.AddKey("HARDWARE\\DESCRIPTION\\Other\\A\\B\\ParallelController");
    EXPECT_EQ(Find(), "");
}

TEST_F(Discovery, FailedEnumerationMovesOnToTheNextIndex) {
    // A name that does not fit the 255-character buffer fails to enumerate.
    tree.AddKey(System + "\\" + std::string(255, 'L'));
    tree.AddKey(System + "\\A\\" + std::string(300, 'M'));
    tree.AddKey(System + "\\A\\B\\" + std::string(254, 'N'));
    tree.AddKey(System + "\\A\\B\\ParallelController");
    EXPECT_EQ(Find(), System + "\\A\\B\\ParallelController");
}

TEST_F(Discovery, FailedOpenOnLevelOneOrTwoEndsTheWholeSearch) {
    for (const std::string denied : {"A", "A\\0"}) {
        tree.Clear();
        tree.AddKey(System + "\\A\\0\\Other");
        tree.AddKey(System + "\\B\\0\\ParallelController");
        tree.DenyOpen(System + "\\" + denied);
        EXPECT_EQ(Find(), "") << denied;
        EXPECT_EQ(tree.OpenKeyCount(), 0u);
    }
}

TEST_F(Discovery, LevelThreeKeysAreNotOpened) {
    tree.AddKey(System + "\\A\\0\\ParallelController");
    tree.DenyOpen(System + "\\A\\0\\ParallelController");
    EXPECT_EQ(Find(), System + "\\A\\0\\ParallelController");
}

class ConfigurationData : public Discovery {
protected:
    void SetUp() override { tree.AddKey(controller); }
    const std::string controller = System + "\\MultifunctionAdapter\\0\\ParallelController";
};

TEST_F(ConfigurationData, BaseIsTheLowWordOfTheFirstPortStart) {
    struct Case {
        std::vector<uint8_t> data;
        int32_t base;
    };
    std::vector<uint8_t> odd(22, 0xEE); // type and count are not looked at
    odd[20] = 0xBC;
    odd[21] = 0x03;
    std::vector<uint8_t> full = PortResourceDescriptor(0x1234);
    full.resize(255, 0x55);
    const Case cases[] = {
        {PortResourceDescriptor(0x0378), 0x378},
        {PortResourceDescriptor(0xFFFF), 0xFFFF}, // taken without a range test
        {odd, 0x3BC},
        {full, 0x1234},
        {std::vector<uint8_t>(256, 0x01), PortNotFound}, // longer than the buffer
        {std::vector<uint8_t>(21, 0x01), PortNotFound},  // too short to hold a base
        {{}, PortNotFound},
    };
    for (const Case& c : cases) {
        tree.SetValue(controller + "\\0", ConfigurationDataValue, c.data);
        EXPECT_EQ(GetPortBaseFromRegistry(tree, 1), c.base) << c.data.size();
        EXPECT_EQ(tree.OpenKeyCount(), 0u);
    }
}

TEST_F(ConfigurationData, MissingPortKeyOrValueIsNotFound) {
    tree.SetValue(controller + "\\1", "Other Data", PortResourceDescriptor(0x278));
    EXPECT_EQ(GetPortBaseFromRegistry(tree, 1), PortNotFound);
    EXPECT_EQ(GetPortBaseFromRegistry(tree, 2), PortNotFound);
    tree.DenyOpen(controller + "\\2");
    tree.SetValue(controller + "\\2", ConfigurationDataValue, PortResourceDescriptor(0x3BC));
    EXPECT_EQ(GetPortBaseFromRegistry(tree, 3), PortNotFound);
}

TEST_F(Discovery, PortNumbersOutsideOneToThreeAskNothing) {
    AddController(System + "\\MultifunctionAdapter\\0\\ParallelController", 3, 0x400);
    for (const int32_t n : {0, 4, -1, INT32_MIN, INT32_MAX}) {
        EXPECT_EQ(Base(n), PortNotFound) << n;
    }
    EXPECT_EQ(tree.OpenCalls(), 0u);
    version.word = 0x80000000u;
    EXPECT_EQ(Base(4), PortNotFound);
    EXPECT_EQ(bios.calls, 0);
}

TEST_F(Discovery, NinetyFiveFamilyReadsTheBiosTable) {
    version.word = 0xC0000A04u;
    bios.words[0] = 0x0378;
    bios.words[1] = 0x0278;
    bios.words[2] = 0x0000;
    EXPECT_EQ(Base(1), 0x378);
    EXPECT_EQ(Base(2), 0x278);
    EXPECT_EQ(Base(3), PortNotFound);
    EXPECT_EQ(tree.OpenCalls(), 0u);

    struct Case {
        uint16_t word;
        int32_t base;
    };
    for (const Case c : {Case{0x0001, 1}, Case{0x0FFF, 0xFFF}, Case{0x1000, PortNotFound},
                         Case{0xFFFF, PortNotFound}}) {
        bios.words[2] = c.word;
        EXPECT_EQ(Base(3), c.base) << c.word;
    }
    bios.works = false;
    EXPECT_EQ(Base(1), PortNotFound);
}

} // namespace
} // namespace zkcomm
