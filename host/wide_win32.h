#pragma once
// The boundary between GBK texts and the system's wide-character functions.
#include <string>
#include <string_view>

#include "host/text.h"

namespace host {

std::wstring widen(std::string_view text);
Text narrow(std::wstring_view text);

}  // namespace host
