#include "tools/mltool/TranslationTable.h"

#include <algorithm>
#include <cstddef>

#include "base/Ascii.h"
#include "tools/mltool/Csv.h"
#include "tools/mltool/ToolError.h"

namespace mltool {

namespace {

// Texts edited in spreadsheets come back with line feeds alone; the table separates lines by
// CR LF.
std::string TableLineBreaks(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

bool IsLanguageHeading(std::string_view field, int language) {
  const std::string number = std::to_string(language);
  if (field.substr(0, number.size()) != number) return false;
  return field.size() == number.size() || field[number.size()] == ' ';
}

void CheckHeader(const CsvRecord& header, int languages) {
  const std::size_t expected = static_cast<std::size_t>(languages) + 1;
  if (header.fields.empty() || !base::SameTextAscii(header.fields[0], "key")) {
    throw ToolError("the header must begin with \"key\"", header.line);
  }
  if (header.fields.size() != expected) {
    throw ToolError("the header names " + std::to_string(header.fields.size() - 1) +
                        " languages; the window's table has " + std::to_string(languages),
                    header.line);
  }
  for (int language = 0; language < languages; ++language) {
    const std::string& field = header.fields[static_cast<std::size_t>(language) + 1];
    if (!IsLanguageHeading(field, language)) {
      throw ToolError("column " + std::to_string(language + 2) +
                          " of the header must be language " + std::to_string(language) +
                          ", not \"" + field + "\"",
                      header.line);
    }
  }
}

bool AllEmpty(const std::vector<std::string>& fields) {
  return std::all_of(fields.begin(), fields.end(), [](const std::string& f) { return f.empty(); });
}

}  // namespace

std::optional<int> LanguageNumber(std::string_view text) {
  if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != text.npos) {
    return std::nullopt;
  }
  return std::stoi(std::string(text));
}

bool IsContinuationKey(std::string_view key) {
  return !key.empty() && key.front() == '"';
}

bool IsHintKey(std::string_view key) {
  return base::AsciiLowerCase(key) == "\".hint";
}

Entries EntriesOf(const tk::TStrings& words, int languages) {
  const int size = languages + 1;
  if (words.Count() % size != 0) {
    throw ToolError("the window's table has " + std::to_string(words.Count()) +
                    " lines, which are no whole entries of a key and " + std::to_string(languages) +
                    " texts");
  }
  Entries entries;
  for (int i = 0; i < words.Count(); i += size) {
    // A translation file's row needs its key: merge refuses one without.
    if (words[i].empty()) {
      throw ToolError("the window's table has an entry without a key at its line " +
                      std::to_string(i + 1));
    }
    Entry entry;
    entry.key = words[i];
    for (int k = 1; k < size; ++k) entry.texts.push_back(words[i + k]);
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::vector<std::string> WordsOf(const Entries& entries) {
  std::vector<std::string> words;
  for (const Entry& entry : entries) {
    words.push_back(entry.key);
    words.insert(words.end(), entry.texts.begin(), entry.texts.end());
  }
  return words;
}

std::string WriteTranslationFile(const Entries& entries, int languages) {
  std::vector<std::vector<std::string>> records;
  std::vector<std::string> header{"key"};
  for (int language = 0; language < languages; ++language) {
    header.push_back(std::to_string(language));
  }
  records.push_back(std::move(header));
  for (const Entry& entry : entries) {
    std::vector<std::string> record{entry.key};
    record.insert(record.end(), entry.texts.begin(), entry.texts.end());
    records.push_back(std::move(record));
  }
  return WriteCsv(records);
}

Entries ReadTranslationFile(std::string_view text, int languages) {
  std::vector<CsvRecord> records;
  try {
    records = ReadCsv(text);
  } catch (const CsvError& e) {
    throw ToolError(e.what(), e.Line());
  }
  if (records.empty()) throw ToolError("the file is empty; it needs at least its header", 1);
  CheckHeader(records.front(), languages);

  const std::size_t expected = static_cast<std::size_t>(languages) + 1;
  Entries entries;
  for (std::size_t r = 1; r < records.size(); ++r) {
    const CsvRecord& record = records[r];
    if (AllEmpty(record.fields)) continue;
    if (record.fields.size() != expected) {
      throw ToolError("the row has " + std::to_string(record.fields.size()) + " fields; it needs " +
                          std::to_string(expected) + ": the key and " + std::to_string(languages) +
                          " texts",
                      record.line);
    }
    if (record.fields[0].empty()) throw ToolError("the row has an empty key", record.line);
    Entry entry;
    entry.line = record.line;
    entry.key = TableLineBreaks(record.fields[0]);
    for (std::size_t k = 1; k < expected; ++k) {
      entry.texts.push_back(TableLineBreaks(record.fields[k]));
    }
    entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace mltool
