// Names parameterised cases after their `name` field.
#ifndef TESTS_ZKCOMM_CASE_NAME_H
#define TESTS_ZKCOMM_CASE_NAME_H

#include <gtest/gtest.h>

#include <string>

namespace zkcomm::test {

struct CaseName {
    template <typename Param>
    std::string operator()(const ::testing::TestParamInfo<Param>& param) const {
        return param.param.name;
    }
};

} // namespace zkcomm::test

#endif
