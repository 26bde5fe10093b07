#pragma once
// Tests that need the player running and current: started from a fresh folder of its own against a
// host serving its version, its main window shown.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "tests/support/program_names.h"
#include "tests/support/programs.h"

namespace wtest {

class RunningPlayer : public testing::Test {
 protected:
  void SetUp() override;

  HWND control(int index) const;  // a control of the main window, by stacking order

  std::unique_ptr<RunningProgram> player_;
  HWND window_ = nullptr;
};

}  // namespace wtest
