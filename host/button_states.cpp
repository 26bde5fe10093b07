#include "host/button_states.h"

namespace host {

void ButtonStates::pointerMoved(int x, int y, bool inside) {
  if (x == x_ && y == y_ && over_ == inside) return;
  x_ = x;
  y_ = y;
  over_ = inside;
  restAfterClick_ = false;
}

void ButtonStates::pointerLeft() { over_ = false; }

void ButtonStates::leftDown() {
  held_ = true;
  over_ = true;
  restAfterClick_ = false;
}

bool ButtonStates::leftUp(int x, int y, bool inside) {
  const bool clicked = held_ && inside;
  x_ = x;
  y_ = y;
  held_ = false;
  over_ = inside;
  restAfterClick_ = clicked;
  return clicked;
}

void ButtonStates::captureLost() {
  if (!held_) return;
  held_ = false;
  over_ = false;
}

ButtonImage ButtonStates::image() const {
  if (restAfterClick_ || !over_) return ButtonImage::Normal;
  return held_ ? ButtonImage::Pressed : ButtonImage::Hover;
}

ResourceId imageFor(ButtonImage state, const std::array<ResourceId, 4>& images) {
  const auto chosen = images[static_cast<std::size_t>(state)];
  return chosen ? chosen : images[static_cast<std::size_t>(ButtonImage::Normal)];
}

}  // namespace host
