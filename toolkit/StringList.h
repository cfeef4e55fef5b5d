// An ordered list of strings, indexed from 0. Controls that show a list observe it, so that
// every change reaches the control as it is made.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/ListChange.h"
#include "toolkit/Object.h"

namespace tk {

using StringsChange = ListChange;

class TStrings : public TPersistent {
  TK_CLASS()

 public:
  // Told of every change: which kind, and the index it concerns (-1 for Reset).
  using Observer = std::function<void(StringsChange, int index)>;

  TStrings() = default;

  int Count() const { return static_cast<int>(items_.size()); }
  const std::string& Get(int index) const;
  const std::string& operator[](int index) const { return Get(index); }
  void Put(int index, const std::string& s);
  int Add(const std::string& s);
  void Insert(int index, const std::string& s);
  void Delete(int index);
  void Clear();
  // Replaces all items by those of `source` (item copy; the list object itself stays).
  void Assign(const TStrings& source);
  void Assign(std::vector<std::string> items);
  const std::vector<std::string>& Items() const { return items_; }

  // Replaces all items by the parts of `text` split at every ",", empty ones included.
  void SetCommaText(std::string_view text);
  // All items joined with "," (an empty list gives an empty string).
  std::string JoinWithCommas() const;
  // Items joined with CR LF, each followed by it.
  std::string Text() const;
  void SetText(std::string_view text);
  int IndexOf(std::string_view s) const;

  void SetObserver(Observer observer) { observer_ = std::move(observer); }

 private:
  void Notify(StringsChange change, int index) const {
    if (observer_) observer_(change, index);
  }
  void CheckIndex(int index) const;

  std::vector<std::string> items_;
  Observer observer_;
};

class TStringList : public TStrings {
  TK_CLASS()
};

// Splits at every separator, keeping empty parts (also a trailing one).
std::vector<std::string> SplitKeepEmpty(std::string_view text, char separator);

}  // namespace tk
