// PNG files of surfaces, for saving what the window shows.
#pragma once

#include <string>

#include "platform/surface.h"

// Writes s as an 8-bit RGB PNG (the alpha byte has no visible effect and is
// left out). False, with a message in error, when the file cannot be
// written.
bool writePng(const Surface& s, const std::string& path, std::string& error);
