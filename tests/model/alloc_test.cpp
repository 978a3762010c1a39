// Lookups and display formatting must not allocate: they run on every poll of the status
// thread and for every grid cell. Counted by replacing the global operator new.
#include "counting_new.h"
#include "zktools/model/data_process.h"
#include "zktools/model/symbol_table.h"

#include <gtest/gtest.h>

#include <new>
#include <string>

namespace {

template <typename F> long AllocationsOf(F&& f) {
    const long before = AllocationCount();
    f();
    return AllocationCount() - before;
}

TEST(Allocation, CountingWorks) {
    // A direct call: the compiler may leave out allocations of new-expressions, not this.
    EXPECT_EQ(AllocationsOf([] { ::operator delete(::operator new(64)); }), 1);
}

TEST(Allocation, LookupsAllocateNothing) {
    int32_t a = 0, b = 0, c = 0, d = 0, e = 0, f = 0;
    SymTable.Exists("IVMode"); // the one-time sortedness check
    EXPECT_EQ(AllocationsOf([&] {
                  for (const char* name : {"pwmtimeout", "AutoDis", "SWENABLE", "nothing"}) {
                      SymTable.Find(name);
                      SymTable.GetValue(name, a);
                      SymTable.SetValue(name, a);
                      SymTable.GetType(name);
                      SymTable.Exists(name);
                      SymTable.IsReadOnly(name);
                      SymTable.GetVRange(name, a, b, c, d);
                      SymTable.GetIRange(name, a, b, c, d);
                      SymTable.GetAddress(name, a, b, c, d, e, f);
                  }
                  SymbolTable::GetToken("Model", 50);
                  SymbolTable::GetLabel("stat", 9);
                  SymbolTable::GetKeyByToken("IVMode", "voltage");
                  SymbolTable::GetKeyByLabel("CmdSrc", "Command Variable");
                  SymbolTable::NearestKey("Kip", 10.0f);
                  SymbolTable::FloorKey("ILmtPlus", 50.0f);
              }),
              0);
}

// Short results stay in the string's own buffer (15 characters with this library): the
// longest display text has 13, every parameter name and unit text fewer than 16.
TEST(Allocation, DisplayTextsAndShortNamesAllocateNothing) {
    int32_t raw = 0;
    EXPECT_EQ(AllocationsOf([&] {
                  for (int32_t type = 11; type <= 17; ++type) {
                      for (int32_t iv : {0, 1}) {
                          DataProcess::FormatValue(type, iv, INT32_MIN);
                          DataProcess::FormatValue(type, iv, 24453);
                          DataProcess::ScaleToRaw(type, iv, 290.0f);
                      }
                  }
                  DataProcess::ParseAndCheck("Command", 1, 290.0f, raw);
                  DataProcess::ParseNumber(" -10.63 ");
                  SymTable.GetName("pwmtimeout");
                  SymTable.GetVUnit("Kip");
                  SymTable.GetIUnit("CommOff");
              }),
              0);
}

} // namespace
