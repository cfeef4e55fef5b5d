#include "toolkit/Properties.h"

namespace tk {

bool HasProperty(const TObject& object, std::string_view name) {
  return object.ClassType().FindProperty(name) != nullptr;
}

const PropInfo* FindProperty(const TObject& object, std::string_view name, PropKind kind) {
  const PropInfo* p = object.ClassType().FindProperty(name);
  return (p != nullptr && p->kind == kind) ? p : nullptr;
}

std::string GetStrProp(const TObject& object, std::string_view name) {
  const PropInfo* p = FindProperty(object, name, PropKind::String);
  return (p != nullptr && p->getString != nullptr) ? p->getString(object) : std::string();
}

void SetStrProp(TObject& object, std::string_view name, const std::string& value) {
  const PropInfo* p = FindProperty(object, name, PropKind::String);
  if (p != nullptr && p->setString != nullptr) p->setString(object, value);
}

std::int32_t GetOrdProp(const TObject& object, std::string_view name) {
  const PropInfo* p = object.ClassType().FindProperty(name);
  if (p == nullptr) return 0;
  if (p->kind == PropKind::Ordinal && p->getOrdinal != nullptr) return p->getOrdinal(object);
  // An object reference reads as an ordinal too: zero when no object is set.
  if (p->kind == PropKind::Object && p->getObject != nullptr) {
    return p->getObject(object) != nullptr ? 1 : 0;
  }
  return 0;
}

void SetOrdProp(TObject& object, std::string_view name, std::int32_t value) {
  const PropInfo* p = FindProperty(object, name, PropKind::Ordinal);
  if (p != nullptr && p->setOrdinal != nullptr) p->setOrdinal(object, value);
}

TObject* GetObjectProp(const TObject& object, std::string_view name) {
  const PropInfo* p = FindProperty(object, name, PropKind::Object);
  return (p != nullptr && p->getObject != nullptr) ? p->getObject(object) : nullptr;
}

}  // namespace tk

#include "toolkit/StringList.h"

namespace tk {

bool IsPropertyStored(const TObject& object, const PropInfo& prop) {
  if (prop.isStored != nullptr) return prop.isStored(object);
  switch (prop.stored) {
    case Stored::Never:
      return false;
    case Stored::Always:
      return true;
    case Stored::IfNotDefault:
      break;
  }
  switch (prop.kind) {
    case PropKind::String:
      return prop.getString != nullptr && !prop.getString(object).empty();
    case PropKind::Ordinal:
      return prop.getOrdinal != nullptr && prop.getOrdinal(object) != prop.defaultValue;
    case PropKind::Object: {
      TObject* value = prop.getObject != nullptr ? prop.getObject(object) : nullptr;
      if (auto* list = DynamicCast<TStrings>(value)) return list->Count() > 0;
      return value != nullptr;
    }
    case PropKind::Event:
      return prop.getMethodName != nullptr && !prop.getMethodName(object).empty();
  }
  return false;
}

}  // namespace tk
