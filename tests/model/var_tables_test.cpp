#include "zktools/model/symbol_table.h"
#include "zktools/model/var_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

namespace {

TEST(VarTables, HoldsTwentyFiveRecordsThenTheTerminator) {
    EXPECT_EQ(SymTable.Count(), 25);
    EXPECT_EQ(SymTable.Entries(), &VarTables[0]);
    EXPECT_EQ(VarTables[25].Name, nullptr);
    EXPECT_STREQ(VarTables[25].Description, "Table terminator");
    for (int i = 0; i < 25; ++i) {
        ASSERT_NE(VarTables[i].Name, nullptr) << i;
    }
}

TEST(VarTables, NVWordMirrorsTheRegisterBelow) {
    for (int i = 0; i < 25; ++i) {
        const VarTable& r = VarTables[i];
        if (r.NVAddr != -1) {
            EXPECT_EQ(r.NVAddr, r.LogicAddr - 1) << r.Name;
        } else {
            EXPECT_EQ(r.NVParam, 0) << r.Name << " is an NV parameter without an NV word";
        }
    }
}

// Every bit of the register map belongs to at most one parameter, and each field lies
// inside its register.
TEST(VarTables, FieldsDoNotOverlap) {
    std::map<int, std::string> owner; // register * 8 + bit
    const auto claim = [&](int reg, int bit, const char* name) {
        ASSERT_GE(bit, 0) << name;
        ASSERT_LE(bit, 7) << name;
        const auto [it, inserted] = owner.emplace(reg * 8 + bit, name);
        EXPECT_TRUE(inserted) << name << " and " << it->second << " share register " << reg
                              << " bit " << bit;
    };
    for (int i = 0; i < 25; ++i) {
        const VarTable& r = VarTables[i];
        if (r.Bytes == 1) {
            for (int b = r.MsbBit - r.Width + 1; b <= r.MsbBit; ++b) {
                claim(r.LogicAddr, b, r.Name);
            }
        } else {
            ASSERT_EQ(r.Bytes, 2) << r.Name;
            EXPECT_EQ(r.MsbBit, 7) << r.Name;
            ASSERT_GE(r.Width, 1) << r.Name;
            ASSERT_LE(r.Width, 8) << r.Name;
            for (int b = 0; b < 8; ++b) {
                claim(r.LogicAddr, b, r.Name);
            }
            for (int b = 8 - r.Width; b < 8; ++b) {
                claim(r.LogicAddr - 1, b, r.Name);
            }
        }
    }
}

// Limits and defaults must be values the field can hold, or a transfer could never
// verify them.
TEST(VarTables, LimitsAndDefaultsFitTheField) {
    for (int i = 0; i < 25; ++i) {
        const VarTable& r = VarTables[i];
        long long lo = 0;
        long long hi = 0;
        if (r.Bytes == 2) {
            lo = -(1LL << (r.Width + 7));
            hi = (1LL << (r.Width + 7)) - 1;
        } else if (r.Type == 15) {
            ASSERT_EQ(r.Width, 8) << r.Name;
            lo = -128;
            hi = 127;
        } else {
            hi = (1LL << r.Width) - 1;
        }
        for (const auto& [min, max] : {std::pair{r.VMin, r.VMax}, std::pair{r.IMin, r.IMax}}) {
            EXPECT_LE(min, max) << r.Name;
            EXPECT_GE(min, lo) << r.Name;
            EXPECT_LE(max, hi) << r.Name;
            EXPECT_GE(r.Default, min) << r.Name;
            EXPECT_LE(r.Default, max) << r.Name;
        }
    }
}

TEST(VarTables, TypesAndUnitsAreConsistent) {
    for (int i = 0; i < 25; ++i) {
        const VarTable& r = VarTables[i];
        const bool numeric = r.Type >= 11 && r.Type <= 17;
        EXPECT_TRUE(r.Type == 0 || r.Type == 1 || numeric) << r.Name;
        if (r.Type == 0) {
            EXPECT_EQ(r.Width, 1) << r.Name;
        }
        if (numeric) {
            EXPECT_NE(r.VUnit, nullptr) << r.Name;
            EXPECT_NE(r.IUnit, nullptr) << r.Name;
        }
        for (const char* unit : {r.VUnit, r.IUnit}) {
            if (unit != nullptr) {
                EXPECT_EQ(unit[0], ' ') << r.Name;
                EXPECT_GT(std::strlen(unit), 1u) << r.Name;
            }
        }
        EXPECT_GT(std::strlen(r.Description), 0u) << r.Name;
    }
}

} // namespace
