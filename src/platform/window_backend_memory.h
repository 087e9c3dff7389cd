// Memory-only window backend: the window exists as its framebuffer alone.
// Keys come from a key source that the snapshot tool or a test installs.
#pragma once

#include <functional>

// Called whenever the program polls an empty key queue; it may queue keys
// (queueKey) and look at the framebuffer. Without a source no key arrives.
using MemoryKeySource = std::function<void()>;
void setMemoryKeySource(MemoryKeySource source);

// How many times the framebuffer was shown; lets tests see that drawing
// reaches the screen without further calls.
int memoryPresentCount();
