#include "host/text.h"

#include <algorithm>

namespace host {

Text bytesToText(const Bytes& bytes) {
  const auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
  return Text(bytes.begin(), end);
}

Bytes textToBytes(std::string_view text) { return Bytes(text.begin(), text.end()); }

}  // namespace host
