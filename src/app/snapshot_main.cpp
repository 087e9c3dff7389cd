// polyvista-snapshot OUT.png KEYS ARGS...: runs polyvista ARGS... in a
// window that exists only in memory. Each byte of KEYS is typed when the
// program polls an empty key queue; once they are used up and the program
// waits for a key, the window's pixels go to OUT.png and the run ends as if
// the window had been closed.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/run.h"
#include "platform/png_file.h"
#include "platform/screen.h"
#include "platform/window_backend_memory.h"

namespace {

std::string outputPath;
bool saved = false;

// Usage and help end the program from inside; a run that never waited for
// a key in its window has left no picture, and says so.
void checkSavedAtExit() {
  if (saved) return;
  std::fflush(stdout);
  std::fprintf(stderr, "polyvista-snapshot: the run showed no window, %s not written\n",
               outputPath.c_str());
  _exit(1);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: polyvista-snapshot OUT.png KEYS [polyvista arguments...]\n");
    return 2;
  }
  outputPath = argv[1];
  const std::string keys = argv[2];
  size_t next = 0;
  setMemoryKeySource([&keys, &next] {
    if (next < keys.size()) {
      queueKey(std::string(1, keys[next++]));
      return;
    }
    if (!saved) {
      std::string error;
      if (!writePng(windowSurface(), outputPath, error)) {
        std::fflush(stdout);
        std::fprintf(stderr, "polyvista-snapshot: %s\n", error.c_str());
        _exit(1);
      }
      saved = true;
    }
    const char close[2] = {static_cast<char>(255), KEY_CLOSE};
    queueKey(std::string_view(close, 2));
  });
  std::atexit(checkSavedAtExit);

  // The program sees its own name and the arguments behind KEYS.
  std::vector<char*> programArgs;
  programArgs.push_back(argv[0]);
  for (int i = 3; i < argc; ++i)
    programArgs.push_back(argv[i]);
  programArgs.push_back(nullptr);
  return runPolyvista(static_cast<int>(programArgs.size()) - 1, programArgs.data());
}
