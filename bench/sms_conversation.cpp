// Opening a conversation on a big phone: a device seeded with `qbphone seed-demo --contacts
// 10000 --sms 100000`, plus two contacts of this benchmark's own with 40 and 500 SMS (55 %
// received, the rest sent, spread over the same five months as the demo history, so their rows
// lie all through the folders). The shell runs in this process on a headless window manager
// with the real clock; the SMS screen is shown, then each run hands it one of the two contacts
// (what opening a conversation does) and runs the message loop:
//   painted   until the first paint of the screen with bubbles in the list
//   complete  until the first paint after the loading thread has finished
// Medians per contact. Environment: QB_BENCH_RUNS (runs per contact, default 7).
// Google Benchmark's flags, which `make bench` passes, are ignored.
#include <fcntl.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "contacts/ContactListItem.h"
#include "contacts/ContactSmartListControl.h"
#include "contacts/PhoneNumberMatch.h"
#include "messaging/SMSPanel.h"
#include "messaging/VariableSmartListControl.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/Paths.h"
#include "platform/msgstore/Folder.h"
#include "platform/msgstore/Session.h"
#include "platform/msgstore/SmsFiling.h"
#include "platform/ui/WindowManager.h"
#include "screens/ContactContainerPanel.h"
#include "shell/AppGlobals.h"
#include "shell/Entry.h"
#include "shell/ScreenSwitch.h"
#include "toolkit/LightControl.h"

