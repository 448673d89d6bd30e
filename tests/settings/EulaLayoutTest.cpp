// The licence dialog's layout after a resize.
#include <gtest/gtest.h>

#include "eula/EulaLayout.h"

namespace {

TEST(EulaLayoutTest, SevenPixelsAroundTheTextAndTheButtonCentredBelow) {
  EulaLayout layout = EulaLayout::For(784, 561, 75, 23);
  EXPECT_EQ(layout.textX, 7);
  EXPECT_EQ(layout.textY, 7);
  EXPECT_EQ(layout.textWidth, 770);
  EXPECT_EQ(layout.textHeight, 561 - 23 - 21);
  EXPECT_EQ(layout.buttonX, (784 - 75) / 2);
  EXPECT_EQ(layout.buttonY, 561 - 23 - 7);
  // Text and button 7 pixels apart.
  EXPECT_EQ(layout.buttonY - (layout.textY + layout.textHeight), 7);
  // A window too small for the margins gives no negative sizes.
  EulaLayout tiny = EulaLayout::For(10, 20, 75, 23);
  EXPECT_EQ(tiny.textWidth, 0);
  EXPECT_EQ(tiny.textHeight, 0);
}

}  // namespace
