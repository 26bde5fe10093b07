#include "updater/download_response.h"

#include <string_view>

namespace updater {

namespace {

// Decimal digits only, no more than a 64-bit count holds.
std::optional<std::int64_t> decimal(std::string_view text) {
  if (text.empty() || text.size() > 18) return std::nullopt;
  std::int64_t value = 0;
  for (const char digit : text) {
    if (digit < '0' || digit > '9') return std::nullopt;
    value = value * 10 + (digit - '0');
  }
  return value;
}

struct ContentRange {
  std::int64_t first = 0;
  std::optional<std::int64_t> size;  // none for "*"
};

// "bytes FIRST-LAST/SIZE" or "bytes FIRST-LAST/*".
std::optional<ContentRange> parseContentRange(std::string_view text) {
  constexpr std::string_view unit = "bytes ";
  if (!text.starts_with(unit)) return std::nullopt;
  text.remove_prefix(unit.size());
  const auto dash = text.find('-');
  const auto slash = text.find('/');
  if (dash == std::string_view::npos || slash == std::string_view::npos || slash < dash) return std::nullopt;
  const auto first = decimal(text.substr(0, dash));
  const auto last = decimal(text.substr(dash + 1, slash - dash - 1));
  if (!first || !last || *last < *first) return std::nullopt;
  const std::string_view sizeText = text.substr(slash + 1);
  if (sizeText == "*") return ContentRange{*first, std::nullopt};
  const auto size = decimal(sizeText);
  if (!size || *last >= *size) return std::nullopt;
  return ContentRange{*first, size};
}

}  // namespace

ResponsePlan planResponse(const Response& response, bool resume, std::int32_t startOffset) {
  const auto length = response.contentLength ? decimal(*response.contentLength) : std::nullopt;
  if (response.status == 416) return {resume ? ResponseUse::AlreadyComplete : ResponseUse::Refuse};
  if (response.status >= 400) return {ResponseUse::Refuse};
  // Any other answer but a part is the whole file, whatever was asked.
  if (response.status != 206) return {ResponseUse::StartOver, length.value_or(0), 0, length};

  const std::int64_t asked = resume ? startOffset : 0;
  const auto range = response.contentRange ? parseContentRange(*response.contentRange) : std::nullopt;
  if (!range || range->first != asked) return {ResponseUse::Refuse};
  const std::int64_t total = range->size ? *range->size : length ? asked + *length : 0;
  return {resume ? ResponseUse::Append : ResponseUse::StartOver, total, asked, length};
}

}  // namespace updater