namespace {

namespace fs = std::filesystem;
namespace ms = platform::msgstore;
using Clock = std::chrono::steady_clock;

struct Talker {
  const char* first_name;
  const char* number;      // as stored in the contact
  std::u16string address;  // as the network gives it
  int sms;
};

double Ms(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

int Run(const std::vector<std::string>& argv) {
  pid_t pid = fork();
  if (pid == 0) {
    const int null_fd = open("/dev/null", O_WRONLY);
    dup2(null_fd, 1);
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    execv(args[0], args.data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
}

// Files the talker's SMS at even steps over the last 150 days, newest a minute ago.
bool FileConversation(const Talker& talker) {
  std::unique_ptr<ms::Session> session;
  std::unique_ptr<ms::Folder> inbox;
  if (ms::Failed(ms::Session::Logon(session)) ||
      ms::Failed(ms::OpenSpecialFolder(*session, u"SMS", 2, inbox))) {
    return false;
  }
  const int64_t now = platform::Clock::UnixSeconds();
  const int64_t span = 150LL * 24 * 60 * 60;
  std::vector<ms::SmsRecord> records;
  for (int i = 0; i < talker.sms; ++i) {
    ms::SmsRecord record;
    record.text = u"Benchmark message number " + std::u16string(1, u'a' + i % 26);
    record.time = ms::FileTimeFromUnixSeconds(now - 60 - span + span * (i + 1) / talker.sms);
    if (i % 20 < 11) {
      record.folder = 2;
      record.sender_address = talker.address;
      record.sender_name = talker.address;
      record.read = true;
    } else {
      record.folder = 4;
      record.recipients.push_back({talker.address, talker.address});
    }
    records.push_back(std::move(record));
  }
  return !ms::Failed(ms::FileSmsBatch(*inbox, records));
}

ContactListItem* FindContact(ContactSmartListControl& list, const std::string& number) {
  const std::u16string wanted(number.begin(), number.end());
  std::lock_guard lock(list.ListLock());
  for (IListItem* item : list.MasterItems()) {
    auto* row = dynamic_cast<ContactListItem*>(item);
    if (!row) continue;
    for (const PhoneEntry& phone : row->phones) {
      if (phone.number == wanted) return row;
    }
  }
  return nullptr;
}

size_t BubbleCount(SMSPanel& screen) {
  std::lock_guard lock(screen.List().ListLock());
  return screen.List().GetItemCount();
}

struct Open {
  double painted_ms = -1;
  double complete_ms = 0;
  double cpu_ms = 0;  // the whole process's CPU time, all threads, until complete
  size_t bubbles = 0;
};

double ProcessCpuMs() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1000 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Hands the contact to the shown screen and runs the loop until the complete load is painted.
Open OpenConversation(platform::ui::WindowManager& manager, SMSPanel& screen,
                      ContactListItem& contact) {
  Open open;
  const double cpu_start = ProcessCpuMs();
  const auto start = Clock::now();
  screen.SetContact(&contact, GetSmsNumber(contact));
  platform::ui::MSG msg;
  while (manager.GetMessage(msg)) {
    const bool paint = msg.message == WM_PAINT;
    const bool with_bubbles = paint && BubbleCount(screen) > 0;
    const bool loaded = paint && !screen.Loading();
    manager.DispatchMessage(msg);
    if (with_bubbles && open.painted_ms < 0) open.painted_ms = Ms(Clock::now() - start);
    if (loaded) {
      open.complete_ms = Ms(Clock::now() - start);
      open.cpu_ms = ProcessCpuMs() - cpu_start;
      break;
    }
  }
  open.bubbles = BubbleCount(screen);
  return open;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

int Check(const char* what, double value, double limit) {
  const bool ok = value >= 0 && value < limit;
  std::printf("  %-40s %8.1f < %-6.0f %s\n", what, value, limit, ok ? "met" : "MISSED");
  return ok ? 0 : 1;
}

}  // namespace

int main() {
  const fs::path self = fs::read_symlink("/proc/self/exe").parent_path();
  const char* runs_env = std::getenv("QB_BENCH_RUNS");
  const int runs = runs_env ? std::max(1, std::atoi(runs_env)) : 7;
  char pattern[] = "/tmp/qb-bench-XXXXXX";
  if (!mkdtemp(pattern)) return 1;
  const fs::path dir = pattern;
  const std::string qbphone = (self / "qbphone").string();
  const std::string device = (dir / "device").string();
  const auto seed_start = Clock::now();
  if (Run({qbphone, "--device", device, "seed-demo", "--contacts", "10000", "--sms", "100000"}) !=
      0) {
    std::fprintf(stderr, "seeding failed\n");
    return 1;
  }
  std::vector<Talker> talkers = {{"Forty", "+1 212 555 0140", u"+12125550140", 40},
                                 {"Fivehundred", "+1 212 555 0500", u"+12125550500", 500}};
  for (const Talker& talker : talkers) {
    if (Run({qbphone, "--device", device, "contacts", "add",
             std::string("firstname=") + talker.first_name, "lastname=Bench",
             std::string("mobilephone=") + talker.number}) != 0) {
      std::fprintf(stderr, "adding a contact failed\n");
      return 1;
    }
  }
  platform::SetProgramDir((dir / "home").string());
  platform::SetDeviceDir(device);
  for (const Talker& talker : talkers) {
    if (!FileConversation(talker)) {
      std::fprintf(stderr, "filing the conversation failed\n");
      return 1;
    }
  }
  std::printf("seeded 10000 contacts, 100000 SMS (+540 for two contacts) in %.1f s\n",
              Ms(Clock::now() - seed_start) / 1000);

  int missed = 0;
  {
    platform::ui::WindowManager manager(platform::ui::WindowManagerOptions{240, 320});
    const platform::ui::HWND hwnd = shell::CreateMainWindow();
    if (!hwnd) return 1;
    manager.PumpUntilIdle();
    shell::AppGlobals& app = shell::App();
    ContactSmartListControl& list = app.list_screen->ContactList();
    list.WaitForLoading();
    // Let the start-up's counting settle before timing anything.
    for (int i = 0; i < 60; ++i) {
      manager.PumpUntilIdle();
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::vector<ContactListItem*> rows;
    for (const Talker& talker : talkers) {
      rows.push_back(FindContact(list, talker.number));
      if (!rows.back()) {
        std::fprintf(stderr, "contact %s not in the list\n", talker.first_name);
        return 1;
      }
    }
    shell::ShowSmsPanel(hwnd, rows[0], GetSmsNumber(*rows[0]));
    SMSPanel& screen = *app.sms_screen;
    OpenConversation(manager, screen, *rows[1]);  // warm-up
    std::vector<std::vector<double>> painted(talkers.size()), complete(talkers.size()),
        cpu(talkers.size());
    std::vector<size_t> bubbles(talkers.size());
    for (int run = 0; run < runs; ++run) {
      for (size_t t = 0; t < talkers.size(); ++t) {
        const Open open = OpenConversation(manager, screen, *rows[t]);
        painted[t].push_back(open.painted_ms);
        complete[t].push_back(open.complete_ms);
        cpu[t].push_back(open.cpu_ms);
        bubbles[t] = open.bubbles;
      }
    }
    std::printf("conversation open, medians of %d runs\n", runs);
    for (size_t t = 0; t < talkers.size(); ++t) {
      std::printf(
          "  %3d SMS (%3zu bubbles)  painted %7.1f ms (%.1f..%.1f)  complete %7.1f ms "
          "(%.1f..%.1f)  cpu %7.1f ms\n",
          talkers[t].sms, bubbles[t], Median(painted[t]),
          *std::min_element(painted[t].begin(), painted[t].end()),
          *std::max_element(painted[t].begin(), painted[t].end()), Median(complete[t]),
          *std::min_element(complete[t].begin(), complete[t].end()),
          *std::max_element(complete[t].begin(), complete[t].end()), Median(cpu[t]));
    }
    std::printf("goals:\n");
    for (size_t t = 0; t < talkers.size(); ++t) {
      const std::string what = std::to_string(talkers[t].sms) + " SMS: ";
      missed += Check((what + "first painted bubbles (ms)").c_str(), Median(painted[t]), 100);
      missed += Check((what + "complete load (ms)").c_str(), Median(complete[t]), 300);
    }
    std::printf("%d goals missed\n", missed);
    shell::ResetAppGlobals();
    LightControl::DrainDeferredDeletions();
  }
  fs::remove_all(dir);
  return 0;
}
