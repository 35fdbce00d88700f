// A file off its catalogued size or form is refused with a message that
// names the asset and the difference, so the build stops instead of
// carrying it.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "bmp_file.h"
#include "ico_file.h"
#include "jpeg_file.h"
#include "server_list.h"

namespace gen {
namespace {

std::string refusal(const std::function<void()>& encode) {
  try {
    encode();
  } catch (const std::runtime_error& e) {
    return e.what();
  }
  return "";
}

TEST(EncoderChecks, BitmapOffItsCatalogueSizeNamesAssetAndDifference) {
  const Canvas art(78, 7, rgb(0x802020));
  // main_hp is 1,640 bytes; a catalogue entry two bytes short must not pass.
  const BitmapForm form{"main_hp", 78, 7, 8, 256, 0, 2834, -1, 1638};
  const std::string message = refusal([&] { encodeBitmap(art, form); });
  EXPECT_NE(message.find("main_hp"), std::string::npos) << message;
  EXPECT_NE(message.find("1640"), std::string::npos) << message;
  EXPECT_NE(message.find("+2"), std::string::npos) << message;
}

TEST(EncoderChecks, BitmapOfTheWrongDimensionsIsRefused) {
  const Canvas art(40, 125);
  const BitmapForm form{"btn_12", 40, 126, 24, 0, 0, 3779, -1, 15176};
  const std::string message = refusal([&] { encodeBitmap(art, form); });
  EXPECT_NE(message.find("btn_12"), std::string::npos) << message;
  EXPECT_NE(message.find("40x125"), std::string::npos) << message;
}

TEST(EncoderChecks, BitmapOnItsCatalogueSizePasses) {
  const Canvas art(78, 7, rgb(0x802020));
  const BitmapForm form{"main_hp", 78, 7, 8, 256, 0, 2834, -1, 1640};
  EXPECT_EQ(encodeBitmap(art, form).size(), 1640u);
}

TEST(EncoderChecks, JpegWithAnExifSegmentOfAnotherLengthIsRefused) {
  const Canvas art(64, 48, rgb(0x203060));
  const std::string message = refusal([&] {
    encodeJpeg(art, {"preview_interface", 64, 48, 1, 0, 0, 208, 90});
  });
  EXPECT_NE(message.find("preview_interface"), std::string::npos) << message;
  EXPECT_NE(message.find("209"), std::string::npos) << message;
  EXPECT_NE(message.find("208"), std::string::npos) << message;
}

TEST(EncoderChecks, JpegOfOtherDimensionsIsRefused) {
  const Canvas art(64, 48);
  EXPECT_NE(refusal([&] {
              encodeJpeg(art, {"preview_server_list", 804, 627, 1, 96, 96, 0, 90});
            }).find("preview_server_list"),
            std::string::npos);
}

TEST(EncoderChecks, IconOffItsSizeIsRefused) {
  const Canvas art(32, 32, rgb(0x3050a0));
  const std::string message = refusal([&] { encodeIcon(art, 8, "window_icon", 2240); });
  EXPECT_NE(message.find("window_icon"), std::string::npos) << message;
  EXPECT_NE(message.find("2238"), std::string::npos) << message;
}

TEST(EncoderChecks, ServerListOffItsSizeIsRefused) {
  const std::string message = refusal([] { serverListFile(500); });
  EXPECT_NE(message.find("server_ini"), std::string::npos) << message;
  EXPECT_NE(message.find("499"), std::string::npos) << message;
}

}  // namespace
}  // namespace gen
