#include <QApplication>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "runtime/core/start.h"
#include "runtime/qt/qt_backend.h"
#include "runtime/qt/session_bus.h"

namespace tessel::runtime {
namespace {

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// Where Qt is to draw. The user's own choice of QT_QPA_PLATFORM stands. On a Wayland desktop
// that also offers X11 (XWayland), X11: there windows stand at the places they ask for, which
// the design's block of windows needs and Wayland does not grant. On Wayland alone, Wayland,
// which Qt would not try by itself unless the session announced it. Otherwise X11.
void ChoosePlatform() {
  if (!Env("QT_QPA_PLATFORM").empty()) return;
  const bool wayland_alone = !Env("WAYLAND_DISPLAY").empty() && Env("DISPLAY").empty();
  setenv("QT_QPA_PLATFORM", wayland_alone ? "wayland" : "xcb", 1);
}

bool OnWayland() { return Env("QT_QPA_PLATFORM").starts_with("wayland"); }
bool OnX11() { return Env("QT_QPA_PLATFORM").starts_with("xcb"); }

// Which display Qt is about to try, in the user's words.
std::string DisplayName() {
  if (OnWayland()) {
    const std::string wayland = Env("WAYLAND_DISPLAY");
    return "WAYLAND_DISPLAY „" + (wayland.empty() ? "wayland-0" : wayland) + "“";
  }
  return "DISPLAY „" + Env("DISPLAY") + "“";
}

// X11 cannot start without DISPLAY; say so before Qt aborts over it. Other platforms (Wayland,
// offscreen) need none.
void RequireDisplay() {
  if (!OnX11() || !Env("DISPLAY").empty()) return;
  FailStart(
      "keine Anzeige: DISPLAY ist nicht gesetzt (auf einem Desktop starten, oder mit xvfb-run)");
}

// While the application comes up, Qt's messages wait here: when the platform cannot reach its
// display, Qt warns twice and then aborts, and the user is better served by one line from us.
struct HeldMessage {
  QtMsgType type;
  std::string category;
  QString text;
};
std::vector<HeldMessage> held_messages;

// Why Qt could not come up: its plugin for the platform is not installed, or the display does
// not answer.
std::string WhyNoDisplay() {
  const bool no_plugin = std::any_of(held_messages.begin(), held_messages.end(), [](const auto& m) {
    return m.text.contains(QLatin1String("Could not find the Qt platform plugin"));
  });
  if (!no_plugin) return "Qt erreicht " + DisplayName() + " nicht";
  return OnWayland() ? "für " + DisplayName() + " fehlt Qts Wayland-Plugin (Paket qt6-wayland)"
                     : "für " + DisplayName() + " fehlt Qts X11-Plugin (Paket qt6-qpa-plugins)";
}

void HoldWhileComingUp(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  held_messages.push_back({type, context.category ? context.category : "", text});
  if (type == QtFatalMsg) FailStart("keine Anzeige: " + WhyNoDisplay());
}

// Once up, Qt ends the process itself when the X server goes away: one warning in English, then
// exit(1), with destructors that expect the connection. The warning becomes our own line and the
// same status, and the process ends at once. Should Qt ever word it differently, its own line
// and exit remain.
QtMessageHandler after_coming_up = nullptr;

void WatchForLostDisplay(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtWarningMsg && text.startsWith(QLatin1String("The X11 connection broke"))) {
    FailStart("Verbindung zur Anzeige verloren: " + DisplayName() + " antwortet nicht mehr");
  }
  if (after_coming_up) after_coming_up(type, context, text);
}

void PassOnHeldMessages() {
  for (const HeldMessage& message : held_messages) {
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
    qt_message_output(message.type, context, message.text);
  }
  held_messages.clear();
}

}  // namespace

std::unique_ptr<Backend> CreatePlatformBackend() {
  if (QApplication::instance()) return std::make_unique<qt::QtBackend>(StartedAs());
  ChoosePlatform();
  RequireDisplay();
  qt::UseOnlyARunningSessionBus();
  const QtMessageHandler previous = qInstallMessageHandler(HoldWhileComingUp);
  auto backend = std::make_unique<qt::QtBackend>(StartedAs());
  qInstallMessageHandler(previous);
  PassOnHeldMessages();
  // A process that brings the toolkit up again (the tests do) finds the watch already there.
  const QtMessageHandler before = qInstallMessageHandler(WatchForLostDisplay);
  if (before != WatchForLostDisplay) after_coming_up = before;
  return backend;
}

bool PlatformReadsCommandLine() { return true; }

void EndProcess(int status) { std::exit(status); }

}  // namespace tessel::runtime
