// Move-only owners of Win32 handles: one template, one alias per kind of handle.
#pragma once

#include <windows.h>

#include <utility>

namespace tk::win32 {

template <class Handle, auto Destroy>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  ~UniqueHandle() { Reset(); }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  // Gives the handle up without releasing it (its owner released it already).
  Handle Release() { return std::exchange(handle_, nullptr); }
  void Reset(Handle handle = nullptr) {
    if (handle_ != nullptr) Destroy(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

using FontHandle = UniqueHandle<HFONT, &DeleteObject>;
using BrushHandle = UniqueHandle<HBRUSH, &DeleteObject>;
using BitmapHandle = UniqueHandle<HBITMAP, &DeleteObject>;
using ModuleHandle = UniqueHandle<HMODULE, &FreeLibrary>;
using ProcessHandle = UniqueHandle<HANDLE, &CloseHandle>;
using MenuHandle = UniqueHandle<HMENU, &DestroyMenu>;

}  // namespace tk::win32
