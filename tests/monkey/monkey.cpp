// Random real input against the real program, with the invariants checked after every batch.
//   tessel_monkey [--seed N] [--events N] [--batch N] [--replay FILE] [--log FILE] PROGRAM...
// Runs on $DISPLAY (tests/desktop/x-session.sh gives it one of its own). A failure prints the
// seed and the events so far, and writes them to the log file, which --replay plays again.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/monkey/monkey_events.h"
#include "tests/monkey/program_process.h"
#include "tests/support/x_display.h"

namespace tessel::testing {
namespace {

const char* const kTitles[] = {"Tessel 98   V1.1   (29.05.1998)", "6er Tessel", "20er Tessel",
                               "About ..."};
constexpr char kAbout[] = "About ...";

struct Options {
  std::uint64_t seed = 1;
  int events = 2000;
  int batch = 25;
  std::string replay;
  std::string log = "monkey-events.log";
  std::vector<std::string> program;
};

void Pause(int milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

bool Ours(const XWindowInfo& window) {
  for (const char* title : kTitles) {
    if (window.title == title) return true;
  }
  return false;
}

// A window's look and place while the information window is open: what must not change.
struct Frozen {
  XWindowInfo where;
  std::vector<std::uint32_t> pixels;
};

class Monkey {
 public:
  Monkey(Options options) : options_(std::move(options)) {}

  int Run();

 private:
  std::vector<XWindowInfo> Windows();
  void Perform(const MonkeyEvent& event);
  bool WaitForStart();
  std::map<std::string, Frozen> Freeze(const std::vector<XWindowInfo>& windows);
  std::string CheckBatch(const std::map<std::string, Frozen>& frozen, bool about_throughout);
  std::string CheckEnded();
  int Fail(const std::string& why);

  Options options_;
  XDisplay x_;
  ProgramProcess program_;
  std::vector<std::string> log_;
  int starts_ = 0;
};

std::vector<XWindowInfo> Monkey::Windows() {
  std::vector<XWindowInfo> ours;
  for (XWindowInfo& window : x_.TitledWindows()) {
    if (Ours(window)) ours.push_back(std::move(window));
  }
  return ours;
}

void Monkey::Perform(const MonkeyEvent& event) {
  log_.push_back(ToLine(event));
  if (event.kind == MonkeyEvent::Kind::kKey) {
    if (event.key == "AltF4") {
      x_.PressKeys({"Alt_L", "F4"});
    } else {
      x_.PressKeys({event.key.c_str()});
    }
    return;
  }
  for (const XWindowInfo& window : Windows()) {
    if (window.title != event.title) continue;
    const int x = window.x + event.x;
    const int y = window.y + event.y;
    switch (event.kind) {
      case MonkeyEvent::Kind::kClick:
        x_.Click(x, y);
        break;
      case MonkeyEvent::Kind::kDrag:
        x_.PressButton(x, y);
        x_.MovePointer(x + event.dx / 2, y + event.dy / 2);
        x_.ReleaseButton(x + event.dx, y + event.dy);
        break;
      case MonkeyEvent::Kind::kCloseRequest:
        x_.SendDeleteWindow(window.id);
        break;
      case MonkeyEvent::Kind::kKey:
        break;
    }
    return;
  }
}

bool Monkey::WaitForStart() {
  ++starts_;
  if (!program_.Start(options_.program)) return false;
  for (int waited = 0; waited < 30000; waited += 50) {
    for (const XWindowInfo& window : Windows()) {
      if (window.title == kTitles[0]) {
        Pause(100);
        return true;
      }
    }
    if (!program_.Running()) return false;
    Pause(50);
  }
  return false;
}

std::map<std::string, Frozen> Monkey::Freeze(const std::vector<XWindowInfo>& windows) {
  std::map<std::string, Frozen> frozen;
  for (const XWindowInfo& window : windows) {
    if (window.title != kAbout) frozen[window.title] = {window, x_.Pixels(window)};
  }
  return frozen;
}

// After a batch, with the input taken: one window per title, every window answering, the
// windows behind the information window unchanged if it stayed open, and the program running
// as long as it shows a window.
std::string Monkey::CheckBatch(const std::map<std::string, Frozen>& frozen, bool about_throughout) {
  const std::vector<XWindowInfo> windows = Windows();
  std::map<std::string, int> count;
  for (const XWindowInfo& window : windows) {
    if (++count[window.title] > 1) return "two windows titled '" + window.title + "'";
    // Not responding, as a desktop sees it: no answer to a ping within 5 s (mutter's time).
    if (!x_.Answers(window.id, 5000)) {
      // A program on its way out answers no more, its windows up until it is gone: whether it
      // ended cleanly is checked once they are gone.
      if (!program_.Running()) return {};
      // Whether it was a hang or a long wait.
      const bool later = x_.Answers(window.id, 25000);
      return "'" + window.title + "' does not answer a ping within 5 s (a second ping: " +
             (later ? "answered" : "not answered") + " within 25 s)";
    }
  }
  if (about_throughout) {
    for (const auto& [title, before] : frozen) {
      for (const XWindowInfo& window : windows) {
        if (window.title != title) continue;
        if (window.x != before.where.x || window.y != before.where.y) {
          return "'" + title + "' moved while the information window was open";
        }
        if (x_.Pixels(window) != before.pixels) {
          return "'" + title + "' changed while the information window was open";
        }
      }
    }
  }
  return {};
}

// Once no window is left the program must end by itself, with status 0 and nothing from the
// sanitizers.
std::string Monkey::CheckEnded() {
  for (int waited = 0; waited < 5000 && program_.Running(); waited += 50) Pause(50);
  if (program_.Running()) return "no window is left, but the program runs on";
  if (program_.exit_status() != 0) {
    return "the program ended with status " + std::to_string(program_.exit_status());
  }
  return program_.SanitizerReport();
}

int Monkey::Fail(const std::string& why) {
  std::ofstream out(options_.log);
  for (const std::string& line : log_) out << line << '\n';
  std::fprintf(stderr, "monkey: seed %llu, after %zu events (start %d): %s\n",
               static_cast<unsigned long long>(options_.seed), log_.size(), starts_, why.c_str());
  std::fprintf(stderr, "monkey: the events are in %s; replay: --replay %s\n", options_.log.c_str(),
               options_.log.c_str());
  const size_t first = log_.size() > 40 ? log_.size() - 40 : 0;
  for (size_t i = first; i < log_.size(); ++i) std::fprintf(stderr, "  %s\n", log_[i].c_str());
  const std::string output = program_.Output();
  if (!output.empty()) std::fprintf(stderr, "monkey: the program said:\n%s\n", output.c_str());
  program_.Stop();
  return 1;
}

int Monkey::Run() {
  if (!x_.connected()) {
    std::fprintf(stderr, "monkey: no X server on $DISPLAY\n");
    return 2;
  }
  std::vector<MonkeyEvent> replay;
  if (!options_.replay.empty()) {
    std::ifstream in(options_.replay);
    for (std::string line; std::getline(in, line);) {
      if (auto event = FromLine(line)) replay.push_back(*event);
    }
    options_.events = static_cast<int>(replay.size());
  }
  MonkeyEventSource source(options_.seed);
  if (!WaitForStart()) return Fail("the program did not show its start window");
  for (int done = 0; done < options_.events;) {
    std::vector<XWindowInfo> windows = Windows();
    const bool about_at_start = std::any_of(windows.begin(), windows.end(),
                                            [](const auto& w) { return w.title == kAbout; });
    const auto frozen = about_at_start ? Freeze(windows) : std::map<std::string, Frozen>{};
    bool about_throughout = about_at_start;
    for (int i = 0; i < options_.batch && done < options_.events; ++i, ++done) {
      Perform(replay.empty() ? source.Next(windows) : replay[static_cast<size_t>(done)]);
      Pause(10);
      windows = Windows();
      about_throughout =
          about_throughout && std::any_of(windows.begin(), windows.end(),
                                          [](const auto& w) { return w.title == kAbout; });
      if (windows.empty()) break;
    }
    Pause(100);
    x_.Sync();
    if (Windows().empty()) {
      if (const std::string why = CheckEnded(); !why.empty()) return Fail(why);
      log_.emplace_back("# the program ended; started again");
      if (!WaitForStart()) return Fail("the program did not start again");
      continue;
    }
    if (const std::string why = CheckBatch(frozen, about_throughout); !why.empty()) {
      return Fail(why);
    }
  }
  // Close what is left, as a window manager would, and see the program end cleanly.
  for (int round = 0; round < 8 && !Windows().empty(); ++round) {
    std::vector<XWindowInfo> windows = Windows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
      log_.push_back(ToLine(Aimed(MonkeyEvent::Kind::kCloseRequest, it->title)));
      x_.SendDeleteWindow(it->id);
      Pause(150);
    }
  }
  if (const std::string why = CheckEnded(); !why.empty()) return Fail(why);
  std::printf("monkey: seed %llu, %d events, %d starts of the program: every check held\n",
              static_cast<unsigned long long>(options_.seed), options_.events, starts_);
  return 0;
}

bool ParseOptions(int argc, char** argv, Options& options) {
  int i = 1;
  for (; i < argc && argv[i][0] == '-'; i += 2) {
    const std::string flag = argv[i];
    if (flag == "--") {
      ++i;
      break;
    }
    if (i + 1 >= argc) return false;
    const std::string value = argv[i + 1];
    if (flag == "--seed") {
      options.seed = std::stoull(value);
    } else if (flag == "--events") {
      options.events = std::stoi(value);
    } else if (flag == "--batch") {
      options.batch = std::stoi(value);
    } else if (flag == "--replay") {
      options.replay = value;
    } else if (flag == "--log") {
      options.log = value;
    } else {
      return false;
    }
  }
  for (; i < argc; ++i) options.program.emplace_back(argv[i]);
  return !options.program.empty() && options.batch > 0;
}

}  // namespace
}  // namespace tessel::testing

int main(int argc, char** argv) {
  tessel::testing::Options options;
  if (!tessel::testing::ParseOptions(argc, argv, options)) {
    std::fprintf(stderr,
                 "usage: tessel_monkey [--seed N] [--events N] [--batch N] [--replay FILE] "
                 "[--log FILE] PROGRAM [ARGS...]\n");
    return 2;
  }
  return tessel::testing::Monkey(std::move(options)).Run();
}
