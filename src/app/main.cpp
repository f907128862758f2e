// quillbook: reads the command line, selects the program folder and device profile, makes the
// window manager (an SDL window, or in-memory when headless), and runs the shell. Headless
// runs use the virtual clock and may run a script; a script that cannot be read or parsed
// ends the program with exit code 2 before anything starts.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/SettledInputSource.h"
#include "app/ShippedThemes.h"
#include "app/SignalWatcher.h"
#include "app/StartupTrace.h"
#include "contacts/ContactListItem.h"
#include "contacts/ContactSmartListControl.h"
#include "contacts/NewContactListItem.h"
#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/modem/TransportLock.h"
#include "platform/sip/SystemInputPanel.h"
#include "platform/sms/SmsUri.h"
#include "platform/ui/DumpRegistry.h"
#include "platform/ui/ScriptRunner.h"
#include "platform/ui/WindowManager.h"
#include "screens/ContactContainerPanel.h"
#include "shell/AppGlobals.h"
#include "shell/BackgroundWork.h"
#include "shell/Entry.h"

namespace {

namespace ui = platform::ui;

constexpr size_t kMaxScriptBytes = 16u << 20;
constexpr int kScriptErrorExit = 2;

std::unique_ptr<ui::ScriptRunner> LoadScript(const app::CommandLine& line) {
  std::string source;
  if (!platform::ReadFileBytes(line.script, source, kMaxScriptBytes)) {
    std::fprintf(stderr, "quillbook: cannot read script %s\n", line.script.c_str());
    return nullptr;
  }
  ui::ScriptParseResult parsed = ui::ParseScript(source);
  if (!parsed.ok()) {
    std::fprintf(stderr, "quillbook: %s: %s\n", line.script.c_str(), parsed.error.c_str());
    return nullptr;
  }
  return std::make_unique<ui::ScriptRunner>(std::move(parsed.commands), line.shots);
}

// The display; a full-screen window sets the screen size to its output's.
std::unique_ptr<ui::Display> MakeDisplay(app::CommandLine& line) {
  if (line.headless) return ui::CreateHeadlessDisplay();
  auto display = line.simulated_screen
                     ? ui::CreateSdlDisplay(line.screen_width, line.screen_height, line.zoom)
                     : ui::CreateSdlFullScreenDisplay(line.screen_width, line.screen_height);
  if (!display) std::fprintf(stderr, "quillbook: no display; running headless\n");
  return display ? std::move(display) : ui::CreateHeadlessDisplay();
}

// SIGUSR2: the state dump written as "signal-dump.json" in the shots folder (the device
// profile without one), replaced atomically so that a reader never sees half of it.
void WriteSignalDump(ui::WindowManager& manager, const app::CommandLine& line) {
  const std::string folder = line.shots.empty() ? platform::DeviceDir() : line.shots;
  platform::MakeDirectories(folder);
  const std::string text = ui::DumpRegistry::Instance().Write(manager);
  if (!platform::WriteFileAtomically(folder + "/signal-dump.json", text)) {
    std::fprintf(stderr, "quillbook: cannot write %s/signal-dump.json\n", folder.c_str());
  }
}

// What the start-up trace looks at, on the UI thread.
app::StartupTrace::Probe StartupProbe() {
  app::StartupTrace::Probe probe;
  probe.contact_rows = [] {
    const shell::AppGlobals& globals = shell::App();
    if (!globals.list_screen) return size_t{0};
    ContactSmartListControl& list = globals.list_screen->ContactList();
    std::lock_guard lock(list.ListLock());
    size_t rows = 0;
    for (IListItem* row : list.DisplayedItems()) {
      if (dynamic_cast<ContactListItem*>(row) && !dynamic_cast<NewContactListItem*>(row)) ++rows;
    }
    return rows;
  };
  // The load starts during the first activation, so once that ran, "not loading" means done.
  probe.loaded = [] {
    const shell::AppGlobals& globals = shell::App();
    return globals.initialised && globals.list_screen &&
           !globals.list_screen->ContactList().IsLoading();
  };
  probe.busy = shell::BackgroundWorkRunning;
  return probe;
}

int Run(app::CommandLine& line) {
  if (!line.home.empty()) platform::SetProgramDir(line.home);
  if (!line.device.empty()) platform::SetDeviceDir(line.device);
  // A later start hands over to the running instance before any window shows (a tapped link
  // must not flash a second full-screen window on the phone).
  if (shell::HandOverToRunningInstance(line.uri)) return 0;
  app::InstallShippedThemes();
  // SMS arrive through the phone's transport, which outlives this window; a scripted
  // headless run leaves it alone.
  if (!line.headless && !platform::modem::EnsureSmsTransport()) {
    std::fprintf(stderr, "quillbook: the SMS transport qbphoned could not be started\n");
  }
  std::unique_ptr<ui::ScriptRunner> script;
  if (!line.script.empty() && !(script = LoadScript(line))) return kScriptErrorExit;
  // The script waits for the contact load and SMS recounts before each command.
  std::unique_ptr<app::SettledInputSource> settled;
  if (script) {
    settled = std::make_unique<app::SettledInputSource>(*script, shell::BackgroundWorkRunning);
  }
  if (line.headless) platform::Clock::UseVirtual();
  // First the display: a full-screen window gives the screen its size.
  std::unique_ptr<ui::Display> display = MakeDisplay(line);
  ui::WindowManager manager(ui::WindowManagerOptions{line.screen_width, line.screen_height},
                            std::move(display));
  app::SignalWatcher signals(
      [&manager] { manager.PostTask([&manager] { manager.OnCloseRequest(); }); },
      [&manager, &line] {
        manager.PostTask([&manager, &line] { WriteSignalDump(manager, line); });
      });
  // The phone's own soft keyboard, behind its button on the task bar.
  platform::sip::SystemInputPanel keyboard;
  std::unique_ptr<app::StartupTrace> trace;
  if (app::StartupTrace::Enabled()) {
    trace = std::make_unique<app::StartupTrace>(settled.get(), StartupProbe());
    manager.SetInputSource(trace.get());
  } else if (settled) {
    manager.SetInputSource(settled.get());
  }
  const int exit_code = shell::RunQuillbook(line.uri);
  if (script && script->Failed()) {
    std::fprintf(stderr, "quillbook: %s: %s\n", line.script.c_str(), script->Error().c_str());
    return kScriptErrorExit;
  }
  return exit_code;
}

}  // namespace

int main(int argc, char** argv) {
  app::SignalWatcher::BlockSignals();
  std::string error;
  auto line = app::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!line) {
    std::fprintf(stderr, "quillbook: %s\n%s", error.c_str(), app::kUsage);
    return 2;
  }
  if (line->help) {
    std::fputs(app::kUsage, stdout);
    return 0;
  }
  // A malformed link opens nothing, before anything starts or a running instance is asked.
  if (std::string why; !line->uri.empty() && !platform::sms::ParseSmsUri(line->uri, why)) {
    std::fprintf(stderr, "quillbook: the sms: URI was not opened: %s\n", why.c_str());
    return 2;
  }
  return Run(*line);
}
