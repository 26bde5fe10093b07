#include <string>

#include "build_config.h"
#include "player/main_window_win32.h"
#include "player/secondary_windows_win32.h"
#include "player/site.h"
#include "resources/resource_ids.h"

namespace {

using host::ControlKind;
using host::ControlSpec;
using host::DisplayMode;

const host::FontRecord labelFont{.height = 16, .weight = 400};

ControlSpec stripLabel(const char* name, host::Place place, std::string text, host::Colour colour,
                       host::Handler pressed = nullptr) {
  return {.name = name,
          .kind = ControlKind::TransparentLabel,
          .place = place,
          .text = std::move(text),
          .textColour = colour,
          .font = labelFont,
          .leftPressed = pressed};
}

ControlSpec stripButton(const char* name, host::Place place, std::array<host::ResourceId, 4> images,
                        host::Handler clicked, host::ResourceId cursor = 0) {
  return {.name = name,
          .kind = ControlKind::PictureButton,
          .parent = "图片框1",
          .place = place,
          .images = images,
          .cursor = cursor,
          .clicked = clicked};
}

}  // namespace

host::Window mainWindow{mainWindowForm()};

host::FormSpec mainWindowForm() {
  return {
      .caption = "霁川播放器",
      .width = 993,
      .height = 680,
      .minimizeBox = true,
      .maximizeBox = true,
      .visible = false,
      .dragAnywhere = true,
      .escapeCloses = true,
      .background = host::buttonFace,
      .backgroundPicture = IDR_PANEL_SMALL,
      .icon = IDI_PLAYER,
      .controls =
          {
              stripLabel("版本标签", {120, 7, 32, 16}, "", host::white),
              stripLabel("透明标签3", {860, 7, 36, 16}, "返回", host::white, onReturnLabelPressed),
              stripLabel("透明标签2", {197, 7, 304, 18}, std::string("三维设计软件自学新平台！") + build::updateHostName,
                         host::rgb(255, 128, 0)),
              stripLabel("透明标签1", {33, 7, 468, 16}, "霁川播放器     —→ ", host::white, onTitleLabelPressed),
              {.name = "图片框3",
               .kind = ControlKind::PictureBox,
               .place = {8, 4, 20, 20},
               .background = host::rgb(32, 32, 32),
               .picture = IDR_LOGO,
               .display = DisplayMode::Centred},
              {.name = "图片框1",
               .kind = ControlKind::PictureBox,
               .place = {896, 3, 94, 20},
               .picture = IDR_PANEL_LARGE,
               .display = DisplayMode::TopLeft},
              stripButton("最大化按钮", {53, 5, 14, 14}, {IDR_MAXIMISE_NORMAL, IDR_MAXIMISE_HOVER, IDR_MAXIMISE_HOVER, 0},
                          onMaximizeButtonClicked),
              stripButton("关闭按钮", {76, 5, 14, 14}, {IDR_CLOSE_NORMAL, IDR_CLOSE_HOVER, IDR_CLOSE_PRESSED, 0},
                          onCloseButtonClicked),
              stripButton("最小化按钮", {30, 8, 14, 6},
                          {IDR_MINIMISE_NORMAL, IDR_MINIMISE_HOVER, IDR_MINIMISE_PRESSED, 0}, onMinimizeButtonClicked,
                          IDC_ARROW_POINTER),
              stripButton("图形按钮6", {8, 4, 14, 14}, {IDR_VIDEO_NORMAL, IDR_VIDEO_HOVER, IDR_VIDEO_PRESSED, 0},
                          onVideoButtonClicked, IDC_ARROW_POINTER),
              {.name = "图片框2",
               .kind = ControlKind::PictureBox,
               .place = {0, 13, 1000, 16},
               .picture = IDR_PANEL_SMALL,
               .display = DisplayMode::Stretched},
              {.name = "超文本浏览框1",
               .kind = ControlKind::HtmlBrowser,
               .place = {-3, 27, 1011, 653},
               .address = homePage,
               .fontSize = 2,
               .offline = false,
               .silent = false},
          },
      .created = onMainWindowCreated,
      .sizeChanged = onMainWindowSizeChanged,
  };
}
