#include "player/skin/menu_relay.h"

namespace {

constexpr std::uint32_t closingNotice = 0xFFFF0000u;

// Only items highlighted with the mouse (flags 0x8080) match, by their whole 32-bit value.
RelayCommand commandFor(std::uint32_t lastMenuSelect) {
  switch (lastMenuSelect) {
    case 0x8080F120u:
      return RelayCommand::Restore;
    case 0x8080F010u:
      return RelayCommand::Move;
    case 0x8080F000u:
      return RelayCommand::Size;
    case 0x8080F020u:
      return RelayCommand::Minimize;
    case 0x8080F030u:
      return RelayCommand::Maximize;
    case 0x8080F060u:
      return RelayCommand::Close;
    default:
      return RelayCommand::None;
  }
}

}  // namespace

RelayCommand onMenuSelect(std::uint32_t& menuSelectSeen, std::uint32_t& lastMenuSelect, std::uint32_t wParam) {
  if (menuSelectSeen == 1 && wParam == closingNotice) return commandFor(lastMenuSelect);
  menuSelectSeen = 1;
  lastMenuSelect = wParam;
  return RelayCommand::None;
}
