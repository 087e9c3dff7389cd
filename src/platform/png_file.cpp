// PNG writing through libpng.
#include "platform/png_file.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <vector>

namespace {

// libpng reports failures by longjmp; nothing with a destructor may live
// between its setjmp and the calls that can fail.
bool writeRows(std::FILE* file, int32_t width, int32_t height, png_bytepp rows) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

bool writePng(const Surface& s, const std::string& path, std::string& error) {
  if (s.width < 1 || s.height < 1) {
    error = "no picture to write";
    return false;
  }
  const size_t width = static_cast<size_t>(s.width);
  std::vector<png_byte> rgb(width * static_cast<size_t>(s.height) * 3);
  std::vector<png_bytep> rows(static_cast<size_t>(s.height));
  for (size_t i = 0; i < s.pixels.size(); ++i) {
    const uint32_t p = s.pixels[i];
    rgb[3 * i] = static_cast<png_byte>(p >> 16);
    rgb[3 * i + 1] = static_cast<png_byte>(p >> 8);
    rgb[3 * i + 2] = static_cast<png_byte>(p);
  }
  for (size_t y = 0; y < rows.size(); ++y)
    rows[y] = rgb.data() + y * width * 3;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) {
    error = "cannot create " + path;
    return false;
  }
  const bool written = writeRows(file, s.width, s.height, rows.data());
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed) {
    error = "cannot write " + path;
    return false;
  }
  return true;
}
