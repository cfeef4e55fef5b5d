// Positions and sizes at the ends of the 32-bit range, as a stored description or a positions
// record may give them: the window's outer size and a bound label's place hold at the ends of the
// range instead of overflowing.
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>

#include "tests/support/HeadlessApp.h"
#include "toolkit/Description.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Form.h"

using namespace tk;

namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

using SizeLimitsTest = HeadlessApp;

struct FormCase {
  const char* name;
  std::function<void(TForm&)> set;
  std::int32_t width, clientWidth, height, clientHeight;
};

// The headless frame of a sizeable window is 8 pixels wide and 27 high.
TEST_F(SizeLimitsTest, WindowSizesHoldAtTheEndsOfTheRange) {
  const FormCase cases[] = {
      {"stored client width",
       [](TForm& f) { ReadComponent("object Form1: TForm\n  ClientWidth = 2147483647\nend\n", f); },
       kMax, kMax, 27, 0},
      {"stored width",
       [](TForm& f) { ReadComponent("object Form1: TForm\n  Width = 2147483647\nend\n", f); }, kMax,
       kMax - 8, 27, 0},
      {"client height", [](TForm& f) { f.SetClientHeight(kMax); }, 8, 0, kMax, kMax},
      {"positions record width", [](TForm& f) { f.SetWidth(kMin); }, kMin + 8, kMin, 27, 0},
      {"positions record height", [](TForm& f) { f.SetHeight(kMin); }, 8, 0, kMin + 27, kMin},
  };
  for (const FormCase& c : cases) {
    SCOPED_TRACE(c.name);
    TForm form(nullptr);
    c.set(form);
    EXPECT_EQ(form.Width(), c.width);
    EXPECT_EQ(form.ClientWidth(), c.clientWidth);
    EXPECT_EQ(form.Height(), c.height);
    EXPECT_EQ(form.ClientHeight(), c.clientHeight);
  }
}

TEST_F(SizeLimitsTest, ACenteredWindowOfAnySizeIsPlaced) {
  for (const std::int32_t clientWidth : {kMax, kMin}) {
    TForm form(nullptr);
    form.SetPosition(poScreenCenter);
    form.SetClientWidth(clientWidth);
    const std::int64_t width = form.Width();
    form.Show();
    EXPECT_EQ(form.Left(), (1024 - width) / 2) << clientWidth;
  }
}

struct LabelCase {
  TLabelPosition position;
  std::int32_t left, top, width, height;
  std::int32_t labelLeft;
  std::optional<std::int32_t> labelTop;  // beside the edit: centred on it
};

TEST_F(SizeLimitsTest, ABoundLabelStaysAtTheEndsOfTheRange) {
  const LabelCase cases[] = {
      {lpAbove, kMin, kMin, 10, 10, kMin, kMin},
      {lpBelow, 0, kMax, 10, kMax, 0, kMax},
      {lpLeft, kMin, 0, 10, 10, kMin, std::nullopt},
      {lpRight, kMax, 0, kMax, 10, kMax, std::nullopt},
  };
  for (const LabelCase& c : cases) {
    SCOPED_TRACE(c.position);
    TForm form(nullptr);
    auto* edit = NewComponent<TLabeledEdit>(&form, "LabeledEdit1");
    edit->SetParent(&form);
    edit->SetLabelPosition(c.position);
    edit->SetBounds(c.left, c.top, c.width, c.height);
    EXPECT_EQ(edit->EditLabel()->Left(), c.labelLeft);
    if (c.labelTop) {
      EXPECT_EQ(edit->EditLabel()->Top(), *c.labelTop);
    }
  }
}

}  // namespace
