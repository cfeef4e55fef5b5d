#include "tools/mltool/PoReader.h"

#include <gettext-po.h>

#include <csetjmp>
#include <cstddef>
#include <cstdlib>
#include <memory>

#include "base/Ascii.h"
#include "base/Utf8.h"
#include "tools/mltool/PoFile.h"
#include "tools/mltool/TextLines.h"
#include "tools/mltool/ToolError.h"

namespace mltool {

namespace {

// What the library reported while reading one file. Its handlers take no argument of ours, and the
// library keeps its own state in globals too, so one file is read at a time.
struct Problems {
  std::string message;
  int line = 0;
  bool any = false;
  std::jmp_buf fatal;
};
Problems* current = nullptr;

void Note(int severity, const char* filename, std::size_t lineno, const char* text) {
  if (current == nullptr || severity == PO_SEVERITY_WARNING || current->any) return;
  current->any = true;
  current->message = text != nullptr ? text : "the file is no PO file";
  while (!current->message.empty() && current->message.back() == '\n') current->message.pop_back();
  if (filename != nullptr && lineno != static_cast<std::size_t>(-1)) {
    current->line = static_cast<int>(lineno);
  }
}

// The library must not go on after a fatal error, and would end the process itself: leave the read
// for the caller, which refuses the file. The frames skipped are the library's own C frames.
[[noreturn]] void Abandon() {
  if (current == nullptr) std::abort();  // a fatal error outside a read: none is expected
  std::longjmp(current->fatal, 1);
}

void OnError(int severity, po_message_t, const char* filename, std::size_t lineno, std::size_t, int,
             const char* text) {
  Note(severity, filename, lineno, text);
  if (severity == PO_SEVERITY_FATAL_ERROR) Abandon();
}

void OnError2(int severity, po_message_t, const char* filename, std::size_t lineno, std::size_t,
              int, const char* text, po_message_t, const char*, std::size_t, std::size_t, int,
              const char*) {
  Note(severity, filename, lineno, text);
  if (severity == PO_SEVERITY_FATAL_ERROR) Abandon();
}

const po_xerror_handler kHandler = {OnError, OnError2};

// Nothing here has a destructor: Abandon jumps back into this frame.
po_file_t ReadWithLibrary(const char* path, Problems& problems) {
  current = &problems;
  po_file_t volatile file = nullptr;
  if (setjmp(problems.fatal) == 0) file = po_file_read(path, &kHandler);
  current = nullptr;
  return file;
}

struct FileDeleter {
  void operator()(po_file_t file) const { po_file_free(file); }
};
struct IteratorDeleter {
  void operator()(po_message_iterator_t it) const { po_message_iterator_free(it); }
};
struct Freed {
  void operator()(void* p) const { std::free(p); }
};

bool StartsKeyword(std::string_view line, std::string_view keyword) {
  return line.substr(0, keyword.size()) == keyword && line.size() > keyword.size() &&
         (line[keyword.size()] == ' ' || line[keyword.size()] == '\t' ||
          line[keyword.size()] == '"');
}

// The line where every message begins (its msgctxt, else its msgid), obsolete ones ("#~ msgid")
// among them, in file order: the library keeps no reading position for a message that it hands
// out, and the gettext tools begin a line with each keyword.
std::vector<int> MessageLines(std::string_view text) {
  std::vector<int> lines;
  bool afterContext = false;
  int line = 0;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view s = text.substr(start, end - start);
    ++line;
    start = end + 1;
    const auto skipBlanks = [&s] {
      while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    };
    skipBlanks();
    if (s.substr(0, 2) == "#~") {
      s.remove_prefix(2);
      skipBlanks();
    }
    if (StartsKeyword(s, "msgctxt")) {
      lines.push_back(line);
      afterContext = true;
    } else if (StartsKeyword(s, "msgid")) {
      if (!afterContext) lines.push_back(line);
      afterContext = false;
    } else if (s.substr(0, 3) == "msg") {
      afterContext = false;
    }
  }
  return lines;
}

std::optional<std::string> HeaderField(const char* header, const char* name) {
  const std::unique_ptr<char, Freed> value(po_header_field(header, name));
  if (!value) return std::nullopt;
  return std::string(value.get());
}

void CheckCharset(const std::optional<std::string>& contentType, int headerLine) {
  if (!contentType) return;
  const std::string lower = base::AsciiLowerCase(*contentType);
  const std::size_t at = lower.find("charset=");
  if (at == std::string::npos) return;
  std::string charset = lower.substr(at + 8);
  charset = charset.substr(0, charset.find_first_of(" ;"));
  if (charset != "utf-8" && charset != "utf8") {
    throw ToolError("the file's charset is " + contentType->substr(at + 8) +
                        "; the tool reads UTF-8 (msgconv --to-code=UTF-8 converts the file)",
                    headerLine);
  }
}

}  // namespace

PoCatalog ReadPoFile(const std::string& path, std::string_view text) {
  if (const int bad = FirstBadUtf8Line(text); bad != 0) {
    throw ToolError("bytes that are not UTF-8 (save the file in UTF-8)", bad);
  }
  Problems problems;
  // The library reads standard input for "-".
  const std::string libraryPath = path == "-" ? "./-" : path;
  const std::unique_ptr<po_file, FileDeleter> file(ReadWithLibrary(libraryPath.c_str(), problems));
  if (problems.any) throw ToolError(problems.message, problems.line);
  if (!file) throw ToolError("cannot read the file");
  const char* const* domains = po_file_domains(file.get());
  if (domains[0] != nullptr && domains[1] != nullptr) {
    throw ToolError("the file holds several domains; the tool takes one window's texts");
  }

  const std::vector<int> lines = MessageLines(text);
  PoCatalog catalog;
  const std::unique_ptr<struct po_message_iterator, IteratorDeleter> it(
      po_message_iterator(file.get(), nullptr));
  std::size_t count = 0;
  for (po_message_t m = po_next_message(it.get()); m != nullptr; m = po_next_message(it.get())) {
    const int line = count < lines.size() ? lines[count] : 0;
    ++count;
    const char* context = po_message_msgctxt(m);
    const bool isHeader = context == nullptr && *po_message_msgid(m) == '\0';
    if (isHeader && !po_message_is_obsolete(m)) {
      const char* header = po_message_msgstr(m);
      CheckCharset(HeaderField(header, "Content-Type"), line);
      catalog.tableLanguage = HeaderField(header, std::string(kTableLanguageField).c_str());
    }
    if (isHeader || po_message_is_obsolete(m)) continue;
    PoMessage message;
    if (context != nullptr) message.context = context;
    message.id = po_message_msgid(m);
    message.plural = po_message_msgid_plural(m) != nullptr;
    message.translation = message.plural ? "" : po_message_msgstr(m);
    message.fuzzy = po_message_is_fuzzy(m) != 0;
    message.line = line;
    // Escapes ("\\xFF") make bytes that the file itself does not hold.
    for (const std::string* text : {&message.id, &message.translation}) {
      if (base::FirstInvalidUtf8(*text) != std::string::npos) {
        throw ToolError("the message's escapes make bytes that are not UTF-8", line);
      }
    }
    catalog.messages.push_back(std::move(message));
  }
  // A line found for each message, or none: a count that differs means the file's layout misled
  // the scan, and a wrong line is worse than none.
  if (count != lines.size()) {
    for (PoMessage& message : catalog.messages) message.line = 0;
  }
  return catalog;
}

}  // namespace mltool
