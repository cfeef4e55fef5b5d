// String libraries held in memory by path. Lookups follow the system's string tables: strings
// live in blocks of 16 ids, a missing id inside a block that holds any string (an empty one
// included) reads as empty without error, and one in a block that holds none reports error 1814.
// Loads, releases and reads are counted for tests.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/StringLibrary.h"

namespace plat {

class FakeStringLibraries : public StringLibraries {
 public:
  using Strings = std::map<std::uint32_t, std::string>;

  FakeStringLibraries();

  // A library at `path` (matched without regard to case); replaces one there. Any other path
  // fails to load, as a missing file does.
  void AddLibrary(std::string_view path, Strings strings);
  // Loading `path` fails from now on, as for a file that is no resource library.
  void FailLoad(std::string_view path);

  std::unique_ptr<StringLibrary> Load(std::string_view path) override;

  int Loads() const { return state_->loads; }
  int Releases() const { return state_->releases; }
  // Every path asked for, in order, also those that failed.
  const std::vector<std::string>& Requests() const { return state_->requests; }
  // Every id read, in order, from all libraries.
  const std::vector<std::uint32_t>& Reads() const { return state_->reads; }

 private:
  class Library;
  // Shared with the loaded libraries, so a library may outlive this object.
  struct State {
    int loads = 0;
    int releases = 0;
    std::vector<std::string> requests;
    std::vector<std::uint32_t> reads;
  };

  std::map<std::string, std::shared_ptr<const Strings>> libraries_;  // by folded path
  std::set<std::string> failing_;                                    // folded paths
  std::shared_ptr<State> state_;
};

// The lookup of `id` in a string table, exposed for the tests of the rules.
LibraryString LookUpString(const FakeStringLibraries::Strings& strings, std::uint32_t id);

}  // namespace plat
