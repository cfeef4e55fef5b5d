#include "toolkit/Component.h"

#include <algorithm>

#include "base/Ascii.h"
#include "toolkit/Errors.h"
#include "toolkit/Properties.h"

namespace tk {

const ClassInfo& TObject::StaticClass() {
  static const ClassInfo info{"TObject", nullptr, {}};
  return info;
}

const ClassInfo& TPersistent::StaticClass() {
  static const ClassInfo info{"TPersistent", &TObject::StaticClass(), {}};
  return info;
}

const ClassInfo& TComponent::StaticClass() {
  static const PropInfo props[] = {
      StringProperty<TComponent, &TComponent::Name, &TComponent::SetName>("Name", Stored::Never),
  };
  static const ClassInfo info{"TComponent", &TPersistent::StaticClass(), props};
  return info;
}

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  if (owner_ != nullptr) owner_->InsertOwned(this);
}

TComponent::~TComponent() {
  destroying_ = true;
  // Owned components go last-created first, as their creation may depend on earlier ones.
  while (!owned_.empty()) {
    TComponent* c = owned_.back();
    delete c;  // removes itself from owned_
  }
  if (owner_ != nullptr) owner_->RemoveOwned(this);
}

bool TComponent::IsValidIdent(std::string_view name) {
  if (name.empty()) return false;
  auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; };
  if (!letter(name[0])) return false;
  return std::all_of(name.begin() + 1, name.end(),
                     [&](char c) { return letter(c) || (c >= '0' && c <= '9'); });
}

void TComponent::SetName(const std::string& name) {
  if (name == name_) return;
  if (!name.empty() && !IsValidIdent(name)) {
    throw EComponentError("'" + name + "' is not a valid component name");
  }
  if (owner_ != nullptr && !name.empty()) {
    TComponent* other = owner_->FindOwnedComponent(name);
    if (other != nullptr && other != this) {
      throw EComponentError("A component named " + name + " already exists");
    }
  }
  if (owner_ != nullptr) owner_->UnindexName(this);
  name_ = name;
  if (owner_ != nullptr) owner_->IndexName(this);
}

TComponent* TComponent::FindOwnedComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  auto it = byName_.find(base::AsciiLowerCase(name));
  return it == byName_.end() ? nullptr : it->second;
}

void TComponent::InsertOwned(TComponent* c) {
  owned_.push_back(c);
  IndexName(c);
}

void TComponent::RemoveOwned(TComponent* c) {
  UnindexName(c);
  auto it = std::find(owned_.begin(), owned_.end(), c);
  if (it != owned_.end()) owned_.erase(it);
}

void TComponent::IndexName(TComponent* c) {
  if (!c->name_.empty()) byName_[base::AsciiLowerCase(c->name_)] = c;
}

void TComponent::UnindexName(TComponent* c) {
  if (c->name_.empty()) return;
  auto it = byName_.find(base::AsciiLowerCase(c->name_));
  if (it != byName_.end() && it->second == c) byName_.erase(it);
}

}  // namespace tk
