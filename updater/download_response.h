#pragma once
// How the download uses the server's answer: the body may continue the partial file, replace it,
// be unnecessary, or be something never to be stored (an error page, a part from another offset).
#include <cstdint>
#include <optional>
#include <string>

namespace updater {

// The parts of a response the decision reads, as the server sent them.
struct Response {
  int status = 0;  // 0 when unknown
  std::optional<std::string> contentLength;
  std::optional<std::string> contentRange;
};

enum class ResponseUse {
  StartOver,        // the body is the file from its first byte: the local file is emptied first
  Append,           // the body continues the partial file: it goes after the bytes already there
  AlreadyComplete,  // the partial file already holds everything: it stays as it is
  Refuse,           // the body must not be stored: the local file stays as it is
};

struct ResponsePlan {
  ResponseUse use = ResponseUse::Refuse;
  std::int64_t total = 0;                  // the whole file's size, 0 when unknown
  std::int64_t done = 0;                   // bytes in place before the body's first byte
  std::optional<std::int64_t> bodyLength;  // what the body must bring, when the response says
};

ResponsePlan planResponse(const Response& response, bool resume, std::int32_t startOffset);

}  // namespace updater
