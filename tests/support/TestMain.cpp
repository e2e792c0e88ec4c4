#include <gtest/gtest.h>

#include "tests/support/TestHome.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    UseTemporaryHome();
    return RUN_ALL_TESTS();
}
