#include "player/skin/menu_relay.h"

namespace {

constexpr std::uint32_t closingNotice = 0xFFFF0000u;

// Only items highlighted with the mouse (flags 0x8080) match, by their whole 32-bit value, tried in
// this order.
struct RelayedItem {
  std::uint32_t menuSelect;
  RelayCommand command;
};
constexpr RelayedItem relayedItems[] = {
    {0x8080F120u, RelayCommand::Restore},  {0x8080F010u, RelayCommand::Move},
    {0x8080F000u, RelayCommand::Size},     {0x8080F020u, RelayCommand::Minimize},
    {0x8080F030u, RelayCommand::Maximize}, {0x8080F060u, RelayCommand::Close},
};

RelayCommand commandFor(std::uint32_t lastMenuSelect) {
  for (const RelayedItem& item : relayedItems) {
    if (item.menuSelect == lastMenuSelect) return item.command;
  }
  return RelayCommand::None;
}

}  // namespace

RelayCommand onMenuSelect(std::uint32_t& menuSelectSeen, std::uint32_t& lastMenuSelect, std::uint32_t wParam) {
  if (menuSelectSeen == 1 && wParam == closingNotice) return commandFor(lastMenuSelect);
  menuSelectSeen = 1;
  lastMenuSelect = wParam;
  return RelayCommand::None;
}
