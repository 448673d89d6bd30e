#include "eula/EulaLayout.h"

#include <algorithm>

namespace {
constexpr int kMargin = 7;
}

EulaLayout EulaLayout::For(int clientWidth, int clientHeight, int buttonWidth, int buttonHeight) {
  EulaLayout layout;
  layout.textX = kMargin;
  layout.textY = kMargin;
  layout.textWidth = std::max(clientWidth - 2 * kMargin, 0);
  layout.textHeight = std::max(clientHeight - buttonHeight - 3 * kMargin, 0);
  layout.buttonX = (clientWidth - buttonWidth) / 2;
  layout.buttonY = clientHeight - buttonHeight - kMargin;
  return layout;
}
