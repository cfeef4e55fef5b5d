#include <windows.h>
// The common controls need the base declarations first.
#include <commctrl.h>

#include <vector>

#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/win32/native/Header.h"

using namespace tk;

namespace {

using HeaderControlPeerTest = Win32App;

const std::string kPath =
    "\xC5\x9A"
    "cie\xC5\xBCka";

struct NativeSection {
  std::string text;
  int width;
  bool operator==(const NativeSection&) const = default;
};

std::vector<NativeSection> Sections(HWND hwnd) {
  const native::Header header(hwnd);
  std::vector<NativeSection> sections;
  for (int i = 0; i < header.Count(); ++i) sections.push_back({header.Text(i), header.Width(i)});
  return sections;
}

void AddSection(THeaderControl& header, const std::string& text, int width) {
  THeaderSection* section = header.Sections().Add();
  section->SetText(text);
  section->SetWidth(width);
}

TEST_F(HeaderControlPeerTest, OneNativeItemPerSection) {
  auto form = NewForm();
  auto* header = NewChild<THeaderControl>(*form, 0, 0, 375, 20);
  AddSection(*header, "Name", 120);
  AddSection(*header, kPath, 200);
  form->Show();
  HWND hwnd = Hwnd(*header);
  EXPECT_TRUE(OfClass(hwnd, WC_HEADERW));
  EXPECT_EQ(Sections(hwnd), (std::vector<NativeSection>{{"Name", 120}, {kPath, 200}}));
}

TEST_F(HeaderControlPeerTest, FollowsEachChangeOfTheSections) {
  auto form = NewForm();
  auto* header = NewChild<THeaderControl>(*form, 0, 0, 375, 20);
  AddSection(*header, "a", 50);
  AddSection(*header, "b", 60);
  form->Show();
  HWND hwnd = Hwnd(*header);
  header->Sections()[1]->SetText(kPath);
  header->Sections()[0]->SetWidth(80);
  EXPECT_EQ(Sections(hwnd), (std::vector<NativeSection>{{"a", 80}, {kPath, 60}}));
  header->Sections().Insert(1)->SetText("mid");
  EXPECT_EQ(Sections(hwnd), (std::vector<NativeSection>{{"a", 80}, {"mid", 50}, {kPath, 60}}));
  header->Sections().Delete(0);
  EXPECT_EQ(Sections(hwnd), (std::vector<NativeSection>{{"mid", 50}, {kPath, 60}}));
  header->Sections().Clear();
  EXPECT_TRUE(Sections(hwnd).empty());
}

}  // namespace
