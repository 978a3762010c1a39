#include "zktools/model/symbol_table.h"
#include "zktools/model/value_labels.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <limits>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

using Text = std::optional<std::string_view>;

TEST(LabelLists, NineteenListsInTheirOrder) {
    const std::vector<std::string> expected = {
        "CmdF0",      "IVMode",   "PoleCount", "CmdSrc", "FaultCode", "IrCompSrc", "AutoDis",
        "PWMTimeOut", "SWEnable", "EncOut",    "KIP",    "DM1Map",    "ILmtMinus", "ILmtPlus",
        "Model",      "Stat",     "DirSrc",    "KII",    "FltDiag"};
    std::vector<std::string> names;
    for (const ValueLabelList* l = LabelLists; l->Name != nullptr; ++l) {
        names.emplace_back(l->Name);
    }
    EXPECT_EQ(names, expected);
    EXPECT_EQ(LabelLists[LabelListCount].Labels, nullptr);
    EXPECT_EQ(SymbolTable::FindLabelList("ilmtminus")->Labels,
              SymbolTable::FindLabelList("ILMTPLUS")->Labels);
}

TEST(LabelLists, TokensAndLabelsByKey) {
    struct Case {
        const char* list;
        int32_t key;
        Text token;
        Text label;
    };
    const Case cases[] = {
        {"Stat", 9, "Error during data transfer", "Error during data transfer"},
        {"Stat", 1, std::nullopt, std::nullopt},
        {"stat", 6, "Logic and EEPROM addresses match wrong",
         "Logic and EEPROM addresses match wrong"},
        {"AutoDis", 1, std::nullopt, std::nullopt},
        {"AutoDis", 2, "Plus", "Plus"},
        {"autodis", 3, "Minus", "Minus"},
        {"FaultCode", 11, "", ""},
        {"FaultCode", 15, "", ""},
        {"FaultCode", 5, "Driev_Over_Temperature", "Drive Over Temperature"},
        {"FaultCode", 12, "Foldback+10K", "Drive in Foldback and 10 KHz PWM"},
        {"FaultCode", 16, std::nullopt, std::nullopt},
        {"CmdSrc", 0, "PWM_CMD", "PWM CMD"},
        {"PWMTimeOut", 2, "0.026_Sec", "0.026 Sec"},
        {"DM1Map", 2, "VIRB_194Vrms_1-1/V", "VIRFB 194 Vrms 1-1/V"},
        {"DM1Map", 4, "VFB_194Vrms/V", "VFB 194 Vrms 1-1/V"},
        {"Kip", 11, "79.356", "79.356"},
        {"KII", 1, "On", "On"},
        {"Kii", 0, "Off", "Off"},
        {"PoleCount", 0, "0", "0"},
        {"PoleCount", 31, "62", "62"},
        {"ILmtPlus", 2, "67", "67"},
        {"EncOut", 2, "5.25", "5.25"},
        {"FltDiag", 1, "Diagnostic_blink_code", "Diagnostic blink code"},
        {"NoSuchList", 0, std::nullopt, std::nullopt},
        {"Stat", -1, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.list) + " " + std::to_string(c.key));
        EXPECT_EQ(SymbolTable::GetToken(c.list, c.key), c.token);
        EXPECT_EQ(SymbolTable::GetLabel(c.list, c.key), c.label);
    }
}

TEST(LabelLists, KeysByTokenAndByLabel) {
    struct Case {
        const char* list;
        const char* text;
        int32_t byToken;
        int32_t byLabel;
    };
    const Case cases[] = {
        {"IVMode", "voltage", 1, 1},
        {"IVMode", "Torque", 0, 0},
        {"ivmode", "CURRENT", 0, 0},
        {"NoSuchList", "Voltage", -1, -1},
        {"CmdSrc", "Command Variable", 0, 1},
        {"CmdSrc", "command_variable", 1, 0},
        {"FaultCode", "", 11, 11},
        {"FaultCode", "Driev_Over_Temperature", 5, 0},
        {"FaultCode", "drive over temperature", 0, 5},
        {"Stat", "error during data transfer", 9, 9},
        {"AutoDis", "Plus", 2, 2},
        {"AutoDis", "plus", 2, 2},
        {"AutoDis", "Both", 0, 0},
        {"PWMTimeOut", "0.21 Sec", 0, 3},
        {"Kip", "1269.696", 15, 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.list) + " '" + c.text + "'");
        EXPECT_EQ(SymbolTable::GetKeyByToken(c.list, c.text), c.byToken);
        EXPECT_EQ(SymbolTable::GetKeyByLabel(c.list, c.text), c.byLabel);
    }
}

// Every value a two-state or enumeration parameter can take has a blank-free token that
// reads back to its key, so a parameter file keeps it; "AutoDis" 1 is the one exception.
TEST(LabelLists, EveryParameterValueSurvivesTokenAndLabel) {
    for (int i = 0; i < VarTableRecords; ++i) {
        const VarTable& r = VarTables[i];
        if (r.Type != 0 && r.Type != 1) {
            continue;
        }
        SCOPED_TRACE(r.Name);
        ASSERT_NE(SymbolTable::FindLabelList(r.Name), nullptr);
        for (int32_t key = r.VMin; key <= r.VMax; ++key) {
            const Text token = SymbolTable::GetToken(r.Name, key);
            if (std::string_view(r.Name) == "AutoDis" && key == 1) {
                EXPECT_FALSE(token.has_value());
                continue;
            }
            ASSERT_TRUE(token.has_value()) << key;
            EXPECT_FALSE(token->empty()) << key;
            EXPECT_EQ(token->find(' '), std::string_view::npos) << *token;
            EXPECT_EQ(SymbolTable::GetKeyByToken(r.Name, *token), key) << *token;
            const Text label = SymbolTable::GetLabel(r.Name, key);
            ASSERT_TRUE(label.has_value()) << key;
            EXPECT_EQ(SymbolTable::GetKeyByLabel(r.Name, *label), key) << *label;
        }
    }
}

