#include <string>
#include <vector>

#include "base/Errors.h"
#include "multilang/KindTable.h"
#include "multilang/MLang.h"
#include "tests/multilang/CollectCases.h"
#include "tests/multilang/KindCaseRunner.h"
#include "tests/support/HeadlessApp.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Form.h"
#include "toolkit/Grids.h"
#include "toolkit/Properties.h"
#include "toolkit/StdCtrls.h"

namespace {

// A kind the dispatch does not know, publishing both "Caption" and "Text" with texts of their own.
class TCaptionAndText : public tk::TComponent {
  TK_CLASS()

 public:
  explicit TCaptionAndText(tk::TComponent* owner) : TComponent(owner) {}
  std::string Caption() const { return caption_; }
  void SetCaption(const std::string& s) { caption_ = s; }
  std::string Text() const { return text_; }
  void SetText(const std::string& s) { text_ = s; }

 private:
  std::string caption_, text_;
};

}  // namespace

const tk::ClassInfo& TCaptionAndText::StaticClass() {
  using T = TCaptionAndText;
  static const tk::PropInfo props[] = {
      tk::StringProperty<T, &T::Text, &T::SetText>("Text"),
      tk::StringProperty<T, &T::Caption, &T::SetCaption>("Caption"),
  };
  static const tk::ClassInfo info{
      "TCaptionAndText", &tk::TComponent::StaticClass(), props,
      [](tk::TComponent* owner) -> tk::TComponent* { return new TCaptionAndText(owner); }};
  return info;
}

namespace {

using collectcases::CollectCase;
using collectcases::Row;
using collectcases::Rows;

const std::string kItem = "\"";
const std::string kHint = "\".Hint";

// A window with the component, and an editing grid of two columns (key, language 0) that holds
// one empty row: collecting at the last row appends the texts one after another.
class CollectEntryTest : public HeadlessApp {
 protected:
  CollectEntryTest() : form(nullptr), grid(nullptr) {
    tk::RegisterClass(TCaptionAndText::StaticClass());
    form.SetName("Window1");
    ml = tk::NewComponent<ml::TMultiLang>(&form, "MultiLang1");
    grid.SetColCount(2);
    grid.SetRowCount(1);
  }

  template <class T>
  T* Add(const std::string& name) {
    T* c = tk::NewComponent<T>(&form, name);
    if constexpr (std::is_base_of_v<tk::TControl, T>) c->SetParent(&form);
    return c;
  }

  // Collects at the grid's last row and gives the rows written, without the empty one below.
  Rows Collect(tk::TComponent& component) {
    const int first = grid.RowCount() - 1;
    ml->CollectEntry(component, first, &grid);
    Rows rows;
    for (int r = first; r < grid.RowCount() - 1; ++r) rows.push_back(RowAt(r));
    return rows;
  }
  Row RowAt(int r) const {
    Row row;
    for (int c = 0; c < grid.ColCount(); ++c) row.push_back(grid.Cells(c, r));
    return row;
  }

