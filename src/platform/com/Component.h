// In-process components of the old platform's component model: the base interface
// (reference counting and interface queries), result codes, an owning pointer, and
// CoCreateInstance over the classes registered in the registry
// (HKEY_LOCAL_MACHINE "Software\Classes\CLSID\{...}" with an "InprocServer32" subkey) whose
// code the platform ships. UI thread only, like the components it makes.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/com/Guid.h"

namespace platform::com {

using HRESULT = int32_t;
inline constexpr HRESULT kOk = 0;                                                  // S_OK
inline constexpr HRESULT kFalse = 1;                                               // S_FALSE
inline constexpr HRESULT kNoInterface = static_cast<HRESULT>(0x80004002u);         // E_NOINTERFACE
inline constexpr HRESULT kPointer = static_cast<HRESULT>(0x80004003u);             // E_POINTER
inline constexpr HRESULT kFail = static_cast<HRESULT>(0x80004005u);                // E_FAIL
inline constexpr HRESULT kInvalidArg = static_cast<HRESULT>(0x80070057u);          // E_INVALIDARG
inline constexpr HRESULT kClassNotRegistered = static_cast<HRESULT>(0x80040154u);  // REGDB_E_

inline constexpr IID IID_IUnknown{
    0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

class IUnknown {
 public:
  // On success *out holds the interface with one more reference; on kNoInterface it is null.
  virtual HRESULT QueryInterface(const IID& iid, void** out) = 0;
  virtual uint32_t AddRef() = 0;
  virtual uint32_t Release() = 0;

 protected:
  ~IUnknown() = default;  // released, never deleted through this interface
};

// Holds one reference and releases it.
template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  explicit ComPtr(T* adopted) : p_(adopted) {}
  ~ComPtr() { Reset(); }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ComPtr(ComPtr&& other) noexcept : p_(other.p_) { other.p_ = nullptr; }
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      Reset();
      p_ = other.p_;
      other.p_ = nullptr;
    }
    return *this;
  }
  void Reset() {
    if (p_) {
      T* p = p_;
      p_ = nullptr;
      p->Release();
    }
  }
  T* Get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // For out-parameters: the slot to fill (the held reference is released first).
  void** Receive() {
    Reset();
    return reinterpret_cast<void**>(&p_);
  }

 private:
  T* p_ = nullptr;
};

// Makes a new instance of a class with one reference, as its IUnknown.
using ClassFactory = std::function<IUnknown*()>;

// Records the code of an in-process class (its registry entry is made separately).
void RegisterClassCode(const CLSID& clsid, ClassFactory factory);

// A new instance of the class asking for the interface: kClassNotRegistered when the class
// has no registry entry or no code, kNoInterface when it lacks the interface.
HRESULT CoCreateInstance(const CLSID& clsid, const IID& iid, void** out);

}  // namespace platform::com
