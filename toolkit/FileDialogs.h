// The open and save file dialogs: non-visual components that keep what the dialog shows.
//
// Of the names the localization component asks for, TOpenDialog and TSaveDialog publish none.
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/Component.h"

namespace tk {

class TCommonDialog : public TComponent {
  TK_CLASS()

 public:
  explicit TCommonDialog(TComponent* owner) : TComponent(owner) {}
};

class TOpenDialog : public TCommonDialog {
  TK_CLASS()

 public:
  explicit TOpenDialog(TComponent* owner) : TCommonDialog(owner) {}
  // The dialog's caption; empty shows the system's own.
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title) { title_ = title; }
  // "description|mask|description|mask...".
  const std::string& Filter() const { return filter_; }
  void SetFilter(const std::string& filter) { filter_ = filter; }
  // The filter shown first, counted from 1.
  std::int32_t FilterIndex() const { return filterIndex_; }
  void SetFilterIndex(std::int32_t index) { filterIndex_ = index; }
  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& name) { fileName_ = name; }
  const std::string& DefaultExt() const { return defaultExt_; }
  void SetDefaultExt(const std::string& ext) { defaultExt_ = ext; }
  const std::string& InitialDir() const { return initialDir_; }
  void SetInitialDir(const std::string& dir) { initialDir_ = dir; }

  // Shows the dialog modally. True when the user chose a file: FileName and FilterIndex then hold
  // the choice.
  bool Execute();

 private:
  std::string title_, filter_, fileName_, defaultExt_, initialDir_;
  std::int32_t filterIndex_ = 1;
};

class TSaveDialog : public TOpenDialog {
  TK_CLASS()

 public:
  explicit TSaveDialog(TComponent* owner) : TOpenDialog(owner) {}
};

}  // namespace tk
