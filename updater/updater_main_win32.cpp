#include "host/services.h"

namespace {

host::Window updaterWindow{host::FormSpec{
    .caption = "霁川播放器升级程序",
    .width = 380,
    .height = 250,
    .escapeCloses = true,
    .background = host::rgb(30, 30, 30),
    .controls = {{.name = "透明标签1", .place = {8, -2, 288, 24}, .text = "在线更新", .effect = host::Effect::Raised}},
}};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  host::initialise();
  if (!host::loadWindow(updaterWindow)) host::fatalExit();
  host::messageLoop();
  host::endProgram(0);
}
