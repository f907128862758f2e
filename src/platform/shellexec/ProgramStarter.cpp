#include "platform/shellexec/ProgramStarter.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <thread>

extern char** environ;

namespace platform::shellexec {

namespace {

// posix_spawn's file actions and attributes, released on every path.
struct SpawnSetup {
  SpawnSetup() {
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attributes);
  }
  ~SpawnSetup() {
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
  }
  SpawnSetup(const SpawnSetup&) = delete;
  SpawnSetup& operator=(const SpawnSetup&) = delete;
  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attributes;
};

// The child reads nothing, inherits no descriptor beyond the standard three, and starts with
// no signal blocked and the default handling of the signals the program changes.
void PrepareChild(SpawnSetup& setup) {
  posix_spawn_file_actions_addopen(&setup.actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addclosefrom_np(&setup.actions, STDERR_FILENO + 1);
  sigset_t none;
  sigemptyset(&none);
  sigset_t defaults;
  sigemptyset(&defaults);
  for (int signal_number : {SIGPIPE, SIGCHLD, SIGINT, SIGTERM, SIGUSR1, SIGUSR2}) {
    sigaddset(&defaults, signal_number);
  }
  posix_spawnattr_setsigmask(&setup.attributes, &none);
  posix_spawnattr_setsigdefault(&setup.attributes, &defaults);
  posix_spawnattr_setflags(&setup.attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
}

int WaitForExit(pid_t child) {
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return -1;
}

}  // namespace

std::optional<std::string> FindOnPath(std::string_view name) {
  const char* path = std::getenv("PATH");
  if (!path) return std::nullopt;
  std::string_view folders(path);
  while (!folders.empty()) {
    const size_t colon = folders.find(':');
    const std::string_view folder = folders.substr(0, colon);
    folders = colon == folders.npos ? std::string_view() : folders.substr(colon + 1);
    if (folder.empty() || folder.front() != '/') continue;
    std::string candidate = std::string(folder) + "/" + std::string(name);
    struct stat info {};
    if (stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
        access(candidate.c_str(), X_OK) == 0) {
      return candidate;
    }
  }
  return std::nullopt;
}

bool StartProgram(std::vector<std::string> arguments, ProgramExit on_exit) {
  if (arguments.empty() || arguments.front().empty() || arguments.front().front() != '/') {
    return false;
  }
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  SpawnSetup setup;
  PrepareChild(setup);
  pid_t child = 0;
  if (posix_spawn(&child, arguments.front().c_str(), &setup.actions, &setup.attributes, argv.data(),
                  environ) != 0) {
    return false;
  }
  // The child is reaped here, off the caller's thread.
  std::thread([child, report = std::move(on_exit)] {
    const int status = WaitForExit(child);
    if (report) report(status);
  }).detach();
  return true;
}

}  // namespace platform::shellexec
