// The root of the class hierarchy: every object knows its ClassInfo, so is-a tests and
// published-property lookup work on any object.
#pragma once

#include <string_view>

#include "toolkit/ClassInfo.h"

namespace tk {

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  static const ClassInfo& StaticClass();
  virtual const ClassInfo& ClassType() const { return StaticClass(); }

  std::string_view ClassName() const { return ClassType().name; }
  bool InheritsFrom(const ClassInfo& info) const { return ClassType().InheritsFrom(info); }
  template <class T>
  bool Is() const {
    return InheritsFrom(T::StaticClass());
  }
};

// Objects whose published properties are stored with a window description (fonts, lists).
class TPersistent : public TObject {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& ClassType() const override { return StaticClass(); }
};

template <class T>
T* DynamicCast(TObject* o) {
  return (o != nullptr && o->Is<T>()) ? static_cast<T*>(o) : nullptr;
}

}  // namespace tk

// Declares the two class-information members of a class; its .cpp defines StaticClass().
#define TK_CLASS()                                \
 public:                                          \
  static const ::tk::ClassInfo& StaticClass();    \
  const ::tk::ClassInfo& ClassType() const override { return StaticClass(); }
