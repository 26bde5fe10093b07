#include "host/message_box_style.h"
#include "host/services.h"
#include "host/wide_win32.h"

namespace host {

int messageBox(std::string_view text, unsigned flags, std::string_view title) {
  const int pressed = MessageBoxW(nullptr, widen(text).c_str(), widen(title).c_str(), messageBoxStyle(flags));
  return messageBoxResult(pressed);
}

}  // namespace host
