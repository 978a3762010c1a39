// Names parameterised cases after their row's `name`.
#ifndef TESTS_ZKSTART_CASE_NAME_H
#define TESTS_ZKSTART_CASE_NAME_H

#include <gtest/gtest.h>

#include <string>

namespace zk::start::test {

struct CaseName {
    template <class Row> std::string operator()(const ::testing::TestParamInfo<Row>& row) const {
        return row.param.name;
    }
};

} // namespace zk::start::test

#endif
