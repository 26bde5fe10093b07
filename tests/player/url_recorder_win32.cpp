// Stands in for the default web browser in tests: notes the address it was asked to open in the file
// that URL_RECORD_FILE names.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
  wchar_t record[MAX_PATH] = {};
  if (!GetEnvironmentVariableW(L"URL_RECORD_FILE", record, MAX_PATH)) return 1;
  HANDLE file = CreateFileW(record, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  const std::wstring line = commandLine;
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size() * sizeof(wchar_t)), &written, nullptr);
  CloseHandle(file);
  return 0;
}
