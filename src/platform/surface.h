// Surface: a block of 32-bit ARGB pixels and the drawing done on it. The
// window's framebuffer and every off-screen image are surfaces; everything
// the program shows is drawn here, by this code, and a window backend only
// copies the finished pixels to the screen.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

constexpr uint32_t COLOUR_WHITE = 0xFFFFFFFF;
constexpr uint32_t COLOUR_YELLOW = 0xFFFFFF00;
constexpr uint32_t COLOUR_RED = 0xFFFF0000;
constexpr uint32_t COLOUR_GREEN = 0xFF00FF00;
constexpr uint32_t COLOUR_AXIS_GREY = 0xFF7F7F7F;
constexpr uint32_t COLOUR_BLACK = 0xFF000000;

// Text cells are square, whatever the surface's size.
constexpr int32_t TEXT_CELL_PIXELS = 8;

constexpr int32_t BLIT_XOR = 1;   // target pixel XOR image pixel, all 32 bits
constexpr int32_t BLIT_COPY = 2;  // target pixel replaced

struct Surface {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint32_t> pixels;  // row after row, top row first
};

// The pixel a drawing coordinate stands for: nearest, halves away from
// zero. Values beyond a quarter billion pixels (and NaN) are pulled in to
// that bound, which lies off every surface but keeps the line arithmetic
// inside 64 bits.
int32_t pixelCoordinate(float v);

// Makes s a width x height surface with every pixel fill; sizes below 1
// give an empty surface.
void initSurface(Surface& s, int32_t width, int32_t height, uint32_t fill);

// The pixel at (x, y); 0 outside the surface.
uint32_t pixelAt(const Surface& s, int32_t x, int32_t y);

// All drawing is clipped to the surface.
void surfaceSetPixel(Surface& s, float x, float y, uint32_t colour);
// Solid line including both end points.
void surfaceDrawLine(Surface& s, float x1, float y1, float x2, float y2, uint32_t colour);
// Every pixel of the rectangle with corners (x1, y1) and (x2, y2).
void surfaceFillBox(Surface& s, float x1, float y1, float x2, float y2, uint32_t colour);
// 8x8 glyphs of the bytes of text, the first cell's top-left pixel at
// (x, y); only the glyph pixels are painted.
void surfaceDrawText(Surface& s, float x, float y, std::string_view text, uint32_t colour);
// One whole text cell at pixel (x, y): glyph pixels in colour, the rest
// black.
void surfacePaintCell(Surface& s, int32_t x, int32_t y, unsigned char c, uint32_t colour);
// image onto target with its top-left pixel at (x, y); mode BLIT_XOR or
// BLIT_COPY.
void surfaceBlit(Surface& target, const Surface& image, float x, float y, int32_t mode);
// Moves the pixel rows [band, bottom) up by band rows and blackens the band
// left free above bottom; rows from bottom on stay as they are.
void surfaceScrollUp(Surface& s, int32_t band, int32_t bottom);
