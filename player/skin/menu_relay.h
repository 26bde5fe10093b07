#pragma once
// The decision of the system-menu relay: which command a window-menu selection notice carries out.
#include <cstdint>

enum class RelayCommand { None, Restore, Move, Size, Minimize, Maximize, Close };

// Called for every menu-selection notice with the relay's two words of state. The first notice of
// all only arms the relay; a closing notice (0xFFFF0000) then performs the item last highlighted
// with the mouse, which stays remembered; every other notice is remembered.
RelayCommand onMenuSelect(std::uint32_t& menuSelectSeen, std::uint32_t& lastMenuSelect, std::uint32_t wParam);
