// Run-time class information: each class has one ClassInfo with a link to its base class and a
// table of the properties it publishes, in declaration order. Property lookup walks the chain.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <typeinfo>

namespace tk {

class TObject;
class TComponent;

enum class PropKind : std::uint8_t {
  String,   // read and written as text
  Ordinal,  // integers, Booleans, enumerations and sets, read as a signed 32-bit value
  Object,   // a reference to an owned object (a font, a string list, a collection)
  Event,    // a handler bound by method name on the root window
};

enum class OrdinalType : std::uint8_t { Integer, Boolean, Enumeration, Set };

// When the stored description carries a property.
enum class Stored : std::uint8_t {
  Never,
  Always,
  IfNotDefault,  // ordinals: differs from `defaultValue`; strings: not empty; events: assigned
};

// A method that a window class offers for binding events by name. `fn` is cast back to the
// exact pointer type named by `signature` before it is called. Without a signature it is a
// handler known by name only (a stand-in window's), which an event keeps but never runs.
struct MethodInfo {
  std::string_view name;
  const std::type_info* signature;
  void (*fn)();
};

struct PropInfo {
  std::string_view name;
  PropKind kind;
  OrdinalType ordinalType = OrdinalType::Integer;
  std::span<const std::string_view> valueNames = {};  // enumeration or set element names
  Stored stored = Stored::IfNotDefault;
  std::int32_t defaultValue = 0;

  std::string (*getString)(const TObject&) = nullptr;
  void (*setString)(TObject&, const std::string&) = nullptr;
  std::int32_t (*getOrdinal)(const TObject&) = nullptr;
  void (*setOrdinal)(TObject&, std::int32_t) = nullptr;
  TObject* (*getObject)(const TObject&) = nullptr;
  void (*setObject)(TObject&, TObject*) = nullptr;
  // Events: the bound method's name (empty when unassigned), and binding by name on `root`.
  std::string (*getMethodName)(const TObject&) = nullptr;
  void (*bindMethod)(TObject&, TComponent& root, const MethodInfo*) = nullptr;
  // Optional stored-when test that replaces the rule above (for example "stored when assigned").
  bool (*isStored)(const TObject&) = nullptr;
};

struct ClassInfo {
  std::string_view name;
  const ClassInfo* parent;
  std::span<const PropInfo> properties;                 // declared by this class only
  TComponent* (*create)(TComponent* owner) = nullptr;  // null: abstract or not a component
  std::span<const MethodInfo> methods = {};             // methods bindable by name

  bool InheritsFrom(const ClassInfo& other) const {
    for (const ClassInfo* c = this; c != nullptr; c = c->parent) {
      if (c == &other) return true;
    }
    return false;
  }

  // The property `name` (ASCII letters without regard to case) on this class or a base class;
  // a derived class's declaration hides a base's. Null when the class does not publish it.
  const PropInfo* FindProperty(std::string_view name) const;
  const MethodInfo* FindMethod(std::string_view name) const;

  // Every published property in declaration order: the root base class's first. A property
  // that a derived class declares again is visited once, at the derived class's place.
  template <class F>
  void ForEachProperty(F&& f) const {
    VisitDeclared(*this, f);
  }

  template <class F>
  void VisitDeclared(const ClassInfo& visible, F& f) const {
    if (parent != nullptr) parent->VisitDeclared(visible, f);
    for (const PropInfo& p : properties) {
      if (visible.FindProperty(p.name) == &p) f(p);
    }
  }
};

// Classes that a stored description may name. Registering the same class twice is harmless.
void RegisterClass(const ClassInfo& info);
const ClassInfo* FindClass(std::string_view name);

}  // namespace tk
