// A sanitizer run must really be one: the build says which sanitizer it asked
// for, and the compiler says which one it applied.
#include <gtest/gtest.h>

#include <string>

TEST(Build, RequestedSanitizerIsApplied) {
#ifdef TUMBRIX_SANITIZER
    const std::string requested = TUMBRIX_SANITIZER;
#if defined(__SANITIZE_ADDRESS__)
    EXPECT_EQ(requested, "address");
#elif defined(__SANITIZE_THREAD__)
    EXPECT_EQ(requested, "thread");
#else
    ADD_FAILURE() << "built for the " << requested << " sanitizer, but none is applied";
#endif
#else
    GTEST_SKIP() << "not a sanitizer build";
#endif
}
