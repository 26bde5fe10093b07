#include <array>
#include <string>

#include "host/services.h"
#include "host/unique_win32.h"
#include "host/wide_win32.h"

namespace host {

namespace {

constexpr const wchar_t* userAgent = L"Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";

struct UrlParts {
  std::wstring host;
  std::wstring path;  // with the query
  INTERNET_PORT port = 0;
  bool secure = false;
};

bool splitUrl(const std::wstring& url, UrlParts& parts) {
  std::array<wchar_t, 256> host{};
  std::array<wchar_t, 4096> path{};
  std::array<wchar_t, 4096> query{};
  URL_COMPONENTSW components{};
  components.dwStructSize = sizeof components;
  components.lpszHostName = host.data();
  components.dwHostNameLength = static_cast<DWORD>(host.size());
  components.lpszUrlPath = path.data();
  components.dwUrlPathLength = static_cast<DWORD>(path.size());
  components.lpszExtraInfo = query.data();
  components.dwExtraInfoLength = static_cast<DWORD>(query.size());
  if (!InternetCrackUrlW(url.c_str(), 0, 0, &components)) return false;
  parts.host = host.data();
  parts.path = std::wstring(path.data()) + query.data();
  if (parts.path.empty()) parts.path = L"/";
  parts.port = components.nPort;
  parts.secure = components.nScheme == INTERNET_SCHEME_HTTPS;
  return true;
}

}  // namespace

Bytes fetchUrl(std::string_view url) {
  UrlParts parts;
  if (!splitUrl(widen(url), parts)) return {};
  const UniqueInternet session(InternetOpenW(userAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!session) return {};
  const UniqueInternet connection(InternetConnectW(session.get(), parts.host.c_str(), parts.port, nullptr, nullptr,
                                                   INTERNET_SERVICE_HTTP, 0, 0));
  if (!connection) return {};
  // Straight from the server, never stored, and nothing shown to the user.
  DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_UI;
  if (parts.secure) flags |= INTERNET_FLAG_SECURE;
  const wchar_t* accept[] = {L"*/*", nullptr};
  const UniqueInternet request(HttpOpenRequestW(connection.get(), L"GET", parts.path.c_str(), L"HTTP/1.0", nullptr,
                                                accept, flags, 0));
  if (!request || !HttpSendRequestW(request.get(), nullptr, 0, nullptr, 0)) return {};

  Bytes body;
  std::array<std::uint8_t, 8192> block{};
  DWORD received = 0;
  // A read error within the body keeps what was read before it.
  while (InternetReadFile(request.get(), block.data(), static_cast<DWORD>(block.size()), &received) && received > 0) {
    body.insert(body.end(), block.begin(), block.begin() + received);
  }
  return body;
}

}  // namespace host
