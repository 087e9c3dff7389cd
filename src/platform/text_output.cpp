// Text output to the console (standard output).
#include "platform/text_output.h"

#include <langinfo.h>
#include <locale.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/screen.h"

namespace {

// Decided once: only a terminal whose locale says UTF-8 gets converted
// text. The global locale is left alone so that no number conversion can
// ever depend on it.
bool consoleWantsUtf8() {
  static const bool wants = [] {
    if (!isatty(STDOUT_FILENO)) return false;
    locale_t user = newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(nullptr));
    if (user == static_cast<locale_t>(nullptr)) return false;
    const char* codeset = nl_langinfo_l(CODESET, user);
    bool utf8 = codeset != nullptr && std::strcmp(codeset, "UTF-8") == 0;
    freelocale(user);
    return utf8;
  }();
  return wants;
}

void writeConsole(std::string_view bytes) {
  if (consoleWantsUtf8()) {
    std::string converted = convertCp850ToUtf8(bytes);
    std::fwrite(converted.data(), 1, converted.size(), stdout);
  } else {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
  }
}

}  // namespace

std::string convertCp850ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 8);
  for (char c : text) {
    switch (static_cast<unsigned char>(c)) {
      case 0x81:
        out += "\xC3\xBC";  // u with umlaut
        break;
      case 0x84:
        out += "\xC3\xA4";  // a with umlaut
        break;
      case 0x94:
        out += "\xC3\xB6";  // o with umlaut
        break;
      case 0xE1:
        out += "\xC3\x9F";  // sharp s
        break;
      default:
        out += c;
        break;
    }
  }
  return out;
}

void printText(std::string_view text, bool lineBreak) {
  if (windowIsOpen()) {
    windowPrintText(text, lineBreak);
    return;
  }
  writeConsole(text);
  if (lineBreak) std::fwrite("\r\n", 1, 2, stdout);
}

void flushTextOutput() {
  std::fflush(stdout);
}
