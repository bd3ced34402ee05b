// Measures programs from exec to their first complete paint, the processor
// time that took (the program's and the X server's), and their resident
// memory after that, on a bare X display. The probe stands in for the window
// manager: it holds each top-level window's map request until it has started
// Damage tracking on it, so no paint can slip past. The first paint is
// complete at the last drawing into the window before it rests: a window
// drawn straight to the screen is covered by its background long before its
// text arrives, one with a back buffer only by the final copy.
//
//   startup_probe RUNS NAME=PROGRAM [NAME=PROGRAM ...]
//
// Each program is started with the width and height of the first one's
// window as its two arguments (the first gets none). Runs go round the
// programs in turn; the medians and their ratios to the others are printed.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// A paint has ended when no drawing follows for this long.
constexpr auto kPaintRest = std::chrono::milliseconds(100);
// Resident memory is read this long after the paint ended.
constexpr auto kSettle = std::chrono::milliseconds(200);

struct Program {
  std::string name;
  std::string path;
  std::vector<std::string> args;  // its own; else the first one's size
  std::vector<double> startup_ms;
  std::vector<double> cpu_ms;
  std::vector<double> rss_kib;
};

struct Sample {
  double startup_ms;
  double cpu_ms;
  double rss_kib;
  int width;
  int height;
};

double Milliseconds(Clock::duration duration) {
  return std::chrono::duration<double, std::milli>(duration).count();
}

long ResidentKib(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string key;
  while (status >> key) {
    if (key == "VmRSS:") {
      long kib = 0;
      status >> kib;
      return kib;
    }
    status.ignore(4096, '\n');
  }
  return -1;
}

// Time the process has run on a processor, in ms; 0 when it cannot be read.
double CpuMs(pid_t pid) {
  if (pid <= 0) return 0;
  std::ifstream schedstat("/proc/" + std::to_string(pid) + "/schedstat");
  double nanoseconds = 0;
  schedstat >> nanoseconds;
  return nanoseconds / 1e6;
}

// The X server's process, when it is on this machine; 0 otherwise.
pid_t ServerPid(Display* display) {
  ucred peer{};
  socklen_t size = sizeof peer;
  if (getsockopt(ConnectionNumber(display), SOL_SOCKET, SO_PEERCRED, &peer,
                 &size) != 0) {
    return 0;
  }
  return peer.pid;
}

pid_t Start(const std::string& path, const std::vector<std::string>& args) {
  pid_t pid = fork();
  if (pid == 0) {
    std::vector<char*> argv{const_cast<char*>(path.c_str())};
    for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(path.c_str(), argv.data());
    _exit(127);
  }
  return pid;
}

