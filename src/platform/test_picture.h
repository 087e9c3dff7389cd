// Test helper: a surface region as text, one character per pixel, so that
// framebuffer tests can state the expected pixels as a literal picture.
#pragma once

#include <cstdint>
#include <string>

#include "platform/surface.h"

// '.' black, 'W' white, 'Y' yellow, 'R' red, 'G' green, 'a' axis grey,
// '?' anything else. The alpha byte has no visible effect and is ignored.
inline char pixelLetter(uint32_t pixel) {
  switch (pixel | 0xFF000000u) {
    case COLOUR_BLACK:
      return '.';
    case COLOUR_WHITE:
      return 'W';
    case COLOUR_YELLOW:
      return 'Y';
    case COLOUR_RED:
      return 'R';
    case COLOUR_GREEN:
      return 'G';
    case COLOUR_AXIS_GREY:
      return 'a';
    default:
      return '?';
  }
}

// Rows y .. y + height - 1 of columns x .. x + width - 1, each row ended by
// "\n"; pixels outside the surface read as black.
inline std::string picture(const Surface& s, int32_t x, int32_t y, int32_t width, int32_t height) {
  std::string text;
  for (int32_t row = y; row < y + height; ++row) {
    for (int32_t column = x; column < x + width; ++column) {
      bool inside = column >= 0 && row >= 0 && column < s.width && row < s.height;
      text += inside ? pixelLetter(pixelAt(s, column, row)) : '.';
    }
    text += '\n';
  }
  return text;
}

inline std::string picture(const Surface& s) {
  return picture(s, 0, 0, s.width, s.height);
}
