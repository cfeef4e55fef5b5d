#include "tools/mltool/PoFile.h"

#include <cstddef>
#include <map>

namespace mltool {

namespace {

// A PO string literal's body: gettext's C escapes for what a quoted string cannot hold. Other
// control characters in octal, not as the description's "\x": gettext's "\x" takes every hex
// digit that follows, letters of the text too.
std::string Escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '"':
        out += "\\\"";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          const auto u = static_cast<unsigned char>(c);
          out += '\\';
          out += static_cast<char>('0' + (u >> 6));
          out += static_cast<char>('0' + ((u >> 3) & 7));
          out += static_cast<char>('0' + (u & 7));
        } else {
          out += c;
        }
    }
  }
  return out;
}

// `keyword "text"`; a text of several lines as gettext writes it: an empty first string, then one
// string per line, each ending with its "\n".
std::string Field(std::string_view keyword, std::string_view text) {
  std::string out(keyword);
  const std::size_t firstBreak = text.find('\n');
  if (firstBreak == std::string_view::npos || firstBreak + 1 == text.size()) {
    return out + " \"" + Escaped(text) + "\"\n";
  }
  out += " \"\"\n";
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t lineBreak = text.find('\n', start);
    const std::size_t end = lineBreak == std::string_view::npos ? text.size() : lineBreak + 1;
    out += "\"" + Escaped(text.substr(start, end - start)) + "\"\n";
    start = end;
  }
  return out;
}

std::string Header(const PoCatalogInfo& info) {
  const bool isTemplate = !info.language.has_value();
  std::string fields = "Project-Id-Version: " + info.className + "\n" +
                       "POT-Creation-Date: " + info.date + "\n" + "PO-Revision-Date: " + info.date +
                       "\n" + "Last-Translator: mltool\n" + "Language-Team: none\n";
  if (!info.languageCode.empty()) fields += "Language: " + info.languageCode + "\n";
  fields +=
      "MIME-Version: 1.0\n"
      "Content-Type: text/plain; charset=UTF-8\n"
      "Content-Transfer-Encoding: 8bit\n";
  if (!isTemplate) {
    fields += std::string(kTableLanguageField) + ": " + std::to_string(*info.language) + "\n";
  }
  std::string comment = "# " + info.className + " (" + info.descriptionName + "): ";
  comment += isTemplate ? "template of the texts to translate, made by mltool po-export.\n"
                        : "language " + std::to_string(*info.language) +
                              " of the window's table, made by mltool po-export.\n";
  return comment + Field("msgid", "") + Field("msgstr", fields);
}

}  // namespace

std::vector<std::string> EntryContexts(const Entries& entries, std::string_view className) {
  std::vector<std::string> contexts;
  std::map<std::string, int> seen;
  std::string owner;
  int item = 0;
  for (const Entry& entry : entries) {
    std::string key;
    if (!IsContinuationKey(entry.key)) {
      owner = entry.key;
      item = 0;
      key = entry.key;
    } else if (entry.key == "\"") {
      key = owner + "\"" + std::to_string(++item);
    } else {
      key = owner + entry.key;
    }
    std::string context = std::string(className) + "|" + key;
    const int repeat = ++seen[context];
    if (repeat > 1) context += "~" + std::to_string(repeat);
    contexts.push_back(std::move(context));
  }
  return contexts;
}

bool HasMessage(const Entry& entry, int defaultLanguage) {
  return !entry.texts[static_cast<std::size_t>(defaultLanguage)].empty();
}

std::string PoText(std::string_view tableText) {
  std::string out;
  out.reserve(tableText.size());
  for (std::size_t i = 0; i < tableText.size(); ++i) {
    if (tableText[i] == '\r' && i + 1 < tableText.size() && tableText[i + 1] == '\n') continue;
    out += tableText[i];
  }
  return out;
}

std::string TableText(std::string_view poText) {
  std::string out;
  out.reserve(poText.size());
  for (const char c : poText) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

std::string WritePoFile(const Entries& entries, const PoCatalogInfo& info) {
  const std::vector<std::string> contexts = EntryContexts(entries, info.className);
  const auto column = [](int language) { return static_cast<std::size_t>(language); };
  std::string out = Header(info);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Entry& entry = entries[i];
    if (!HasMessage(entry, info.defaultLanguage)) continue;
    const std::string key = contexts[i].substr(info.className.size() + 1);
    out += "\n#: " + info.descriptionName + ":" + key + "\n";
    out += Field("msgctxt", contexts[i]);
    out += Field("msgid", PoText(entry.texts[column(info.defaultLanguage)]));
    out += Field("msgstr", info.language ? PoText(entry.texts[column(*info.language)]) : "");
  }
  return out;
}

}  // namespace mltool
