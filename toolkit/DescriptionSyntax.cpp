#include "toolkit/DescriptionSyntax.h"

#include "base/Ascii.h"
#include "base/Integer.h"
#include "base/Utf8.h"
#include "toolkit/Component.h"
#include "toolkit/Errors.h"
#include "toolkit/StringList.h"

namespace tk::desc {

namespace {

// Deeper nesting than any window needs; it keeps a malformed text from exhausting the stack.
constexpr int kMaxDepth = 100;

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// Decodes the quoted string that opens `s`; `end` receives the position after its closing quote.
std::string Unquote(std::string_view s, std::size_t& end, int line) {
  std::string out;
  std::size_t pos = 1;
  while (pos < s.size()) {
    const char c = s[pos++];
    if (c == '"') {
      end = pos;
      return out;
    }
    if (c != '\\') {
      out += c;
      continue;
    }
    if (pos >= s.size()) break;
    const char e = s[pos++];
    switch (e) {
      case '\\':
      case '"':
        out += e;
        break;
      case 'r':
        out += '\r';
        break;
      case 'n':
        out += '\n';
        break;
      case 't':
        out += '\t';
        break;
      case 'x': {
        const int high = pos < s.size() ? base::HexDigitValue(s[pos]) : -1;
        const int low = pos + 1 < s.size() ? base::HexDigitValue(s[pos + 1]) : -1;
        if (high < 0 || low < 0) Fail(line, "\\x needs two hexadecimal digits");
        out += static_cast<char>(high * 16 + low);
        pos += 2;
        break;
      }
      default:
        Fail(line, std::string("unknown escape \\") + e + " in string");
    }
  }
  Fail(line, "unterminated string");
}

std::string UnquoteWhole(std::string_view s, int line) {
  std::size_t end = 0;
  std::string text = Unquote(s, end, line);
  if (end != s.size())
    Fail(line, "unexpected text after the string: " + std::string(s.substr(end)));
  // Texts are UTF-8 everywhere inside: the Win32 backend would show other bytes as replacement
  // characters, and a translation file could not carry them.
  if (base::FirstInvalidUtf8(text) != std::string::npos) Fail(line, "the string is not UTF-8");
  return text;
}

class Parser {
 public:
  explicit Parser(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    std::size_t start = 0;
    while (start <= text.size()) {
      std::size_t end = text.find('\n', start);
      if (end == std::string_view::npos) end = text.size();
      lines_.push_back(text.substr(start, end - start));
      start = end + 1;
    }
  }

  ObjectNode ParseDocument() {
    Line first;
    if (!NextSignificant(first)) throw EReadError("The description holds no object");
    if (!IsHeader(first.text)) Fail(first.number, "expected 'object Name: TClass'");
    ObjectNode root = ParseHeader(first);
    ParseBody(root, 0);
    Line extra;
    if (NextSignificant(extra)) Fail(extra.number, "unexpected text after the root object's end");
    return root;
  }

 private:
  struct Line {
    int number = 0;
    std::string_view text;  // trimmed
  };

  // The next line that is neither blank nor a comment.
  bool NextSignificant(Line& out) {
    while (next_ < lines_.size()) {
      const std::string_view text = Trim(lines_[next_]);
      ++next_;
      if (text.empty() || text.front() == '#') continue;
      out = Line{static_cast<int>(next_), text};
      return true;
    }
    return false;
  }

  static bool IsEnd(std::string_view text) { return base::SameTextAscii(text, "end"); }

  static bool IsHeader(std::string_view text) {
    return text.size() > 6 && base::SameTextAscii(text.substr(0, 6), "object") &&
           (IsBlank(text[6]) || text[6] == ':') && text.find('=') == std::string_view::npos;
  }

  static ObjectNode ParseHeader(const Line& l) {
    const std::string_view rest = l.text.substr(6);
    const std::size_t colon = rest.find(':');
    if (colon == std::string_view::npos) Fail(l.number, "expected 'object Name: TClass'");
    ObjectNode node;
    node.line = l.number;
    node.name = std::string(Trim(rest.substr(0, colon)));
    node.className = std::string(Trim(rest.substr(colon + 1)));
    if (!node.name.empty() && !TComponent::IsValidIdent(node.name)) {
      Fail(l.number, "'" + node.name + "' is not a valid component name");
    }
    if (!TComponent::IsValidIdent(node.className)) {
      Fail(l.number, "'" + node.className + "' is not a valid class name");
    }
    return node;
  }

