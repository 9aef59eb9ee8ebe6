#include "runtime/win32/window_system_check.h"

#include <string>

#include "runtime/core/command_line.h"
#include "runtime/win32/text.h"
#include "runtime/win32/win32_api.h"

// The lines are plain ASCII: a Windows console shows its own code page, not UTF-8.
namespace tessel::runtime::win32 {
namespace {

bool UnderWine() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

std::string Variable(const wchar_t* name) {
  wchar_t value[256];
  const DWORD length = GetEnvironmentVariableW(name, value, 256);
  return length > 0 && length < 256 ? Narrow(std::wstring_view(value, length)) : std::string();
}

std::string SystemMessage(DWORD error) {
  wchar_t* text = nullptr;
  FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message = text ? text : L"";
  if (text) LocalFree(text);
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' ||
                              message.back() == L'.' || message.back() == L' ')) {
    message.pop_back();
  }
  return "Fehler " + std::to_string(error) + (message.empty() ? "" : ": " + Narrow(message));
}

// Under Wine, a window needs Wine's display driver, which comes up on the X server named by
// DISPLAY; where it cannot, the system refuses every window and names no error.
std::string WhyNoWindow(DWORD error) {
  if (error == 0 && UnderWine()) {
    const std::string display = Variable(L"DISPLAY");
    if (display.empty()) {
      return "keine Anzeige: DISPLAY ist nicht gesetzt (auf einem Desktop starten, oder mit "
             "xvfb-run)";
    }
    return "keine Anzeige: Wine erreicht DISPLAY \"" + display + "\" nicht";
  }
  return "kein Fenster: das System erstellt keines (" +
         (error == 0 ? std::string("ohne Angabe eines Grundes") : SystemMessage(error)) + ")";
}

}  // namespace

// Asked with a hidden window of the system's own class, before any of the program's.
void RequireWindows() {
  if (!GetProcessWindowStation()) {
    FailStart("keine Fensterstation: der Prozess hat keine, also auch keine Fenster");
  }
  if (!GetThreadDesktop(GetCurrentThreadId())) {
    FailStart("kein Desktop: der Prozess hat keinen, also auch keine Fenster");
  }
  SetLastError(0);
  HWND probe = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", nullptr, WS_POPUP, 0, 0, 1, 1, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!probe) FailStart(WhyNoWindow(GetLastError()));
  DestroyWindow(probe);
}

}  // namespace tessel::runtime::win32
