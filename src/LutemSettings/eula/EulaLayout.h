#pragma once

// Where the licence dialog puts its two controls for a client area of
// clientWidth x clientHeight and a Close button of buttonWidth x
// buttonHeight: the text 7 pixels from the left, top and right edges and 7
// above the button, the button centred 7 pixels above the bottom. Sizes
// that would be negative in a tiny window are 0.
struct EulaLayout {
  int textX = 0;
  int textY = 0;
  int textWidth = 0;
  int textHeight = 0;
  int buttonX = 0;
  int buttonY = 0;

  static EulaLayout For(int clientWidth, int clientHeight, int buttonWidth, int buttonHeight);
};
