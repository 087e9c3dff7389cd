// SDL window backend: shows the framebuffer in a real window and turns the
// window's keyboard events into queued keys.
//
// The SDL library is loaded only when a window is wanted. Linking it would
// load it and the display libraries it pulls in at every start, which costs
// more than a whole text-mode run.
#include <SDL.h>
#include <dlfcn.h>
#include <time.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/font_cp437.h"
#include "platform/screen.h"
#include "platform/window_backend.h"

namespace {

// The SDL functions this backend calls, resolved from the shared library.
#define SDL_FUNCTIONS(X)                                                                           \
  X(SDL_Init)                                                                                      \
  X(SDL_Quit) X(SDL_SetHint) X(SDL_GetCurrentVideoDriver) X(SDL_CreateWindow) X(SDL_DestroyWindow) \
      X(SDL_GetWindowSurface) X(SDL_UpdateWindowSurface) X(SDL_LockSurface) X(SDL_UnlockSurface)   \
          X(SDL_ConvertPixels) X(SDL_StartTextInput) X(SDL_PollEvent) X(SDL_Delay)

struct SdlLibrary {
#define SDL_POINTER(name) decltype(&::name) name = nullptr;
  SDL_FUNCTIONS(SDL_POINTER)
#undef SDL_POINTER
};

SdlLibrary sdl;
bool sdlLoaded = false;

// False when the library or one of its functions is missing; the program
// then has no window, as on a machine without a display.
bool loadSdl() {
  if (sdlLoaded) return true;
  void* library = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) return false;
  SdlLibrary loaded;
  bool complete = true;
#define SDL_RESOLVE(name)                                                   \
  loaded.name = reinterpret_cast<decltype(&::name)>(dlsym(library, #name)); \
  complete = complete && loaded.name != nullptr;
  SDL_FUNCTIONS(SDL_RESOLVE)
#undef SDL_RESOLVE
  if (!complete) {
    dlclose(library);
    return false;
  }
  sdl = loaded;
  sdlLoaded = true;
  return true;
}

SDL_Window* window = nullptr;

// The second byte of keys that type no character, the codes a PC keyboard
// reports for them.
char extendedCode(SDL_Keycode key) {
  switch (key) {
    case SDLK_F1:
      return 59;
    case SDLK_F2:
      return 60;
    case SDLK_F3:
      return 61;
    case SDLK_F4:
      return 62;
    case SDLK_F5:
      return 63;
    case SDLK_F6:
      return 64;
    case SDLK_F7:
      return 65;
    case SDLK_F8:
      return 66;
    case SDLK_F9:
      return 67;
    case SDLK_F10:
      return 68;
    case SDLK_HOME:
      return 71;
    case SDLK_UP:
      return 72;
    case SDLK_PAGEUP:
      return 73;
    case SDLK_LEFT:
      return 75;
    case SDLK_RIGHT:
      return 77;
    case SDLK_END:
      return 79;
    case SDLK_DOWN:
      return 80;
    case SDLK_PAGEDOWN:
      return 81;
    case SDLK_INSERT:
      return 82;
    case SDLK_DELETE:
      return 83;
    case SDLK_F11:
      return static_cast<char>(133);
    case SDLK_F12:
      return static_cast<char>(134);
    default:
      return 0;
  }
}

// Keys that type a control character, which SDL's text input leaves out.
char controlCharacter(const SDL_Keysym& key) {
  switch (key.sym) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      return '\r';
    case SDLK_ESCAPE:
      return 27;
    case SDLK_BACKSPACE:
      return 8;
    case SDLK_TAB:
      return '\t';
    default:
      break;
  }
  if ((key.mod & KMOD_CTRL) != 0 && key.sym >= SDLK_a && key.sym <= SDLK_z) {
    return static_cast<char>(key.sym - SDLK_a + 1);
  }
  return 0;
}

void queueKeyDown(const SDL_Keysym& key) {
  if (char c = controlCharacter(key)) {
    queueKey(std::string(1, c));
  } else if (char code = extendedCode(key.sym)) {
    const char pair[2] = {static_cast<char>(255), code};
    queueKey(std::string_view(pair, 2));
  }
}

// The window's character set is code page 437: a typed character it holds
// arrives as its byte there, any other as "?".
unsigned char cp437Byte(uint32_t code) {
  if (code < 0x80) return static_cast<unsigned char>(code);
  for (int b = 0x80; b < 256; ++b) {
    if (CP437_UNICODE[b] == code) return static_cast<unsigned char>(b);
  }
  return '?';
}

void queueTypedText(const char* text) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
  while (*p != 0) {
    uint32_t code = *p;
    int more = 0;
    if (code >= 0xF0) {
      code &= 0x07;
      more = 3;
    } else if (code >= 0xE0) {
      code &= 0x0F;
      more = 2;
    } else if (code >= 0xC0) {
      code &= 0x1F;
      more = 1;
    }
    ++p;
    for (; more > 0 && (*p & 0xC0) == 0x80; --more, ++p)
      code = (code << 6) | (*p & 0x3F);
    queueKey(std::string(1, static_cast<char>(cp437Byte(code))));
  }
}

