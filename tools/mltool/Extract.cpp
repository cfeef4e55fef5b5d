#include "tools/mltool/Extract.h"

#include <cstddef>

#include "base/Ascii.h"
#include "toolkit/Grids.h"

namespace mltool {

namespace {

Entry AddedEntry(const CollectedBlock::Row& row, int languages, int activeLanguage) {
  Entry entry;
  entry.key = row.key;
  entry.texts.assign(static_cast<std::size_t>(languages), std::string());
  if (activeLanguage < languages) entry.texts[static_cast<std::size_t>(activeLanguage)] = row.text;
  return entry;
}

bool BlockBelongsTo(const std::string& key, const CollectedBlock& block) {
  if (key == kWindowKey) return block.isWindow;
  return !block.isWindow && base::SameTextAscii(key, block.name);
}

// The table's block from `first` on: its first entry and the continuation entries after it.
std::size_t BlockEnd(const Entries& table, std::size_t first) {
  std::size_t end = first + 1;
  while (end < table.size() && IsContinuationKey(table[end].key)) ++end;
  return end;
}

std::size_t CountNonHints(const std::vector<CollectedBlock::Row>& rows) {
  std::size_t n = 0;
  for (const CollectedBlock::Row& row : rows) n += IsHintKey(row.key) ? 0 : 1;
  return n;
}

class Aligner {
 public:
  Aligner(const std::vector<CollectedBlock>& collected, int languages, int activeLanguage)
      : collected_(collected),
        used_(collected.size(), false),
        languages_(languages),
        active_(activeLanguage) {}

  void TableBlock(const Entries& table, std::size_t first, std::size_t end) {
    const CollectedBlock* block = Claim(table[first].key);
    if (block == nullptr) {
      out_.insert(out_.end(), table.begin() + static_cast<std::ptrdiff_t>(first),
                  table.begin() + static_cast<std::ptrdiff_t>(end));
      return;
    }
    // New rows go after the block's last non-hint entry; a hint entry stays last.
    std::size_t lastText = first, tableTexts = 0;
    bool tableHasHint = false;
    for (std::size_t i = first; i < end; ++i) {
      if (IsHintKey(table[i].key)) {
        tableHasHint = true;
      } else {
        lastText = i;
        ++tableTexts;
      }
    }
    for (std::size_t i = first; i < end; ++i) {
      out_.push_back(table[i]);
      if (i == lastText) AddRowsFrom(*block, tableTexts);
    }
    if (!tableHasHint) {
      for (const CollectedBlock::Row& row : block->rows) {
        if (IsHintKey(row.key)) out_.push_back(AddedEntry(row, languages_, active_));
      }
    }
  }

  void Unclaimed(bool addNew, std::vector<std::string>& leftOut) {
    for (std::size_t b = 0; b < collected_.size(); ++b) {
      if (used_[b]) continue;
      if (!addNew) {
        leftOut.push_back(collected_[b].name);
        continue;
      }
      for (const CollectedBlock::Row& row : collected_[b].rows) {
        out_.push_back(AddedEntry(row, languages_, active_));
      }
    }
  }

  Entries Take() { return std::move(out_); }

 private:
  const CollectedBlock* Claim(const std::string& key) {
    if (IsContinuationKey(key)) return nullptr;
    for (std::size_t b = 0; b < collected_.size(); ++b) {
      if (!used_[b] && BlockBelongsTo(key, collected_[b])) {
        used_[b] = true;
        return &collected_[b];
      }
    }
    return nullptr;
  }

  // The block's non-hint rows past the first `skip`.
  void AddRowsFrom(const CollectedBlock& block, std::size_t skip) {
    if (CountNonHints(block.rows) <= skip) return;
    std::size_t seen = 0;
    for (const CollectedBlock::Row& row : block.rows) {
      if (IsHintKey(row.key)) continue;
      if (seen++ >= skip) out_.push_back(AddedEntry(row, languages_, active_));
    }
  }

  const std::vector<CollectedBlock>& collected_;
  std::vector<bool> used_;
  int languages_;
  int active_;
  Entries out_;
};

}  // namespace

std::vector<CollectedBlock> CollectWindowTexts(ml::TBaseMultiLang& localizer) {
  tk::TComponent& window = *localizer.Owner();
  const int column = localizer.ActiveLanguage() + 1;
  // The grid mirrors the table: the key, then a column per language. Collecting starts at the
  // empty last row and leaves one below what it wrote.
  tk::TStringGrid grid(nullptr);
  grid.SetColCount(localizer.Languages() + 1);
  grid.SetRowCount(1);

  std::vector<CollectedBlock> blocks;
  auto collect = [&](tk::TComponent& component, bool isWindow) {
    const std::int32_t first = grid.RowCount() - 1;
    localizer.CollectEntry(component, first, &grid);
    const std::int32_t end = grid.RowCount() - 1;
    if (end == first) return;
    CollectedBlock block{component.Name(), isWindow, {}};
    for (std::int32_t row = first; row < end; ++row) {
      block.rows.push_back({grid.Cells(0, row), grid.Cells(column, row)});
    }
    blocks.push_back(std::move(block));
  };
  collect(window, true);
  // A component without a name has no key that could name it in the table.
  for (int i = 0; i < window.OwnedCount(); ++i) {
    tk::TComponent& component = *window.OwnedComponent(i);
    if (!component.Name().empty()) collect(component, false);
  }
  return blocks;
}

Extraction LineUp(const Entries& table, const std::vector<CollectedBlock>& collected, int languages,
                  int activeLanguage, bool addNew) {
  Aligner aligner(collected, languages, activeLanguage);
  for (std::size_t first = 0; first < table.size();) {
    const std::size_t end = BlockEnd(table, first);
    aligner.TableBlock(table, first, end);
    first = end;
  }
  Extraction result;
  aligner.Unclaimed(addNew, result.leftOut);
  result.entries = aligner.Take();
  return result;
}

Extraction ExtractEntries(ml::TBaseMultiLang& localizer, bool addNew) {
  const int languages = localizer.Languages();
  return LineUp(EntriesOf(localizer.Words(), languages), CollectWindowTexts(localizer), languages,
                localizer.ActiveLanguage(), addNew);
}

}  // namespace mltool
