#include "toolkit/cVar.h"

#include <gtest/gtest.h>

TEST(VarWrite, IntegersTruncateTowardZeroWithinTheirRange) {
    const struct {
        float value;
        int as_int;
        unsigned as_unsigned;
    } cases[] = {{7.9f, 7, 7},
                 {-2.7f, -2, 0},
                 {3e10f, 2147483647, 4294967295u},
                 {-3e10f, -2147483647 - 1, 0}};
    for (const auto& c : cases) {
        int i = 99;
        unsigned u = 99;
        cVar<int>("i", &i).set_component(0, c.value);
        cVar<unsigned>("u", &u).set_component(0, c.value);
        EXPECT_EQ(i, c.as_int) << c.value;
        EXPECT_EQ(u, c.as_unsigned) << c.value;
    }
}
