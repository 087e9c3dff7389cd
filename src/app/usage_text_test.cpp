#include "app/usage_text.h"

#include <gtest/gtest.h>

#include "platform/text_output.h"

namespace {

TEST(CallName, TextBehindTheLastSeparator) {
  EXPECT_EQ(callNameFrom("/usr/bin/polyvista"), "polyvista");
  EXPECT_EQ(callNameFrom("C:\\bin\\pv.exe"), "pv.exe");
  EXPECT_EQ(callNameFrom("pv"), "pv");
  EXPECT_EQ(callNameFrom("dir/"), "");
  EXPECT_EQ(callNameFrom(""), "");
}

TEST(ConvertCp850ToUtf8, OnlyTheFourGermanLettersChange) {
  EXPECT_EQ(convertCp850ToUtf8("f\x81r Gr\x94\xE1"
                               "e w\x84hlen"),
            "f\xC3\xBCr Gr\xC3\xB6\xC3\x9F"
            "e w\xC3\xA4hlen");
  EXPECT_EQ(convertCp850ToUtf8("plain +-/? \x7F\x80\xFF"), "plain +-/? \x7F\x80\xFF");
}

}  // namespace
