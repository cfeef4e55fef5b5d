// The value-list editor: a two-column grid of key=value lines under a title row.
//
// Of the names the localization component asks for, TValueListEditor publishes "Hint" only.
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/Grids.h"

namespace tk {

class TValueListEditor : public TCustomGrid {
  TK_CLASS()

 public:
  explicit TValueListEditor(TComponent* owner);

  // The lines, each "key=value".
  TStrings& Strings() { return strings_; }
  const TStrings& Strings() const { return strings_; }
  void SetStrings(TObject* strings);
  // The texts of the title row: key column, value column.
  TStrings& TitleCaptions() { return titleCaptions_; }
  const TStrings& TitleCaptions() const { return titleCaptions_; }
  void SetTitleCaptions(TObject* captions);

  // After the strings changed: the rows follow the lines (one empty row when there are none),
  // the editor is drawn again and its in-place editor refreshed.
  void StringsChanged();
  // How often StringsChanged has run; the in-place editor shows what it read the last time.
  int RefreshCount() const { return refreshCount_; }

  // The key of a data row (from 1, below the title row).
  std::string Keys(std::int32_t row) const;
  // The value of the first line whose key matches (ASCII letters without regard to case).
  std::string Values(const std::string& key) const;
  // The title row shows TitleCaptions; the others show keys and values.
  std::string Cells(std::int32_t col, std::int32_t row) const;

 private:
  TStringList strings_;
  TStringList titleCaptions_;
  int refreshCount_ = 0;
};

}  // namespace tk
