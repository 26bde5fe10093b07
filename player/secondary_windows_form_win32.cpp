#include <string>

#include "build_config.h"
#include "player/secondary_windows_win32.h"
#include "resources/resource_ids.h"

namespace {

using host::ControlKind;
using host::ControlSpec;

const host::FontRecord labelFont{.height = 16, .weight = 400};
constexpr host::Colour grey = host::rgb(128, 128, 128);

// Borderless, centred, not in the taskbar, moved from anywhere; a one-pixel grey frame round a dark
// panel, which holds the controls listed after it in `controls`.
host::FormSpec smallWindow(const char* caption, int width, int height, bool escapeCloses,
                           std::vector<ControlSpec> controls) {
  controls.push_back({.name = "图片框1",
                      .kind = ControlKind::PictureBox,
                      .place = {1, 1, width - 2, height - 2},
                      .picture = IDR_PANEL_SMALL,
                      .display = host::DisplayMode::Stretched});
  return {.caption = caption,
          .width = width,
          .height = height,
          .inTaskbar = false,
          .dragAnywhere = true,
          .escapeCloses = escapeCloses,
          .background = grey,
          .icon = IDI_WINDOWS,
          .controls = std::move(controls)};
}

ControlSpec closeButton(int left, host::Handler clicked) {
  return {.name = "图形按钮8",
          .kind = ControlKind::PictureButton,
          .parent = "图片框1",
          .place = {left, 8, 11, 11},
          .images = {IDR_CLOSE_NORMAL, IDR_CLOSE_HOVER, IDR_CLOSE_PRESSED, 0},
          .clicked = clicked};
}

ControlSpec bigButton(const char* name, const char* parent, host::Place place, host::ResourceId normal,
                      host::ResourceId hover, host::Handler clicked) {
  return {.name = name,
          .kind = ControlKind::PictureButton,
          .parent = parent,
          .place = place,
          .images = {normal, hover, 0, 0},
          .clicked = clicked};
}

ControlSpec panelLabel(const char* name, host::Place place, std::string text, host::Colour colour,
                       std::optional<host::FontRecord> font) {
  return {.name = name,
          .kind = ControlKind::TransparentLabel,
          .parent = "图片框1",
          .place = place,
          .text = std::move(text),
          .textColour = colour,
          .font = std::move(font)};
}

const char* const notice =
    "    本程序由霁川网提供，内容来源于网络，\r\n"
    "\r\n"
    "如果有侵犯你的权益请联系删除！ \r\n"
    "\r\n"
    "\r\n"
    "\r\n"
    "电子邮件：kefu@jichuan.example\r\n"
    "\r\n"
    "在线客服 QQ：80061234\r\n";

}  // namespace

host::Window videoWindow{smallWindow(
    "栖云影音", 380, 250, false,
    {
        bigButton("图形按钮4", "", {224, 32, 80, 80}, IDR_MESSAGE_NORMAL, IDR_MESSAGE_HOVER, onMessageButtonClicked),
        bigButton("图形按钮3", "", {232, 144, 80, 80}, IDR_LATER_NORMAL, IDR_LATER_HOVER, onLowerButtonClicked),
        bigButton("图形按钮1", "图片框1", {39, 31, 80, 80}, IDR_SITE_NORMAL, IDR_SITE_HOVER, onSiteButtonClicked),
        closeButton(360, onVideoWindowCloseClicked),
    })};

host::Window messageWindow{smallWindow(
    "在线留言", 380, 250, true,
    {
        panelLabel("透明标签4", {31, 108, 280, 32}, std::string("官方网站：") + build::updateHost, host::white,
                   labelFont),
        [] {
          ControlSpec label = panelLabel("透明标签3", {31, 49, 320, 158}, notice, host::white, labelFont);
          label.wordWrap = true;
          return label;
        }(),
        panelLabel("透明标签2", {23, 196, 344, 48}, "Copyright (C) 霁川网 版权所有，保留一切权利", grey, std::nullopt),
        [] {
          ControlSpec label = panelLabel("透明标签1", {7, -1, 48, 24}, "关于", host::black, labelFont);
          label.effect = host::Effect::Raised;
          return label;
        }(),
        closeButton(360, onMessageWindowCloseClicked),
    })};

host::Window noticeWindow{smallWindow(
    "版权声明", 600, 100, true,
    {
        closeButton(576, onNoticeWindowCloseClicked),
        panelLabel("透明标签1", {40, 31, 535, 39},
                   "版权声明：栖云影音资源均采集与互联网。版权各归个相关网络公司所属！本站目的CMP技术交流！", grey,
                   std::nullopt),
    })};