  tk::TForm form;
  tk::TStringGrid grid;
  ml::TMultiLang* ml;
};

// --- the rows of one call -------------------------------------------------------------------

TEST_F(CollectEntryTest, ListFromRowFiveOfASixRowGrid) {
  grid.SetColCount(4);
  grid.SetRowCount(6);
  for (int r = 0; r < 6; ++r) grid.SetCells(3, r, "kept");
  auto* list = Add<tk::TListBox>("ListBox1");
  list->Items().Assign(std::vector<std::string>{"a", "b", "c"});
  ml->CollectEntry(*list, 5, &grid);
  EXPECT_EQ(grid.RowCount(), 9);
  EXPECT_EQ(RowAt(5), (Row{"ListBox1", "a", "", "kept"}));
  EXPECT_EQ(RowAt(6), (Row{kItem, "b", "", ""}));
  EXPECT_EQ(RowAt(7), (Row{kItem, "c", "", ""}));
  EXPECT_EQ(RowAt(8), (Row{"", "", "", ""}));
  EXPECT_EQ(RowAt(4), (Row{"", "", "", "kept"}));
}

TEST_F(CollectEntryTest, NothingToCollectLeavesTheGridUnchanged) {
  grid.SetCells(0, 0, "untouched");
  auto* image = Add<tk::TImage>("Image1");
  ml->CollectEntry(*image, 0, &grid);
  EXPECT_EQ(grid.RowCount(), 1);
  EXPECT_EQ(RowAt(0), (Row{"untouched", ""}));
}

TEST_F(CollectEntryTest, TextsGoToTheActiveLanguagesColumn) {
  ml->ChangeLanguageCount(3);
  ml->SwitchLanguage(2);
  grid.SetColCount(4);
  grid.SetCells(1, 0, "language 0");
  auto* label = Add<tk::TLabel>("Label1");
  label->SetCaption("Etykieta");
  ml->CollectEntry(*label, 0, &grid);
  EXPECT_EQ(RowAt(0), (Row{"Label1", "language 0", "", "Etykieta"}));
}

TEST_F(CollectEntryTest, RowsAreWrittenWhereverTheFirstRowLies) {
  grid.SetRowCount(3);
  grid.SetCells(1, 2, "last");
  auto* list = Add<tk::TListBox>("ListBox1");
  list->Items().Assign(std::vector<std::string>{"a", "b"});
  ml->CollectEntry(*list, 0, &grid);
  // Each row written also appends an emptied row at the end of the grid.
  EXPECT_EQ(grid.RowCount(), 5);
  EXPECT_EQ(RowAt(0), (Row{"ListBox1", "a"}));
  EXPECT_EQ(RowAt(1), (Row{kItem, "b"}));
  EXPECT_EQ(RowAt(2), (Row{"", "last"}));
}

TEST_F(CollectEntryTest, ComponentsCollectedOneAfterAnotherFormConsecutiveBlocks) {
  auto* label = Add<tk::TLabel>("Label1");
  label->SetCaption("Start");
  auto* list = Add<tk::TListBox>("ListBox1");
  list->Items().Assign(std::vector<std::string>{"a", "b"});
  Collect(*label);
  Collect(*list);
  EXPECT_EQ(grid.RowCount(), 4);
  EXPECT_EQ(RowAt(0), (Row{"Label1", "Start"}));
  EXPECT_EQ(RowAt(1), (Row{"ListBox1", "a"}));
  EXPECT_EQ(RowAt(2), (Row{kItem, "b"}));
  EXPECT_EQ(RowAt(3), (Row{"", ""}));
}

TEST_F(CollectEntryTest, MissingGridFailsTheAssertionAfterRecordingPositions) {
  ml->ChangeSwitchPositions(ml::spControlsOnly);
  auto* label = Add<tk::TLabel>("Label1");
  label->SetBounds(1, 2, 3, 4);
  try {
    ml->CollectEntry(*label, 0, nullptr);
    FAIL() << "no error";
  } catch (const base::EAssertionFailed& e) {
    EXPECT_STREQ(e.what(), "Assertion failure (MLang, line 4521)");
  }
  EXPECT_EQ(ml->Positions().Items(), (std::vector<std::string>{"label1,1.2.3.4,1.2.3.4"}));
}

// --- the window -----------------------------------------------------------------------------

TEST_F(CollectEntryTest, WindowRowsAreKeyedAsTheWindowEntry) {
  form.SetCaption("Deinstaller");
  form.SetHint("Hilfe");
  EXPECT_EQ(Collect(form), (Rows{{"%Form%", "Deinstaller"}, {kHint, "Hilfe"}}));
}

TEST_F(CollectEntryTest, WindowPositionsAreRecordedUnderTheWindowsKey) {
  ml->ChangeSwitchPositions(ml::spFormAndControls);
  form.SetBounds(10, 20, 300, 200);
  Collect(form);
  ASSERT_EQ(ml->Positions().Count(), 1);
  EXPECT_EQ(ml->Positions()[0].rfind("%Form%,", 0), 0u) << ml->Positions()[0];
}

TEST_F(CollectEntryTest, WindowPositionsAreNotRecordedForControlsOnly) {
  ml->ChangeSwitchPositions(ml::spControlsOnly);
  Collect(form);
  EXPECT_EQ(ml->Positions().Count(), 0);
}

TEST_F(CollectEntryTest, ControlStartingAtRowMinusOneIsNotTakenForTheWindow) {
  ml->ChangeSwitchPositions(ml::spControlsOnly);
  auto* label = Add<tk::TLabel>("Label1");
  EXPECT_THROW(ml->CollectEntry(*label, -1, &grid), base::EStringListError);
  EXPECT_EQ(ml->Positions().Items(), (std::vector<std::string>{"label1,0.0.0.0,0.0.0.0"}));
}

// --- the kinds ------------------------------------------------------------------------------

class CollectKindTest : public CollectEntryTest,
                        public ::testing::WithParamInterface<CollectCase> {};

std::string CaseName(const ::testing::TestParamInfo<CollectCase>& info) {
  return info.param.name;
}

TEST_P(CollectKindTest, GivesTheRowsOfItsKind) {
  const CollectCase& c = GetParam();
  tk::TComponent* component = kindcases::PlaceKind(c.kind.made, form);
  ASSERT_NE(component, nullptr) << c.kind.made;
  EXPECT_EQ(ml::FindKindRow(component->ClassType()).kind->name, c.kind.row);
  for (const kindcases::Value& v : c.setUp) kindcases::Put(*component, v);
  if (c.prepare != nullptr) c.prepare(*component);
  EXPECT_EQ(Collect(*component), c.rows);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, CollectKindTest,
                         ::testing::ValuesIn(collectcases::CollectCases()), CaseName);

TEST_F(CollectEntryTest, ControlWithAnActionKeepsOnlyItsHint) {
  auto* button = Add<tk::TButton>("Button1");
  button->SetCaption("OK");
  button->SetHint("Go");
  tk::TObject action;
  button->SetAction(&action);
  EXPECT_EQ(Collect(*button), (Rows{{"Button1", ""}, {kHint, "Go"}}));
  ml->SetTranslateEdits(ml::teAlways);
  EXPECT_EQ(Collect(*button), (Rows{{"Button1", "OK"}, {kHint, "Go"}}));
}

}  // namespace
