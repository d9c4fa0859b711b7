#include "base/verify.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

int checkedIndex(int index, int count) {
    VERIFY(index >= 0 && index < count, "pass an index below the count");
    return index;
}

TEST(VerifyDeathTest, PassesQuietlyAndAbortsWithPlaceConditionAndFix) {
    EXPECT_EQ(checkedIndex(2, 3), 2);
    EXPECT_DEATH(checkedIndex(3, 3),
                 "verify_test\\.cpp:[0-9]+: VERIFY\\(index >= 0 && index < count\\) failed: pass an index below the count");
}

} // namespace
} // namespace velmora
