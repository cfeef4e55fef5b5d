#include "tools/uidriver/WindowQuery.h"

#include <commctrl.h>

#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Utf16.h"
#include "toolkit/win32/native/StatusBar.h"
#include "toolkit/win32/native/StringList.h"

namespace uidriver {

namespace {

namespace native = tk::win32::native;

constexpr native::TimeLimit kLimit{5000};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
  return TRUE;
}

void CollectChildren(HWND parent, std::vector<HWND>& into) {
  for (HWND child : native::Window(parent).Children()) {
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
  return native::Window(hwnd).ClassName();
}

// A window that does not answer in time shows no text.
std::string TextOf(HWND hwnd) {
  return native::Window(hwnd, kLimit).Text();
}

std::vector<HWND> Descendants(HWND parent) {
  std::vector<HWND> children;
  CollectChildren(parent, children);
  return children;
}

HWND FindButton(HWND parent, std::string_view label) {
  for (HWND hwnd : Descendants(parent)) {
    if (native::Window(hwnd).OfClass(L"Button") && SameLabel(TextOf(hwnd), label)) {
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

Box PrimaryScreen() {
  return Box{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

bool IsListBox(HWND hwnd) {
  return native::Window(hwnd).OfClass(L"ListBox");
}

bool IsStatusBar(HWND hwnd) {
  return native::Window(hwnd).OfClass(STATUSCLASSNAMEW);
}

bool IsIconStatic(HWND hwnd) {
  const native::Window window(hwnd);
  return window.OfClass(L"Static") && (window.Style() & SS_TYPEMASK) == SS_ICON;
}

std::optional<int> ListCount(HWND listBox) {
  const native::ListBox box(listBox, kLimit);
  const int count = box.Count();
  if (!box.Answered() || count < 0) return std::nullopt;
  return count;
}

namespace {
template <class List>
std::optional<std::vector<std::string>> ItemsOf(HWND hwnd) {
  const List list(hwnd, kLimit);
  std::vector<std::string> items = list.Items();
  if (!list.Answered()) return std::nullopt;
  return items;
}
}  // namespace

std::optional<std::vector<std::string>> ListItems(HWND hwnd) {
  if (IsListBox(hwnd)) return ItemsOf<native::ListBox>(hwnd);
  if (native::Window(hwnd).OfClass(L"ComboBox")) return ItemsOf<native::ComboBox>(hwnd);
  return std::nullopt;
}

// The status bar copies its text through a pointer, which the system does not carry over to
// another process: the text goes through memory inside the bar's own process.
std::optional<std::string> StatusText(HWND statusBar) {
  const native::StatusBar bar(statusBar, kLimit);
  const auto length = static_cast<std::size_t>(bar.PartTextLength(0));
  if (!bar.Answered()) return std::nullopt;
  DWORD processId = 0;
  GetWindowThreadProcessId(statusBar, &processId);
  const plat::UniqueKernelHandle process(
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId));
  if (!process) return std::nullopt;
  const std::size_t bytes = (length + 1) * sizeof(wchar_t);
  const RemoteBuffer buffer(process.Get(), bytes);
  if (buffer.Address() == nullptr) return std::nullopt;
  bar.Send(SB_GETTEXTW, 0, buffer.Address());
  if (!bar.Answered()) return std::nullopt;
  std::wstring text(length + 1, L'\0');
  SIZE_T read = 0;
  if (!ReadProcessMemory(process.Get(), buffer.Address(), text.data(), bytes, &read)) {
    return std::nullopt;
  }
  text.resize(length);
  return plat::Narrow(text);
}

}  // namespace uidriver
