// The language switch: record the layout being left, make the new language active, restore its
// window font and position, and walk the table writing the texts.
#include <exception>

#include "multilang/MLBase.h"
#include "multilang/Messages.h"
#include "toolkit/Control.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Properties.h"

namespace ml {

namespace {

constexpr char kFormKey[] = "%Form%";
// Where the walk goes after a key it could not read: past the end of any sensible table.
constexpr std::int32_t kWalkEnd = 99999;

}  // namespace

void TBaseMultiLang::SwitchLanguage(std::uint8_t Value) {
  if (Value >= languages_) {
    tk::MessageDlg(messages::kValueTooHigh, tk::TMsgDlgType::mtInformation, tk::mbCancel);
    return;
  }
  bool allowIt = true;
  if (BeforeLanguageChange) BeforeLanguageChange(this, Value, allowIt);
  if (!allowIt) return;
  {
    // The window redraws once for the whole switch, not once per control.
    tk::RedrawLock redraw(tk::DynamicCast<tk::TWinControl>(Owner()));
    RecordLayout();
    activeLanguage_ = Value;
    ApplyFont();
    if (Owner() != nullptr) ApplyPositions(*Owner(), kWindowMarker);
    WalkTable();
  }
  if (AfterLanguageChanged) AfterLanguageChanged(this, activeLanguage_);
}

void TBaseMultiLang::RecordLayout() {
  SaveFont();
  tk::TComponent* owner = Owner();
  if (owner == nullptr) return;
  SavePositions(*owner, kWindowMarker);
  for (int i = 0; i < owner->OwnedCount(); ++i) SavePositions(*owner->OwnedComponent(i), 0);
}

void TBaseMultiLang::WalkTable() {
  tk::TComponent* owner = Owner();
  const std::int32_t entrySize = languages_ + 1;
  std::int32_t i = 0;
  while (i < words_->Count()) {
    bool isWindow = false;
    tk::TComponent* target = nullptr;
    try {
      const std::string& key = words_->Get(i);
      isWindow = key == kFormKey;
      if (!isWindow && owner != nullptr) target = owner->FindOwnedComponent(key);
    } catch (const std::exception&) {
      i = kWalkEnd;
      continue;
    }
    if (isWindow) {
      if (owner != nullptr && HasProperty(*owner, "Caption")) {
        tk::SetStrProp(*owner, "Caption", SelectedText(i));
      }
      i += entrySize;
      continue;
    }
    if (target == nullptr) {
      i += entrySize;
      continue;
    }
    const std::int32_t start = i;
    try {
      ApplyEntry(*target, i);
    } catch (const std::exception&) {
      // One control's failure must not keep the rest of the window untranslated.
    }
    // An entry that was not consumed is stepped over, so no table makes the walk loop.
    if (i == start) i += entrySize;
  }
}

const std::string& TBaseMultiLang::SelectedText(std::int32_t keyLine) const {
  const std::string& text = words_->Get(keyLine + activeLanguage_ + 1);
  if (text.empty() && defaultEnabled_) return words_->Get(keyLine + defaultLanguage_ + 1);
  return text;
}

bool TBaseMultiLang::CanTranslate(const tk::TObject& Component) const {
  if (translateEdits_ == teAlways) return true;
  if (HasProperty(Component, "Action") && tk::GetOrdProp(Component, "Action") != 0) return false;
  if (HasProperty(Component, "EditLabel")) return true;
  if (!HasProperty(Component, "ReadOnly") ||
      (!HasProperty(Component, "Text") && !HasProperty(Component, "Lines"))) {
    return true;
  }
  // An edit-like control.
  if (translateEdits_ == teNever) return false;
  return tk::GetOrdProp(Component, "ReadOnly") != 0;
}

void TBaseMultiLang::AfterLoading() {
  TComponent::AfterLoading();
  if (IsDesigning()) return;
  SwitchLanguage(StartLanguage());
  UseStringLibrary();
}

}  // namespace ml
