// Per-language window font (CharSets) and positions of the window and its controls (Positions).
#include <vector>

#include "base/Errors.h"
#include "base/Integer.h"
#include "multilang/MLBase.h"
#include "multilang/Messages.h"
#include "multilang/PositionRecords.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Properties.h"

namespace ml {

namespace {

constexpr std::string_view kBoundsProperties[] = {"Left", "Top", "Width", "Height"};

tk::TObject* WindowFont(const tk::TComponent* owner) {
  if (owner == nullptr || !tk::HasProperty(*owner, "Font")) return nullptr;
  return tk::GetObjectProp(*owner, "Font");
}

}  // namespace

bool TBaseMultiLang::HasDifferentValues(std::string_view Record) {
  return ml::HasDifferentValues(Record);
}

void TBaseMultiLang::SaveFont() {
  std::string record;
  if (tk::TObject* font = WindowFont(Owner()); font != nullptr && HasProperty(*font, "Name")) {
    if (HasProperty(*font, "CharSet")) {
      record =
          tk::GetStrProp(*font, "Name") + "," + std::to_string(tk::GetOrdProp(*font, "CharSet"));
    }
  }
  if (record.empty()) return;
  tk::TStrings& charSets = *charSets_;
  // The first switch gives every language without a record the window's current font.
  while (charSets.Count() < languages_) charSets.Add(record);
  charSets.Put(activeLanguage_, record);
}

void TBaseMultiLang::ApplyFont() {
  if (charSets_->Count() <= activeLanguage_) return;
  const std::string& line = charSets_->Get(activeLanguage_);
  const std::size_t comma = line.find(',');
  const std::string name = comma == std::string::npos ? std::string() : line.substr(0, comma);
  const std::size_t digits = comma == std::string::npos ? 0 : comma + 1;
  const std::int32_t charSet = base::StrToInt(std::string_view(line).substr(digits, 999));
  tk::TObject* font = WindowFont(Owner());
  if (font == nullptr) return;
  if (HasProperty(*font, "Name")) tk::SetStrProp(*font, "Name", name);
  if (HasProperty(*font, "CharSet")) tk::SetOrdProp(*font, "CharSet", charSet);
}

bool TBaseMultiLang::KeepsPositionsFor(std::int32_t marker) const {
  if (switchPositions_ == spNone) return false;
  return !(switchPositions_ == spControlsOnly && marker == kWindowMarker);
}

std::string TBaseMultiLang::SearchKey(const tk::TComponent& component, std::int32_t marker) const {
  return marker == kWindowMarker ? std::string(kWindowSearchKey)
                                 : ControlSearchKey(component.Name());
}

void TBaseMultiLang::SavePositions(tk::TComponent& Component, std::int32_t Marker) {
  if (!KeepsPositionsFor(Marker)) return;
  const std::string key = SearchKey(Component, Marker);
  const std::string value = FormatBounds(Component);
  if (value == "...") return;  // publishes none of the four
  tk::TStrings& positions = *positions_;
  const int line = positionsIndex_.FindLast(key);
  if (line >= 0) {
    std::vector<std::string> items = SplitRecord(positions[line]);
    while (items.size() <= languages_) items.emplace_back();
    const std::size_t slot = activeLanguage_ + 1u;
    if (slot >= items.size())
      throw base::EStringListError::IndexOutOfBounds(static_cast<int>(slot));
    items[slot] = value;
    positions.Put(line, JoinRecord(items));
    return;
  }
  std::string record = key;
  for (int i = 0; i < languages_; ++i) {
    if (i > 0) record += ',';
    record += value;
  }
  positions.Add(record);
}

void TBaseMultiLang::ApplyPositions(tk::TComponent& Component, std::int32_t Marker) {
  if (!KeepsPositionsFor(Marker)) return;
  const int line = positionsIndex_.FindLast(SearchKey(Component, Marker));
  if (line < 0) return;
  const std::vector<std::string> items = SplitRecord(positions_->Get(line));
  const std::size_t slot = activeLanguage_ + 1u;
  if (items.size() <= slot) return;  // no value for this language yet
  const std::string fields = items[slot] + ".";
  std::string_view w = fields;
  for (std::string_view property : kBoundsProperties) {
    const std::size_t dot = w.find('.');
    if (dot == std::string_view::npos) throw base::EAssertionFailed("MLBase", 756);
    if (HasProperty(Component, property)) {
      tk::SetOrdProp(Component, property, base::StrToInt(w.substr(0, dot)));
    }
    w.remove_prefix(dot + 1);
  }
}

void TBaseMultiLang::ChangeSwitchPositions(TSwitchPositions Value) {
  if (Value == switchPositions_) return;
  tk::TStrings& positions = *positions_;
  if (Value == spNone) {
    for (int i = positions.Count() - 1; i >= 0; --i) {
      if (!HasDifferentValues(positions[i])) continue;
      if (tk::MessageDlg(messages::kDropPositions, tk::TMsgDlgType::mtWarning,
                         tk::mbYes | tk::mbNo) != tk::mrYes) {
        tk::ShowMessage(messages::kCancelled);
        return;
      }
    }
    positions.Clear();
  } else if (Value == spControlsOnly && switchPositions_ == spFormAndControls) {
    int formLine = -1;
    for (int i = 0; i < positions.Count() && formLine < 0; ++i) {
      if (positions[i].starts_with(kWindowSearchKey)) formLine = i;
    }
    if (formLine >= 0) {
      if (HasDifferentValues(positions[formLine]) &&
          tk::MessageDlg(messages::kDropFormPositions, tk::TMsgDlgType::mtWarning,
                         tk::mbYes | tk::mbNo) != tk::mrYes) {
        tk::ShowMessage(messages::kCancelled);
        return;
      }
      positions.Delete(formLine);
    }
  }
  switchPositions_ = Value;
}

}  // namespace ml
