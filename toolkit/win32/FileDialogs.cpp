#include "toolkit/win32/FileDialogs.h"

#include <commdlg.h>

#include <vector>

#include "platform/win32/SystemFunction.h"
#include "toolkit/StringList.h"
#include "toolkit/win32/Utf16.h"

namespace tk::win32 {

namespace {

// The common dialogs, loaded when a window first shows one (most never do).
BOOL RunFileDialog(bool save, OPENFILENAMEW& ofn) {
  using FileDialogFunction = BOOL(WINAPI*)(OPENFILENAMEW*);
  static const auto open =
      plat::SystemFunction<FileDialogFunction>(L"comdlg32.dll", "GetOpenFileNameW");
  static const auto saveAs =
      plat::SystemFunction<FileDialogFunction>(L"comdlg32.dll", "GetSaveFileNameW");
  const FileDialogFunction run = save ? saveAs : open;
  return run != nullptr ? run(&ofn) : FALSE;
}

}  // namespace

std::wstring FilterList(std::string_view filter) {
  if (filter.empty()) return {};
  const std::vector<std::string> parts = SplitKeepEmpty(filter, '|');
  std::wstring list;
  for (std::size_t i = 0; i < parts.size(); i += 2) {
    const std::string& mask = i + 1 < parts.size() ? parts[i + 1] : parts[i];
    list += Widen(parts[i]);
    list += L'\0';
    list += Widen(mask);
    list += L'\0';
  }
  list += L'\0';
  return list;
}

bool ShowFileDialog(TOpenDialog& dialog, HWND owner) {
  const bool save = dialog.Is<TSaveDialog>();
  const std::wstring filter = FilterList(dialog.Filter());
  const std::wstring title = Widen(dialog.Title());
  const std::wstring initialDir = Widen(dialog.InitialDir());
  std::wstring defaultExt = Widen(dialog.DefaultExt());
  if (!defaultExt.empty() && defaultExt.front() == L'.') defaultExt.erase(0, 1);
  std::vector<wchar_t> file(32768, L'\0');
  const std::wstring name = Widen(dialog.FileName());
  if (name.size() < file.size()) std::copy(name.begin(), name.end(), file.begin());

  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = static_cast<DWORD>(dialog.FilterIndex() > 0 ? dialog.FilterIndex() : 1);
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
  ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
  ofn.lpstrDefExt = defaultExt.empty() ? nullptr : defaultExt.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST |
              (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  const BOOL chosen = RunFileDialog(save, ofn);
  if (!chosen) return false;
  dialog.SetFileName(Narrow(file.data()));
  dialog.SetFilterIndex(static_cast<std::int32_t>(ofn.nFilterIndex));
  return true;
}

}  // namespace tk::win32
