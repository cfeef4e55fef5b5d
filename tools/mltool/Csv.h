// Comma-separated values as spreadsheet programs read and write them: fields quoted when they hold
// a separator, a quote or a line break, quotes doubled inside, UTF-8 with a byte-order mark so the
// programs take the encoding for what it is, records ended by CR LF.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace mltool {

struct CsvRecord {
  int line = 0;  // where the record begins, counted from 1
  std::vector<std::string> fields;
};

// A file that is no well-formed CSV, with the line at fault.
class CsvError : public std::runtime_error {
 public:
  CsvError(int line, const std::string& message) : std::runtime_error(message), line_(line) {}
  int Line() const { return line_; }

 private:
  int line_;
};

// Reads every record. A leading byte-order mark is skipped. The separator is the first comma,
// semicolon or tab outside quotes on the first line (spreadsheets in some locales write
// semicolons), a comma when there is none. Records end at CR LF, LF or CR; line breaks inside
// quoted fields are kept as they are. Raises CsvError for bytes that are not UTF-8, a quote that
// is never closed, a quote inside an unquoted field and text after a closing quote.
std::vector<CsvRecord> ReadCsv(std::string_view text);

// Writes the records comma-separated, each ended by CR LF, after a byte-order mark.
std::string WriteCsv(const std::vector<std::vector<std::string>>& records);

}  // namespace mltool
