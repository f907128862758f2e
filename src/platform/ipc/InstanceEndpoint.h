// The single-instance endpoint: a Unix socket in RuntimeDir() named from a hash of the main
// window's class, its title and the device profile folder, so different profiles never
// collide. The first start binds it and listens; a later start connects, sends its request
// (bring the window forward, optionally post a registered message by name) and ends.
//
// Bind-or-connect happens under an exclusive flock on a lock file beside the socket, so two
// starts at the same moment leave exactly one listener. A socket file left by a killed process
// refuses connections (ECONNREFUSED) and is taken over.
//
// Wire format, client to server: lines "FOREGROUND", "CLOSE", "POST <name>" and "OPEN <uri>"
// (names of printable ASCII up to 255 bytes, URIs of printable ASCII up to kMaxUriBytes, the
// whole request at most 1 KiB more than that); the server answers "OK\n". Anything else is
// ignored. The server side runs on its own thread and calls the handler there.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace platform::ipc {

inline constexpr size_t kMaxUriBytes = 8 * 1024;

struct InstanceRequest {
  bool bring_forward = false;
  std::string post_message;  // a registered message name, or empty
  bool close = false;        // ask the running instance to close (WM_CLOSE)
  std::string uri;           // a URI for the running instance to open (sms:), or empty
};

class InstanceEndpoint {
 public:
  enum class Role {
    kPrimary,      // this process listens; it is the running instance
    kSecondary,    // another instance runs and got the request
    kUnavailable,  // no endpoint could be made (run without the single-instance rule)
  };
  using Handler = std::function<void(const InstanceRequest&)>;

  InstanceEndpoint(std::u16string_view class_name, std::u16string_view title,
                   const std::string& device_dir);
  ~InstanceEndpoint();
  InstanceEndpoint(const InstanceEndpoint&) = delete;
  InstanceEndpoint& operator=(const InstanceEndpoint&) = delete;

  // Binds or connects. As primary, requests from later starts reach `handler` on the listener
  // thread until this object dies. As secondary, `request` is sent and the answer awaited for
  // at most a second.
  Role Start(const InstanceRequest& request, Handler handler);

  // Sends `request` to the running instance without ever becoming one (helpers in other
  // processes, such as the SMS bridge). False when no instance listens.
  bool Send(const InstanceRequest& request) const;

  const std::string& SocketPath() const { return socket_path_; }
  const std::string& LockPath() const { return lock_path_; }

 private:
  class Listener;

  std::string socket_path_;
  std::string lock_path_;
  std::unique_ptr<Listener> listener_;
};

// Parses what a client sent; exposed for tests and the fuzz harness.
InstanceRequest ParseInstanceRequest(std::string_view bytes);

// 64-bit FNV-1a of the text, as 16 lower-case hex digits (names of endpoints).
std::string HashName(std::string_view text);

}  // namespace platform::ipc
