// Parameterised tests named after their case, so that CTest lists "Circuits/Table/rc_2_55", not
// the bytes of the case.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace ovrelan::testing {

// Names a test after its case's `name` (a C string).
struct CaseName {
    template <class P> std::string operator()(const ::testing::TestParamInfo<P>& info) const {
        return info.param.name;
    }
};

} // namespace ovrelan::testing
