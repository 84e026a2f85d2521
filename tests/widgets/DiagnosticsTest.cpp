#include "widgets/Diagnostics.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

// stderr's orientation is fixed by its first use; both kinds of line must
// still get through, in either order, in a fresh process.
TEST(Diagnostics, ErrorsAndWarningsBothReachStderrInEitherOrder)
{
    EXPECT_EXIT(
        {
            Diagnostics::error("ERROR: first");
            Diagnostics::warning(L"WARNING: second \u8a9e");
            std::exit(0);
        },
        testing::ExitedWithCode(0), "ERROR: first\nWARNING: second \xe8\xaa\x9e\n");
    EXPECT_EXIT(
        {
            Diagnostics::warning(L"WARNING: first");
            Diagnostics::error("ERROR: second");
            Diagnostics::warning(L"WARNING: third");
            std::exit(0);
        },
        testing::ExitedWithCode(0), "WARNING: first\nERROR: second\nWARNING: third\n");
}

TEST(Diagnostics, FatalEndsWithCodeOne)
{
    EXPECT_EXIT(Diagnostics::fatal("ERROR: stop"), testing::ExitedWithCode(1), "ERROR: stop\n");
}
