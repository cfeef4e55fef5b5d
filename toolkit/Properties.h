// Building blocks for property tables and access to published properties by name.
//
//   static const PropInfo props[] = {
//       StringProperty<TLabel, &TLabel::Caption, &TLabel::SetCaption>("Caption"),
//       IntProperty<TControl, &TControl::Left, &TControl::SetLeft>("Left", Stored::Always),
//   };
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "toolkit/ClassInfo.h"
#include "toolkit/Component.h"
#include "toolkit/Event.h"
#include "toolkit/Object.h"

namespace tk {

template <class C, auto Get, auto Set = nullptr>
PropInfo StringProperty(std::string_view name, Stored stored = Stored::IfNotDefault) {
  PropInfo p{name, PropKind::String};
  p.stored = stored;
  p.getString = [](const TObject& o) -> std::string { return (static_cast<const C&>(o).*Get)(); };
  if constexpr (!std::is_null_pointer_v<decltype(Set)>) {
    p.setString = [](TObject& o, const std::string& v) { (static_cast<C&>(o).*Set)(v); };
  }
  return p;
}

template <class C, auto Get, auto Set = nullptr>
PropInfo OrdinalProperty(std::string_view name, OrdinalType type, std::int32_t defaultValue,
                         Stored stored, std::span<const std::string_view> valueNames = {}) {
  PropInfo p{name, PropKind::Ordinal, type, valueNames, stored, defaultValue};
  p.getOrdinal = [](const TObject& o) -> std::int32_t {
    return static_cast<std::int32_t>((static_cast<const C&>(o).*Get)());
  };
  if constexpr (!std::is_null_pointer_v<decltype(Set)>) {
    p.setOrdinal = [](TObject& o, std::int32_t v) {
      using Arg = std::remove_cvref_t<decltype((static_cast<const C&>(o).*Get)())>;
      (static_cast<C&>(o).*Set)(static_cast<Arg>(v));
    };
  }
  return p;
}

template <class C, auto Get, auto Set = nullptr>
PropInfo IntProperty(std::string_view name, Stored stored = Stored::IfNotDefault,
                     std::int32_t defaultValue = 0) {
  return OrdinalProperty<C, Get, Set>(name, OrdinalType::Integer, defaultValue, stored);
}

template <class C, auto Get, auto Set = nullptr>
PropInfo BoolProperty(std::string_view name, bool defaultValue,
                      Stored stored = Stored::IfNotDefault) {
  return OrdinalProperty<C, Get, Set>(name, OrdinalType::Boolean, defaultValue ? 1 : 0, stored);
}

template <class C, auto Get, auto Set = nullptr>
PropInfo EnumProperty(std::string_view name, std::span<const std::string_view> names,
                      std::int32_t defaultValue, Stored stored = Stored::IfNotDefault) {
  return OrdinalProperty<C, Get, Set>(name, OrdinalType::Enumeration, defaultValue, stored, names);
}

template <class C, auto Get, auto Set = nullptr>
PropInfo SetProperty(std::string_view name, std::span<const std::string_view> names,
                     std::int32_t defaultValue, Stored stored = Stored::IfNotDefault) {
  return OrdinalProperty<C, Get, Set>(name, OrdinalType::Set, defaultValue, stored, names);
}

// An object-valued property; the getter returns a pointer or reference to the owned object.
template <class C, auto Get, auto Set = nullptr>
PropInfo ObjectProperty(std::string_view name, Stored stored = Stored::IfNotDefault) {
  PropInfo p{name, PropKind::Object};
  p.stored = stored;
  p.getObject = [](const TObject& o) -> TObject* {
    decltype(auto) v = (static_cast<const C&>(o).*Get)();
    if constexpr (std::is_pointer_v<std::remove_cvref_t<decltype(v)>>) {
      return const_cast<TObject*>(static_cast<const TObject*>(v));
    } else {
      return const_cast<TObject*>(static_cast<const TObject*>(&v));
    }
  };
  if constexpr (!std::is_null_pointer_v<decltype(Set)>) {
    p.setObject = [](TObject& o, TObject* v) { (static_cast<C&>(o).*Set)(v); };
  }
  return p;
}

// An event property over a TEvent member: stored when bound by name.
template <class C, auto Member>
PropInfo EventProperty(std::string_view name) {
  PropInfo p{name, PropKind::Event};
  p.getMethodName = [](const TObject& o) -> std::string {
    return (static_cast<const C&>(o).*Member).MethodName();
  };
  p.bindMethod = [](TObject& o, TComponent& root, const MethodInfo* m) {
    auto& event = static_cast<C&>(o).*Member;
    if (m == nullptr) {
      event.Clear();
    } else {
      event.Bind(static_cast<TObject&>(root), *m);
    }
  };
  return p;
}

// Access to published properties by name. A property that the class does not publish is an
// answer, never an error: HasProperty is false, reads give empty or zero, writes do nothing.
bool HasProperty(const TObject& object, std::string_view name);
const PropInfo* FindProperty(const TObject& object, std::string_view name, PropKind kind);
std::string GetStrProp(const TObject& object, std::string_view name);
void SetStrProp(TObject& object, std::string_view name, const std::string& value);
std::int32_t GetOrdProp(const TObject& object, std::string_view name);
void SetOrdProp(TObject& object, std::string_view name, std::int32_t value);
TObject* GetObjectProp(const TObject& object, std::string_view name);

}  // namespace tk

namespace tk {
// Whether a stored description carries the property's value for this object: by the property's
// rule (a default is stored only when it differs, a string list only when it has items, an event
// only when bound by name).
bool IsPropertyStored(const TObject& object, const PropInfo& prop);
}  // namespace tk
