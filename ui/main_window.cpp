#include "main_window.h"

#include "window_pictures.h"

namespace orv {

namespace {

ControlDescription control(const char* name, ControlKind kind, int left, int top, int width,
                           int height, const char* text, bool tabStop) {
  ControlDescription d;
  d.name = name;
  d.kind = kind;
  d.left = left;
  d.top = top;
  d.width = width;
  d.height = height;
  d.text = text;
  d.tabStop = tabStop;
  return d;
}

FontDescription promptFont() {
  FontDescription f;
  f.face = "微软雅黑";
  f.height = -14;
  f.weight = 400;
  f.charSet = 134;  // GB2312
  f.outPrecision = 3;
  f.clipPrecision = 2;
  f.quality = 1;
  f.pitchAndFamily = 0x22;
  return f;
}

LinkDescription homeLink() {
  LinkDescription link;
  link.text = "访问主页";
  link.target = "https://orvanta.example.org/";
  link.font.face = "宋体";
  link.font.height = -12;  // 9 points at 96 dots per inch
  link.font.charSet = 134;
  link.color = RGB(0, 0, 255);
  return link;
}

}  // namespace

WindowDescription mainWindowDescription(const MainWindowHandlers& h) {
  using K = ControlKind;
  WindowDescription w;
  w.title = "Orvanta皮肤修改器";
  w.width = 563;
  w.height = 546;
  w.icon = windowIconData();
  w.created = h.created;

  auto& c = w.controls;
  c.push_back(control(ctl::kDirectoryEdit, K::EditBox, 200, 165, 272, 24, "", true));
  c.push_back(control(ctl::kDirectoryPrompt, K::TransLabel, 22, 158, 176, 40,
                      "请选择Orvanta安装目录:", false));
  c.back().font = promptFont();
  c.back().textColor = RGB(0, 0, 0);
  c.push_back(control(ctl::kBrowseButton, K::Button, 488, 165, 48, 24, "浏览", true));
  c.back().clicked = h.browse;
  c.push_back(control(ctl::kPreviewGroup, K::GroupBox, 16, 205, 400, 288, "界面预览", false));
  c.push_back(control(ctl::kLoginSkinRadio, K::RadioBox, 448, 245, 80, 24, "登陆皮肤", true));
  c.back().clicked = h.loginSkinChosen;
  c.push_back(control(ctl::kInterfaceRadio, K::RadioBox, 448, 293, 80, 24, "游戏界面", true));
  c.back().clicked = h.interfaceChosen;
  c.push_back(control(ctl::kServerListRadio, K::RadioBox, 449, 341, 72, 24, "列表乱码", true));
  c.back().clicked = h.serverListChosen;
  c.push_back(control(ctl::kReplaceButton, K::Button, 448, 405, 88, 24, "替换", true));
  c.back().clicked = h.replace;
  c.push_back(control(ctl::kRestoreButton, K::Button, 448, 445, 88, 24, "还原默认皮肤", true));
  c.back().clicked = h.restore;
  c.push_back(control(ctl::kPreviewBox, K::PicBox, 8, 16, 384, 264, "", false));
  c.back().parent = ctl::kPreviewGroup;
  c.back().border = true;
  c.back().scaling = PictureScaling::Stretch;
  c.push_back(control(ctl::kStatusLabel, K::TransLabel, 440, 485, 128, 24, "", false));
  c.back().textColor = RGB(0, 136, 255);
  c.push_back(control(ctl::kBannerBox, K::PicBox, 0, 0, 563, 135, "", false));
  c.back().scaling = PictureScaling::ActualSize;
  c.back().picture = bannerPicture();
  c.push_back(control(ctl::kHomeLink, K::SimpleHtml, 460, 380, 68, 20, "", true));
  c.back().link = homeLink();
  c.back().text = c.back().link->text;
  return w;
}

}  // namespace orv