TEST(LabelLists, SixtyFourDistinctModelNames) {
    std::set<std::string> seen;
    const ValueLabel* e = SymbolTable::FindLabelList("Model")->Labels;
    int32_t n = 0;
    for (; e->Key != -1; ++e, ++n) {
        EXPECT_EQ(e->Key, n);
        const std::string token = e->Token;
        EXPECT_EQ(token, e->Label);
        EXPECT_EQ(token.size(), 6u) << token;
        EXPECT_EQ(token.find(' '), std::string::npos) << token;
        std::string upper = token;
        for (char& c : upper) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        EXPECT_TRUE(seen.insert(upper).second) << token << " twice";
    }
    EXPECT_EQ(n, 64);
}

TEST(LabelLists, FillLabelsAppendsInListOrder) {
    std::vector<std::string> strings = {"kept"};
    SymbolTable::FillLabels("KIP", strings);
    ASSERT_EQ(strings.size(), 17u);
    EXPECT_EQ(strings[0], "kept");
    EXPECT_EQ(strings[1], "6.613");
    EXPECT_EQ(strings[2], "9.9195");
    EXPECT_EQ(strings[3], "13.226");
    EXPECT_EQ(strings[8], "79.356"); // position 7 of the list, key 11
    EXPECT_EQ(strings[16], "1269.696");

    SymbolTable::FillLabels("NoSuchList", strings);
    EXPECT_EQ(strings.size(), 17u);

    std::vector<std::string> fault;
    SymbolTable::FillLabels("FaultCode", fault);
    ASSERT_EQ(fault.size(), 16u);
    EXPECT_EQ(fault[11], "");
}

TEST(LabelLists, FillLabelsUpToReplacesTheContent) {
    struct Case {
        const char* list;
        int32_t highest;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"ILmtPlus", 1, {"0", "33"}},
        {"ilmtminus", 3, {"0", "33", "67", "100"}},
        {"ILmtPlus", 99, {"0", "33", "67", "100"}},
        {"ILmtPlus", -1, {}},
        {"KIP", 7, {"6.613"}}, // stops at the first key above, 8
        {"AutoDis", 1, {"Off"}},
        {"NoSuchList", 5, {}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> strings = {"old", "content"};
        SymbolTable::FillLabelsUpTo(c.list, strings, c.highest);
        EXPECT_EQ(strings, c.expected) << c.list << " " << c.highest;
    }
}

TEST(LabelLists, NearestKeyTiesGoToTheLowerEntry) {
    constexpr float inf = std::numeric_limits<float>::infinity();
    struct Case {
        const char* list;
        float x;
        int32_t key;
    };
    const Case cases[] = {
        {"Kip", 10.0f, 8},        {"KIP", 6.0f, 0},
        {"KIP", 79.356f, 11},     {"KIP", 5000.0f, 15},
        {"CmdF0", 0.1f, 0},       {"CmdF0", 10000.0f, 7},
        {"CmdF0", 777.1f, 4},     {"CmdF0", 100.0f, 2},
        {"CmdF0", 110.0f, 3},     {"ILmtPlus", 50.0f, 1},
        {"ILmtPlus", 50.01f, 2},  {"ILmtPlus", 49.99f, 1},
        {"ILmtPlus", 100.0f, 3},  {"ILmtPlus", -5.0f, 0},
        {"PoleCount", 7.0f, 3},   {"PoleCount", 7.001f, 4},
        {"PoleCount", 62.0f, 31}, {"ILmtPlus", inf, 3},
        {"ILmtPlus", -inf, 0},    {"ILmtPlus", std::nanf(""), 0},
        {"NoSuchList", 1.0f, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SymbolTable::NearestKey(c.list, c.x), c.key) << c.list << " " << c.x;
    }
}

TEST(LabelLists, FloorKeyTakesTheEntryAtOrBelow) {
    struct Case {
        const char* list;
        float x;
        int32_t key;
    };
    const Case cases[] = {
        {"ILmtPlus", 50.0f, 1},         {"ILmtPlus", 67.0f, 2},
        {"ILmtPlus", 150.0f, 3},        {"ILmtPlus", -5.0f, 0},
        {"ILmtPlus", 0.0f, 0},          {"ILmtPlus", 33.0f, 1},
        {"ILmtPlus", 32.99f, 0},        {"ILmtPlus", 100.0f, 3},
        {"ILmtPlus", 99.99f, 2},        {"KIP", 10.0f, 8},
        {"CmdF0", 0.379f, 0},           {"CmdF0", 0.378f, 0},
        {"ILmtPlus", std::nanf(""), 0}, {"NoSuchList", 1.0f, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SymbolTable::FloorKey(c.list, c.x), c.key) << c.list << " " << c.x;
    }
}

} // namespace
