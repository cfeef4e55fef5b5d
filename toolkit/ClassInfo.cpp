#include "toolkit/ClassInfo.h"

#include <vector>

#include "base/Ascii.h"

namespace tk {

const PropInfo* ClassInfo::FindProperty(std::string_view name) const {
  for (const ClassInfo* c = this; c != nullptr; c = c->parent) {
    for (const PropInfo& p : c->properties) {
      if (base::SameTextAscii(p.name, name)) return &p;
    }
  }
  return nullptr;
}

const MethodInfo* ClassInfo::FindMethod(std::string_view name) const {
  for (const ClassInfo* c = this; c != nullptr; c = c->parent) {
    for (const MethodInfo& m : c->methods) {
      if (base::SameTextAscii(m.name, name)) return &m;
    }
  }
  return nullptr;
}

namespace {
std::vector<const ClassInfo*>& Registry() {
  static std::vector<const ClassInfo*> classes;
  return classes;
}
}  // namespace

void RegisterClass(const ClassInfo& info) {
  for (const ClassInfo* c : Registry()) {
    if (c == &info) return;
  }
  Registry().push_back(&info);
}

const ClassInfo* FindClass(std::string_view name) {
  for (const ClassInfo* c : Registry()) {
    if (base::SameTextAscii(c->name, name)) return c;
  }
  return nullptr;
}

}  // namespace tk
