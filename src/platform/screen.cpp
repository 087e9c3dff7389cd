// Screen state: window framebuffer, text cursor, images and key queue.
#include "platform/screen.h"

#include <deque>

#include "platform/window_backend.h"

namespace {

struct Screen {
  bool open = false;
  bool changed = false;  // drawn on since it was last shown
  Surface window;
  int32_t rows = 0;
  int32_t columns = 0;
  int32_t row = 1;  // may be rows + 1: the next output scrolls first
  int32_t column = 1;
  uint32_t textColour = COLOUR_WHITE;
  std::deque<std::string> keys;
};

Screen screen;

bool usableSize(int32_t width, int32_t height) {
  return width >= 1 && height >= 1 && width <= SURFACE_SIDE_LIMIT && height <= SURFACE_SIDE_LIMIT;
}

// The surface a drawing call means, or nullptr when nothing may be drawn.
Surface* resolve(Surface* target) {
  if (!screen.open) return nullptr;
  if (target != nullptr) return target;
  screen.changed = true;
  return &screen.window;
}

void showIfChanged() {
  if (backendPumpEvents()) screen.changed = true;
  if (screen.changed) {
    backendPresent(screen.window);
    screen.changed = false;
  }
}

void scrollIfBelowGrid() {
  if (screen.row <= screen.rows) return;
  surfaceScrollUp(screen.window, TEXT_CELL_PIXELS, screen.rows * TEXT_CELL_PIXELS);
  screen.row = screen.rows;
}

void newLine() {
  scrollIfBelowGrid();
  screen.row += 1;
  screen.column = 1;
}

}  // namespace

bool openWindow(int32_t width, int32_t height, int32_t depth, int32_t pages) {
  (void)depth;
  (void)pages;
  closeWindow();
  if (!usableSize(width, height) || !backendOpenWindow(width, height)) return false;
  screen.open = true;
  screen.changed = true;
  initSurface(screen.window, width, height, COLOUR_BLACK);
  screen.rows = height / TEXT_CELL_PIXELS;
  screen.columns = width / TEXT_CELL_PIXELS;
  screen.row = 1;
  screen.column = 1;
  screen.textColour = COLOUR_WHITE;
  screen.keys.clear();
  return true;
}

bool windowIsOpen() {
  return screen.open;
}

void closeWindow() {
  if (!screen.open) return;
  backendCloseWindow();
  screen = Screen{};
}

const Surface& windowSurface() {
  return screen.window;
}

SurfaceSize windowSize() {
  return {screen.window.width, screen.window.height};
}

Surface* createImage(int32_t width, int32_t height, uint32_t fill) {
  if (!screen.open || !usableSize(width, height)) return nullptr;
  Surface* image = new Surface;
  initSurface(*image, width, height, fill);
  return image;
}

void destroyImage(Surface* image) {
  delete image;
}

SurfaceSize imageSize(const Surface* image) {
  if (image == nullptr) return {};
  return {image->width, image->height};
}

void drawLine(Surface* target, float x1, float y1, float x2, float y2, uint32_t colour) {
  if (Surface* s = resolve(target)) surfaceDrawLine(*s, x1, y1, x2, y2, colour);
}

void fillBox(Surface* target, float x1, float y1, float x2, float y2, uint32_t colour) {
  if (Surface* s = resolve(target)) surfaceFillBox(*s, x1, y1, x2, y2, colour);
}

void setPixel(Surface* target, float x, float y, uint32_t colour) {
  if (Surface* s = resolve(target)) surfaceSetPixel(*s, x, y, colour);
}

void drawText(Surface* target, float x, float y, std::string_view text, uint32_t colour) {
  if (Surface* s = resolve(target)) surfaceDrawText(*s, x, y, text, colour);
}

void blitImage(const Surface* image, float x, float y, int32_t mode) {
  if (image == nullptr) return;
  if (Surface* s = resolve(nullptr)) surfaceBlit(*s, *image, x, y, mode);
}

void setCursor(int32_t row, int32_t column) {
  if (!screen.open) return;
  if (row < 1 || row > screen.rows || column < 1 || column > screen.columns) return;
  screen.row = row;
  screen.column = column;
}

void setTextColour(uint32_t colour) {
  screen.textColour = colour;
}

int32_t cursorRow() {
  return screen.row;
}

int32_t cursorColumn() {
  return screen.column;
}

void windowPrintText(std::string_view text, bool lineBreak) {
  // A window narrower or lower than one cell has no grid to write on.
  if (!screen.open || screen.rows == 0 || screen.columns == 0) return;
  screen.changed = true;
  for (char c : text) {
    if (c == '\r') {
      screen.column = 1;
      continue;
    }
    if (c == '\n') {
      newLine();
      continue;
    }
    scrollIfBelowGrid();
    surfacePaintCell(screen.window, (screen.column - 1) * TEXT_CELL_PIXELS,
                     (screen.row - 1) * TEXT_CELL_PIXELS, static_cast<unsigned char>(c),
                     screen.textColour);
    screen.column += 1;
    if (screen.column > screen.columns) {
      screen.column = 1;
      screen.row += 1;
    }
  }
  if (lineBreak) newLine();
}

std::string pollKey() {
  if (!screen.open) return "";
  showIfChanged();
  if (screen.keys.empty()) return "";
  std::string key = std::move(screen.keys.front());
  screen.keys.pop_front();
  return key;
}

void pauseMs(int32_t milliseconds) {
  if (screen.open) showIfChanged();
  backendPause(milliseconds);
}

void queueKey(std::string_view key) {
  if (static_cast<int32_t>(screen.keys.size()) == KEY_QUEUE_CAPACITY) screen.keys.pop_front();
  screen.keys.emplace_back(key);
}

int32_t queuedKeyCount() {
  return static_cast<int32_t>(screen.keys.size());
}