// A desktop window needs a display server. SDL would otherwise settle for
// its offscreen or dummy driver, whose window nobody sees and whose keys
// never come, and probing for Wayland without a session writes complaints
// to the error stream; so only the servers the environment names are tried.
// A driver chosen in SDL_VIDEODRIVER is tried as it stands.
bool initVideo() {
  const char* chosen = std::getenv("SDL_VIDEODRIVER");
  if (chosen != nullptr && chosen[0] != '\0') return sdl.SDL_Init(SDL_INIT_VIDEO) == 0;
  const struct {
    const char* driver;
    const char* variable;
  } servers[] = {{"x11", "DISPLAY"}, {"wayland", "WAYLAND_DISPLAY"}};
  for (const auto& server : servers) {
    const char* value = std::getenv(server.variable);
    if (value == nullptr || value[0] == '\0') continue;
    sdl.SDL_SetHint(SDL_HINT_VIDEODRIVER, server.driver);
    if (sdl.SDL_Init(SDL_INIT_VIDEO) == 0) return true;
    sdl.SDL_Quit();
  }
  return false;
}

bool invisibleDriver() {
  const char* driver = sdl.SDL_GetCurrentVideoDriver();
  return driver == nullptr || std::strcmp(driver, "offscreen") == 0 ||
         std::strcmp(driver, "dummy") == 0;
}

void closeAtExit() {
  if (!sdlLoaded) return;
  if (window != nullptr) sdl.SDL_DestroyWindow(window);
  window = nullptr;
  sdl.SDL_Quit();
}

}  // namespace

bool backendOpenWindow(int32_t width, int32_t height) {
  if (!loadSdl()) return false;
  // Ctrl+C in the terminal should end the program at once, not queue a key.
  sdl.SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (!initVideo()) return false;
  if (invisibleDriver()) {
    sdl.SDL_Quit();
    return false;
  }
  window = sdl.SDL_CreateWindow("polyvista", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width,
                                height, SDL_WINDOW_SHOWN);
  if (window == nullptr || sdl.SDL_GetWindowSurface(window) == nullptr) {
    closeAtExit();
    return false;
  }
  static bool registered = false;
  if (!registered) std::atexit(closeAtExit);
  registered = true;
  sdl.SDL_StartTextInput();
  return true;
}

void backendCloseWindow() {
  closeAtExit();
}

void backendPresent(const Surface& framebuffer) {
  if (window == nullptr) return;
  SDL_Surface* target = sdl.SDL_GetWindowSurface(window);
  if (target == nullptr) return;
  // The framebuffer's alpha byte has no visible effect, so its pixels are
  // read as XRGB.
  if (SDL_MUSTLOCK(target)) sdl.SDL_LockSurface(target);
  sdl.SDL_ConvertPixels(framebuffer.width, framebuffer.height, SDL_PIXELFORMAT_RGB888,
                        framebuffer.pixels.data(), framebuffer.width * 4, target->format->format,
                        target->pixels, target->pitch);
  if (SDL_MUSTLOCK(target)) sdl.SDL_UnlockSurface(target);
  sdl.SDL_UpdateWindowSurface(window);
}

bool backendPumpEvents() {
  bool exposed = false;
  SDL_Event event;
  while (sdl.SDL_PollEvent(&event) != 0) {
    switch (event.type) {
      case SDL_TEXTINPUT:
        queueTypedText(event.text.text);
        break;
      case SDL_KEYDOWN:
        queueKeyDown(event.key.keysym);
        break;
      case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
          const char pair[2] = {static_cast<char>(255), KEY_CLOSE};
          queueKey(std::string_view(pair, 2));
        } else if (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
                   event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
          exposed = true;
        }
        break;
      default:
        break;
    }
  }
  return exposed;
}

void backendPause(int32_t milliseconds) {
  if (milliseconds <= 0) return;
  if (sdlLoaded) {
    sdl.SDL_Delay(static_cast<Uint32>(milliseconds));
    return;
  }
  timespec pause{milliseconds / 1000, (milliseconds % 1000) * 1000000L};
  nanosleep(&pause, nullptr);
}
