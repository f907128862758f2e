// Owning handles for the GLib objects the modem code uses: a GObject reference, an error, a
// list of GObjects, a cancellable that is cancelled when its owner goes.
#pragma once

#include <gio/gio.h>

#include <memory>

namespace platform::modem {

struct GObjectUnref {
  void operator()(gpointer object) const {
    if (object) g_object_unref(object);
  }
};
template <typename T>
using GObjectPtr = std::unique_ptr<T, GObjectUnref>;

// Takes a new reference to `object` (which the caller keeps).
template <typename T>
GObjectPtr<T> Ref(T* object) {
  return GObjectPtr<T>(object ? static_cast<T*>(g_object_ref(object)) : nullptr);
}

struct GErrorFree {
  void operator()(GError* error) const {
    if (error) g_error_free(error);
  }
};
using GErrorPtr = std::unique_ptr<GError, GErrorFree>;

// A GList whose elements are GObject references (what libmm-glib's lists hand over).
struct GObjectListFree {
  void operator()(GList* list) const { g_list_free_full(list, g_object_unref); }
};
using GObjectList = std::unique_ptr<GList, GObjectListFree>;

// A cancellable for the calls its owner started: cancelled and released with the owner, so
// no callback reaches an owner that is gone.
class Cancellable {
 public:
  Cancellable() : cancellable_(g_cancellable_new()) {}
  ~Cancellable() { g_cancellable_cancel(cancellable_.get()); }
  Cancellable(const Cancellable&) = delete;
  Cancellable& operator=(const Cancellable&) = delete;
  GCancellable* get() const { return cancellable_.get(); }

 private:
  GObjectPtr<GCancellable> cancellable_;
};

// Whether the error says the call was cancelled (its owner is gone: touch nothing).
inline bool WasCancelled(const GError* error) {
  return error && g_error_matches(error, G_IO_ERROR, G_IO_ERROR_CANCELLED);
}

}  // namespace platform::modem
