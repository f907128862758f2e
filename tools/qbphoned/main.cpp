// qbphoned [--device DIR] [--stale-parts SECONDS]: the phone's SMS transport for one device
// profile, in the foreground. It files SMS from the modems ModemManager knows into the
// profile's message store, so they arrive while Quillbook is closed. A second transport for
// the same profile finds the first running and ends at once (status 0).
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/Paths.h"
#include "platform/modem/SmsTransportDaemon.h"
#include "platform/modem/TransportLock.h"

namespace {

int Usage() {
  std::fprintf(stderr, "usage: qbphoned [--device DIR] [--stale-parts SECONDS]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  platform::modem::TransportOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--device" && i + 1 < argc) {
      platform::SetDeviceDir(argv[++i]);
    } else if (arg == "--stale-parts" && i + 1 < argc) {
      char* end = nullptr;
      const long seconds = std::strtol(argv[++i], &end, 10);
      if (!end || *end != '\0' || seconds < 1 || seconds > 7 * 24 * 3600) return Usage();
      options.stale_parts_seconds = static_cast<int>(seconds);
    } else {
      return Usage();
    }
  }
  auto lock = platform::modem::TransportLock::Acquire();
  if (!lock) {
    std::fprintf(stderr, "qbphoned: a transport already runs for %s\n",
                 platform::DeviceDir().c_str());
    return 0;
  }
  platform::modem::SmsTransportDaemon daemon(options);
  return daemon.Run();
}
