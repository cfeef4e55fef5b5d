#include "multilang/MLangSteps.h"

#include "base/Ascii.h"
#include "multilang/MLBase.h"
#include "toolkit/DBCtrls.h"
#include "toolkit/StringList.h"

namespace ml {

int StringItems::Count() const {
  return list_.Count();
}

std::string StringItems::Get(int index) const {
  return list_[index];
}

void StringItems::Set(int index, const std::string& text) {
  list_.Put(index, text);
}

bool IsItemKey(std::string_view key) {
  return key == "\"";
}

bool IsHintKey(std::string_view key) {
  return base::SameTextAscii(key, "\".hint");
}

EntryReader::EntryReader(const TBaseMultiLang& component, std::int32_t counter)
    : words_(component.Words()),
      entrySize_(component.Languages() + 1),
      active_(component.ActiveLanguage()),
      default_(component.DefaultLanguage()),
      defaultEnabled_(component.DefaultEnabled()),
      c_(counter) {}

std::int64_t EntryReader::Lines() const {
  return words_.Count();
}

bool EntryReader::AtItemKey() const {
  return c_ < Lines() && IsItemKey(words_[static_cast<int>(c_)]);
}

const std::string& EntryReader::Text() const {
  static const std::string kEmpty;
  return textLine_ < 0 ? kEmpty : words_[static_cast<int>(textLine_)];
}

bool EntryReader::TakeText() {
  if (!HasActiveLine()) return false;
  textLine_ = c_ + active_ + 1;
  if (words_[static_cast<int>(textLine_)].empty() && defaultEnabled_) {
    // An entry cut short before the default language's line yields the empty text.
    const std::int64_t fallback = c_ + default_ + 1;
    textLine_ = fallback < Lines() ? fallback : -1;
  }
  c_ += entrySize_;
  return true;
}

bool EntryReader::TakeHint() {
  if (c_ >= Lines()) return false;
  if (!IsHintKey(words_[static_cast<int>(c_)])) return false;
  if (!TakeText()) return false;
  return !Text().empty();
}

void EntryReader::FillList(ItemTexts& items) {
  if (!HasActiveLine() || items.Count() == 0) return;
  int i = 0;
  do {
    if (TakeText()) items.Set(i, Text());
    ++i;
    if (!AtItemKey()) break;
  } while (i < items.Count());
  for (; i < items.Count(); ++i) items.Set(i, std::string());
}

void EntryReader::FillItems(ItemTexts& items) {
  for (int i = 0; i < items.Count() && HasActiveLine(); ++i) {
    TakeText();
    items.Set(i, Text());
    if (!AtItemKey()) break;
  }
}

void EntryReader::FillFromItemEntries(ItemTexts& items) {
  for (int i = 0; HasActiveLine() && AtItemKey() && i < items.Count(); ++i) {
    TakeText();
    items.Set(i, Text());
  }
}

void EntryReader::FillNavigatorHints(tk::TDBNavigator& navigator) {
  if (!HasActiveLine()) return;
  tk::TStringList hints;
  do {
    // An item entry cut short by the end of the table ends the hints.
    if (!TakeText()) break;
    hints.Add(Text());
  } while (AtItemKey());
  navigator.SetHints(&hints);
}

}  // namespace ml
