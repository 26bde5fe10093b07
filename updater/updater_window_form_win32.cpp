#include <string>

#include "build_config.h"
#include "resources/resource_ids.h"
#include "updater/updater_window_win32.h"

namespace {

using host::ControlKind;
constexpr host::Colour grey = host::rgb(128, 128, 128);

host::FormSpec updaterForm() {
  return {
      .caption = "霁川播放器升级程序",
      .width = 380,
      .height = 250,
      .escapeCloses = true,
      .controls =
          {
              {.name = "透明标签2",
               .kind = ControlKind::TransparentLabel,
               .parent = "图片框1",
               .place = {96, 46, 192, 48},
               .text = std::string("问题反馈 QQ：80061234\r\n\r\n主页：") + build::updateHost,
               .textColour = host::white,
               .wordWrap = true},
              {.name = "标签2",
               .kind = ControlKind::Label,
               .parent = "图片框1",
               .place = {8, 216, 378, 16},
               .text = "正在初始化程序，请稍等！",
               .textColour = grey,
               .align = host::Align::Centre,
               .picture = IDR_PANEL_LARGE},
              {.name = "ZIP压缩1", .kind = ControlKind::Component, .parent = "图片框1", .place = {328, 216, 32, 16}},
              {.name = "透明标签1",
               .kind = ControlKind::TransparentLabel,
               .parent = "图片框1",
               .place = {8, -2, 288, 24},
               .text = "在线更新",
               .textColour = host::black,
               .effect = host::Effect::Raised},
              {.name = "进度条1",
               .kind = ControlKind::ProgressBar,
               .parent = "图片框1",
               .place = {0, 150, 380, 40},
               .rangeLow = 0,
               .rangeHigh = 10000},
              {.name = "标签1",
               .kind = ControlKind::Label,
               .parent = "图片框1",
               .place = {101, 96, 189, 24},
               .textColour = grey,
               .picture = IDR_PANEL_LARGE},
              {.name = "关闭按钮",
               .kind = ControlKind::PictureButton,
               .parent = "图片框1",
               .place = {360, 8, 11, 11},
               .images = {IDR_CLOSE_NORMAL, IDR_CLOSE_HOVER, IDR_CLOSE_PRESSED, 0},
               .clicked = onCloseClicked},
              {.name = "图片框1",
               .kind = ControlKind::PictureBox,
               .place = {0, 0, 380, 250},
               .picture = IDR_PANEL_SMALL,
               .display = host::DisplayMode::Stretched},
          },
      .created = onUpdaterCreated,
      .destroyed = onUpdaterDestroyed,
  };
}

}  // namespace

host::Window updaterWindow{updaterForm()};
