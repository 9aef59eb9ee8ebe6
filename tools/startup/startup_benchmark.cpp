// Prints how fast programs bring up their first window, side by side on one X server: the time
// from starting the process to the server mapping its first top-level window, the processor time
// all its threads spent until then (which other load on the machine barely changes), and the
// process's resident memory then and once it has settled. Rounds alternate the programs' order, so
// that neither always runs on a machine the other has just warmed up.
//   startup_benchmark [--rounds N] [--settle MS] PROGRAM...
// Run it on a display without a window manager (xvfb-run -a), where a map request is a map.
#include <X11/Xlib.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Launch {
  double map_ms = 0;
  double cpu_ms = 0;
  long rss_at_map_kb = 0;
  long rss_settled_kb = 0;
};

struct Program {
  std::string path;
  std::vector<Launch> launches;
};

long ResidentKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  }
  return 0;
}

// What the scheduler counted for every thread of the process, in milliseconds.
double ProcessorMs(pid_t pid) {
  const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
  double total_ns = 0;
  for (const auto& task : std::filesystem::directory_iterator(tasks)) {
    std::ifstream schedstat(task.path() / "schedstat");
    double on_cpu_ns = 0;
    if (schedstat >> on_cpu_ns) total_ns += on_cpu_ns;
  }
  return total_ns / 1e6;
}

void Drain(Display* display) {
  XSync(display, False);
  while (XPending(display) > 0) {
    XEvent event;
    XNextEvent(display, &event);
  }
}

// Waits up to the deadline for the server to map a child of the root window.
bool WaitForMap(Display* display, Clock::time_point deadline) {
  for (;;) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify) return true;
    }
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) return false;
    pollfd fd{ConnectionNumber(display), POLLIN, 0};
    poll(&fd, 1, static_cast<int>(left.count()));
  }
}

bool Run(Display* display, Program& program, int settle_ms) {
  Drain(display);
  const Clock::time_point start = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    // The programs' own chatter would run into the figures.
    if (!std::freopen("/dev/null", "w", stdout) || !std::freopen("/dev/null", "w", stderr)) {
      _exit(126);
    }
    execl(program.path.c_str(), program.path.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  if (pid < 0) return false;
  const bool mapped = WaitForMap(display, start + std::chrono::seconds(10));
  Launch launch;
  launch.map_ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  launch.cpu_ms = ProcessorMs(pid);
  launch.rss_at_map_kb = ResidentKb(pid);
  std::this_thread::sleep_for(std::chrono::milliseconds(settle_ms));
  launch.rss_settled_kb = ResidentKb(pid);
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  if (!mapped) {
    std::fprintf(stderr, "startup_benchmark: %s mapped no window\n", program.path.c_str());
    return false;
  }
  program.launches.push_back(launch);
  return true;
}

template <typename Field>
double Median(const std::vector<Launch>& launches, Field field) {
  std::vector<double> values;
  values.reserve(launches.size());
  for (const Launch& l : launches) values.push_back(static_cast<double>(l.*field));
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

template <typename Field>
double Minimum(const std::vector<Launch>& launches, Field field) {
  auto least = static_cast<double>(launches.front().*field);
  for (const Launch& l : launches) least = std::min(least, static_cast<double>(l.*field));
  return least;
}

void Print(const std::vector<Program>& programs) {
  const Program& floor = programs.front();
  const double floor_ms = Median(floor.launches, &Launch::map_ms);
  const double floor_rss = Median(floor.launches, &Launch::rss_settled_kb);
  const double floor_cpu = Median(floor.launches, &Launch::cpu_ms);
  std::printf("%-14s %9s %8s %7s %8s %7s %10s %10s %7s\n", "(1st: floor)", "median ms", "min ms",
              "x floor", "CPU ms", "x floor", "RSS@map MB", "settled MB", "+MB");
  for (const Program& p : programs) {
    const double ms = Median(p.launches, &Launch::map_ms);
    const double cpu = Median(p.launches, &Launch::cpu_ms);
    const double rss = Median(p.launches, &Launch::rss_settled_kb);
    std::printf("%-14s %9.2f %8.2f %7.3f %8.2f %7.3f %10.2f %10.2f %7.2f\n",
                p.path.substr(p.path.find_last_of('/') + 1).c_str(), ms,
                Minimum(p.launches, &Launch::map_ms), ms / floor_ms, cpu, cpu / floor_cpu,
                Median(p.launches, &Launch::rss_at_map_kb) / 1024, rss / 1024,
                (rss - floor_rss) / 1024);
  }
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = 41;
  int settle_ms = 300;
  std::vector<Program> programs;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--rounds" && i + 1 < argc) {
      rounds = std::atoi(argv[++i]);
    } else if (arg == "--settle" && i + 1 < argc) {
      settle_ms = std::atoi(argv[++i]);
    } else {
      programs.push_back({arg, {}});
    }
  }
  if (programs.empty() || rounds < 1) {
    std::fprintf(stderr, "usage: startup_benchmark [--rounds N] [--settle MS] PROGRAM...\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "startup_benchmark: no X display\n");
    return 1;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  // One launch each first, unmeasured: the first start of a program reads its files from disk.
  for (Program& p : programs) {
    if (!Run(display, p, 0)) return 1;
    p.launches.clear();
  }
  for (int round = 0; round < rounds; ++round) {
    for (size_t i = 0; i < programs.size(); ++i) {
      Program& p = programs[round % 2 ? programs.size() - 1 - i : i];
      if (!Run(display, p, settle_ms)) return 1;
    }
  }
  std::printf("%d rounds, order alternating, RSS settled %d ms after the map\n", rounds, settle_ms);
  Print(programs);
  XCloseDisplay(display);
}
