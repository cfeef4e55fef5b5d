#include <vector>

#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/DBCtrls.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/win32/native/SimpleControls.h"

using namespace tk;

namespace {

using RadioGroupPeerTest = Win32App;

const std::string kPath =
    "\xC5\x9A"
    "cie\xC5\xBCka";

std::vector<HWND> Buttons(HWND group) {
  return native::Window(group).Children();
}

std::vector<std::string> ButtonTexts(HWND group) {
  std::vector<std::string> texts;
  for (HWND button : Buttons(group)) texts.push_back(native::Window(button).Text());
  return texts;
}

int CheckedButton(HWND group) {
  const std::vector<HWND> buttons = Buttons(group);
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    if (native::Button(buttons[i]).Checked()) return static_cast<int>(i);
  }
  return -1;
}

TEST_F(RadioGroupPeerTest, GroupBoxWithOneRadioButtonPerItem) {
  auto form = NewForm();
  auto* group = NewChild<TRadioGroup>(*form, 20, 20, 200, 100);
  group->SetCaption("Sprache");
  group->Items().SetCommaText("Deutsch,English");
  group->Items().Add(kPath);
  group->SetItemIndex(1);
  form->Show();
  HWND hwnd = Hwnd(*group);
  EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_STYLE) & BS_TYPEMASK, BS_GROUPBOX);
  EXPECT_EQ(native::Window(hwnd).Text(), "Sprache");
  EXPECT_EQ(ButtonTexts(hwnd), (std::vector<std::string>{"Deutsch", "English", kPath}));
  for (HWND button : Buttons(hwnd)) {
    EXPECT_EQ(GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK, BS_RADIOBUTTON);
  }
  EXPECT_EQ(CheckedButton(hwnd), 1);
}

TEST_F(RadioGroupPeerTest, ButtonsFollowTheItems) {
  auto form = NewForm();
  auto* group = NewChild<TRadioGroup>(*form, 20, 20, 200, 100);
  group->Items().SetCommaText("a,b");
  group->SetItemIndex(1);
  form->Show();
  HWND hwnd = Hwnd(*group);
  group->Items().Put(1, kPath);
  EXPECT_EQ(ButtonTexts(hwnd), (std::vector<std::string>{"a", kPath}));
  group->Items().Insert(0, "first");
  EXPECT_EQ(ButtonTexts(hwnd), (std::vector<std::string>{"first", "a", kPath}));
  EXPECT_EQ(CheckedButton(hwnd), 2);
  group->Items().Delete(1);
  EXPECT_EQ(ButtonTexts(hwnd), (std::vector<std::string>{"first", kPath}));
  group->Items().Clear();
  EXPECT_TRUE(Buttons(hwnd).empty());
}

TEST_F(RadioGroupPeerTest, ClickingAButtonSetsItemIndex) {
  auto form = NewForm();
  auto* group = NewChild<TRadioGroup>(*form, 20, 20, 200, 100);
  group->Items().SetCommaText("a,b,c");
  form->Show();
  HWND hwnd = Hwnd(*group);
  native::Button(Buttons(hwnd)[2]).Click();
  DrainMessages();
  EXPECT_EQ(group->ItemIndex(), 2);
  EXPECT_EQ(CheckedButton(hwnd), 2);
  group->SetItemIndex(0);
  EXPECT_EQ(CheckedButton(hwnd), 0);
}

TEST_F(RadioGroupPeerTest, ColumnsPlaceTheButtonsSideBySide) {
  auto form = NewForm();
  auto* group = NewChild<TRadioGroup>(*form, 20, 20, 300, 100);
  group->Items().SetCommaText("a,b,c,d");
  group->SetColumns(2);
  form->Show();
  const std::vector<HWND> buttons = Buttons(Hwnd(*group));
  ASSERT_EQ(buttons.size(), 4u);
  const RECT first = ChildRect(buttons[0]), second = ChildRect(buttons[1]),
             third = ChildRect(buttons[2]);
  EXPECT_EQ(first.left, second.left);
  EXPECT_GT(second.top, first.top);
  EXPECT_GT(third.left, first.left);
  EXPECT_EQ(third.top, first.top);
  group->SetColumns(1);
  EXPECT_EQ(ChildRect(buttons[2]).left, first.left);
}

TEST_F(RadioGroupPeerTest, DataRadioGroupIsARealRadioGroup) {
  auto form = NewForm();
  auto* group = NewChild<TDBRadioGroup>(*form, 20, 20, 200, 100);
  group->Items().SetCommaText("x,y");
  form->Show();
  EXPECT_EQ(ButtonTexts(Hwnd(*group)), (std::vector<std::string>{"x", "y"}));
}

}  // namespace
