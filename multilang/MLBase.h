// TBaseMultiLang: the localization component's table, published properties, language switch and
// per-language layout. Subclasses know the control kinds: they write one component's entry
// (ApplyEntry) and read a component's texts back into an editing grid (CollectEntry).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "multilang/MLTypes.h"
#include "multilang/PositionsIndex.h"
#include "multilang/UnitState.h"
#include "toolkit/Component.h"
#include "toolkit/Grids.h"
#include "toolkit/StringList.h"

namespace ml {

class TBaseMultiLang : public tk::TComponent {
  TK_CLASS()

 public:
  // The marker that the positions operations take for the owner window; controls get any other.
  static constexpr std::int32_t kWindowMarker = -1;

  explicit TBaseMultiLang(tk::TComponent* owner);
  ~TBaseMultiLang() override;

  void AfterLoading() override;

 protected:
  // Writes the entry at `Index` (and the continuation entries it owns) into `Component`, and
  // leaves `Index` at the first line it did not consume. Only the language switch calls it.
  virtual void ApplyEntry(tk::TComponent& Component, std::int32_t& Index) = 0;

 public:
  // Writes the component's current texts into rows of an editing grid, from `Row` on. The grid
  // must be given.
  virtual void CollectEntry(tk::TComponent& Component, std::int32_t Row, tk::TStringGrid* Grid) = 0;

  // Published properties, in the order the window description stores them.
  std::string About() const { return "3.80"; }
  void SetAbout(const std::string&) {}
  TBeforeLanguageChange BeforeLanguageChange;
  TAfterLanguageChanged AfterLanguageChanged;
  TIdNotFoundError IdNotFoundError;
  std::uint8_t DefaultLanguage() const { return defaultLanguage_; }
  void ChangeDefaultLanguage(std::uint8_t Value);
  bool DefaultEnabled() const { return defaultEnabled_; }
  void ChangeDefaultEnabled(bool Value);
  std::uint8_t Languages() const { return languages_; }
  void ChangeLanguageCount(std::uint8_t Value);
  std::uint8_t ActiveLanguage() const { return activeLanguage_; }
  void SwitchLanguage(std::uint8_t Value);
  // The lists belong to the component for its whole life; assigning copies items.
  tk::TStrings& Words() const { return *words_; }
  void SetWords(tk::TObject* source);
  tk::TStrings& DoNot() const { return *doNot_; }
  void SetDoNot(tk::TObject* source);
  TSwitchPositions SwitchPositions() const { return switchPositions_; }
  void ChangeSwitchPositions(TSwitchPositions Value);
  TTranslateEdits TranslateEdits() const { return translateEdits_; }
  void SetTranslateEdits(TTranslateEdits value) { translateEdits_ = value; }
  tk::TStrings& Positions() const { return *positions_; }
  void SetPositions(tk::TObject* source);
  tk::TStrings& CharSets() const { return *charSets_; }
  void SetCharSets(tk::TObject* source);

  static bool HasProperty(const tk::TObject& Component, std::string_view Name);

  // Replaces the table with the one-language block that the string library named by
  // StringLibraryFile holds for the owner window, and shows it. Unchanged when the library holds
  // none; raises the general error when the library cannot be loaded.
  void LoadFromStringLibrary();

  // May texts be written into the component, given TranslateEdits?
  bool CanTranslate(const tk::TObject& Component) const;
  // The active language's text of the entry at `keyLine`, or the default language's when that
  // is empty and DefaultEnabled is set. Raises the list's index error past the end of Words.
  const std::string& SelectedText(std::int32_t keyLine) const;

  // Per-language window font and positions, for ActiveLanguage.
  void SaveFont();
  void ApplyFont();
  void SavePositions(tk::TComponent& Component, std::int32_t Marker);
  void ApplyPositions(tk::TComponent& Component, std::int32_t Marker);
  static bool HasDifferentValues(std::string_view Record);
  // The line of Positions holding the record for a search key ("%Form%," or "name,"), or -1.
  int FindPositionRecord(std::string_view searchKey) const {
    return positionsIndex_.FindLast(searchKey);
  }

 private:
  void RecordLayout();
  void UseStringLibrary();
  void WalkTable();
  std::string SearchKey(const tk::TComponent& component, std::int32_t marker) const;
  bool KeepsPositionsFor(std::int32_t marker) const;

  std::uint8_t activeLanguage_ = 0;
  std::uint8_t defaultLanguage_ = 0;
  bool defaultEnabled_ = false;
  std::uint8_t languages_ = 2;
  TSwitchPositions switchPositions_ = spNone;
  TTranslateEdits translateEdits_ = teReadOnly;
  std::unique_ptr<tk::TStringList> words_;
  std::unique_ptr<tk::TStringList> doNot_;
  std::unique_ptr<tk::TStringList> positions_;
  std::unique_ptr<tk::TStringList> charSets_;
  PositionsIndex positionsIndex_;
};

}  // namespace ml
