// Writes every carried picture and text into the directory given as the
// only argument. Each file is checked against its catalogued size and form
// before anything is written, so a wrong asset stops the build and leaves
// the earlier files in place.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "art.h"
#include "bmp_file.h"
#include "ico_file.h"
#include "jpeg_file.h"
#include "server_list.h"

namespace gen {
namespace {

struct Output {
  std::string file;
  Bytes bytes;
};

// Transparent pixels of the logo keep pure green as their colour.
Canvas greenBehindAlpha(const Canvas& art) {
  Canvas out = art;
  for (int y = 0; y < art.height(); ++y)
    for (int x = 0; x < art.width(); ++x)
      if (art.get(x, y).a * 255 < 0.5f) out.set(x, y, Color{0, 1, 0, 0});
  return out;
}

std::vector<Output> buildAll() {
  std::vector<Output> out;
  auto bitmap = [&](const Canvas& art, BitmapForm form) {
    out.push_back({form.id + ".bmp", encodeBitmap(art, form)});
  };
  const int dpi72 = 2834, dpi96 = 3779;
  bitmap(loginBackground(), {"main_img1", 640, 480, 24, 0, 0, dpi72, -1, 921656});
  bitmap(keyedOnGreen(loginButtons()), {"main_img2", 960, 55, 24, 0, 0, dpi72, -1, 158456});
  bitmap(keyedOnGreen(menuButton(0)), {"btn_11", 40, 126, 8, 255, 255, dpi96, 185, 6116});
  for (int i = 1; i < kMenuButtons; ++i)
    bitmap(keyedOnGreen(menuButton(i)),
           {"btn_1" + std::to_string(i + 1), 40, 126, 24, 0, 0, dpi96, -1, 15176});
  bitmap(keyedOnGreen(menuBar()), {"btn_background_2_c", 350, 55, 24, 0, 0, dpi72, -1, 57916});
  bitmap(keyedOnGreen(hotKeyBar()), {"form_hotkey_v", 47, 261, 24, 0, 0, dpi72, -1, 37640});
  bitmap(greenBehindAlpha(loginLogo()), {"icon_loginlogo_1", 160, 76, 32, 0, 0, dpi72, -1, 48696});
  const std::pair<const char*, GaugeColouring> gauges[] = {{"main_en", GaugeColouring::energy},
                                                           {"main_en_100", GaugeColouring::verdant},
                                                           {"main_en_200", GaugeColouring::ember},
                                                           {"main_en_300", GaugeColouring::arcane}};
  for (auto& [id, colouring] : gauges)
    bitmap(keyedOnGreen(gauge(colouring)), {id, 101, 73, 24, 0, 0, dpi72, -1, 22248});
  bitmap(bar(BarKind::experience), {"main_exp", 78, 7, 8, 66, 66, dpi72, -1, 880});
  bitmap(bar(BarKind::health), {"main_hp", 78, 7, 8, 256, 0, dpi72, -1, 1640});
  bitmap(bar(BarKind::spirit), {"main_sp", 78, 7, 8, 64, 64, dpi72, -1, 872});
  bitmap(keyedOnGreen(statusFrame()), {"main_status_1", 214, 107, 24, 0, 0, dpi72, -1, 68964});

  out.push_back({"preview_interface.jpg", encodeJpeg(previewInterface(), {"preview_interface", 802,
                                                                          606, 1, 0, 0, 209, 90})});
  out.push_back(
      {"preview_server_list.jpg",
       encodeJpeg(previewServerList(), {"preview_server_list", 804, 627, 1, 96, 96, 0, 90})});
  out.push_back({"server_ini.ini", serverListFile(499)});

  out.push_back({"banner.jpg", encodeJpeg(banner(), {"banner", 563, 135, 1, 96, 96, 0, 92})});
  out.push_back({"window_icon.ico", encodeIcon(emblemIcon(), 8, "window_icon", 2238)});
  out.push_back({"program_icon.ico", encodeIcon(emblemIcon(), 24, "program_icon", 3262)});
  return out;
}

void writeAll(const std::string& dir, const std::vector<Output>& outputs) {
  for (const Output& o : outputs) {
    const std::string path = dir + "/" + o.file, partial = path + ".part";
    {
      std::ofstream f(partial, std::ios::binary | std::ios::trunc);
      f.write(reinterpret_cast<const char*>(o.bytes.data()),
              static_cast<std::streamsize>(o.bytes.size()));
      if (!f) throw std::runtime_error(o.file + ": cannot write " + partial);
    }
    if (std::rename(partial.c_str(), path.c_str()) != 0)
      throw std::runtime_error(o.file + ": cannot move it into place");
  }
}

}  // namespace
}  // namespace gen

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: orv_asset_gen OUTPUT_DIR\n";
    return 2;
  }
  try {
    gen::writeAll(argv[1], gen::buildAll());
  } catch (const std::exception& e) {
    std::cerr << "asset generator: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
