#include "tools/uidriver/WindowQuery.h"

#include <commctrl.h>

#include "platform/win32/UniqueHandle.h"
#include "toolkit/win32/Utf16.h"

using tk::win32::Narrow;
using tk::win32::Widen;

namespace uidriver {

namespace {

constexpr UINT kTimeoutMs = 5000;

std::optional<LRESULT> Send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (SendMessageTimeoutW(hwnd, message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_BLOCK, kTimeoutMs,
                          &result) == 0) {
    return std::nullopt;
  }
  return static_cast<LRESULT>(result);
}

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
  return TRUE;
}

void CollectChildren(HWND parent, std::vector<HWND>& into) {
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    into.push_back(child);
    CollectChildren(child, into);
  }
}

// Memory inside another process, for messages whose answer is written through a pointer.
class RemoteBuffer {
 public:
  RemoteBuffer(HANDLE process, std::size_t size)
      : process_(process),
        address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {
  }
  ~RemoteBuffer() {
    if (address_ != nullptr) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;
  void* Address() const { return address_; }

 private:
  HANDLE process_;
  void* address_;
};

Box ToBox(const RECT& r) {
  return Box{r.left, r.top, r.right, r.bottom};
}

}  // namespace

std::vector<HWND> TopLevelWindows() {
  std::vector<HWND> all;
  EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&all));
  std::vector<HWND> visible;
  for (HWND hwnd : all) {
    if (IsWindowVisible(hwnd)) visible.push_back(hwnd);
  }
  return visible;
}

HWND FindTopLevel(std::string_view title) {
  for (HWND hwnd : TopLevelWindows()) {
    if (TextOf(hwnd) == title) return hwnd;
  }
  return nullptr;
}

std::vector<HWND> FindDialogs(HWND owner) {
  DWORD ownerProcess = 0;
  if (owner != nullptr) GetWindowThreadProcessId(owner, &ownerProcess);
  std::vector<HWND> dialogs;
  for (HWND hwnd : TopLevelWindows()) {
    if (ClassOf(hwnd) != "#32770") continue;
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (owner == nullptr || process == ownerProcess) dialogs.push_back(hwnd);
  }
  return dialogs;
}

HWND FindDialog(std::string_view caption) {
  for (HWND hwnd : FindDialogs(nullptr)) {
    if (TextOf(hwnd) == caption) return hwnd;
  }
  return nullptr;
}

std::string ClassOf(HWND hwnd) {
  wchar_t name[256] = {};
  const int length = GetClassNameW(hwnd, name, 256);
  return Narrow(std::wstring_view(name, static_cast<std::size_t>(length > 0 ? length : 0)));
}

std::string TextOf(HWND hwnd) {
  const auto length = Send(hwnd, WM_GETTEXTLENGTH, 0, 0);
  if (!length || *length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(*length) + 1, L'\0');
  const auto copied = Send(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  if (!copied) return {};
  text.resize(static_cast<std::size_t>(*copied));
  return Narrow(text);
}

std::vector<HWND> Descendants(HWND parent) {
  std::vector<HWND> children;
  CollectChildren(parent, children);
  return children;
}

HWND FindButton(HWND parent, std::string_view label) {
  for (HWND hwnd : Descendants(parent)) {
    if (lstrcmpiW(Widen(ClassOf(hwnd)).c_str(), L"Button") == 0 && SameLabel(TextOf(hwnd), label)) {
      return hwnd;
    }
  }
  return nullptr;
}

Box ChildBox(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
  return ToBox(r);
}

Box WindowBox(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return ToBox(r);
}

Box ClientBox(HWND hwnd) {
  RECT r{};
  GetClientRect(hwnd, &r);
  return ToBox(r);
}

Box WorkArea() {
  RECT r{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return ToBox(r);
}

bool IsListBox(HWND hwnd) {
  return lstrcmpiW(Widen(ClassOf(hwnd)).c_str(), L"ListBox") == 0;
}

bool IsStatusBar(HWND hwnd) {
  return lstrcmpiW(Widen(ClassOf(hwnd)).c_str(), STATUSCLASSNAMEW) == 0;
}

bool IsIconStatic(HWND hwnd) {
  return lstrcmpiW(Widen(ClassOf(hwnd)).c_str(), L"Static") == 0 &&
         (GetWindowLongPtrW(hwnd, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
}

std::optional<int> ListCount(HWND listBox) {
  const auto count = Send(listBox, LB_GETCOUNT, 0, 0);
  if (!count || *count < 0) return std::nullopt;
  return static_cast<int>(*count);
}

std::optional<std::string> StatusText(HWND statusBar) {
  const auto info = Send(statusBar, SB_GETTEXTLENGTHW, 0, 0);
  if (!info) return std::nullopt;
  const std::size_t length = LOWORD(*info);
  DWORD processId = 0;
  GetWindowThreadProcessId(statusBar, &processId);
  const plat::UniqueKernelHandle process(
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId));
  if (!process) return std::nullopt;
  const std::size_t bytes = (length + 1) * sizeof(wchar_t);
  const RemoteBuffer buffer(process.Get(), bytes);
  if (buffer.Address() == nullptr) return std::nullopt;
  if (!Send(statusBar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(buffer.Address()))) {
    return std::nullopt;
  }
  std::wstring text(length + 1, L'\0');
  SIZE_T read = 0;
  if (!ReadProcessMemory(process.Get(), buffer.Address(), text.data(), bytes, &read)) {
    return std::nullopt;
  }
  text.resize(length);
  return Narrow(text);
}

}  // namespace uidriver
