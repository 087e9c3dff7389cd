// The window's character set: code page 437 with 8x8 pixel glyphs.
#pragma once

#include <cstdint>

// Glyph rows of each byte, top row first; bit 7 is the leftmost pixel.
extern const uint8_t FONT_CP437[256][8];

// The Unicode character each byte shows, for turning typed text into bytes.
extern const uint16_t CP437_UNICODE[256];
