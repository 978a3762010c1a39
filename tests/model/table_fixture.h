// Tests that store values put the program's table back to its defaults.
#ifndef TESTS_MODEL_TABLE_FIXTURE_H
#define TESTS_MODEL_TABLE_FIXTURE_H

#include "zktools/model/symbol_table.h"

#include <gtest/gtest.h>

class TableTest : public ::testing::Test {
protected:
    void SetUp() override { SymTable.ResetToDefaults(); }
    void TearDown() override { SymTable.ResetToDefaults(); }
};

#endif
