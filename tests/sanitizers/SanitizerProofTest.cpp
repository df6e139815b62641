#include <gtest/gtest.h>

#include <memory>

namespace
{
// The index comes from outside the compiler's view so the read cannot be folded away.
volatile int g_pastTheEnd = 8;

TEST(SanitizerProof, ReadPastTheEndOfAHeapBufferMustFailTheSanitizedBuild)
{
    const std::unique_ptr<int[]> buffer(new int[8]());
    const int value = buffer[g_pastTheEnd];
    EXPECT_EQ(value, value);
}
}  // namespace
