// What the fuzz targets share: a fresh headless application for each input, the input read as
// lines in sections and as a line of choices, and the abort that reports a broken promise (so
// libFuzzer keeps the input that broke it).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "tests/multilang/RandomWindow.h"
#include "toolkit/headless/HeadlessBackend.h"

namespace fuzz {

[[noreturn]] void Broken(std::string_view what);
inline void Require(bool holds, std::string_view what) {
  if (!holds) Broken(what);
}

// The headless backend as the application's window system for one input; every dialog is
// recorded and answered from the session's script (unanswered ones as a closed dialog).
class HeadlessSession {
 public:
  HeadlessSession();
  ~HeadlessSession();
  HeadlessSession(const HeadlessSession&) = delete;
  HeadlessSession& operator=(const HeadlessSession&) = delete;
  tk::RecordingDialogs& Dialogs() { return backend_.Recorded(); }

 private:
  tk::HeadlessBackend backend_;
};

// The input's lines, split at line feeds, in sections: the lines before the first marker line,
// then those after each marker in turn (a marker that is missing leaves its section empty).
std::vector<std::vector<std::string>> Sections(std::string_view input,
                                               std::initializer_list<std::string_view> markers);

// Choices from the bytes of a line, a digit standing for its value and any other byte for its
// code; once the line is used up, from a generator seeded with the line, so that a short line
// still gives full windows.
class LineChoices : public randomwindow::Choices {
 public:
  explicit LineChoices(std::string line);
  int Below(int n) override;

 private:
  std::string line_;
  std::size_t next_ = 0;
  std::uint64_t state_;
};

// A line of choices, then the input's sections as Sections gives them.
struct ChosenInput {
  LineChoices choices;
  std::vector<std::vector<std::string>> sections;
};
ChosenInput ReadChosenInput(const std::uint8_t* data, std::size_t size,
                            std::initializer_list<std::string_view> markers);

}  // namespace fuzz
