#pragma once
// A form is data: the settings of a window and its control table. The toolkit realises it.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "host/text.h"

namespace host {

// 0x00BBGGRR; a value with the top bit set names a system colour by its index.
using Colour = std::uint32_t;
constexpr Colour rgb(int r, int g, int b) {
  return static_cast<Colour>(r) | (static_cast<Colour>(g) << 8) | (static_cast<Colour>(b) << 16);
}
constexpr Colour systemColour(int index) { return 0x80000000u | static_cast<Colour>(index); }
constexpr Colour buttonFace = systemColour(15);
constexpr Colour white = rgb(255, 255, 255);
constexpr Colour black = rgb(0, 0, 0);

// Pictures, icons and pointers are resources of the program, named by number; 0 is none.
using ResourceId = int;

using Handler = void (*)();

struct Place {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Place&) const = default;
};

// Applied with the default character set and proof quality, whatever the record says.
struct FontRecord {
  int height = 0;  // character height in pixels
  int weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  Text face;  // empty: the system chooses
};

enum class ControlKind { TransparentLabel, Label, PictureBox, PictureButton, HtmlBrowser, ProgressBar, Component };
enum class DisplayMode { TopLeft, Stretched, Centred };
enum class Align { Left, Centre };
enum class Effect { Plain = 0, Raised = 1 };
enum class ButtonImage { Normal, Hover, Pressed, Disabled };

struct ControlSpec {
  Text name;
  ControlKind kind = ControlKind::TransparentLabel;
  Text parent;  // empty: the window itself
  Place place;

  // Labels.
  Text text;
  Colour textColour = black;
  Effect effect = Effect::Plain;
  Align align = Align::Left;
  bool wordWrap = false;
  std::optional<FontRecord> font;  // none: the system's default GUI font

  // Picture boxes, labels (background picture) and picture buttons.
  Colour background = buttonFace;
  ResourceId picture = 0;
  DisplayMode display = DisplayMode::TopLeft;
  std::array<ResourceId, 4> images{};  // by ButtonImage
  ResourceId cursor = 0;

  // HTML browser.
  Text address;
  int fontSize = 2;  // 0 smallest .. 4 largest
  bool offline = false;
  bool silent = false;

  // Progress bar.
  int rangeLow = 0;
  int rangeHigh = 100;

  Handler clicked = nullptr;      // picture button released over itself
  Handler leftPressed = nullptr;  // left button down on a label
};

struct FormSpec {
  Text caption;
  int width = 0;
  int height = 0;
  bool minimizeBox = false;  // style bits only: the forms have no caption bar and no frame
  bool maximizeBox = false;
  bool visible = true;
  bool inTaskbar = true;
  bool topmost = false;
  bool dragAnywhere = false;  // a left press on the background or a picture box moves the window
  bool escapeCloses = false;
  Colour background = buttonFace;
  ResourceId backgroundPicture = 0;  // stretched over the whole client area
  ResourceId icon = 0;
  std::vector<ControlSpec> controls;  // top of the stacking order first

  Handler created = nullptr;
  Handler sizeChanged = nullptr;
  Handler destroyed = nullptr;
};

// Forms are placed centred on the screen, with whole-number division.
Place centredPlace(int screenWidth, int screenHeight, int width, int height);

// The index of the named control in the form's table, or none.
std::optional<std::size_t> findControl(const FormSpec& form, std::string_view name);

// An order of creation in which every parent exists before its children; the table order is kept
// among siblings, so the stacking order can follow the table.
std::vector<std::size_t> creationOrder(const FormSpec& form);

}  // namespace host
