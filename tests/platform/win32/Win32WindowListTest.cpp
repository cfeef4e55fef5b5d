#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "base/Utf8.h"
#include "platform/win32/Utf16.h"
#include "platform/win32/Win32WindowList.h"

namespace {

// Top-level windows of the test's own, destroyed afterwards. Creating them needs a display.
class Win32WindowListTest : public ::testing::Test {
 protected:
  static constexpr const wchar_t* kClass = L"ZovaWindowListTest";

  Win32WindowListTest() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClass;
    RegisterClassW(&wc);
  }
  ~Win32WindowListTest() override {
    for (HWND w : windows_) DestroyWindow(w);
    UnregisterClassW(kClass, GetModuleHandleW(nullptr));
  }
  HWND Create(const std::string& title, bool visible) {
    HWND w = CreateWindowExW(0, kClass, plat::Widen(title).c_str(),
                             WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0), 0, 0, 200, 100,
                             nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (w) windows_.push_back(w);
    return w;
  }
  static bool Listed(const std::vector<std::string>& titles, const std::string& title) {
    return std::find(titles.begin(), titles.end(), title) != titles.end();
  }

  plat::Win32WindowList list;

 private:
  std::vector<HWND> windows_;
};

TEST_F(Win32WindowListTest, ListsHiddenWindows) {
  const std::string title = "Vuvavoredir Menü 6.1 hidden " + std::to_string(GetCurrentProcessId());
  ASSERT_NE(Create(title, false), nullptr) << "no window: is there a display?";
  EXPECT_TRUE(Listed(list.Titles(), title));
}

TEST_F(Win32WindowListTest, LongTitleIsCutTo255Units) {
  std::string title = std::to_string(GetCurrentProcessId()) + " ";
  while (base::Utf16Length(title) < 300) title += "Ścieżka ";
  ASSERT_NE(Create(title, true), nullptr) << "no window: is there a display?";
  const std::vector<std::string> titles = list.Titles();
  const std::string cut = base::CutToUtf16Units(title, 255);
  EXPECT_TRUE(Listed(titles, cut));
  EXPECT_FALSE(Listed(titles, title));
  EXPECT_EQ(base::Utf16Length(cut), 255u);
}

TEST_F(Win32WindowListTest, ListsEveryWindowAgainOnEachCall) {
  const std::string title = "Media Player Classic " + std::to_string(GetCurrentProcessId());
  EXPECT_FALSE(Listed(list.Titles(), title));
  HWND w = Create(title, true);
  ASSERT_NE(w, nullptr) << "no window: is there a display?";
  EXPECT_TRUE(Listed(list.Titles(), title));
}

}  // namespace
