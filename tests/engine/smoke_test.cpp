#include "numbers.h"

#include <gtest/gtest.h>

TEST(Smoke, FormatsWithComma) { EXPECT_EQ(velkor::Format("%3.2f", 0.125, velkor::CommaLocale()), "0,13"); }
