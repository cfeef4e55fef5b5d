#include "multilang/MLBase.h"

#include "multilang/Messages.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Properties.h"

namespace ml {

namespace {

using namespace messages;
using B = TBaseMultiLang;

void AssignItems(tk::TStrings& target, tk::TObject* source) {
  if (auto* list = tk::DynamicCast<tk::TStrings>(source)) target.Assign(*list);
}

}  // namespace

const tk::ClassInfo& TBaseMultiLang::StaticClass() {
  using namespace tk;
  static const PropInfo props[] = {
      StringProperty<B, &B::About, &B::SetAbout>("About", Stored::Never),
      EventProperty<B, &B::BeforeLanguageChange>("BeforeLanguageChange"),
      EventProperty<B, &B::AfterLanguageChanged>("AfterLanguageChanged"),
      EventProperty<B, &B::IdNotFoundError>("IdNotFoundError"),
      IntProperty<B, &B::DefaultLanguage, &B::ChangeDefaultLanguage>("DefaultLanguage"),
      BoolProperty<B, &B::DefaultEnabled, &B::ChangeDefaultEnabled>("DefaultEnabled", false),
      IntProperty<B, &B::Languages, &B::ChangeLanguageCount>("Languages", Stored::Always, 2),
      IntProperty<B, &B::ActiveLanguage, &B::SwitchLanguage>("ActiveLanguage"),
      ObjectProperty<B, &B::Words, &B::SetWords>("Words"),
      ObjectProperty<B, &B::DoNot, &B::SetDoNot>("DoNot"),
      EnumProperty<B, &B::SwitchPositions, &B::ChangeSwitchPositions>(
          "SwitchPositions", kSwitchPositionsNames, spNone),
      EnumProperty<B, &B::TranslateEdits, &B::SetTranslateEdits>("TranslateEdits",
                                                                 kTranslateEditsNames, teReadOnly),
      ObjectProperty<B, &B::Positions, &B::SetPositions>("Positions"),
      ObjectProperty<B, &B::CharSets, &B::SetCharSets>("CharSets"),
  };
  static const ClassInfo info{"TBaseMultiLang", &TComponent::StaticClass(), props};
  return info;
}

TBaseMultiLang::TBaseMultiLang(tk::TComponent* owner)
    : TComponent(owner),
      words_(std::make_unique<tk::TStringList>()),
      doNot_(std::make_unique<tk::TStringList>()),
      positions_(std::make_unique<tk::TStringList>()),
      charSets_(std::make_unique<tk::TStringList>()),
      positionsIndex_(*positions_) {
  detail::RegisterComponent(this);
}

TBaseMultiLang::~TBaseMultiLang() {
  detail::UnregisterComponent(this);
  charSets_.reset();
  positions_.reset();
  doNot_.reset();
  words_.reset();
}

void TBaseMultiLang::SetWords(tk::TObject* source) {
  AssignItems(*words_, source);
}
void TBaseMultiLang::SetDoNot(tk::TObject* source) {
  AssignItems(*doNot_, source);
}
void TBaseMultiLang::SetPositions(tk::TObject* source) {
  AssignItems(*positions_, source);
}
void TBaseMultiLang::SetCharSets(tk::TObject* source) {
  AssignItems(*charSets_, source);
}

bool TBaseMultiLang::HasProperty(const tk::TObject& Component, std::string_view Name) {
  return tk::HasProperty(Component, Name);
}

void TBaseMultiLang::ChangeDefaultLanguage(std::uint8_t Value) {
  if (Value >= languages_) {
    tk::MessageDlg(kValueTooHigh, tk::TMsgDlgType::mtInformation, tk::mbCancel);
    return;
  }
  if (Value == defaultLanguage_) return;
  defaultLanguage_ = Value;
  SwitchLanguage(activeLanguage_);
}

void TBaseMultiLang::ChangeDefaultEnabled(bool Value) {
  if (Value == defaultEnabled_) return;
  defaultEnabled_ = Value;
  SwitchLanguage(activeLanguage_);
}

void TBaseMultiLang::ChangeLanguageCount(std::uint8_t Value) {
  const int oldCount = languages_;
  const int newCount = Value;
  if (newCount == oldCount) return;
  tk::TStrings& words = *words_;
  if (newCount < oldCount) {
    if (!IsLoading()) {
      if (newCount == 0) {
        tk::MessageDlg(kAtLeastOneLanguage, tk::TMsgDlgType::mtInformation, tk::mbOK);
        return;
      }
      if (activeLanguage_ >= newCount) {
        if (tk::MessageDlg(kDecreaseDroppingActive, tk::TMsgDlgType::mtConfirmation,
                           tk::mbYes | tk::mbNo) != tk::mrYes) {
          return;
        }
        SwitchLanguage(0);
        // A vetoed switch leaves the active language among those to go: stop as on a No.
        if (activeLanguage_ >= newCount) return;
      } else if (tk::MessageDlg(kDecrease, tk::TMsgDlgType::mtConfirmation, tk::mbYes | tk::mbNo) !=
                 tk::mrYes) {
        return;
      }
    }
    // Entries are counted from the end; lines left over at the start stay as they are.
    for (int k = words.Count() - 1 - oldCount; k >= 0; k -= oldCount + 1) {
      for (int n = 0; n < oldCount - newCount; ++n) words.Delete(k + newCount + 1);
    }
    // The text selection rule must never read another entry's lines.
    if (defaultLanguage_ >= newCount) defaultLanguage_ = 0;
  } else {
    for (int k = words.Count() - oldCount; k >= 1; k -= oldCount + 1) {
      for (int n = 0; n < newCount - oldCount; ++n) words.Insert(k + oldCount, "?");
    }
  }
  languages_ = Value;
}

}  // namespace ml