  void ParseBody(ObjectNode& node, int depth) {
    for (;;) {
      Line l;
      if (!NextSignificant(l)) Fail(node.line, "object " + node.name + " has no 'end'");
      if (IsEnd(l.text)) return;
      if (IsHeader(l.text)) {
        if (depth + 1 >= kMaxDepth) Fail(l.number, "objects nested too deeply");
        ObjectNode child = ParseHeader(l);
        ParseBody(child, depth + 1);
        node.children.push_back(std::move(child));
        continue;
      }
      node.properties.push_back(ParseProperty(l));
    }
  }

  PropertyLine ParseProperty(const Line& l) {
    const std::size_t eq = l.text.find('=');
    if (eq == std::string_view::npos) Fail(l.number, "expected 'Name = value', 'object' or 'end'");
    PropertyLine prop;
    prop.line = l.number;
    const std::string_view path = Trim(l.text.substr(0, eq));
    std::size_t start = 0;
    for (;;) {
      const std::size_t dot = path.find('.', start);
      const std::string_view part =
          path.substr(start, dot == std::string_view::npos ? std::string_view::npos : dot - start);
      if (!TComponent::IsValidIdent(part)) {
        Fail(l.number, "'" + std::string(path) + "' is not a valid property name");
      }
      prop.path.emplace_back(part);
      if (dot == std::string_view::npos) break;
      start = dot + 1;
    }
    ParseValue(prop, Trim(l.text.substr(eq + 1)));
    return prop;
  }

  void ParseValue(PropertyLine& prop, std::string_view v) {
    const int line = prop.line;
    Value& value = prop.value;
    if (v.empty()) Fail(line, "missing value for " + JoinPath(prop.path, prop.path.size()));
    if (v.front() == '"') {
      value.kind = Value::Kind::String;
      value.text = UnquoteWhole(v, line);
    } else if (v.front() == '[') {
      value.kind = Value::Kind::Set;
      if (v.back() != ']') Fail(line, "set has no closing ']'");
      const std::string_view inner = Trim(v.substr(1, v.size() - 2));
      if (inner.empty()) return;
      for (const std::string& part : SplitKeepEmpty(inner, ',')) {
        const std::string_view element = Trim(part);
        if (!TComponent::IsValidIdent(element)) {
          Fail(line, "invalid set element '" + std::string(element) + "'");
        }
        value.items.emplace_back(element);
      }
    } else if (v.front() == '(') {
      value.kind = Value::Kind::List;
      if (v.size() > 1) {
        if (Trim(v.substr(1)) != ")") Fail(line, "a list opens with '(' at the end of its line");
        return;
      }
      ParseListItems(prop);
    } else {
      for (char c : v) {
        if (IsBlank(c) || c == '"') Fail(line, "invalid value '" + std::string(v) + "'");
      }
      value.kind = Value::Kind::Word;
      value.text = std::string(v);
    }
  }

  void ParseListItems(PropertyLine& prop) {
    for (;;) {
      Line l;
      if (!NextSignificant(l)) {
        Fail(prop.line, "list " + JoinPath(prop.path, prop.path.size()) + " has no closing ')'");
      }
      if (l.text == ")") return;
      if (l.text.front() != '"') Fail(l.number, "expected a quoted string or ')' in a list");
      prop.value.items.push_back(UnquoteWhole(l.text, l.number));
    }
  }

  std::vector<std::string_view> lines_;
  std::size_t next_ = 0;
};

}  // namespace

ObjectNode Parse(std::string_view text) {
  return Parser(text).ParseDocument();
}

std::string JoinPath(const std::vector<std::string>& path, std::size_t last) {
  std::string out;
  for (std::size_t i = 0; i <= last && i < path.size(); ++i) {
    if (i > 0) out += '.';
    out += path[i];
  }
  return out;
}

std::string Quote(std::string_view s) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out = "\"";
  for (const char ch : s) {
    const auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '"':
        out += "\\\"";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20 || c == 0x7F) {
          out += "\\x";
          out += kHex[c >> 4];
          out += kHex[c & 0xF];
        } else {
          out += ch;  // UTF-8 sequences stay as they are
        }
    }
  }
  out += '"';
  return out;
}

[[noreturn]] void Fail(int line, const std::string& what) {
  throw EReadError("Line " + std::to_string(line) + ": " + what);
}

}  // namespace tk::desc
