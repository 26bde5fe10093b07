#include "host/message_box_style.h"

namespace host {

namespace {
constexpr unsigned systemModal = 0x1000;
constexpr unsigned taskModal = 0x2000;
}  // namespace

unsigned messageBoxStyle(unsigned flags) { return (flags & systemModal) ? flags : flags | taskModal; }

int messageBoxResult(int buttonId) { return buttonId - 1; }

}  // namespace host
