#pragma once
// What the in-process tests under Wine share: pumping messages, real mouse and key input, pixels,
// message boxes seen from another thread, and the paths the test bench hands over.
#include <windows.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace wtest {

// Pumps this thread's messages the way the programs do until `done` holds or the time is up.
bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);
void pumpFor(DWORD milliseconds);

// Input through the system's queue, at screen coordinates.
void mouseMove(POINT screen);
void mouseButton(bool down);
void click(POINT screen);
void key(WORD virtualKey);
// Presses at `from`, moves by (dx, dy) and releases, from another thread while this one pumps (a
// window move runs the system's loop inside this thread).
void drag(POINT from, int dx, int dy);

POINT screenPoint(HWND window, int x, int y);  // a client point of the window on the screen
RECT screenRect(HWND window);
COLORREF pixel(HWND window, int x, int y);  // from the window's client area as painted
std::wstring windowText(HWND window);

// The n-th child of `parent` in stacking order (0 is the top), none past the last.
HWND childAt(HWND parent, int index);

// An environment variable handed over by the bench, or empty.
std::string environment(const char* name);
// A Unix path of the bench as a Windows path (Wine's drive Z:).
std::wstring windowsPath(const std::string& unixPath);

// Whole files, as bytes.
std::string readFile(const std::wstring& path);
void writeFile(const std::wstring& path, const std::string& bytes);

// The update host the bench started (updatehost/serve): its document root, its fault rules and its
// request logs, one JSON object a line.
std::wstring hostFile(const std::string& relativePath);  // a path under the document root
void writeHostFile(const std::string& relativePath, const std::string& bytes);
void writeFaultRules(const std::string& json);  // replaced at once, as the server expects
std::vector<std::string> logLines(const char* logVariable);

// The first top-level window of the process that `match` accepts, or none.
HWND findTopWindow(DWORD process, const std::function<bool(HWND)>& match);

// A visible message box of the process (with that title, when one is given), or none.
HWND findMessageBox(DWORD process, const std::wstring& title = L"");

// Waits on its own thread for a message box of a process (this one unless another is named), notes
// what it shows and presses a button by its identifier (IDOK, IDYES ...).
class MessageBoxWatcher {
 public:
  // `watched`: a window whose state while the box is up is noted (a task-modal box disables the
  // thread's windows).
  explicit MessageBoxWatcher(int buttonToPress, HWND watched = nullptr, DWORD process = GetCurrentProcessId(),
                             std::wstring title = L"");
  ~MessageBoxWatcher();
  MessageBoxWatcher(const MessageBoxWatcher&) = delete;
  MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

  bool seen() const { return box_ != nullptr; }
  std::wstring title() const { return title_; }
  std::wstring text() const { return text_; }
  DWORD exStyle() const { return exStyle_; }
  HICON icon() const { return icon_; }  // the box's icon, as its icon control shows it
  HWND owner() const { return owner_; }
  bool watchedWasDisabled() const { return watchedDisabled_; }
  void join();

 private:
  void run(int buttonToPress);

  HWND watched_;
  DWORD process_;
  std::wstring wantedTitle_;
  HICON icon_ = nullptr;
  HWND box_ = nullptr;
  HWND owner_ = nullptr;
  std::wstring title_;
  std::wstring text_;
  DWORD exStyle_ = 0;
  bool watchedDisabled_ = false;
  std::thread thread_;
};

}  // namespace wtest
