#include "tools/mltool/Csv.h"

#include <cstddef>

#include "tools/mltool/TextLines.h"

namespace mltool {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

char DetectSeparator(std::string_view s) {
  bool quoted = false;
  for (char c : s) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '\r' || c == '\n') break;
    if (c == ',' || c == ';' || c == '\t') return c;
  }
  return ',';
}

class Reader {
 public:
  Reader(std::string_view text, char separator) : s_(text), sep_(separator) {}

  std::vector<CsvRecord> ReadAll() {
    std::vector<CsvRecord> records;
    while (pos_ < s_.size()) records.push_back(ReadRecord());
    return records;
  }

 private:
  CsvRecord ReadRecord() {
    CsvRecord record;
    record.line = line_;
    for (;;) {
      record.fields.push_back(ReadField());
      if (pos_ >= s_.size()) return record;
      const char c = s_[pos_];
      if (c == sep_) {
        ++pos_;
        continue;
      }
      SkipLineEnd();  // ReadField stops only at a separator or a line end
      return record;
    }
  }

  std::string ReadField() {
    if (pos_ < s_.size() && s_[pos_] == '"') return ReadQuoted();
    std::string field;
    while (pos_ < s_.size()) {
      const char c = s_[pos_];
      if (c == sep_ || c == '\r' || c == '\n') break;
      if (c == '"') throw CsvError(line_, "a quote inside a field that does not begin with one");
      field += c;
      ++pos_;
    }
    return field;
  }

  std::string ReadQuoted() {
    const int start = line_;
    ++pos_;
    std::string field;
    for (;;) {
      if (pos_ >= s_.size()) throw CsvError(start, "a quoted field is not closed");
      const char c = s_[pos_];
      if (c == '"') {
        if (pos_ + 1 < s_.size() && s_[pos_ + 1] == '"') {
          field += '"';
          pos_ += 2;
          continue;
        }
        ++pos_;
        break;
      }
      if (c == '\n' || (c == '\r' && (pos_ + 1 == s_.size() || s_[pos_ + 1] != '\n'))) ++line_;
      field += c;
      ++pos_;
    }
    if (pos_ < s_.size() && s_[pos_] != sep_ && s_[pos_] != '\r' && s_[pos_] != '\n') {
      if (line_ == start) throw CsvError(line_, "text after the closing quote of a field");
      // Most likely this field's closing quote is missing and a later field's opening quote
      // closed it: the field's first line is the one to look at.
      throw CsvError(start, "a quoted field begins here and runs to line " + std::to_string(line_) +
                                ", where text follows its closing quote: is a quote missing?");
    }
    return field;
  }

  void SkipLineEnd() {
    if (s_[pos_] == '\r') ++pos_;
    if (pos_ < s_.size() && s_[pos_] == '\n') ++pos_;
    ++line_;
  }

  std::string_view s_;
  char sep_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

bool NeedsQuotes(std::string_view field) {
  if (field.find_first_of(",;\t\"\r\n") != std::string_view::npos) return true;
  // Spreadsheets may trim blanks at the ends of unquoted fields.
  return !field.empty() && (field.front() == ' ' || field.back() == ' ');
}

}  // namespace

std::vector<CsvRecord> ReadCsv(std::string_view text) {
  if (text.substr(0, kBom.size()) == kBom) text.remove_prefix(kBom.size());
  if (const int bad = FirstBadUtf8Line(text); bad != 0) {
    throw CsvError(bad, "bytes that are not UTF-8 (save the file as CSV in UTF-8)");
  }
  return Reader(text, DetectSeparator(text)).ReadAll();
}

std::string WriteCsv(const std::vector<std::vector<std::string>>& records) {
  std::string out(kBom);
  for (const std::vector<std::string>& record : records) {
    for (std::size_t i = 0; i < record.size(); ++i) {
      if (i > 0) out += ',';
      const std::string& field = record[i];
      if (!NeedsQuotes(field)) {
        out += field;
        continue;
      }
      out += '"';
      for (char c : field) {
        if (c == '"') out += '"';
        out += c;
      }
      out += '"';
    }
    out += "\r\n";
  }
  return out;
}

}  // namespace mltool
