#include <windows.h>
// The dialogs' control ids need the base declarations first.
#include <dlgs.h>

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/win32/FileDialogs.h"
#include "toolkit/win32/Utf16.h"
#include "toolkit/win32/native/StringList.h"

using namespace tk;
using tk::win32::FilterList;

namespace {

using FileDialogsTest = Win32App;

using namespace std::string_literals;

// On a helper thread: waits for the visible dialog titled `title`, then lets `act` answer it.
class WhenDialogOpens {
 public:
  WhenDialogOpens(const std::string& title, std::function<void(HWND)> act)
      : title_(tk::win32::Widen(title)), thread_([this, act] {
          for (int i = 0; i < 500; ++i) {
            HWND dialog = FindWindowW(L"#32770", title_.c_str());
            if (dialog != nullptr && IsWindowVisible(dialog)) {
              found_ = true;
              act(dialog);
              return;
            }
            Sleep(20);
          }
        }) {}
  WhenDialogOpens(const WhenDialogOpens&) = delete;
  WhenDialogOpens& operator=(const WhenDialogOpens&) = delete;
  ~WhenDialogOpens() { Join(); }

  bool Found() {
    Join();
    return found_;
  }

 private:
  void Join() {
    if (thread_.joinable()) thread_.join();
  }

  std::wstring title_;
  std::atomic<bool> found_{false};
  std::thread thread_;
};

// The file-type list of an open or save dialog.
std::vector<std::string> FileTypes(HWND dialog) {
  return native::ComboBox(GetDlgItem(dialog, cmb1)).Items();
}

void Cancel(HWND dialog) {
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}

TEST(FileDialogFilterTest, PartsEndInNulAndTheListInOneMore) {
  EXPECT_EQ(FilterList("Text|*.txt|All|*.*"), L"Text\0*.txt\0All\0*.*\0\0"s);
}

TEST(FileDialogFilterTest, DescriptionWithoutAMaskIsItsOwnMask) {
  EXPECT_EQ(FilterList("Text|*.txt|*.ini"), L"Text\0*.txt\0*.ini\0*.ini\0\0"s);
}

TEST(FileDialogFilterTest, EmptyFilterIsNoList) {
  EXPECT_EQ(FilterList(""), L"");
}

TEST(FileDialogFilterTest, PolishDescriptionsStayWhole) {
  EXPECT_EQ(FilterList("Pliki tekstowe (\xC5\x9B"
                       "cie\xC5\xBCki)|*.txt"),
            L"Pliki tekstowe (\u015Bcie\u017Cki)\0*.txt\0\0"s);
}

TEST_F(FileDialogsTest, OpenDialogShowsItsTitleAndFilter) {
  TOpenDialog dialog(nullptr);
  dialog.SetTitle(
      "\xC5\x9A"
      "cie\xC5\xBCka w\xC3\xB3r");
  dialog.SetFilter("Text|*.txt|All|*.*");
  dialog.SetFilterIndex(2);
  std::vector<std::string> types;
  LRESULT selectedType = -1;
  WhenDialogOpens answer(dialog.Title(), [&](HWND d) {
    types = FileTypes(d);
    selectedType = SendDlgItemMessageW(d, cmb1, CB_GETCURSEL, 0, 0);
    Cancel(d);
  });
  EXPECT_FALSE(dialog.Execute());
  ASSERT_TRUE(answer.Found());
  EXPECT_EQ(types, (std::vector<std::string>{"Text", "All"}));
  EXPECT_EQ(selectedType, 1);
}

TEST_F(FileDialogsTest, SaveDialogShowsItsTitleAndFilter) {
  TSaveDialog dialog(nullptr);
  dialog.SetTitle("Speichern unter");
  dialog.SetFilter("INI|*.ini");
  std::vector<std::string> types;
  WhenDialogOpens answer(dialog.Title(), [&](HWND d) {
    types = FileTypes(d);
    Cancel(d);
  });
  EXPECT_FALSE(dialog.Execute());
  ASSERT_TRUE(answer.Found());
  EXPECT_EQ(types, (std::vector<std::string>{"INI"}));
}

TEST_F(FileDialogsTest, ChosenFileComesBack) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  TOpenDialog dialog(nullptr);
  dialog.SetTitle("Pick");
  dialog.SetFilter("All|*.*");
  WhenDialogOpens answer(dialog.Title(), [&](HWND d) {
    // The file name field is an edit or a combo box, depending on the dialog's style.
    SetDlgItemTextW(d, edt1, self);
    SetDlgItemTextW(d, cmb13, self);
    PostMessageW(d, WM_COMMAND, IDOK, 0);
  });
  EXPECT_TRUE(dialog.Execute());
  ASSERT_TRUE(answer.Found());
  EXPECT_EQ(lstrcmpiW(tk::win32::Widen(dialog.FileName()).c_str(), self), 0);
  EXPECT_EQ(dialog.FilterIndex(), 1);
}

}  // namespace
