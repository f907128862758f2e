// The whole program on a big phone: seeds devices of 1,000 contacts / 10,000 SMS, 10,000 /
// 100,000 and 50,000 / 500,000 with `qbphone seed-demo`, then starts the real `quillbook`
// process headless (script: quit, which waits until the start is over) several times and
// reports medians for a first start (no contact cache) and a second start (cache present):
//   painted  process start to the first painted list (contact rows on screen)
//   settled  process start to the load and every SMS recount over, screen painted
//   cpu      CPU seconds of the process until settled
//   rss      peak resident memory (MiB) of the whole run
// Times are taken here, from the launch to the arrival of the program's start-up trace lines
// (QUILLBOOK_DEBUG=startup); a program without that channel is timed to its exit. Goals are
// checked at 10,000 / 100,000. Environment: QB_BENCH_SIZES ("1000:10000,10000:100000"),
// QB_BENCH_RUNS (runs per kind, default 5; 3 for the largest size), QB_BENCH_BIN (the folder of
// the quillbook to time; default: this program's folder; qbphone always comes from there).
// Google Benchmark's flags, which `make bench` passes, are ignored.
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

struct Size {
  long contacts;
  long sms;
};

struct Run {
  double painted_ms = -1;  // -1: the program gave no trace line
  double settled_ms = 0;
  double cpu_s = 0;
  double rss_mib = 0;
  int exit_code = 0;
};

double Ms(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

fs::path SelfDir() {
  return fs::read_symlink("/proc/self/exe").parent_path();
}

// Runs argv with extra environment; returns the exit code, captures stderr lines with the time
// they arrived (relative to the launch) and the child's resource use.
int Spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env,
          std::vector<std::pair<double, std::string>>* lines, rusage* usage, bool quiet) {
  int pipe_fds[2];
  if (pipe(pipe_fds) != 0) return -1;
  const auto start = Clock::now();
  pid_t pid = fork();
  if (pid == 0) {
    dup2(pipe_fds[1], 2);
    if (quiet) {
      int null_fd = open("/dev/null", O_WRONLY);
      dup2(null_fd, 1);
    }
    close(pipe_fds[0]);
    for (const std::string& entry : env) putenv(const_cast<char*>(entry.c_str()));
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    execv(args[0], args.data());
    _exit(127);
  }
  close(pipe_fds[1]);
  std::string pending;
  char buffer[4096];
  for (;;) {
    ssize_t n = read(pipe_fds[0], buffer, sizeof buffer);
    if (n <= 0) break;
    const double at = Ms(Clock::now() - start);
    pending.append(buffer, static_cast<size_t>(n));
    size_t end;
    while ((end = pending.find('\n')) != std::string::npos) {
      if (lines) lines->emplace_back(at, pending.substr(0, end));
      pending.erase(0, end + 1);
    }
  }
  close(pipe_fds[0]);
  int status = 0;
  rusage local{};
  wait4(pid, &status, 0, usage ? usage : &local);
  if (lines) lines->emplace_back(Ms(Clock::now() - start), "(exit)");
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
}

std::optional<double> Field(const std::string& line, const std::string& before) {
  size_t at = line.find(before);
  if (at == std::string::npos) return std::nullopt;
  return std::strtod(line.c_str() + at + before.size(), nullptr);
}

