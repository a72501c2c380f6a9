#pragma once

#include <gtest/gtest.h>

#include <string>

namespace keldra::testing {

// Names a table-driven case after its `name` field, so a failure says which row failed.
template <class Case>
std::string ParamName(const ::testing::TestParamInfo<Case>& row) {
    return row.param.name;
}

}  // namespace keldra::testing
