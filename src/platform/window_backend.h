// Window backend: shows the framebuffer and collects keys. Exactly one
// implementation is linked into each executable: SDL for the real window,
// memory-only for the snapshot tool and the tests.
#pragma once

#include <cstdint>

#include "platform/surface.h"

// Prepares a window of the given size; false when none can be shown.
bool backendOpenWindow(int32_t width, int32_t height);
void backendCloseWindow();
// Shows the framebuffer as it is now.
void backendPresent(const Surface& framebuffer);
// Moves waiting window events into the key queue (queueKey). True when the
// window needs to be shown again, for instance after it was uncovered.
bool backendPumpEvents();
void backendPause(int32_t milliseconds);