std::optional<Sample> RunOnce(Display* display, int damage_event, pid_t server,
                              const Program& program,
                              const std::vector<std::string>& args) {
  XSync(display, False);
  const double server_cpu_before = CpuMs(server);
  const Clock::time_point start = Clock::now();
  pid_t pid = Start(program.path, args);
  Window window = 0;
  Damage damage = 0;
  Region painted = XCreateRegion();
  int width = 0;
  int height = 0;
  bool covered = false;
  Clock::time_point last_drawing;
  std::optional<Sample> sample;
  const auto deadline = start + std::chrono::seconds(20);
  while (Clock::now() < deadline) {
    if (!XPending(display)) {
      if (covered && Clock::now() - last_drawing >= kPaintRest) {
        const double cpu_ms = CpuMs(pid) + CpuMs(server) - server_cpu_before;
        std::this_thread::sleep_for(kSettle - kPaintRest);
        sample = Sample{Milliseconds(last_drawing - start), cpu_ms,
                        static_cast<double>(ResidentKib(pid)), width, height};
        break;
      }
      std::this_thread::sleep_for(std::chrono::microseconds(200));
      continue;
    }
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == MapRequest && window == 0) {
      window = event.xmaprequest.window;
      damage = XDamageCreate(display, window, XDamageReportRawRectangles);
      XWindowAttributes attributes;
      XGetWindowAttributes(display, window, &attributes);
      width = attributes.width;
      height = attributes.height;
      XMapWindow(display, window);
    } else if (event.type == MapRequest) {
      XMapWindow(display, event.xmaprequest.window);
    } else if (event.type == ConfigureRequest) {
      const XConfigureRequestEvent& request = event.xconfigurerequest;
      XWindowChanges changes{request.x,
                             request.y,
                             request.width,
                             request.height,
                             request.border_width,
                             request.above,
                             request.detail};
      XConfigureWindow(display, request.window,
                       static_cast<unsigned>(request.value_mask), &changes);
    } else if (event.type == damage_event + XDamageNotify) {
      const auto& notify = reinterpret_cast<XDamageNotifyEvent&>(event);
      if (notify.drawable != window) continue;
      last_drawing = Clock::now();
      XRectangle area = notify.area;
      XUnionRectWithRegion(&area, painted, painted);
      covered =
          covered || XRectInRegion(painted, 0, 0, width, height) == RectangleIn;
    }
  }
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  XDestroyRegion(painted);
  XSync(display, False);
  while (XPending(display)) {  // drop what the closed window left behind
    XEvent event;
    XNextEvent(display, &event);
  }
  (void)damage;  // freed with its window
  return sample;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s RUNS NAME=PROGRAM...\n", argv[0]);
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  std::vector<Program> programs;
  for (int i = 2; i < argc; ++i) {
    std::string argument = argv[i];
    size_t equals = argument.find('=');
    if (equals == std::string::npos) {
      std::fprintf(stderr, "startup_probe: expected NAME=PROGRAM, got %s\n",
                   argv[i]);
      return 2;
    }
    // NAME=PROGRAM ARGUMENT: a program with an argument of its own.
    std::string path = argument.substr(equals + 1);
    std::vector<std::string> args;
    if (size_t blank = path.find(' '); blank != std::string::npos) {
      args.push_back(path.substr(blank + 1));
      path.resize(blank);
    }
    programs.push_back({argument.substr(0, equals), path, args, {}, {}, {}});
  }
  Display* display = XOpenDisplay(nullptr);
  int damage_event = 0;
  int damage_error = 0;
  if (display == nullptr ||
      !XDamageQueryExtension(display, &damage_event, &damage_error)) {
    std::fprintf(stderr, "startup_probe: no display with Damage\n");
    return 1;
  }
  const pid_t server = ServerPid(display);
  XSelectInput(display, DefaultRootWindow(display),
               SubstructureRedirectMask | SubstructureNotifyMask);

  std::vector<std::string> size_args;
  for (int run = 0; run < runs; ++run) {
    for (Program& program : programs) {
      auto sample = RunOnce(display, damage_event, server, program,
                            &program == &programs.front() ||
                                    !program.args.empty()
                                ? program.args
                                : size_args);
      if (!sample) {
        std::fprintf(stderr, "startup_probe: %s never painted its window\n",
                     program.name.c_str());
        return 1;
      }
      if (size_args.empty()) {
        size_args = {std::to_string(sample->width),
                     std::to_string(sample->height)};
      }
      program.startup_ms.push_back(sample->startup_ms);
      program.cpu_ms.push_back(sample->cpu_ms);
      program.rss_kib.push_back(sample->rss_kib);
    }
  }

  std::printf("%d runs each, interleaved, medians; window %s x %s\n", runs,
              size_args[0].c_str(), size_args[1].c_str());
  std::printf("processor time: the program's%s, up to its first paint\n\n",
              server > 0 ? " and the X server's" : "");
  std::printf("%-22s %12s %12s %12s\n", "program", "start-up ms", "CPU ms",
              "RSS KiB");
  for (const Program& program : programs) {
    std::printf("%-22s %12.1f %12.1f %12.0f\n", program.name.c_str(),
                Median(program.startup_ms), Median(program.cpu_ms),
                Median(program.rss_kib));
  }
  const Program& first = programs.front();
  std::printf("\n");
  for (size_t i = 1; i < programs.size(); ++i) {
    std::printf("%s / %-22s start-up %.3f x, CPU %.3f x, RSS %.3f x\n",
                first.name.c_str(), programs[i].name.c_str(),
                Median(first.startup_ms) / Median(programs[i].startup_ms),
                Median(first.cpu_ms) / Median(programs[i].cpu_ms),
                Median(first.rss_kib) / Median(programs[i].rss_kib));
  }
  XCloseDisplay(display);
  return 0;
}
