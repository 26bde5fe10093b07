#pragma once
// The picture button's image states and its clicked event, apart from the window system.
#include "host/form.h"

namespace host {

class ButtonStates {
 public:
  // The system repeats a move notice where the pointer already is (after a release, for one): only
  // a new place counts as a move.
  void pointerMoved(int x, int y, bool inside);
  void pointerLeft();
  void leftDown();
  // True when the release is a click: the press began on the button and ends over it.
  bool leftUp(int x, int y, bool inside);
  // The press ended elsewhere (the button lost the mouse capture): no click.
  void captureLost();

  ButtonImage image() const;

 private:
  int x_ = -1;
  int y_ = -1;
  bool over_ = false;
  bool held_ = false;
  bool restAfterClick_ = false;  // a click shows the normal image until the pointer moves again
};

// The image to draw for a state: a state without an image falls back to the normal one.
ResourceId imageFor(ButtonImage state, const std::array<ResourceId, 4>& images);

}  // namespace host
