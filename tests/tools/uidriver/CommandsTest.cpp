#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <sstream>
#include <string>
#include <vector>

#include "toolkit/Application.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Form.h"
#include "toolkit/Menus.h"
#include "toolkit/StandardClasses.h"
#include "toolkit/StdCtrls.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Utf16.h"
#include "toolkit/win32/Fonts.h"
#include "toolkit/win32/Win32Backend.h"
#include "tools/uidriver/Commands.h"

using namespace tk;
using uidriver::Output;
using uidriver::RunCommand;

namespace {

std::vector<std::vector<std::string>> Records(const std::string& text) {
  std::vector<std::vector<std::string>> records;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
      const std::size_t tab = line.find('\t', start);
      fields.push_back(line.substr(start, tab - start));
      if (tab == std::string::npos) break;
      start = tab + 1;
    }
    records.push_back(fields);
  }
  return records;
}

// A window of the test itself; the driver's commands run on another thread while this one
// handles the window's messages, as the program under test would.
class CommandsTest : public ::testing::Test {
 protected:
  CommandsTest() {
    RegisterStandardClasses();
    Application().SetBackend(&backend);
    Application().SetTitle("uidriver_tests");
    Application().ResetTerminated();
    form.SetBorderStyle(bsSingle);
    form.SetPosition(poScreenCenter);
    form.SetClientWidth(375);
    form.SetClientHeight(231);
    form.SetColor(clWhite);
    form.SetCaption(kTitle);
  }
  ~CommandsTest() override { Application().SetBackend(nullptr); }

  template <class T>
  T* Add(int left, int top, int width, int height) {
    T* control = new T(&form);
    control->SetParent(&form);
    control->SetBounds(left, top, width, height);
    return control;
  }

  int Run(std::vector<std::string> args, Output& output) {
    auto done = std::async(std::launch::async, [&] { return RunCommand(args, output); });
    while (done.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready) {
      backend.ProcessMessages();
    }
    return done.get();
  }

  static constexpr const char* kTitle = "Trelvia\xC2\xAEplus driver test";
  win32::Win32Backend backend;
  TForm form{nullptr};
};

TEST_F(CommandsTest, DumpDescribesTheWindowAndEachControl) {
  auto* label = Add<TLabel>(40, 40, 189, 39);
  label->SetCaption("Deinstallieren\r\n     Men\xC3\xBC 6.1");
  auto* list = Add<TListBox>(40, 96, 289, 39);
  list->Items().SetCommaText("a,b,c");
  list->SetVisible(false);
  auto* button = Add<TButton>(48, 160, 75, 25);
  button->SetCaption("Start");
  button->SetEnabled(false);
  auto* bar = Add<TStatusBar>(0, 212, 375, 19);
  bar->SetSimplePanel(true);
  form.Show();
  bar->SetSimpleText(
      "L\xC3\xB6schen \xC5\x9A"
      "cie\xC5\xBCka");

  Output output;
  ASSERT_EQ(Run({"dump", kTitle}, output), 0) << output.err;
  const auto records = Records(output.out);
  ASSERT_EQ(records.size(), 8u) << output.out;
  POINT corner{0, 0};
  ClientToScreen(static_cast<HWND>(form.Peer()->NativeHandle()), &corner);
  EXPECT_EQ(records[0], (std::vector<std::string>{"window", kTitle, "375", "231", "1",
                                                  std::to_string(corner.x),
                                                  std::to_string(corner.y)}));
  EXPECT_EQ(records[1][1], "Static");
  EXPECT_EQ(records[1][3], "Deinstallieren\\r\\n     Men\xC3\xBC 6.1");
  EXPECT_EQ(std::vector<std::string>(records[1].begin() + 4, records[1].end()),
            (std::vector<std::string>{"40", "40", "189", "39", "1", "1", ""}));
  EXPECT_EQ(records[2][1], "ListBox");
  EXPECT_EQ(records[2][8], "0");   // hidden
  EXPECT_EQ(records[2][10], "3");  // items
  EXPECT_EQ(records[3], (std::vector<std::string>{"item", "0", "a"}));
  EXPECT_EQ(records[5], (std::vector<std::string>{"item", "2", "c"}));
  EXPECT_EQ(records[6][1], "Button");
  EXPECT_EQ(records[6][3], "Start");
  EXPECT_EQ(records[6][9], "0");  // disabled
  EXPECT_EQ(records[7][1], "msctls_statusbar32");
  EXPECT_EQ(records[7][10],
            "L\xC3\xB6schen \xC5\x9A"
            "cie\xC5\xBCka");
  EXPECT_EQ(std::stoi(records[1][2]) + 1, std::stoi(records[2][2]));  // ids in creation order
}

