// Reading one component's block of the translation table: the entry counter, the text taken
// last, and the walks that feed a control's lists. A block is the component entry, any number of
// item entries (key "\"") and at most one hint entry (key "\".Hint", any case).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tk {
class TStrings;
class TDBNavigator;
}  // namespace tk

namespace ml {

class TBaseMultiLang;

// The texts of a control's list, by position: string-list items, collection items, tree nodes.
// Writing sets them, collecting gets them.
class ItemTexts {
 public:
  virtual int Count() const = 0;
  virtual std::string Get(int index) const = 0;
  virtual void Set(int index, const std::string& text) = 0;

 protected:
  ~ItemTexts() = default;
};

// A string list whose items are replaced in place.
class StringItems final : public ItemTexts {
 public:
  explicit StringItems(tk::TStrings& list) : list_(list) {}
  int Count() const override;
  std::string Get(int index) const override;
  void Set(int index, const std::string& text) override;

 private:
  tk::TStrings& list_;
};

bool IsItemKey(std::string_view key);
bool IsHintKey(std::string_view key);

class EntryReader {
 public:
  // Reads the component's table with its current languages, from the key line `counter`.
  EntryReader(const TBaseMultiLang& component, std::int32_t counter);

  // The key line of the next entry to be read.
  std::int32_t Counter() const { return static_cast<std::int32_t>(c_); }
  const std::string& Text() const;

  // Takes the entry's text by the text selection rule and steps past the entry; false, with
  // nothing taken, when the entry has no line for the active language.
  bool TakeText();
  // Takes a hint entry at the counter; true when its text is not empty.
  bool TakeHint();

  // Item 0 takes the entry at the counter whatever its key, the others item entries; items
  // without an entry are emptied, entries beyond the last item stay.
  void FillList(ItemTexts& items);
  // As FillList, but items without an entry keep their texts.
  void FillItems(ItemTexts& items);
  // Only item entries feed items, the first one included.
  void FillFromItemEntries(ItemTexts& items);
  // One hint per entry of the block, the component entry's first; as many as the block holds.
  void FillNavigatorHints(tk::TDBNavigator& navigator);

 private:
  bool HasActiveLine() const { return c_ + active_ + 1 < Lines(); }
  bool AtItemKey() const;
  std::int64_t Lines() const;

  const tk::TStrings& words_;
  const std::int64_t entrySize_;
  const std::int64_t active_;
  const std::int64_t default_;
  const bool defaultEnabled_;
  // Wider than the caller's counter: a table's last entry may end before the active language.
  std::int64_t c_;
  // The line of the text taken last, read when asked for rather than copied; -1: the empty text.
  std::int64_t textLine_ = -1;
};

}  // namespace ml
