// Times the updater's engines for scripts/bench-updater, inside one process so that Wine's start-up is
// not counted.
//   engine_bench download URL FILE      fresh download: seconds, bytes, the process's peak memory
//   engine_bench read URL -             WinINet alone: the same blocks read and dropped, for the ceiling
//   engine_bench extract PACKAGE FOLDER extraction: seconds and extractArchive's result
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "host/file_services.h"
#include "host/unique_win32.h"
#include "host/wide_win32.h"
#include "updater/download_win32.h"
#include "updater/extract_archive_win32.h"

namespace {

double seconds() {
  LARGE_INTEGER now{};
  LARGE_INTEGER frequency{};
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The platform's own rate: no file, no counters, nothing but WinINet's reads.
long long readOnly(const std::wstring& url) {
  const host::UniqueInternet session(
      InternetOpenW(L"bench", INTERNET_OPEN_TYPE_PRECONFIG_WITH_NO_AUTOPROXY, nullptr, nullptr, 0));
  const host::UniqueInternet request(InternetOpenUrlW(session.get(), url.c_str(), nullptr, 0, 0x84000100, 0));
  std::vector<char> block(10240);
  long long total = 0;
  DWORD received = 0;
  while (InternetReadFile(request.get(), block.data(), static_cast<DWORD>(block.size()), &received) && received > 0) {
    total += received;
  }
  return total;
}

}  // namespace

int wmain(int count, wchar_t** arguments) {
  if (count != 4) return 2;
  const std::wstring mode = arguments[1];
  const host::Text from = host::narrow(arguments[2]);
  const host::Text to = host::narrow(arguments[3]);
  const double start = seconds();
  if (mode == L"download") {
    const int result = updater::downloadFile(from, to, {}, 0, 0);
    const double elapsed = seconds() - start;
    PROCESS_MEMORY_COUNTERS memory{};
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    std::printf("result=%d seconds=%.3f bytes=%ld peak_working_set=%lu peak_private=%lu\n", result, elapsed,
                static_cast<long>(host::fileSize(to)), static_cast<unsigned long>(memory.PeakWorkingSetSize),
                static_cast<unsigned long>(memory.PeakPagefileUsage));
    return result == 0 ? 0 : 1;
  }
  if (mode == L"read") {
    const long long bytes = readOnly(arguments[2]);
    std::printf("seconds=%.3f bytes=%lld\n", seconds() - start, bytes);
    return bytes > 0 ? 0 : 1;
  }
  if (mode == L"extract") {
    const int result = updater::extractArchive(from, to);
    std::printf("result=%d seconds=%.3f\n", result, seconds() - start);
    return result == 1 ? 0 : 1;
  }
  return 2;
}
