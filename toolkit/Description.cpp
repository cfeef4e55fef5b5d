#include "toolkit/Description.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/Utf8.h"
#include "toolkit/Application.h"
#include "toolkit/Ascii.h"
#include "toolkit/ClassInfo.h"
#include "toolkit/Control.h"
#include "toolkit/Errors.h"
#include "toolkit/Event.h"
#include "toolkit/Properties.h"
#include "toolkit/StringList.h"

namespace tk {

namespace {

// Deeper nesting than any window needs; it keeps a malformed text from exhausting the stack.
constexpr int kMaxDepth = 100;

[[noreturn]] void Fail(int line, const std::string& what) {
  throw EReadError("Line " + std::to_string(line) + ": " + what);
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Decimal with an optional minus, or "$" hexadecimal covering all 32 bits.
std::optional<std::int32_t> ParseInteger(std::string_view s) {
  bool negative = false;
  if (!s.empty() && s.front() == '-') {
    negative = true;
    s.remove_prefix(1);
  }
  const bool hex = !s.empty() && s.front() == '$';
  if (hex) s.remove_prefix(1);
  if (s.empty()) return std::nullopt;
  const int base = hex ? 16 : 10;
  std::int64_t value = 0;
  for (char c : s) {
    const int digit = HexDigit(c);
    if (digit < 0 || digit >= base) return std::nullopt;
    value = value * base + digit;
    if (value > 0xFFFFFFFFll) return std::nullopt;
  }
  if (hex) {
    const auto bits = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    return negative ? static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(bits)) : bits;
  }
  if (negative) value = -value;
  if (value < std::numeric_limits<std::int32_t>::min() ||
      value > std::numeric_limits<std::int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(value);
}

template <class T>
const T* As(const TObject* o) {
  return (o != nullptr && o->Is<T>()) ? static_cast<const T*>(o) : nullptr;
}

std::optional<std::size_t> IndexOfName(std::span<const std::string_view> names,
                                       std::string_view name) {
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (SameTextAscii(names[i], name)) return i;
  }
  return std::nullopt;
}

// ---------------------------------------------------------------------------------------------
// Syntax: the text becomes a tree of objects with their property lines, before anything is made.

struct Value {
  enum class Kind { Word, String, Set, List } kind = Kind::Word;
  std::string text;                // a word, or a decoded string
  std::vector<std::string> items;  // set element names, or decoded list strings
};

struct PropertyLine {
  int line = 0;
  std::vector<std::string> path;  // "Font.Height" gives {"Font", "Height"}
  Value value;
};

struct ObjectNode {
  int line = 0;
  std::string name;
  std::string className;
  std::vector<PropertyLine> properties;
  std::vector<ObjectNode> children;
};

std::string JoinPath(const std::vector<std::string>& path, std::size_t last) {
  std::string out;
  for (std::size_t i = 0; i <= last && i < path.size(); ++i) {
    if (i > 0) out += '.';
    out += path[i];
  }
  return out;
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
        const int high = pos < s.size() ? HexDigit(s[pos]) : -1;
        const int low = pos + 1 < s.size() ? HexDigit(s[pos + 1]) : -1;
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
  if (plat::FirstInvalidUtf8(text) != std::string::npos) Fail(line, "the string is not UTF-8");
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

  static bool IsEnd(std::string_view text) { return SameTextAscii(text, "end"); }

  static bool IsHeader(std::string_view text) {
    return text.size() > 6 && SameTextAscii(text.substr(0, 6), "object") &&
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

// ---------------------------------------------------------------------------------------------
// Reading: components are made from the tree, and property values are checked against the
// properties they name before any setter of that object runs.

// A property value ready to set, or (dotted names) the values for an owned sub-object.
struct Assignment {
  const PropInfo* prop = nullptr;
  int line = 0;
  const Value* value = nullptr;
  std::int32_t ordinal = 0;
  const MethodInfo* method = nullptr;
  bool isNested = false;
  std::vector<Assignment> nested;
};

class Reader {
 public:
  explicit Reader(TComponent& root) : root_(root) {}
  Reader(const Reader&) = delete;
  Reader& operator=(const Reader&) = delete;

  // A failed read takes back the components it made.
  ~Reader() {
    if (committed_) return;
    for (auto it = created_.rbegin(); it != created_.rend(); ++it) delete *it;
    root_.SetLoading(false);
  }

  void Read(const ObjectNode& node) {
    CheckRootClass(node);
    root_.SetLoading(true);
    Rename(root_, node);
    Load(root_, node);
    committed_ = true;

    root_.AfterLoading();
    for (TComponent* c : created_) {
      if (StillOwned(c)) c->AfterLoading();
    }
  }

 private:
  void CheckRootClass(const ObjectNode& node) const {
    for (const ClassInfo* c = &root_.ClassType(); c != nullptr; c = c->parent) {
      if (SameTextAscii(c->name, node.className)) return;
    }
    Fail(node.line, "the description is of class " + node.className + ", not of " +
                        std::string(root_.ClassName()));
  }

  static void Rename(TComponent& c, const ObjectNode& node) {
    const TComponent* owner = c.Owner();
    if (owner != nullptr) {
      const TComponent* other = owner->FindOwnedComponent(node.name);
      if (other != nullptr && other != &c) {
        Fail(node.line, "a component named " + node.name + " already exists");
      }
    }
    c.SetName(node.name);
  }

  void Load(TComponent& component, const ObjectNode& node) {
    std::vector<Assignment> assignments;
    for (const PropertyLine& line : node.properties) Resolve(assignments, component, line, 0);
    Apply(component, assignments);
    for (const ObjectNode& child : node.children) CreateChild(child, component);
  }

  void CreateChild(const ObjectNode& node, TComponent& container) {
    const ClassInfo* info = FindClass(node.className);
    if (info == nullptr) Fail(node.line, "class " + node.className + " is not registered");
    if (info->create == nullptr) Fail(node.line, "class " + node.className + " cannot be created");
    TWinControl* parent = nullptr;
    if (info->InheritsFrom(TControl::StaticClass())) {
      parent = DynamicCast<TWinControl>(&container);
      if (parent == nullptr) {
        Fail(node.line, "control " + node.name + " cannot be placed on " + container.Name() +
                            ", which is not a windowed control");
      }
    }
    TComponent* component = info->create(&root_);
    created_.push_back(component);
    component->SetLoading(true);
    Rename(*component, node);
    if (auto* control = DynamicCast<TControl>(component); control != nullptr && parent != nullptr) {
      control->SetParent(parent);
    }
    Load(*component, node);
  }

  void Resolve(std::vector<Assignment>& into, TObject& target, const PropertyLine& line,
               std::size_t index) {
    const std::string shown = JoinPath(line.path, index);
    const PropInfo* prop = target.ClassType().FindProperty(line.path[index]);
    if (prop == nullptr) {
      const std::string owner =
          index == 0 ? std::string(target.ClassName()) : JoinPath(line.path, index - 1);
      Fail(line.line, owner + " has no property " + line.path[index]);
    }
    Assignment* existing = nullptr;
    for (Assignment& a : into) {
      if (a.prop == prop) existing = &a;
    }

    if (index + 1 < line.path.size()) {
      if (prop->kind != PropKind::Object || prop->getObject == nullptr) {
        Fail(line.line, shown + " has no properties of its own");
      }
      TObject* sub = prop->getObject(target);
      if (sub == nullptr || sub->Is<TComponent>()) {
        Fail(line.line, shown + " is not an object of " + std::string(target.ClassName()));
      }
      if (existing != nullptr && !existing->isNested) Fail(line.line, shown + " is given twice");
      if (existing == nullptr) {
        existing = &into.emplace_back();
        existing->prop = prop;
        existing->line = line.line;
        existing->isNested = true;
      }
      Resolve(existing->nested, *sub, line, index + 1);
      return;
    }

    if (existing != nullptr) Fail(line.line, shown + " is given twice");
    Assignment a;
    a.prop = prop;
    a.line = line.line;
    a.value = &line.value;
    const Value& v = line.value;
    switch (prop->kind) {
      case PropKind::String:
        if (v.kind != Value::Kind::String) Fail(line.line, shown + " takes a quoted string");
        if (prop->setString == nullptr) Fail(line.line, shown + " is read-only");
        break;
      case PropKind::Ordinal:
        if (prop->setOrdinal == nullptr) Fail(line.line, shown + " is read-only");
        a.ordinal = OrdinalValue(*prop, v, line.line, shown);
        break;
      case PropKind::Object: {
        TObject* object = prop->getObject != nullptr ? prop->getObject(target) : nullptr;
        if (DynamicCast<TStrings>(object) == nullptr) {
          Fail(line.line,
               shown + " is not a string list; set its properties as " + shown + ".Name");
        }
        if (v.kind != Value::Kind::List) Fail(line.line, shown + " takes a list of strings");
        break;
      }
      case PropKind::Event:
        if (v.kind != Value::Kind::Word || !TComponent::IsValidIdent(v.text)) {
          Fail(line.line, shown + " takes a method name");
        }
        if (prop->bindMethod == nullptr) Fail(line.line, shown + " is read-only");
        a.method = root_.ClassType().FindMethod(v.text);
        if (a.method == nullptr) {
          Fail(line.line, "method " + v.text + " not found in " + std::string(root_.ClassName()));
        }
        break;
    }
    into.push_back(std::move(a));
  }

  static std::string Got(const Value& v) {
    return v.kind == Value::Kind::Word ? ", not " + v.text : std::string();
  }

  static std::int32_t OrdinalValue(const PropInfo& prop, const Value& v, int line,
                                   const std::string& shown) {
    if (prop.ordinalType == OrdinalType::Set) {
      if (v.kind != Value::Kind::Set) Fail(line, shown + " takes a set such as [a, b]");
      std::uint32_t bits = 0;
      for (const std::string& element : v.items) {
        const auto index = IndexOfName(prop.valueNames, element);
        if (!index || *index >= 32) {
          Fail(line, "unknown element " + element + " in the set of " + shown);
        }
        bits |= 1u << *index;
      }
      return static_cast<std::int32_t>(bits);
    }
    switch (prop.ordinalType) {
      case OrdinalType::Boolean:
        if (v.kind == Value::Kind::Word && SameTextAscii(v.text, "True")) return 1;
        if (v.kind == Value::Kind::Word && SameTextAscii(v.text, "False")) return 0;
        Fail(line, shown + " takes True or False" + Got(v));
      case OrdinalType::Enumeration:
        if (v.kind != Value::Kind::Word) Fail(line, shown + " takes a value name");
        if (const auto index = IndexOfName(prop.valueNames, v.text)) {
          return static_cast<std::int32_t>(*index);
        }
        Fail(line, "unknown value " + v.text + " for " + shown);
      case OrdinalType::Integer:
      case OrdinalType::Set:
        break;
    }
    const auto number =
        v.kind == Value::Kind::Word ? ParseInteger(v.text) : std::optional<std::int32_t>();
    if (!number) Fail(line, shown + " takes an integer" + Got(v));
    return *number;
  }

  // Sets the values in the order in which the object's class declares its properties.
  void Apply(TObject& target, const std::vector<Assignment>& assignments) {
    target.ClassType().ForEachProperty([&](const PropInfo& prop) {
      for (const Assignment& a : assignments) {
        if (a.prop == &prop) ApplyOne(target, a);
      }
    });
  }

  void ApplyOne(TObject& target, const Assignment& a) {
    const PropInfo& prop = *a.prop;
    if (a.isNested) {
      if (TObject* sub = prop.getObject(target)) Apply(*sub, a.nested);
      return;
    }
    switch (prop.kind) {
      case PropKind::String:
        prop.setString(target, a.value->text);
        break;
      case PropKind::Ordinal:
        prop.setOrdinal(target, a.ordinal);
        break;
      case PropKind::Object:
        // Filled in place: the owner keeps its list object, and no list setter runs.
        if (auto* list = DynamicCast<TStrings>(prop.getObject(target)))
          list->Assign(a.value->items);
        break;
      case PropKind::Event:
        prop.bindMethod(target, root_, a.method);
        if (prop.getMethodName != nullptr && prop.getMethodName(target) != a.method->name) {
          Fail(a.line, "method " + std::string(a.method->name) + " does not fit event " +
                           std::string(prop.name));
        }
        break;
    }
  }

  bool StillOwned(const TComponent* c) const {
    for (int i = 0; i < root_.OwnedCount(); ++i) {
      if (root_.OwnedComponent(i) == c) return true;
    }
    return false;
  }

  TComponent& root_;
  std::vector<TComponent*> created_;
  bool committed_ = false;
};

// ---------------------------------------------------------------------------------------------
// Writing.

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

std::string OrdinalText(const PropInfo& prop, std::int32_t value, std::string_view shown) {
  switch (prop.ordinalType) {
    case OrdinalType::Integer:
      return std::to_string(value);
    case OrdinalType::Boolean:
      return value != 0 ? "True" : "False";
    case OrdinalType::Enumeration:
      if (value < 0 || static_cast<std::size_t>(value) >= prop.valueNames.size()) {
        throw Exception("Cannot write " + std::string(shown) + ": " + std::to_string(value) +
                        " has no name");
      }
      return std::string(prop.valueNames[static_cast<std::size_t>(value)]);
    case OrdinalType::Set: {
      const auto bits = static_cast<std::uint32_t>(value);
      std::string out = "[";
      for (std::size_t i = 0; i < 32; ++i) {
        if ((bits & (1u << i)) == 0) continue;
        if (i >= prop.valueNames.size()) {
          throw Exception("Cannot write " + std::string(shown) + ": element " + std::to_string(i) +
                          " has no name");
        }
        if (out.size() > 1) out += ", ";
        out += prop.valueNames[i];
      }
      return out + "]";
    }
  }
  return std::to_string(value);
}

class Writer {
 public:
  explicit Writer(const TComponent& root) : root_(root) {
    // Each owned component goes into its parent when that is part of the description too.
    for (int i = 0; i < root.OwnedCount(); ++i) {
      const TComponent* c = root.OwnedComponent(i);
      const TComponent* container = &root;
      if (const auto* control = As<TControl>(c)) {
        const TWinControl* parent = control->Parent();
        if (parent != nullptr && (parent == &root || parent->Owner() == &root)) container = parent;
      }
      children_[container].push_back(c);
    }
  }

  std::string Write() {
    WriteObject(root_, 0);
    return std::move(out_);
  }

 private:
  void Indent(int depth) { out_.append(static_cast<std::size_t>(depth) * 2, ' '); }

  void WriteObject(const TComponent& c, int depth) {
    Indent(depth);
    out_ += "object " + c.Name() + ": " + std::string(c.ClassName()) + "\n";
    WriteProperties(c, "", depth + 1);
    if (auto it = children_.find(&c); it != children_.end()) {
      for (const TComponent* child : it->second) WriteObject(*child, depth + 1);
    }
    Indent(depth);
    out_ += "end\n";
  }

  void Line(int depth, const std::string& name, const std::string& value) {
    Indent(depth);
    out_ += name + " = " + value + "\n";
  }

  void WriteProperties(const TObject& o, const std::string& prefix, int depth) {
    o.ClassType().ForEachProperty([&](const PropInfo& prop) {
      if (!IsPropertyStored(o, prop)) return;
      const std::string name = prefix + std::string(prop.name);
      switch (prop.kind) {
        case PropKind::String:
          if (prop.getString != nullptr && prop.setString != nullptr) {
            Line(depth, name, Quote(prop.getString(o)));
          }
          break;
        case PropKind::Ordinal:
          if (prop.getOrdinal != nullptr && prop.setOrdinal != nullptr) {
            Line(depth, name, OrdinalText(prop, prop.getOrdinal(o), name));
          }
          break;
        case PropKind::Event:
          if (prop.getMethodName != nullptr && prop.bindMethod != nullptr) {
            const std::string method = prop.getMethodName(o);
            if (!method.empty()) Line(depth, name, method);
          }
          break;
        case PropKind::Object:
          WriteObjectProperty(o, prop, name, depth);
          break;
      }
    });
  }

  void WriteObjectProperty(const TObject& o, const PropInfo& prop, const std::string& name,
                           int depth) {
    const TObject* value = prop.getObject != nullptr ? prop.getObject(o) : nullptr;
    // Another component is a reference, not a part of this object.
    if (value == nullptr || value->Is<TComponent>()) return;
    if (const auto* list = As<TStrings>(value)) {
      if (list->Count() == 0) return;
      Indent(depth);
      out_ += name + " = (\n";
      for (const std::string& item : list->Items()) {
        Indent(depth + 1);
        out_ += Quote(item) + "\n";
      }
      Indent(depth);
      out_ += ")\n";
      return;
    }
    WriteProperties(*value, name + ".", depth);
  }

  const TComponent& root_;
  std::unordered_map<const TComponent*, std::vector<const TComponent*>> children_;
  std::string out_;
};

}  // namespace

void ReadComponent(std::string_view text, TComponent& root) {
  const ObjectNode tree = Parser(text).ParseDocument();
  Reader(root).Read(tree);
}

void LoadFormDescription(TComponent& root, std::string_view resourceName) {
  const std::optional<std::string> text = Application().GetBackend().LoadDescription(resourceName);
  if (!text) throw EReadError("Resource " + std::string(resourceName) + " not found");
  ReadComponent(*text, root);
}

std::string WriteComponent(const TComponent& root) {
  return Writer(root).Write();
}

}  // namespace tk
