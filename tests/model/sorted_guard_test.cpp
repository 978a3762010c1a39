#include "zktools/model/model_error.h"
#include "zktools/model/symbol_table.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

// A private copy of the built-in table whose names can be rearranged.
class TableCopy {
public:
    TableCopy() : records_(std::make_unique<VarTable[]>(VarTableRecords + 1)) {
        for (int i = 0; i <= VarTableRecords; ++i) {
            const VarTable& s = VarTables[i];
            VarTable& d = records_[i];
            d.Name = s.Name;
            d.LogicAddr = s.LogicAddr;
            d.NVAddr = s.NVAddr;
            d.Bytes = s.Bytes;
            d.Type = s.Type;
            d.Value.store(s.Default);
            d.Default = s.Default;
            d.Description = s.Description;
        }
    }
    VarTable* get() { return records_.get(); }
    VarTable& operator[](int i) { return records_[i]; }

private:
    std::unique_ptr<VarTable[]> records_;
};

void ExpectEveryLookupThrows(const SymbolTable& table) {
    for (int round = 0; round < 3; ++round) {
        for (const char* name : {"IVMode", "CommOff", "DirSrc", "nothing"}) {
            try {
                table.Find(name);
                ADD_FAILURE() << "no exception for " << name;
            } catch (const ModelError& e) {
                EXPECT_STREQ(e.what(), "Symbol Table is not sorted!");
            }
        }
        EXPECT_THROW(table.GetType("Model"), ModelError);
        EXPECT_THROW(table.Exists("Model"), ModelError);
        EXPECT_THROW(table.GetName("Model"), ModelError);
        int32_t v = 0;
        EXPECT_THROW(table.GetValue("Model", v), ModelError);
        EXPECT_TRUE(table.CheckPending());
    }
}

TEST(SortedGuard, CopyOfTheTableIsSortedAndFindsEveryName) {
    TableCopy copy;
    SymbolTable table(copy.get());
    EXPECT_TRUE(table.CheckPending());
    EXPECT_EQ(table.Count(), 25);
    for (int i = 0; i < 25; ++i) {
        EXPECT_EQ(table.Find(copy[i].Name), &copy[i]);
    }
    EXPECT_FALSE(table.CheckPending());
}

TEST(SortedGuard, SwappedRecordsRaiseOnEveryLookup) {
    // Records 5 and 6 ("CommOff", "DirSrc"), and the last two.
    for (const auto& [a, b] : {std::pair{4, 5}, std::pair{23, 24}, std::pair{0, 1}}) {
        TableCopy copy;
        std::swap(copy[a].Name, copy[b].Name);
        SymbolTable table(copy.get());
        SCOPED_TRACE(copy[a].Name);
        ExpectEveryLookupThrows(table);
    }
}

TEST(SortedGuard, ANameTwiceRaisesEvenInOtherLetterCase) {
    for (const char* twin : {"CommOff", "COMMOFF"}) {
        TableCopy copy;
        copy[5].Name = twin; // in place of "DirSrc", right after "CommOff"
        SymbolTable table(copy.get());
        SCOPED_TRACE(twin);
        ExpectEveryLookupThrows(table);
    }
}

TEST(SortedGuard, CountStopsAtTheFirstRecordWithoutAName) {
    TableCopy copy;
    copy[3].Name = nullptr;
    SymbolTable table(copy.get());
    EXPECT_EQ(table.Count(), 3);
    EXPECT_NE(table.Find("cmdsrc"), nullptr);
    EXPECT_EQ(table.Find("Command"), nullptr);
    EXPECT_EQ(table.GetAllVars().size(), 3u);

    copy[0].Name = nullptr;
    SymbolTable empty(copy.get());
    EXPECT_EQ(empty.Count(), 0);
    EXPECT_EQ(empty.Find("AutoDis"), nullptr);
    EXPECT_EQ(empty.GetType("AutoDis"), 1000);
}

TEST(SortedGuard, BuiltInTablePassesTheCheck) {
    EXPECT_NO_THROW(SymTable.CheckSorted());
    EXPECT_TRUE(SymTable.Exists("IVMode"));
    EXPECT_FALSE(SymTable.CheckPending());
}

} // namespace
