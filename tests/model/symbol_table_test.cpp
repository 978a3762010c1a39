#include "table_fixture.h"

#include "zktools/model/symbol_table.h"

#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <string>
#include <vector>

namespace {

using SymbolTableTest = TableTest;

std::vector<std::string> Names(const VarTableList& list) {
    std::vector<std::string> names;
    for (const VarTable& r : list) {
        names.emplace_back(r.Name);
    }
    return names;
}

std::string Cased(const char* name, int (*change)(int)) {
    std::string s(name);
    for (char& c : s) {
        c = static_cast<char>(change(static_cast<unsigned char>(c)));
    }
    return s;
}

TEST(SymbolTableLookup, FindsEveryNameInAnyLetterCase) {
    for (int i = 0; i < 25; ++i) {
        const char* name = VarTables[i].Name;
        for (const std::string& query :
             {std::string(name), Cased(name, ::tolower), Cased(name, ::toupper)}) {
            EXPECT_EQ(SymTable.Find(query), &VarTables[i]) << query;
            EXPECT_EQ(SymTable.GetName(query), name) << query;
        }
    }
    EXPECT_EQ(SymTable.GetName("iVmOdE"), "IVMode");
}

TEST(SymbolTableLookup, NameOrderUpperCasesBytes) {
    struct Case {
        const char* a;
        const char* b;
        int sign;
    };
    const Case cases[] = {
        {"DirSrc", "DM1Map", -1},
        {"IrCompSrc", "IVMode", -1},
        {"PoleCount", "PWMMinus", -1},
        {"ivmode", "IVMODE", 0},
        {"IrComp", "IrCompSrc", -1},
        {"IrCompSrc", "IrComp", 1},
        {"", "", 0},
        {"", "A", -1},
        {"_", "a", 1},
        {"\xE9", "a", 1},
        {"Kii", "KIP", -1},
        {"Kip", "KII", 1},
    };
    for (const Case& c : cases) {
        const int r = SymbolTable::CompareNames(c.a, c.b);
        EXPECT_EQ((r > 0) - (r < 0), c.sign) << c.a << " vs " << c.b;
    }
    // The difference of the upper-cased bytes, taken as unsigned.
    EXPECT_EQ(SymbolTable::CompareNames("a", "c"), 'A' - 'C');
    EXPECT_EQ(SymbolTable::CompareNames("\xE9", "a"), 0xE9 - 'A');
    EXPECT_EQ(SymbolTable::CompareNames("AB", "ABC"), -'C');
}

TEST(SymbolTableLookup, UnknownNamesGetTheFixedAnswers) {
    for (const std::string& name : std::vector<std::string>{
             "", "IVMod", "IVModeX", "IVMode ", " IVMode", "IV Mode", "AAAA", "zzzz",
             "Table terminator", "No Such Parameter", std::string("IVMode\0", 7) + "x"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(SymTable.IsReadOnly(name));
        EXPECT_TRUE(SymTable.IsReadOnlyFactory(name));
        EXPECT_TRUE(SymTable.IsUserVisible(name));
        EXPECT_EQ(SymTable.GetVUnit(name), "0");
        EXPECT_EQ(SymTable.GetIUnit(name), "0");
        EXPECT_EQ(SymTable.GetType(name), 1000);
        EXPECT_FALSE(SymTable.Exists(name));
        EXPECT_EQ(SymTable.GetName(name), "No Such Parameter");

        int32_t a = -7, b = -7, c = -7, d = -7, e = -7, f = -7;
        EXPECT_FALSE(SymTable.GetVRange(name, a, b, c, d));
        EXPECT_FALSE(SymTable.GetIRange(name, a, b, c, d));
        EXPECT_FALSE(SymTable.GetAddress(name, a, b, c, d, e, f));
        EXPECT_FALSE(SymTable.GetValue(name, a));
        for (int32_t v : {a, b, c, d, e, f}) {
            EXPECT_EQ(v, -7) << "out-argument touched";
        }
    }
}

TEST(SymbolTableLookup, KnownNamesAnswerFromTheirRecord) {
    EXPECT_EQ(SymTable.GetVUnit("Model"), "");
    EXPECT_EQ(SymTable.GetIUnit("model"), "");
    EXPECT_EQ(SymTable.GetVUnit("command"), " Vrms");
    EXPECT_EQ(SymTable.GetIUnit("COMMAND"), " Irms");
    EXPECT_EQ(SymTable.GetVUnit("Kip"), " V/A(Nom)");
    EXPECT_TRUE(SymTable.IsReadOnly("Model"));
    EXPECT_FALSE(SymTable.IsReadOnlyFactory("Model"));
    EXPECT_TRUE(SymTable.IsReadOnlyFactory("HVF"));
    EXPECT_FALSE(SymTable.IsReadOnly("Command"));
    EXPECT_FALSE(SymTable.IsUserVisible("IdCmd"));
    EXPECT_FALSE(SymTable.IsUserVisible("kii"));
    EXPECT_TRUE(SymTable.IsUserVisible("HVF"));
    EXPECT_EQ(SymTable.GetType("LogicVer"), 17);
    EXPECT_EQ(SymTable.GetType("IVMode"), 0);
    EXPECT_TRUE(SymTable.Exists("swenable"));

    int32_t logic = 0, nv = 0, bytes = 0, msb = 0, width = 0, type = 0;
    ASSERT_TRUE(SymTable.GetAddress("hvf", logic, nv, bytes, msb, width, type));
    EXPECT_EQ(std::vector<int32_t>({logic, nv, bytes, msb, width, type}),
              std::vector<int32_t>({29, -1, 2, 7, 6, 16}));
    ASSERT_TRUE(SymTable.GetAddress("ILmtPlus", logic, nv, bytes, msb, width, type));
    EXPECT_EQ(std::vector<int32_t>({logic, nv, bytes, msb, width, type}),
              std::vector<int32_t>({13, 12, 1, 3, 2, 1}));
}

TEST_F(SymbolTableTest, RangesOfBothModesShareValueAndType) {
    ASSERT_TRUE(SymTable.SetValue("Command", 1234));
    int32_t min = 0, max = 0, value = 0, type = 0;
    ASSERT_TRUE(SymTable.GetVRange("Command", min, max, value, type));
    EXPECT_EQ(std::vector<int32_t>({min, max, value, type}),
              std::vector<int32_t>({-24453, 24453, 1234, 11}));
    ASSERT_TRUE(SymTable.GetIRange("command", min, max, value, type));
    EXPECT_EQ(std::vector<int32_t>({min, max, value, type}),
              std::vector<int32_t>({-19149, 19149, 1234, 11}));
    ASSERT_TRUE(SymTable.GetIRange("PWMPlus", min, max, value, type));
    EXPECT_EQ(std::vector<int32_t>({min, max, type}), std::vector<int32_t>({-75, 75, 15}));
}

TEST_F(SymbolTableTest, SetValueStoresAnyValueOnlyForKnownNames) {
    for (int32_t v : {INT32_MIN, -1, 0, 1000, INT32_MAX}) {
        ASSERT_TRUE(SymTable.SetValue("ivmode", v));
        int32_t got = 0;
        ASSERT_TRUE(SymTable.GetValue("IVMODE", got));
        EXPECT_EQ(got, v);
        EXPECT_EQ(VarTables[15].Value.load(), v);
    }
    SymTable.ResetToDefaults();
    EXPECT_FALSE(SymTable.SetValue("IVModes", 5));
    for (int i = 0; i < 25; ++i) {
        EXPECT_EQ(VarTables[i].Value.load(), VarTables[i].Default) << VarTables[i].Name;
    }
}

TEST_F(SymbolTableTest, ResetBringsEveryValueBackToItsDefault) {
    for (int i = 0; i < 25; ++i) {
        VarTables[i].Value.store(-12345 - i);
    }
    SymTable.ResetToDefaults();
    for (int i = 0; i < 25; ++i) {
        EXPECT_EQ(VarTables[i].Value.load(), VarTables[i].Default) << VarTables[i].Name;
    }
    int32_t v = 0;
    ASSERT_TRUE(SymTable.GetValue("Model", v));
    EXPECT_EQ(v, 50);
    ASSERT_TRUE(SymTable.GetValue("Kip", v));
    EXPECT_EQ(v, 11);
    ASSERT_TRUE(SymTable.GetValue("PoleCount", v));
    EXPECT_EQ(v, 6);
}

TEST(SymbolTableLists, UserNVSetInTableOrder) {
    const std::vector<std::string> expected = {
        "AutoDis", "CmdF0",   "CmdSrc",    "Command",  "CommOff", "DirSrc",    "DM1Map",
        "EncOut",  "FltDiag", "ILmtMinus", "ILmtPlus", "IrComp",  "IrCompSrc", "IVMode",
        "Kip",     "Model",   "PoleCount", "PWMMinus", "PWMPlus", "PWMTimeOut"};
    EXPECT_EQ(Names(SymTable.GetUserNVVars()), expected);

    std::vector<std::string> nv = expected;
    nv.insert(nv.begin() + 9, "IdCmd");
    EXPECT_EQ(Names(SymTable.GetNVVars()), nv);
}

TEST(SymbolTableLists, FiltersAndCounts) {
    const VarTableList all = SymTable.GetAllVars();
    ASSERT_EQ(all.size(), 25u);
    for (int i = 0; i < 25; ++i) {
        EXPECT_EQ(&all[i].get(), &VarTables[i]) << "a list refers to the records themselves";
    }
    std::vector<std::string> user = Names(all);
    std::erase(user, "IdCmd");
    std::erase(user, "Kii");
    EXPECT_EQ(Names(SymTable.GetUserVars()), user);
    EXPECT_EQ(Names(SymTable.GetMonitoredVars()), std::vector<std::string>{"HVF"});
}

TEST_F(SymbolTableTest, ListsAreIndependentOfEachOther) {
    VarTableList first = SymTable.GetUserNVVars();
    const VarTableList second = SymTable.GetUserNVVars();
    first.clear();
    ASSERT_EQ(second.size(), 20u);
    EXPECT_STREQ(second.front().get().Name, "AutoDis");
    EXPECT_EQ(SymTable.Count(), 25);
    // Values written through a list land in the table.
    second[15].get().Value.store(33);
    int32_t v = 0;
    ASSERT_TRUE(SymTable.GetValue("Model", v));
    EXPECT_EQ(v, 33);
}

} // namespace
