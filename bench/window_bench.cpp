// Key to new frame in the real window: a "+" key press sent through the X
// server to the SDL window, taken from the queue, the graph redrawn (f and
// three derivatives, 800 x 800) and the frame shown, which waits for the X
// server. Needs an X display; run it under xvfb-run.
#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "analysis/options.h"
#include "analysis/polynomial.h"
#include "eval/variables.h"
#include "platform/screen.h"
#include "plot/display_loop.h"

namespace {

constexpr uint32_t ALL_CURVES =
    FLAG_FIRST_DERIVATIVE | FLAG_SECOND_DERIVATIVE | FLAG_THIRD_DERIVATIVE;

void sendPlus(Display* display, Window window) {
  XKeyEvent key{};
  key.display = display;
  key.window = window;
  key.root = DefaultRootWindow(display);
  key.subwindow = None;
  key.time = CurrentTime;
  key.same_screen = True;
  key.keycode = XKeysymToKeycode(display, XK_plus);
  key.state = ShiftMask;
  key.type = KeyPress;
  XSendEvent(display, window, True, KeyPressMask, reinterpret_cast<XEvent*>(&key));
  key.type = KeyRelease;
  XSendEvent(display, window, True, KeyReleaseMask, reinterpret_cast<XEvent*>(&key));
  XFlush(display);
}

void BM_KeyToNewFrame800(benchmark::State& state) {
  const char* name = std::getenv("DISPLAY");
  if (name == nullptr || !openWindow(800, 880, 24, 1)) {
    state.SkipWithError("no X display: run under xvfb-run");
    return;
  }
  Display* display = XOpenDisplay(nullptr);
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (display == nullptr || !SDL_GetWindowWMInfo(SDL_GetWindowFromID(1), &info)) {
    state.SkipWithError("cannot reach the window through Xlib");
    closeWindow();
    return;
  }
  const Window window = info.info.x11.window;
  XSetInputFocus(display, window, RevertToParent, CurrentTime);
  XSync(display, False);
  defineConstants();
  const DisplayCurves curves = makeDisplayCurves(Polynomial{{-1, 3, 0, -3.5}});
  double r = 5.0;
  PlotImage* image = showDisplayPass(curves, 800, ALL_CURVES, 10, r);
  pollKey();  // shows the first frame
  int64_t keys = 0;
  for (auto _ : state) {
    sendPlus(display, window);
    std::string key;
    while (key.empty())
      key = pollKey();
    if (key != "+") {
      state.SkipWithError(("unexpected key " + key).c_str());
      break;
    }
    ++keys;
    r = r == 5.0 ? 6.0 : 5.0;  // the same two graphs in turn
    clearDisplayPass(image, 10);
    image = showDisplayPass(curves, 800, ALL_CURVES, 10, r);
    pollKey();  // shows the new frame
  }
  state.counters["keys"] = static_cast<double>(keys);
  destroyImage(image);
  XCloseDisplay(display);
  closeWindow();
}
BENCHMARK(BM_KeyToNewFrame800)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
