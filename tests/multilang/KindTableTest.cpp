// The kind table: every row reachable in its order, looked up as the plain scan finds it, and
// exercised by the kind cases, the collect cases, the round trips and the random windows.
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "multilang/KindTable.h"
#include "tests/multilang/CollectCases.h"
#include "tests/multilang/ItemKindCases.h"
#include "tests/multilang/KindFacets.h"
#include "tests/multilang/ListKindCases.h"
#include "tests/multilang/RandomWindow.h"
#include "tests/multilang/RoundTripCases.h"
#include "tests/multilang/TextKindCases.h"
#include "tests/support/HeadlessApp.h"
#include "toolkit/Form.h"

namespace {

using KindTableTest = HeadlessApp;

// The rows that each group of cases names.
template <class Case>
void AddRows(std::set<std::string>& rows, const std::vector<Case>& cases) {
  for (const Case& c : cases) rows.insert(c.kind.row);
}

struct CaseGroup {
  const char* name;
  std::set<std::string> rows;
};

// The rows that the kinds of random windows (and so of the switch fuzzer) go by.
std::set<std::string> RandomWindowRows() {
  std::set<std::string> rows;
  tk::TForm window(nullptr);
  for (const randomwindow::Kind& kind : randomwindow::Kinds()) {
    if (const tk::TComponent* c = kindcases::CreateKind(kind.name, window)) {
      rows.insert(std::string(ml::FindKindRow(c->ClassType()).kind->name));
    }
  }
  return rows;
}

std::vector<CaseGroup> CaseGroups() {
  std::vector<CaseGroup> groups = {{"kind cases", {}},
                                   {"collect cases", {}},
                                   {"round trips", {}},
                                   {"random-window kinds", RandomWindowRows()}};
  AddRows(groups[0].rows, kindcases::ListKindCases());
  AddRows(groups[0].rows, kindcases::ItemKindCases());
  AddRows(groups[0].rows, kindcases::TextKindCases());
  AddRows(groups[1].rows, collectcases::CollectCases());
  AddRows(groups[2].rows, roundtrip::RoundTripCases());
  return groups;
}

TEST_F(KindTableTest, EveryRowHasCasesOfEachGroup) {
  for (const CaseGroup& group : CaseGroups()) {
    for (const ml::KindRow& row : ml::KindRows()) {
      EXPECT_EQ(group.rows.count(std::string(row.kind->name)), 1u)
          << "no " << group.name << " for the row of " << row.kind->name;
    }
  }
}

// A row below one of a base class would never be reached.
TEST_F(KindTableTest, NoRowIsHiddenByAnEarlierOne) {
  const auto rows = ml::KindRows();
  for (std::size_t later = 0; later < rows.size(); ++later) {
    for (std::size_t earlier = 0; earlier < later; ++earlier) {
      EXPECT_FALSE(rows[later].kind->InheritsFrom(*rows[earlier].kind))
          << rows[later].kind->name << " below " << rows[earlier].kind->name;
    }
  }
}

TEST_F(KindTableTest, LookupAnswersAsTheScanWhicheverClassComesFirst) {
  // The rows' classes and the classes the cases make, among them ones that go by another row.
  std::vector<const tk::ClassInfo*> classes = {&tk::TForm::StaticClass(),
                                               &tk::TObject::StaticClass()};
  for (const ml::KindRow& row : ml::KindRows()) classes.push_back(row.kind);
  for (const auto& c : kindcases::TextKindCases()) {
    if (const tk::ClassInfo* made = tk::FindClass(c.kind.made)) classes.push_back(made);
  }
  for (bool reversed : {false, true}) {
    if (reversed) std::reverse(classes.begin(), classes.end());
    for (const tk::ClassInfo* type : classes) {
      EXPECT_EQ(&ml::FindKindRow(*type), &ml::ScanKindRows(*type)) << type->name;
    }
  }
}

}  // namespace
