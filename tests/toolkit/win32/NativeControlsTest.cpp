// The native-control helpers on bare controls, where the peer tests do not reach: texts longer
// than the first buffer a reader tries, every reader against its writer, and a window that does
// not answer in time.
#include <gtest/gtest.h>
#include <windows.h>
// The common controls need the base declarations first.
#include <commctrl.h>

#include <string>
#include <thread>

#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Utf16.h"
#include "toolkit/win32/native/Header.h"
#include "toolkit/win32/native/ListView.h"
#include "toolkit/win32/native/Menu.h"
#include "toolkit/win32/native/StatusBar.h"
#include "toolkit/win32/native/StringList.h"
#include "toolkit/win32/native/TabControl.h"
#include "toolkit/win32/native/TreeView.h"

namespace native = tk::win32::native;

namespace {

plat::UniqueWindow Control(const wchar_t* className, DWORD style, HWND parent = nullptr) {
  return plat::UniqueWindow(CreateWindowExW(0, className, L"", style | (parent ? WS_CHILD : 0), 0,
                                            0, 300, 200, parent, nullptr, nullptr, nullptr));
}

// Each reader with its writer, on a control of its own: writes `text` and reads it back.
struct Reader {
  const char* name;
  std::string (*roundTrip)(const std::string& text);
};

const Reader kReaders[] = {
    {"window text",
     [](const std::string& text) {
       const plat::UniqueWindow w = Control(L"STATIC", 0);
       native::Window(w.Get()).SetText(text);
       return native::Window(w.Get()).Text();
     }},
    {"list box item",
     [](const std::string& text) {
       const plat::UniqueWindow w = Control(L"LISTBOX", LBS_HASSTRINGS);
       native::ListBox(w.Get()).Insert(0, text);
       return native::ListBox(w.Get()).Item(0);
     }},
    {"combo box item",
     [](const std::string& text) {
       const plat::UniqueWindow w = Control(L"COMBOBOX", CBS_DROPDOWNLIST);
       native::ComboBox(w.Get()).Insert(0, text);
       return native::ComboBox(w.Get()).Item(0);
     }},
    {"extended combo box item",
     [](const std::string& text) {
       const plat::UniqueWindow w = Control(WC_COMBOBOXEXW, CBS_DROPDOWNLIST);
       native::ComboBoxEx(w.Get()).Insert(0, text);
       return native::ComboBoxEx(w.Get()).Item(0);
     }},
    {"tree item",
     [](const std::string& text) {
       const plat::UniqueWindow w = Control(WC_TREEVIEWW, 0);
       const native::TreeView tree(w.Get());
       return tree.Text(tree.Insert(TVI_ROOT, TVI_LAST, text, 0));
     }},
    {"list view column",
     [](const std::string& text) {
       const plat::UniqueWindow w = Control(WC_LISTVIEWW, LVS_REPORT);
       native::ListView(w.Get()).SetColumns({{text, 50, LVCFMT_LEFT}});
       return native::ListView(w.Get()).Columns().at(0);
     }},
    {"list view cell",
     [](const std::string& text) {
       const plat::UniqueWindow w = Control(WC_LISTVIEWW, LVS_REPORT);
       const native::ListView view(w.Get());
       view.SetColumns({{"a", 50, LVCFMT_LEFT}, {"b", 50, LVCFMT_LEFT}});
       view.Insert(0, "row");
       view.SetCell(0, 1, text);
       return view.Cell(0, 1);
     }},
    {"header item",
     [](const std::string& text) {
       const plat::UniqueWindow w = Control(WC_HEADERW, HDS_HORZ);
       native::Header(w.Get()).Insert(0, {text, 50, HDF_LEFT});
       return native::Header(w.Get()).Text(0);
     }},
    {"tab",
     [](const std::string& text) {
       const plat::UniqueWindow w = Control(WC_TABCONTROLW, 0);
       native::TabControl(w.Get()).Insert(0, text);
       return native::TabControl(w.Get()).Text(0);
     }},
    {"status bar part",
     [](const std::string& text) {
       const plat::UniqueWindow parent = Control(L"STATIC", 0);
       const plat::UniqueWindow w = Control(STATUSCLASSNAMEW, 0, parent.Get());
       native::StatusBar(w.Get()).SetPartText(0, text);
       return native::StatusBar(w.Get()).PartText(0);
     }},
    {"menu item",
     [](const std::string& text) {
       const plat::UniqueMenu menu(CreatePopupMenu());
       AppendMenuW(menu.Get(), MF_STRING, 1, plat::Widen(text).c_str());
       return native::Menu(menu.Get()).ItemText(0);
     }},
};

// Empty, one character beyond ASCII, and either side of the first buffer that the readers
// without a length query try (256 characters with the terminating zero).
const std::string kTexts[] = {
    "",
    "\xC5\x9A",
    std::string(255, 'a'),
    std::string(256, 'b'),
    [] {
      std::string s;
      for (int i = 0; i < 700; ++i) s += "\xC5\xBC";  // U+017C
      return s;
    }(),
};

TEST(NativeControlsTest, EveryReaderGivesBackWhatItsWriterWrote) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  for (const Reader& reader : kReaders) {
    for (const std::string& text : kTexts) {
      EXPECT_EQ(reader.roundTrip(text), text) << reader.name << ", " << text.size() << " bytes";
    }
  }
}

// A window whose thread waits without handling messages, until the test lets it go.
class BusyWindow {
 public:
  BusyWindow() : release_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    const plat::UniqueKernelHandle ready(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    thread_ = std::thread([this, &ready] {
      window_ = CreateWindowExW(0, L"LISTBOX", L"busy", 0, 0, 0, 100, 100, nullptr, nullptr,
                                nullptr, nullptr);
      SetEvent(ready.Get());
      WaitForSingleObject(release_.Get(), INFINITE);
      DestroyWindow(window_);
    });
    WaitForSingleObject(ready.Get(), INFINITE);
  }
  ~BusyWindow() {
    SetEvent(release_.Get());
    thread_.join();
  }
  BusyWindow(const BusyWindow&) = delete;
  BusyWindow& operator=(const BusyWindow&) = delete;

  HWND Handle() const { return window_; }

 private:
  plat::UniqueKernelHandle release_;
  HWND window_ = nullptr;
  std::thread thread_;
};

TEST(NativeControlsTest, AWindowThatDoesNotAnswerInTimeReadsAsNothing) {
  const BusyWindow busy;
  const native::ListBox box(busy.Handle(), native::TimeLimit{100});
  EXPECT_EQ(box.Text(), "");
  EXPECT_FALSE(box.Answered());
  EXPECT_EQ(box.Count(), 0);
}

}  // namespace
