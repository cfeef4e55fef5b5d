// Move-only owners of the system's handles: one template, and for each kind of handle traits
// naming its "no handle" value and how it is given back. Every kind the program holds has its
// alias here.
#pragma once

#include <windows.h>

#include <utility>

#include "platform/win32/SystemFunction.h"

namespace plat {

// Traits: `Handle`, a static `Invalid()` and a `Close(Handle)`. Most traits are empty; those
// whose handle goes back to something else (a device context to its window) carry that, and
// keep it through Reset.
template <typename Traits>
class UniqueHandle : private Traits {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() noexcept : handle_(Traits::Invalid()) {}
  explicit UniqueHandle(Handle handle, Traits traits = Traits()) noexcept
      : Traits(std::move(traits)), handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept
      : Traits(static_cast<const Traits&>(other)), handle_(other.Release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      static_cast<Traits&>(*this) = static_cast<const Traits&>(other);
      handle_ = other.Release();
    }
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { Reset(); }

  Handle Get() const noexcept { return handle_; }
  bool Valid() const noexcept { return handle_ != Traits::Invalid(); }
  explicit operator bool() const noexcept { return Valid(); }

  // Gives the handle up without closing it.
  Handle Release() noexcept { return std::exchange(handle_, Traits::Invalid()); }
  void Reset(Handle handle = Traits::Invalid()) noexcept {
    if (Valid()) this->Close(handle_);
    handle_ = handle;
  }
  // For calls that hand back a handle through a pointer; drops the one held.
  Handle* Receive() noexcept {
    Reset();
    return &handle_;
  }

 private:
  Handle handle_;
};

// Most handles: null is none, and one call gives a handle back.
template <typename H, auto CloseFunction>
struct NullHandleTraits {
  using Handle = H;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle h) noexcept { CloseFunction(h); }
};

// Files opened by CreateFileW and searches begun by FindFirstFileW: failure is
// INVALID_HANDLE_VALUE.
template <auto CloseFunction>
struct InvalidValueTraits {
  using Handle = HANDLE;
  static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static void Close(Handle h) noexcept { CloseFunction(h); }
};

// Handles given back to what they came from, which the traits hold: a device context to its
// window, a replaced object to its device context.
template <typename H, typename Holder, auto GiveBack>
struct GivenBackTraits {
  using Handle = H;
  Holder holder = nullptr;
  static Handle Invalid() noexcept { return nullptr; }
  void Close(Handle h) const noexcept { GiveBack(holder, h); }
};

using UniqueFileHandle = UniqueHandle<InvalidValueTraits<&CloseHandle>>;
using UniqueFindHandle = UniqueHandle<InvalidValueTraits<&FindClose>>;
// Processes, threads, events: failure is null.
using UniqueKernelHandle = UniqueHandle<NullHandleTraits<HANDLE, &CloseHandle>>;
using UniqueHKey = UniqueHandle<NullHandleTraits<HKEY, &RegCloseKey>>;
using UniqueModule = UniqueHandle<NullHandleTraits<HMODULE, &FreeLibrary>>;
// Icons extracted from a file (not the shared ones of LoadIcon).
using UniqueIcon = UniqueHandle<NullHandleTraits<HICON, &DestroyIcon>>;
// Memory that the shell allocates for its caller, given back with ole32's CoTaskMemFree (loaded
// with the shell that allocated it).
inline void FreeTaskMemory(void* memory) noexcept {
  using CoTaskMemFreeFunction = void(WINAPI*)(void*);
  static const auto free = SystemFunction<CoTaskMemFreeFunction>(L"ole32.dll", "CoTaskMemFree");
  if (free != nullptr) free(memory);
}

// Strings the shell allocates for its caller (SHGetKnownFolderPath).
using UniqueShellString = UniqueHandle<NullHandleTraits<PWSTR, &FreeTaskMemory>>;
// The argument list that CommandLineToArgvW makes.
using UniqueArgumentList = UniqueHandle<NullHandleTraits<LPWSTR*, &LocalFree>>;
// GDI objects that the program created.
using UniqueFont = UniqueHandle<NullHandleTraits<HFONT, &DeleteObject>>;
using UniqueBrush = UniqueHandle<NullHandleTraits<HBRUSH, &DeleteObject>>;
using UniqueBitmap = UniqueHandle<NullHandleTraits<HBITMAP, &DeleteObject>>;
// Device contexts made by CreateCompatibleDC.
using UniqueMemoryDc = UniqueHandle<NullHandleTraits<HDC, &DeleteDC>>;
// Device contexts from GetDC, given back to their window.
using UniqueWindowDc = UniqueHandle<GivenBackTraits<HDC, HWND, &ReleaseDC>>;
// The object that SelectObject replaced, selected into its device context again.
using UniqueSelection = UniqueHandle<GivenBackTraits<HGDIOBJ, HDC, &SelectObject>>;
// Menus that no window holds (a window destroys its own menu bar).
using UniqueMenu = UniqueHandle<NullHandleTraits<HMENU, &DestroyMenu>>;
// Windows that the code made and destroys itself (not children that go with their parent).
using UniqueWindow = UniqueHandle<NullHandleTraits<HWND, &DestroyWindow>>;

// The device context of a window's client area (of the screen for null).
inline UniqueWindowDc WindowDcOf(HWND window) {
  return UniqueWindowDc(GetDC(window), {window});
}

// Selects `object` into `dc` until the answer goes. Declared after the device context, so that it
// goes first.
inline UniqueSelection SelectInto(HDC dc, HGDIOBJ object) {
  return UniqueSelection(SelectObject(dc, object), {dc});
}

}  // namespace plat
