#pragma once
// The records of the control-anchoring engine: one per registered control, one per parent window
// whose procedure the engine replaced.
#include <windows.h>

#include <cstdint>

struct AnchorRecord {
  HWND parent = nullptr;
  HWND child = nullptr;
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t rightMargin = 0;
  std::int32_t bottomMargin = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t anchorLeft = 0;
  std::int32_t anchorTop = 0;
  std::int32_t anchorRight = 0;
  std::int32_t anchorBottom = 0;
};

struct ParentRecord {
  HWND parent = nullptr;
  WNDPROC savedProc = nullptr;
  std::int32_t anchorEnabled = 0;
};
