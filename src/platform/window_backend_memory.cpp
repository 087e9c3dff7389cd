// Memory-only window backend: nothing is shown, keys come from the source.
#include "platform/window_backend_memory.h"

#include <utility>

#include "platform/screen.h"
#include "platform/window_backend.h"

namespace {

MemoryKeySource keySource;
int presentCount = 0;

}  // namespace

void setMemoryKeySource(MemoryKeySource source) {
  keySource = std::move(source);
}

int memoryPresentCount() {
  return presentCount;
}

bool backendOpenWindow(int32_t width, int32_t height) {
  (void)width;
  (void)height;
  return true;
}

void backendCloseWindow() {}

void backendPresent(const Surface& framebuffer) {
  (void)framebuffer;
  presentCount += 1;
}

bool backendPumpEvents() {
  if (queuedKeyCount() == 0 && keySource) keySource();
  return false;
}

// Keys arrive on the next poll, so there is nothing to wait for.
void backendPause(int32_t milliseconds) {
  (void)milliseconds;
}
