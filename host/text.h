#pragma once
// Texts are GBK (code page 936) byte strings; an absent text and the empty text are the same value.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace host {

using Text = std::string;
using Bytes = std::vector<std::uint8_t>;

// The bytes up to the first zero byte (all of them if there is none).
Text bytesToText(const Bytes& bytes);

Bytes textToBytes(std::string_view text);

}  // namespace host
