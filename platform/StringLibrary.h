// String libraries: resource libraries whose string tables are read by numeric id. Loading one
// never runs code of it. A library stays loaded while its object lives.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/OsError.h"

namespace plat {

// Strings are read into a buffer of 300 characters, the last kept for the terminator.
inline constexpr std::size_t kMaxLibraryStringChars = 299;

struct LibraryString {
  // UTF-8: the stored string cut to kMaxLibraryStringChars UTF-16 units.
  std::string text;
  // The UTF-16 units copied; 0 for a missing or empty string.
  std::int32_t length = 0;
  // The error the lookup reported: 0 for a string that is present, empty, or missing inside a
  // block of 16 ids that holds other strings; an error code when the id's block is missing. Ids
  // past the largest a string table can hold always report an error, so a search that steps
  // through ids ends.
  OsError error = err::kSuccess;
};

class StringLibrary {
 public:
  virtual ~StringLibrary() = default;
  virtual LibraryString ReadString(std::uint32_t id) = 0;
};

class StringLibraries {
 public:
  virtual ~StringLibraries() = default;
  // Null when the file is missing or no resource library. A relative path is taken relative to
  // the current directory, never searched for along the library path.
  virtual std::unique_ptr<StringLibrary> Load(std::string_view path) = 0;
};

}  // namespace plat
