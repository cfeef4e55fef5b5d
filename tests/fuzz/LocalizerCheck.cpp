#include "tests/fuzz/LocalizerCheck.h"

#include <string>
#include <vector>

#include "multilang/PositionRecords.h"
#include "tests/fuzz/FuzzTarget.h"

namespace fuzz {

void CheckLocalizer(const ml::TBaseMultiLang& ml) {
  Require(ml.ActiveLanguage() < ml.Languages(), "ActiveLanguage beyond Languages");
  Require(ml.DefaultLanguage() < ml.Languages(), "DefaultLanguage beyond Languages");
  std::vector<std::string> keys{std::string(ml::kWindowSearchKey)};
  if (const tk::TComponent* window = ml.Owner()) {
    for (int i = 0; i < window->OwnedCount(); ++i) {
      keys.push_back(ml::ControlSearchKey(window->OwnedComponent(i)->Name()));
    }
  }
  for (const std::string& line : ml.Positions().Items()) {
    Require(ml::JoinRecord(ml::SplitRecord(line)) == line, "a record splits unevenly: " + line);
    keys.push_back(line.substr(0, line.find(',') + 1));
  }
  for (const std::string& key : keys) {
    Require(ml.FindPositionRecord(key) == ml::LastLineBeginningWith(ml.Positions(), key),
            "the positions index and the scan differ for " + key);
  }
}

}  // namespace fuzz
