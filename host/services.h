#pragma once
// The operations through which both programs reach windows, files, processes and the network.
#include <windows.h>

#include <string_view>

#include "host/fatal.h"
#include "host/text.h"
#include "host/window.h"

namespace host {

// Program lifetime.
void initialise();                        // the program's folder becomes the current directory
void registerShutdown(void (*routine)());  // run once by every orderly end
[[noreturn]] void endProgram(int exitCode);

// Windows.
bool loadWindow(Window& window);
void destroyWindow(Window& window);
HWND windowHandle(const Window& window);
HWND windowHandle(const Window& window, std::string_view control);
LRESULT sendMessage(Window& window, UINT message, WPARAM wParam, LPARAM lParam);
void messageLoop();

enum class Property { Width, Height, Visible, Text, Address, WindowState, Position };
constexpr int minimised = 2;
constexpr int maximised = 1;
constexpr int restored = 0;

int getProperty(const Window& window, std::string_view control, Property property);
Text getTextProperty(const Window& window, std::string_view control, Property property);
void setProperty(Window& window, std::string_view control, Property property, int value);
void setProperty(Window& window, std::string_view control, Property property, std::string_view value);

// Dialogs: no owner, task-modal unless 0x1000 is given; the result is OK 0, Cancel 1 .. No 6.
int messageBox(std::string_view text, unsigned flags = 0, std::string_view title = "信息：");

// Files and processes.
Text runDirectory();  // the program file's folder, without a trailing backslash
bool writeFileBytes(std::string_view path, const Bytes& bytes);
bool deleteFile(std::string_view path);
bool runProgram(std::string_view commandLine, bool wait);
void openUrl(std::string_view url);

// The network: the whole body, whatever the status; empty on any failure before the body.
Bytes fetchUrl(std::string_view url);

}  // namespace host
