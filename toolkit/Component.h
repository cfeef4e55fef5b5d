// Components: ownership, names, loading and designing state, and the after-loading notification.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "toolkit/Object.h"

namespace tk {

enum class ComponentState : std::uint8_t { Loading = 1, Designing = 2 };

class TComponent : public TPersistent {
  TK_CLASS()

 public:
  // The owner, when given, owns the new component and destroys it in turn.
  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  // Raises EComponentError for a name that is not an identifier or is taken by a sibling.
  virtual void SetName(const std::string& name);

  int OwnedCount() const { return static_cast<int>(owned_.size()); }
  TComponent* OwnedComponent(int index) const { return owned_.at(static_cast<std::size_t>(index)); }
  // The first owned component whose name equals `name` (ASCII letters without regard to case);
  // null for an empty name or when none matches. Constant time: names are indexed.
  TComponent* FindOwnedComponent(std::string_view name) const;

  bool IsLoading() const { return (state_ & static_cast<std::uint8_t>(ComponentState::Loading)) != 0; }
  bool IsDesigning() const {
    return (state_ & static_cast<std::uint8_t>(ComponentState::Designing)) != 0;
  }
  void SetLoading(bool on) { SetState(ComponentState::Loading, on); }
  void SetDesigning(bool on) { SetState(ComponentState::Designing, on); }

  // Sent once to every component of a window after all of its stored properties are read.
  virtual void AfterLoading() { SetLoading(false); }

  static bool IsValidIdent(std::string_view name);

 private:
  void SetState(ComponentState flag, bool on) {
    if (on) {
      state_ |= static_cast<std::uint8_t>(flag);
    } else {
      state_ &= static_cast<std::uint8_t>(~static_cast<std::uint8_t>(flag));
    }
  }
  void InsertOwned(TComponent* c);
  void RemoveOwned(TComponent* c);
  void IndexName(TComponent* c);
  void UnindexName(TComponent* c);

  TComponent* owner_ = nullptr;
  std::string name_;
  std::vector<TComponent*> owned_;
  // Lower-cased name to component; names are unique per owner, so each key has one component.
  std::unordered_map<std::string, TComponent*> byName_;
  std::uint8_t state_ = 0;
  bool destroying_ = false;
};

// Ordinal helper for tests and callers that create components by hand.
template <class T>
T* NewComponent(TComponent* owner, const std::string& name) {
  T* c = new T(owner);
  c->SetName(name);
  return c;
}

}  // namespace tk