Run StartOnce(const fs::path& bin, const fs::path& dir) {
  std::vector<std::pair<double, std::string>> lines;
  rusage usage{};
  Run run;
  run.exit_code = Spawn({(bin / "quillbook").string(), "--headless", "--home",
                         (dir / "home").string(), "--device", (dir / "device").string(), "--script",
                         (dir / "quit.qbs").string(), "--shots", (dir / "shots").string()},
                        {"QUILLBOOK_DEBUG=startup", "XDG_RUNTIME_DIR=" + (dir / "run").string()},
                        &lines, &usage, true);
  run.settled_ms = lines.back().first;
  run.cpu_s = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
              static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  run.rss_mib = static_cast<double>(usage.ru_maxrss) / 1024.0;
  for (const auto& [at, text] : lines) {
    if (text.find("startup: list painted") != std::string::npos) run.painted_ms = at;
    if (text.find("startup: settled") != std::string::npos) {
      run.settled_ms = at;
      if (auto cpu = Field(text, "cpu ")) run.cpu_s = *cpu;
    }
  }
  return run;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

struct Summary {
  double painted, settled, cpu, rss, settled_min, settled_max;
};

Summary Summarise(const std::vector<Run>& runs) {
  std::vector<double> painted, settled, cpu, rss;
  for (const Run& run : runs) {
    painted.push_back(run.painted_ms);
    settled.push_back(run.settled_ms);
    cpu.push_back(run.cpu_s);
    rss.push_back(run.rss_mib);
  }
  return {Median(painted),
          Median(settled),
          Median(cpu),
          Median(rss),
          *std::min_element(settled.begin(), settled.end()),
          *std::max_element(settled.begin(), settled.end())};
}

std::vector<Size> Sizes() {
  std::vector<Size> sizes;
  const char* text = std::getenv("QB_BENCH_SIZES");
  std::string spec = text ? text : "1000:10000,10000:100000,50000:500000";
  size_t at = 0;
  while (at < spec.size()) {
    size_t end = spec.find(',', at);
    if (end == std::string::npos) end = spec.size();
    std::string item = spec.substr(at, end - at);
    size_t colon = item.find(':');
    if (colon != std::string::npos) {
      sizes.push_back({std::atol(item.c_str()), std::atol(item.c_str() + colon + 1)});
    }
    at = end + 1;
  }
  return sizes;
}

void Print(const char* kind, const Size& size, const Summary& s) {
  std::printf(
      "%-6s %7ld %8ld  painted %7.0f ms  settled %7.0f ms (%.0f..%.0f)  cpu %6.2f s  "
      "rss %5.1f MiB\n",
      kind, size.contacts, size.sms, s.painted, s.settled, s.settled_min, s.settled_max, s.cpu,
      s.rss);
}

int Check(const char* what, double value, double limit) {
  const bool ok = value >= 0 && value < limit;
  std::printf("  %-42s %9.2f < %-8.2f %s\n", what, value, limit, ok ? "met" : "MISSED");
  return ok ? 0 : 1;
}

}  // namespace

int main() {
  const fs::path self = SelfDir();
  const char* bin_env = std::getenv("QB_BENCH_BIN");
  const fs::path bin = bin_env ? fs::path(bin_env) : self;
  const char* runs_env = std::getenv("QB_BENCH_RUNS");
  const int runs = runs_env ? std::max(1, std::atoi(runs_env)) : 5;
  std::printf("whole program, %s/quillbook, medians of %d runs (3 at 500,000 SMS)\n", bin.c_str(),
              runs);
  std::optional<Summary> first_10k, second_10k, second_50k;
  for (const Size& size : Sizes()) {
    char pattern[] = "/tmp/qb-bench-XXXXXX";
    if (!mkdtemp(pattern)) return 1;
    const fs::path dir = pattern;
    fs::create_directories(dir / "run");
    std::FILE* script = std::fopen((dir / "quit.qbs").c_str(), "w");
    std::fputs("quit\n", script);
    std::fclose(script);
    const auto seed_start = Clock::now();
    if (Spawn({(self / "qbphone").string(), "--device", (dir / "device").string(), "seed-demo",
               "--contacts", std::to_string(size.contacts), "--sms", std::to_string(size.sms)},
              {}, nullptr, nullptr, true) != 0) {
      std::fprintf(stderr, "seeding failed\n");
      return 1;
    }
    std::printf("seeded %ld contacts, %ld SMS in %.1f s\n", size.contacts, size.sms,
                Ms(Clock::now() - seed_start) / 1000);
    StartOnce(bin, dir);  // installs the themes and registers the rule client
    const int count = size.sms >= 500000 ? std::min(runs, 3) : runs;
    std::vector<Run> first, second;
    for (int i = 0; i < count; ++i) {
      fs::remove(dir / "home" / "contact.cache.txt");
      first.push_back(StartOnce(bin, dir));
    }
    for (int i = 0; i < count; ++i) second.push_back(StartOnce(bin, dir));
    const Summary f = Summarise(first), s = Summarise(second);
    Print("first", size, f);
    Print("second", size, s);
    std::fflush(stdout);
    if (size.contacts == 10000) first_10k = f, second_10k = s;
    if (size.contacts == 50000) second_50k = s;
    fs::remove_all(dir);
  }
  int missed = 0;
  if (second_10k && first_10k) {
    std::printf("goals at 10,000 contacts / 100,000 SMS:\n");
    missed += Check("second start: first painted list (ms)", second_10k->painted, 150);
    missed += Check("second start: counts settled (ms)", second_10k->settled, 1000);
    missed += Check("second start: CPU until settled (s)", second_10k->cpu, 1.5);
    missed += Check("second start: peak memory (MiB)", second_10k->rss, 64);
    missed += Check("first start: counts settled (ms)", first_10k->settled, 2000);
    if (second_50k) {
      missed += Check("growth 10k to 50k, settled (x, linear 5)",
                      second_50k->settled / second_10k->settled, 5.0001);
    }
  }
  std::printf("%d goals missed\n", missed);
  return 0;
}
