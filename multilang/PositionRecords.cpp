#include "multilang/PositionRecords.h"

#include "base/Ascii.h"
#include "toolkit/Properties.h"
#include "toolkit/StringList.h"

namespace ml {

namespace {
constexpr std::string_view kBoundsProperties[] = {"Left", "Top", "Width", "Height"};
}

std::string ControlSearchKey(std::string_view name) {
  std::string key = base::AsciiLowerCase(name);
  key += ',';
  return key;
}

std::vector<std::string> SplitRecord(std::string_view record) {
  return tk::SplitKeepEmpty(record, ',');
}

std::string JoinRecord(const std::vector<std::string>& items) {
  std::string out;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) out += ',';
    out += items[i];
  }
  return out;
}

bool HasDifferentValues(std::string_view record) {
  const std::vector<std::string> items = SplitRecord(record);
  if (items.size() < 3) return false;
  for (std::size_t i = 2; i < items.size(); ++i) {
    if (items[i] != items[1]) return true;
  }
  return false;
}

std::string FormatBounds(const tk::TObject& component) {
  std::string value;
  for (std::size_t i = 0; i < std::size(kBoundsProperties); ++i) {
    if (i > 0) value += '.';
    if (tk::HasProperty(component, kBoundsProperties[i])) {
      value += std::to_string(tk::GetOrdProp(component, kBoundsProperties[i]));
    }
  }
  return value;
}

int LastLineBeginningWith(const tk::TStrings& lines, std::string_view key) {
  for (int i = lines.Count() - 1; i >= 0; --i) {
    if (lines[i].starts_with(key)) return i;
  }
  return -1;
}

}  // namespace ml
