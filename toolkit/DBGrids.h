// The data grid: a grid whose columns show fields, each under a title.
//
// Of the names the localization component asks for, TDBGrid publishes "ReadOnly" and "Hint"
// (no "Text" or "Lines": its texts are its columns' titles). Its columns are published but not
// stored.
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/Collections.h"
#include "toolkit/Grids.h"

namespace tk {

class TColumn;

// The title of a grid column: its own caption, else the column's field name.
class TColumnTitle : public TPersistent {
  TK_CLASS()

 public:
  explicit TColumnTitle(TColumn& column) : column_(column) {}
  std::string Caption() const;
  void SetCaption(const std::string& caption);
  // Whether the title has a caption of its own.
  bool CaptionAssigned() const { return assigned_; }

 private:
  TColumn& column_;
  std::string caption_;
  bool assigned_ = false;
};

class TColumn : public TCollectionItem {
  TK_CLASS()

 public:
  TColumn() : title_(*this) {}
  TColumnTitle& Title() { return title_; }
  const TColumnTitle& Title() const { return title_; }
  const std::string& FieldName() const { return fieldName_; }
  void SetFieldName(const std::string& name);
  std::int32_t Width() const { return width_; }
  void SetWidth(std::int32_t width);

 private:
  friend class TColumnTitle;
  TColumnTitle title_;
  std::string fieldName_;
  std::int32_t width_ = 64;
};

class TDBGridColumns : public TOwnedCollection<TColumn> {
  TK_CLASS()
};

// The first column is the record indicator; one grid column follows per data column.
class TCustomDBGrid : public TCustomGrid {
  TK_CLASS()

 public:
  explicit TCustomDBGrid(TComponent* owner);
  TDBGridColumns& Columns() { return columns_; }
  const TDBGridColumns& Columns() const { return columns_; }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool on);

 private:
  TDBGridColumns columns_;
  bool readOnly_ = false;
};

class TDBGrid : public TCustomDBGrid {
  TK_CLASS()

 public:
  explicit TDBGrid(TComponent* owner) : TCustomDBGrid(owner) {}
};

}  // namespace tk
