#include "platform/png_file.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

TEST(WritePng, WritesRgbPixelsThatReadBackUnchanged) {
  Surface s;
  initSurface(s, 3, 2, COLOUR_BLACK);
  s.pixels[0] = COLOUR_WHITE;
  s.pixels[1] = 0x00FFFF00;  // yellow with alpha 0, as a XOR blit leaves it
  s.pixels[5] = COLOUR_AXIS_GREY;
  const std::string path = ::testing::TempDir() + "polyvista_png_test.png";
  std::string error;
  ASSERT_TRUE(writePng(s, path, error)) << error;

  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  ASSERT_TRUE(png_image_begin_read_from_file(&image, path.c_str()));
  EXPECT_EQ(image.width, 3u);
  EXPECT_EQ(image.height, 2u);
  EXPECT_EQ(image.format & PNG_FORMAT_FLAG_ALPHA, 0u);
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
  ASSERT_TRUE(png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr));
  const std::vector<png_byte> expected = {255, 255, 255, 255, 255, 0, 0,   0,   0,
                                          0,   0,   0,   0,   0,   0, 127, 127, 127};
  EXPECT_EQ(rgb, expected);
  std::remove(path.c_str());
}

TEST(WritePng, ReportsAFileThatCannotBeCreated) {
  Surface s;
  initSurface(s, 1, 1, COLOUR_BLACK);
  std::string error;
  EXPECT_FALSE(writePng(s, "/nonexistent-directory/x.png", error));
  EXPECT_EQ(error, "cannot create /nonexistent-directory/x.png");
}

}  // namespace
