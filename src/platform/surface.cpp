// Surface drawing: pixels, lines, boxes, glyphs and blits.
#include "platform/surface.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "platform/font_cp437.h"

namespace {

constexpr float COORDINATE_LIMIT = 268435456.0f;  // 2^28

bool inside(const Surface& s, int64_t x, int64_t y) {
  return x >= 0 && y >= 0 && x < s.width && y < s.height;
}

void put(Surface& s, int64_t x, int64_t y, uint32_t colour) {
  if (inside(s, x, y)) s.pixels[static_cast<size_t>(y * s.width + x)] = colour;
}

// The steps i of 0..n for which start + direction * i lies in [0, size).
void clipSteps(int64_t start, int64_t direction, int64_t size, int64_t n, int64_t& first,
               int64_t& last) {
  if (direction > 0) {
    first = std::max<int64_t>(0, -start);
    last = std::min<int64_t>(n, size - 1 - start);
  } else {
    first = std::max<int64_t>(0, start - (size - 1));
    last = std::min<int64_t>(n, start);
  }
}

}  // namespace

int32_t pixelCoordinate(float v) {
  if (!(v > -COORDINATE_LIMIT)) return static_cast<int32_t>(-COORDINATE_LIMIT);
  if (v > COORDINATE_LIMIT) return static_cast<int32_t>(COORDINATE_LIMIT);
  return static_cast<int32_t>(std::round(v));
}

void initSurface(Surface& s, int32_t width, int32_t height, uint32_t fill) {
  if (width < 1 || height < 1) {
    s.width = 0;
    s.height = 0;
    s.pixels.clear();
    return;
  }
  s.width = width;
  s.height = height;
  s.pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), fill);
}

uint32_t pixelAt(const Surface& s, int32_t x, int32_t y) {
  if (!inside(s, x, y)) return 0;
  return s.pixels[static_cast<size_t>(y) * static_cast<size_t>(s.width) + static_cast<size_t>(x)];
}

void surfaceSetPixel(Surface& s, float x, float y, uint32_t colour) {
  put(s, pixelCoordinate(x), pixelCoordinate(y), colour);
}

void surfaceDrawLine(Surface& s, float x1, float y1, float x2, float y2, uint32_t colour) {
  const int64_t ax = pixelCoordinate(x1);
  const int64_t ay = pixelCoordinate(y1);
  const int64_t bx = pixelCoordinate(x2);
  const int64_t by = pixelCoordinate(y2);
  const int64_t dx = bx - ax;
  const int64_t dy = by - ay;
  const int64_t adx = dx < 0 ? -dx : dx;
  const int64_t ady = dy < 0 ? -dy : dy;
  const int64_t sx = dx < 0 ? -1 : 1;
  const int64_t sy = dy < 0 ? -1 : 1;
  const int64_t n = std::max(adx, ady);
  if (n == 0) {
    put(s, ax, ay, colour);
    return;
  }
  // One pixel per step along the longer axis; the other coordinate is the
  // exact offset i * minor / n rounded, halves towards the end point. Only
  // the steps that fall on the surface's extent along the longer axis are
  // visited, so far-off end points cost nothing.
  const bool alongX = adx >= ady;
  const int64_t minor = alongX ? ady : adx;
  int64_t first = 0;
  int64_t last = 0;
  if (alongX) {
    clipSteps(ax, sx, s.width, n, first, last);
  } else {
    clipSteps(ay, sy, s.height, n, first, last);
  }
  for (int64_t i = first; i <= last; ++i) {
    const int64_t offset = (2 * i * minor + n) / (2 * n);
    if (alongX) {
      put(s, ax + sx * i, ay + sy * offset, colour);
    } else {
      put(s, ax + sx * offset, ay + sy * i, colour);
    }
  }
}

void surfaceFillBox(Surface& s, float x1, float y1, float x2, float y2, uint32_t colour) {
  int64_t left = pixelCoordinate(x1);
  int64_t right = pixelCoordinate(x2);
  int64_t top = pixelCoordinate(y1);
  int64_t bottom = pixelCoordinate(y2);
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  left = std::max<int64_t>(left, 0);
  top = std::max<int64_t>(top, 0);
  right = std::min<int64_t>(right, s.width - 1);
  bottom = std::min<int64_t>(bottom, s.height - 1);
  if (left > right || top > bottom) return;
  for (int64_t y = top; y <= bottom; ++y) {
    uint32_t* row = s.pixels.data() + y * s.width;
    std::fill(row + left, row + right + 1, colour);
  }
}

void surfaceDrawText(Surface& s, float x, float y, std::string_view text, uint32_t colour) {
  int64_t left = pixelCoordinate(x);
  const int64_t top = pixelCoordinate(y);
  for (char c : text) {
    const uint8_t* glyph = FONT_CP437[static_cast<unsigned char>(c)];
    for (int64_t r = 0; r < TEXT_CELL_PIXELS; ++r) {
      for (int64_t b = 0; b < TEXT_CELL_PIXELS; ++b) {
        if (glyph[r] & (0x80u >> b)) put(s, left + b, top + r, colour);
      }
    }
    left += TEXT_CELL_PIXELS;
  }
}

void surfacePaintCell(Surface& s, int32_t x, int32_t y, unsigned char c, uint32_t colour) {
  const uint8_t* glyph = FONT_CP437[c];
  for (int32_t r = 0; r < TEXT_CELL_PIXELS; ++r) {
    for (int32_t b = 0; b < TEXT_CELL_PIXELS; ++b) {
      put(s, x + b, y + r, (glyph[r] & (0x80u >> b)) ? colour : COLOUR_BLACK);
    }
  }
}

void surfaceBlit(Surface& target, const Surface& image, float x, float y, int32_t mode) {
  const int64_t left = pixelCoordinate(x);
  const int64_t top = pixelCoordinate(y);
  const int64_t fromX = std::max<int64_t>(0, -left);
  const int64_t toX = std::min<int64_t>(image.width, target.width - left);
  const int64_t fromY = std::max<int64_t>(0, -top);
  const int64_t toY = std::min<int64_t>(image.height, target.height - top);
  for (int64_t iy = fromY; iy < toY; ++iy) {
    const uint32_t* source = image.pixels.data() + iy * image.width;
    uint32_t* row = target.pixels.data() + (top + iy) * target.width;
    for (int64_t ix = fromX; ix < toX; ++ix) {
      uint32_t& pixel = row[left + ix];
      pixel = mode == BLIT_XOR ? pixel ^ source[ix] : source[ix];
    }
  }
}

void surfaceScrollUp(Surface& s, int32_t band, int32_t bottom) {
  bottom = std::min(bottom, s.height);
  if (band <= 0 || bottom <= 0) return;
  const size_t width = static_cast<size_t>(s.width);
  uint32_t* base = s.pixels.data();
  if (band < bottom) {
    std::copy(base + static_cast<size_t>(band) * width, base + static_cast<size_t>(bottom) * width,
              base);
  }
  const int32_t freed = std::max(0, bottom - band);
  std::fill(base + static_cast<size_t>(freed) * width, base + static_cast<size_t>(bottom) * width,
            COLOUR_BLACK);
}