TEST_F(CommandsTest, DumpListsTheItemsOfComboBoxes) {
  auto* combo = Add<TComboBox>(16, 16, 150, 21);
  combo->Items().SetCommaText("T\xC3\xA4glich,Weekly");
  form.Show();
  Output output;
  ASSERT_EQ(Run({"dump", kTitle}, output), 0) << output.err;
  const auto records = Records(output.out);
  ASSERT_GE(records.size(), 4u) << output.out;  // then the combo box's own edit
  EXPECT_EQ(records[2], (std::vector<std::string>{"item", "0", "T\xC3\xA4glich"}));
  EXPECT_EQ(records[3], (std::vector<std::string>{"item", "1", "Weekly"}));
}

// Each path of positions reaches its item, and no other item's click runs.
TEST_F(CommandsTest, MenuChoosesTheItemAtThePositions) {
  auto* menu = NewComponent<TMainMenu>(&form, "Menu");
  std::vector<std::string> clicked;
  const auto item = [&](TMenuItem* parent, const std::string& name) {
    auto* i = NewComponent<TMenuItem>(&form, name);
    i->SetCaption(name);
    i->OnClick.Set([&clicked, name](TObject*) { clicked.push_back(name); });
    parent->Add(i);
    return i;
  };
  TMenuItem* file = item(menu->Items(), "File");
  item(file, "Exit");
  TMenuItem* language = item(menu->Items(), "Language");
  for (const char* name : {"German", "English", "Polish"}) item(language, name);
  TMenuItem* more = item(language, "More");
  item(more, "Latin");
  item(more, "Greek");
  form.Show();

  const struct {
    std::vector<std::string> path;
    const char* item;
  } cases[] = {
      {{"0", "0"}, "Exit"},   {{"1", "0"}, "German"},    {{"1", "2"}, "Polish"},
      {{"1", "1"}, "English"}, {{"1", "3", "1"}, "Greek"},
  };
  for (const auto& c : cases) {
    clicked.clear();
    std::vector<std::string> args = {"menu", kTitle};
    args.insert(args.end(), c.path.begin(), c.path.end());
    Output output;
    ASSERT_EQ(Run(args, output), 0) << output.err;
    // The keys and the command come through this thread's queue.
    for (int round = 0; round < 200 && clicked.empty(); ++round) {
      backend.ProcessMessages();
      Sleep(10);
    }
    EXPECT_EQ(clicked, (std::vector<std::string>{c.item})) << c.path.size() << " " << c.item;
  }
}

TEST_F(CommandsTest, ClickPressesTheButtonByItsLabel) {
  auto* button = Add<TButton>(48, 160, 75, 25);
  button->SetCaption("&Start");
  int clicks = 0;
  button->OnClick.Set([&](TObject*) { ++clicks; });
  form.Show();
  Output output;
  EXPECT_EQ(Run({"click", kTitle, "Start"}, output), 0) << output.err;
  backend.ProcessMessages();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(Run({"click", kTitle, "Stop"}, output), 1);
}

TEST_F(CommandsTest, FocusNamesTheFocusedControl) {
  auto* start = Add<TButton>(48, 160, 75, 25);
  start->SetCaption("Start");
  auto* cancel = Add<TButton>(240, 160, 75, 25);
  cancel->SetCaption("Abbrechen");
  form.Show();
  SetForegroundWindow(static_cast<HWND>(form.Peer()->NativeHandle()));
  SetFocus(static_cast<HWND>(cancel->Peer()->NativeHandle()));
  Output output;
  ASSERT_EQ(Run({"focus", kTitle}, output), 0) << output.err;
  EXPECT_EQ(Records(output.out), (std::vector<std::vector<std::string>>{
                                     {"focus", "Button", "Abbrechen"}}));
  EXPECT_EQ(Run({"focus", "no such window"}, output), 1);
}

TEST_F(CommandsTest, DialogIsReadAndAnswered) {
  form.Show();
  Output seen;
  Output answered;
  int seenCode = -1;
  int answerCode = -1;
  std::thread driver([&] {
    seenCode = RunCommand({"dialog", "--of", kTitle, "20"}, seen);
    answerCode = RunCommand({"answer", "Confirm", "No", "20"}, answered);
  });
  const int result = MessageDlg("Wirklich?\rJa.", TMsgDlgType::mtConfirmation, mbYes | mbNo);
  driver.join();
  EXPECT_EQ(result, mrNo);
  EXPECT_EQ(seenCode, 0) << seen.err;
  EXPECT_EQ(answerCode, 0) << answered.err;
  EXPECT_EQ(seen.out, "caption\tConfirm\nstatic\tWirklich?\\r\\nJa.\nbutton\t&Yes\nbutton\t&No\n");
}

