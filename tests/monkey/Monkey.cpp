// qbmonkey: a seeded random-input run of the whole program on a temporary device.
//
//   qbmonkey --seed S --events N [--themes DIR] [--contacts K] [--size WxH] [--expect A,B]
//
// Seeds K contacts, starts the shell headless on the virtual clock and feeds N random events
// (see MonkeyInput). Exit 0 when the program ran them all and closed normally; any sanitizer
// report ends the process with its own failure. A close by the program itself (the close
// symbol) ends one run and the next start goes on. --expect names what the run must have had
// on view (see ScreenProbe.h); one missing fails it. The same seed replays the same run.
//
//   qbmonkey --writer DEVICE add NAME | delete OID
//
// The second process: adds or deletes one contact in the device's store (printing the new
// object id), the way another application on the phone would.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "MonkeyInput.h"
#include "ScreenProbe.h"
#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/ServiceBackend.h"
#include "platform/Text.h"
#include "platform/pim/PimApplication.h"
#include "platform/pim/PimContactFields.h"
#include "platform/pim/PimItem.h"
#include "platform/sip/SystemInputPanel.h"
#include "platform/ui/Display.h"
#include "platform/ui/WindowManager.h"
#include "shell/Entry.h"
#include "shell/Relayout.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace platform::pim;

int AddContact(const std::string& name, uint64_t number) {
  std::string error;
  auto app = PimApplication::Create(&error);
  if (!app) {
    std::fprintf(stderr, "qbmonkey: %s\n", error.c_str());
    return 1;
  }
  auto item = app->CreateItem();
  item->SetProps({PropertyValue::Text(prop::kFirstName, platform::FromUtf8(name)),
                  PropertyValue::Text(prop::kMobilePhone,
                                      platform::FromUtf8("+3361" + std::to_string(number)))});
  if (item->Save() != PimResult::kOk) return 1;
  std::printf("%u\n", item->Oid());
  return 0;
}

int Writer(const std::vector<std::string>& args) {
  if (args.size() != 4) return 2;
  platform::SetDeviceDir(args[1]);
  if (args[2] == "add") return AddContact(args[3], std::random_device{}() % 10000000);
  if (args[2] == "delete") {
    std::string error;
    auto app = PimApplication::Create(&error);
    if (!app) return 1;
    auto item = app->GetItemFromOid(static_cast<ObjectId>(std::stoul(args[3])));
    return item && item->Delete() == PimResult::kOk ? 0 : 1;
  }
  return 2;
}

// Runs this program in writer mode and returns its standard output.
std::string RunWriter(const std::string& device, const std::vector<std::string>& args) {
  std::vector<std::string> argv = {"qbmonkey", "--writer", device};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<char*> cargv;
  for (auto& a : argv) cargv.push_back(a.data());
  cargv.push_back(nullptr);
  int pipe_fds[2];
  if (pipe(pipe_fds) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipe_fds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipe_fds[0]);
  pid_t pid = 0;
  const int rc = posix_spawn(&pid, "/proc/self/exe", &actions, nullptr, cargv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipe_fds[1]);
  std::string out;
  char buffer[256];
  ssize_t n;
  while (rc == 0 && (n = read(pipe_fds[0], buffer, sizeof buffer)) > 0) {
    out.append(buffer, static_cast<size_t>(n));
    if (out.size() > 4096) break;
  }
  close(pipe_fds[0]);
  int status = 0;
  if (rc == 0) waitpid(pid, &status, 0);
  return out;
}

