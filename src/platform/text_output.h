// Text output: where the program's texts go. Until the graphics window is
// open they go to standard output, byte for byte in code page 850 with CR LF
// line breaks. On a terminal whose character set is UTF-8 the four
// non-ASCII characters the program writes are sent as UTF-8 instead, so
// that they read correctly there; pipes and files always get the bytes.
#pragma once

#include <string>
#include <string_view>

// Writes text at the cursor, then a line break if lineBreak is set.
void printText(std::string_view text, bool lineBreak);

// Flushes pending console output; called before the process ends.
void flushTextOutput();

// Converts the code page 850 bytes 0x81, 0x84, 0x94 and 0xE1 to UTF-8;
// every other byte is copied unchanged.
std::string convertCp850ToUtf8(std::string_view text);