TEST_F(CommandsTest, WaitAndExistsFindTheWindowOnceShown) {
  Output output;
  EXPECT_EQ(Run({"exists", kTitle}, output), 1);
  EXPECT_EQ(Run({"wait", kTitle, "0.2"}, output), 1);
  form.Show();
  EXPECT_EQ(Run({"exists", kTitle}, output), 0);
  EXPECT_EQ(Run({"wait", kTitle, "5"}, output), 0);
}

TEST_F(CommandsTest, CloseAsksTheWindowToClose) {
  bool closed = false;
  form.OnClose.Set([&](TObject*) { closed = true; });
  form.Show();
  Output output;
  EXPECT_EQ(Run({"close", kTitle}, output), 0);
  backend.ProcessMessages();
  EXPECT_TRUE(closed);
  EXPECT_EQ(Run({"exists", kTitle}, output), 1);
}

// The face and metrics, as the font command prints them, of the font the toolkit makes for its
// controls from `font`.
std::vector<std::string> ToolkitFontRecord(const TFont& font) {
  const plat::UniqueFont handle = tk::win32::CreateFontFor(font);
  const plat::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  if (!handle || !dc) return {"(no font)"};
  const plat::UniqueSelection selected = plat::SelectInto(dc.Get(), handle.Get());
  wchar_t face[LF_FACESIZE] = {};
  TEXTMETRICW metrics{};
  GetTextFaceW(dc.Get(), LF_FACESIZE, face);
  GetTextMetricsW(dc.Get(), &metrics);
  return {"font", plat::Narrow(face), std::to_string(metrics.tmHeight),
          std::to_string(metrics.tmAscent), std::to_string(metrics.tmAveCharWidth)};
}

// The driver makes its fonts without the toolkit's components; they must be the ones the
// program's controls draw with, or the end-to-end font checks would measure another font.
TEST(FontCommandTest, ProbesTheFontTheToolkitMakesForItsControls) {
  const struct {
    const char* face;
    int height;
    bool bold;
  } cases[] = {
      {"MS Sans Serif", -11, false},
      {"MS Sans Serif", -13, true},
      {"Tahoma", -16, false},
      {"Courier New", 20, true},
  };
  for (const auto& c : cases) {
    TFont font;
    font.SetName(c.face);
    font.SetHeight(c.height);
    font.SetStyle(c.bold ? fsBold : 0);
    std::vector<std::string> args = {"font", c.face, std::to_string(c.height)};
    if (c.bold) args.push_back("bold");
    Output output;
    ASSERT_EQ(RunCommand(args, output), 0) << c.face << " " << c.height << output.err;
    const auto records = Records(output.out);
    ASSERT_EQ(records.size(), 1u) << output.out;
    std::vector<std::string> probed = records[0];
    ASSERT_EQ(probed.size(), 6u) << output.out;
    probed.erase(probed.begin() + 2);  // the kind of face, which the metrics do not name
    EXPECT_EQ(probed, ToolkitFontRecord(font)) << c.face << " " << c.height;
  }
}

TEST_F(CommandsTest, WrongCallsAreUsageErrors) {
  Output output;
  EXPECT_EQ(RunCommand({}, output), 2);
  EXPECT_EQ(RunCommand({"frobnicate"}, output), 2);
  EXPECT_EQ(RunCommand({"wait"}, output), 2);
  EXPECT_EQ(RunCommand({"wait", "x", "later"}, output), 2);
  EXPECT_EQ(RunCommand({"click", "x"}, output), 2);
  EXPECT_EQ(RunCommand({"menu", "x"}, output), 2);
  EXPECT_EQ(RunCommand({"menu", "x", "-1"}, output), 2);
  EXPECT_EQ(RunCommand({"menu", "x", "first"}, output), 2);
  EXPECT_EQ(RunCommand({"font", "MS Sans Serif"}, output), 2);
  EXPECT_EQ(RunCommand({"font", "MS Sans Serif", "small"}, output), 2);
  EXPECT_NE(output.err.find("usage"), std::string::npos);
}

}  // namespace
