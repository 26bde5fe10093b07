#include "updater/download_win32.h"

#include <optional>
#include <string>
#include <vector>

#include "host/file_services.h"
#include "host/services.h"
#include "host/wide_win32.h"
#include "updater/download_progress.h"
#include "updater/download_request.h"
#include "updater/download_response.h"

namespace updater {

namespace {

constexpr DWORD blockSize = 10240;
// Always from the server, never into the cache, and a no-cache pragma for proxies.
constexpr DWORD openFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE;
static_assert(openFlags == 0x84000100);

DWORD accessType() {
  DWORD connection = 0;
  InternetGetConnectedState(&connection, 0);
  return (connection & INTERNET_CONNECTION_PROXY) ? INTERNET_OPEN_TYPE_PRECONFIG
                                                  : INTERNET_OPEN_TYPE_PRECONFIG_WITH_NO_AUTOPROXY;
}

// A header of the response as text; none when the response has none.
std::optional<std::string> header(HINTERNET request, DWORD query) {
  std::wstring value(256, L'\0');
  DWORD size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
  while (!HttpQueryInfoW(request, query, value.data(), &size, nullptr)) {
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return std::nullopt;
    value.resize(size / sizeof(wchar_t) + 1);
  }
  value.resize(size / sizeof(wchar_t));
  return host::narrow(value);
}

Response readResponse(HINTERNET request) {
  DWORD status = 0;
  DWORD size = sizeof status;
  if (!HttpQueryInfoW(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr)) status = 0;
  return {static_cast<int>(status), header(request, HTTP_QUERY_CONTENT_LENGTH),
          header(request, HTTP_QUERY_CONTENT_RANGE)};
}

host::UniqueFile openLocalFile(std::string_view path, ResponseUse use) {
  if (use == ResponseUse::StartOver) return host::openFile(path, host::OpenMode::Truncate);
  host::UniqueFile file =
      host::openFile(path, host::fileExists(path) ? host::OpenMode::Append : host::OpenMode::Truncate);
  if (file && !host::seekToEnd(file.get())) file.reset();
  return file;
}

// A stopped download ends quietly: whoever stopped it is not waiting for a message.
int fail(const DownloadStop& stop, std::string_view message) {
  if (!stop.requested()) host::messageBox(message);
  return -1;
}

}  // namespace

int downloadFile(std::string_view url, std::string_view localPath, const ProgressCallback& progress,
                 std::int32_t startOffset, std::int32_t resume, DownloadStop* stop) {
  DownloadStop never;
  DownloadStop& stopping = stop ? *stop : never;
  const DWORD access = accessType();
  const StoppableSession session(
      stopping, InternetOpenW(host::widen(agentName(host::tickCount())).c_str(), access, nullptr, nullptr, 0));
  if (!session.get()) return fail(stopping, "Internet连接错误!");

  const std::wstring headers = host::widen(requestHeaders(resume != 0, startOffset));
  std::vector<std::uint8_t> block(blockSize);
  // Closed with the session, which a stop may close from another thread.
  const HINTERNET request = InternetOpenUrlW(session.get(), host::widen(url).c_str(), headers.c_str(),
                                             static_cast<DWORD>(headers.size()), openFlags, 0);
  if (!request) return fail(stopping, "不能打开该URL!");

  const ResponsePlan plan = planResponse(readResponse(request), resume != 0, startOffset);
  if (plan.use == ResponseUse::AlreadyComplete) return 0;
  if (plan.use == ResponseUse::Refuse) return fail(stopping, "不能打开该URL!");
  // Nothing is written once a stop has come, not even the emptying of the file.
  if (stopping.requested()) return -1;
  const host::UniqueFile file = openLocalFile(localPath, plan.use);
  if (!file) return fail(stopping, "不能打开本地的文件!");

  ProgressCounter counter(plan.total, plan.done, host::tickCount());
  for (;;) {
    DWORD received = 0;
    const bool read = InternetReadFile(request, block.data(), blockSize, &received);
    if (stopping.requested()) return -1;
    if (!read) return fail(stopping, "读文件出错!");
    if (received == 0) break;
    host::writeFileData(file.get(), std::span(block.data(), received));
    const Progress now = counter.add(received, host::tickCount());
    if (progress) progress(now.total, now.done, now.elapsedMs, now.doneThisRun);
  }
  // A body that ended early is kept for a later resume, but it is no complete file.
  if (plan.bodyLength && counter.receivedThisRun() < *plan.bodyLength) return fail(stopping, "读文件出错!");
  return 0;
}

}  // namespace updater
