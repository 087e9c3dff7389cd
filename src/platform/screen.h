// Screen: the one graphics window of the run, its text cursor, the
// off-screen images and the key queue. The window's pixels live in a
// framebuffer drawn by this program; a window backend, chosen at link time,
// shows that framebuffer and supplies the keys.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/surface.h"

// Keys wait here in order; one more than this drops the oldest.
constexpr int32_t KEY_QUEUE_CAPACITY = 15;

// The second byte of the two-byte keys; the first byte is always 255.
constexpr char KEY_CLOSE = 'k';  // the window's close button

// Side length beyond which no window or image is made, which keeps one
// framebuffer below 256 MB.
constexpr int32_t SURFACE_SIDE_LIMIT = 8192;

struct SurfaceSize {
  int32_t width = 0;
  int32_t height = 0;
};

// Opens the window, all black, cursor at row 1, column 1, text white. From
// now on printText writes into it and keys come from it. False, with no
// window, for a size below 1 or beyond SURFACE_SIDE_LIMIT or when the
// backend cannot show one. depth and pages are accepted for the record; the
// window always has 32-bit pixels and one page.
bool openWindow(int32_t width, int32_t height, int32_t depth, int32_t pages);
bool windowIsOpen();
// Closes the window; text goes to standard output again.
void closeWindow();

// The window's framebuffer (empty without a window).
const Surface& windowSurface();
SurfaceSize windowSize();

// A new image with every pixel fill; none (nullptr) without a window or for
// a size below 1 or beyond SURFACE_SIDE_LIMIT. The caller owns it until
// destroyImage.
Surface* createImage(int32_t width, int32_t height, uint32_t fill);
void destroyImage(Surface* image);
SurfaceSize imageSize(const Surface* image);

// Drawing onto an image, or onto the window for target nullptr; without a
// window nothing happens. Coordinates round as pixelCoordinate says.
void drawLine(Surface* target, float x1, float y1, float x2, float y2, uint32_t colour);
void fillBox(Surface* target, float x1, float y1, float x2, float y2, uint32_t colour);
void setPixel(Surface* target, float x, float y, uint32_t colour);
void drawText(Surface* target, float x, float y, std::string_view text, uint32_t colour);
// The whole image onto the window, top-left pixel at (x, y).
void blitImage(const Surface* image, float x, float y, int32_t mode);

// Text cursor, counted from 1. A row or column outside the grid leaves the
// cursor where it is.
void setCursor(int32_t row, int32_t column);
void setTextColour(uint32_t colour);
int32_t cursorRow();
int32_t cursorColumn();

// Writes text at the window's cursor; each byte paints its whole cell.
// Output wraps after the last column; a line break goes to column 1 of the
// next row. The cursor may stand just below the last row: the next output
// there first scrolls the window up one text row. In text, "\r" returns to
// column 1 and "\n" starts the next row; every other byte shows its glyph.
void windowPrintText(std::string_view text, bool lineBreak);

// The next queued key without waiting: "" when none, a typed character as
// one byte, another key as byte 255 and a code. Shows what was drawn.
std::string pollKey();
// Shows what was drawn and suspends the program.
void pauseMs(int32_t milliseconds);

// For window backends: appends a key, dropping the oldest when full.
void queueKey(std::string_view key);
int32_t queuedKeyCount();