void SeedContacts(int count, uint64_t seed) {
  std::mt19937_64 rng(seed);
  static constexpr const char* kFirst[] = {"Ann", "Émilie", "Zoë", "O'Brien", "Jean-Luc",
                                           "bob", "Åsa",    "Max", "Mia",     "3M Desk"};
  std::string error;
  auto app = PimApplication::Create(&error);
  if (!app) return;
  for (int i = 0; i < count; ++i) {
    auto item = app->CreateItem();
    std::vector<PropertyValue> values = {
        PropertyValue::Text(prop::kFirstName, platform::FromUtf8(kFirst[rng() % 10])),
        PropertyValue::Text(prop::kLastName,
                            platform::FromUtf8("N" + std::to_string(rng() % 1000)))};
    if (rng() % 5 != 0) {
      values.push_back(PropertyValue::Text(
          prop::kMobilePhone,
          platform::FromUtf8("06" + std::to_string(10000000 + rng() % 89999999))));
    }
    if (rng() % 3 == 0) values.push_back(PropertyValue::Text(prop::kCompany, u"Acme"));
    item->SetProps(values);
    item->Save();
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && args[0] == "--writer") return Writer(args);

  monkey::MonkeyOptions options;
  std::string themes_dir;
  int contacts = 150;
  std::vector<std::string> expected;
  for (size_t i = 0; i + 1 < args.size(); i += 2) {
    const std::string& key = args[i];
    const std::string& value = args[i + 1];
    if (key == "--seed") {
      options.seed = std::stoull(value);
    } else if (key == "--events") {
      options.events = std::stoull(value);
    } else if (key == "--themes") {
      themes_dir = value;
    } else if (key == "--expect") {
      for (size_t start = 0; start <= value.size();) {
        const size_t comma = std::min(value.find(',', start), value.size());
        if (comma > start) expected.push_back(value.substr(start, comma - start));
        start = comma + 1;
      }
    } else if (key == "--contacts") {
      contacts = std::stoi(value);
    } else if (key == "--size") {
      if (std::sscanf(value.c_str(), "%dx%d", &options.screen_width, &options.screen_height) != 2)
        return 2;
    } else {
      std::fprintf(stderr, "qbmonkey: unknown option %s\n", key.c_str());
      return 2;
    }
  }

  char pattern[] = "/tmp/qbmonkey.XXXXXX";
  if (!mkdtemp(pattern)) return 1;
  const fs::path work = pattern;
  fs::create_directories(work / "home");
  fs::create_directories(work / "device");
  fs::create_directories(work / "run");
  setenv("XDG_RUNTIME_DIR", (work / "run").c_str(), 1);
  platform::SetProgramDir((work / "home").string());
  platform::SetDeviceDir((work / "device").string());
  std::error_code ec;
  if (!themes_dir.empty()) {
    for (const auto& entry : fs::directory_iterator(themes_dir, ec)) {
      if (entry.path().extension() != ".qbt") continue;
      fs::copy_file(entry.path(), work / "home" / entry.path().filename(), ec);
      options.themes.push_back(platform::FromUtf8(entry.path().filename().string()));
    }
    options.themes.push_back(u"Missing.qbt");  // a theme that cannot be loaded
  }
  SeedContacts(contacts, options.seed);
  // A test device: calls and mails go to the simulated phone and mail program.
  platform::UseSimulatedServices();

  const std::string device = (work / "device").string();
  options.store_writer = [device](const std::vector<std::string>& a) {
    return RunWriter(device, a);
  };
  options.change_theme = [](const std::u16string& name) { shell::ChangeTheme(name); };
  options.icon_bar = monkey::IconBarButtons;
  options.probe = monkey::ScreensShowing;
  options.back_to_list = monkey::BackToList;

  std::printf("qbmonkey: seed %llu, %llu events, work folder %s\n",
              static_cast<unsigned long long>(options.seed),
              static_cast<unsigned long long>(options.events), work.c_str());
  std::fflush(stdout);
  platform::Clock::UseVirtual();
  int exit_code = 0;
  uint64_t restarts = 0;
  monkey::MonkeyInput input(options);
  {
    platform::ui::WindowManager manager(
        platform::ui::WindowManagerOptions{options.screen_width, options.screen_height},
        platform::ui::CreateHeadlessDisplay());
    manager.SetInputSource(&input);
    platform::sip::SystemInputPanel keyboard;
    // A close by the program itself (the close symbol) ends one run; the next start goes on
    // with the remaining events on the same device.
    for (;;) {
      const uint64_t before = input.Feeds();
      exit_code = shell::RunQuillbook();
      if (exit_code != 0 || input.Closing() || input.Failed()) break;
      if (input.Feeds() == before) {
        std::fprintf(stderr, "qbmonkey: the program ended without taking any input\n");
        exit_code = 1;
        break;
      }
      ++restarts;
    }
  }
  std::string reached;
  for (const std::string& name : input.Reached()) reached += " " + name;
  std::printf(
      "qbmonkey: %llu restarts after a close; %llu icon bar gestures (%llu without a bar); "
      "reached:%s\n",
      static_cast<unsigned long long>(restarts),
      static_cast<unsigned long long>(input.BarGestures()),
      static_cast<unsigned long long>(input.BarGesturesWithoutBar()), reached.c_str());
  std::printf("qbmonkey: %llu events done, exit code %d\n",
              static_cast<unsigned long long>(input.EventsDone()), exit_code);
  if (input.Failed()) std::fprintf(stderr, "qbmonkey: %s\n", input.Error().c_str());
  fs::remove_all(work, ec);
  bool reached_all = true;
  for (const std::string& name : expected) {
    if (input.Reached().count(name) == 0) {
      std::fprintf(stderr, "qbmonkey: never reached %s\n", name.c_str());
      reached_all = false;
    }
  }
  const bool ok =
      exit_code == 0 && !input.Failed() && input.EventsDone() == options.events && reached_all;
  return ok ? 0 : 1;
}
