#include "tests/multilang/KindCaseTest.h"
#include "tests/multilang/ListKindCases.h"
#include "tests/multilang/ProbeMultiLang.h"
#include "toolkit/Form.h"
#include "toolkit/ValEdit.h"

INSTANTIATE_TEST_SUITE_P(ListKinds, KindCaseTest, ::testing::ValuesIn(kindcases::ListKindCases()),
                         KindCaseName);

namespace {

using ValueListEditorEntryTest = HeadlessApp;

TEST_F(ValueListEditorEntryTest, RefreshedAfterItsTitlesChanged) {
  tk::TForm window(nullptr);
  auto* editor = tk::NewComponent<tk::TValueListEditor>(&window, "ValueListEditor1");
  editor->SetParent(&window);
  editor->Strings().Assign(std::vector<std::string>{"a=1", "b=2", "c=3"});
  editor->SetRowCount(2);  // out of step with its three lines
  const int refreshes = editor->RefreshCount();
  auto* ml = tk::NewComponent<ProbeMultiLang>(&window, "MultiLang1");
  ml->Words().Assign(std::vector<std::string>{"ValueListEditor1", "Name", "Name"});
  std::int32_t index = 0;
  ml->ApplyEntry(*editor, index);
  EXPECT_EQ(editor->RefreshCount(), refreshes + 1);
  EXPECT_EQ(editor->RowCount(), 4);
  EXPECT_EQ(editor->Cells(0, 0), "Name");
}

}  // namespace
