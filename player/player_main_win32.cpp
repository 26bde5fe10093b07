#include "host/services.h"

namespace {

host::Window mainWindow{host::FormSpec{
    .caption = "霁川播放器",
    .width = 993,
    .height = 680,
    .minimizeBox = true,
    .maximizeBox = true,
    .dragAnywhere = true,
    .escapeCloses = true,
    .background = host::rgb(30, 30, 30),
    .controls = {{.name = "透明标签1", .place = {33, 7, 468, 16}, .text = "霁川播放器     —→ ", .textColour = host::white}},
}};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  host::initialise();
  if (!host::loadWindow(mainWindow)) host::fatalExit();
  host::messageLoop();
  host::endProgram(0);
}
