#include <gtest/gtest.h>

#include "content/TextSizes.h"

using namespace lumivra;

TEST(TextSizes, StepsHoldAtBothEndsAndStartFromNormalOffTheList) {
  EXPECT_EQ(StepTextSize(100, 1), 110);
  EXPECT_EQ(StepTextSize(67, -2), 50);
  EXPECT_EQ(StepTextSize(250, 3), 300);
  EXPECT_EQ(StepTextSize(101, -1), 90);
}
