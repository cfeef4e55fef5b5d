// Event handlers: a callable bound to an object, and the name of the method it was bound to when
// it came from a stored window description (so the description can be written back).
#pragma once

#include <functional>
#include <string>
#include <typeinfo>
#include <utility>

#include "toolkit/ClassInfo.h"

namespace tk {

template <class Sig>
class TEvent;

template <class... Args>
class TEvent<void(Args...)> {
 public:
  // The form a window's method takes in the class's method table.
  using MethodFn = void (*)(TObject& self, Args...);

  TEvent() = default;

  void Set(std::function<void(Args...)> fn) {
    fn_ = std::move(fn);
    methodName_.clear();
  }
  // Binds to a method of `self` offered by its class's method table. A method whose signature
  // does not match is refused (returns false); one known by name only is kept as a name.
  bool Bind(TObject& self, const MethodInfo& method) {
    if (method.signature == nullptr) {
      fn_ = nullptr;
      methodName_ = std::string(method.name);
      return true;
    }
    if (*method.signature != typeid(MethodFn)) return false;
    auto fn = reinterpret_cast<MethodFn>(method.fn);
    TObject* target = &self;
    fn_ = [target, fn](Args... args) { fn(*target, args...); };
    methodName_ = std::string(method.name);
    return true;
  }
  void Clear() {
    fn_ = nullptr;
    methodName_.clear();
  }

  explicit operator bool() const { return static_cast<bool>(fn_); }
  void operator()(Args... args) const {
    if (fn_) fn_(args...);
  }
  const std::string& MethodName() const { return methodName_; }

 private:
  std::function<void(Args...)> fn_;
  std::string methodName_;
};

class TObject;
using TNotifyEvent = TEvent<void(TObject* sender)>;

namespace detail {
template <auto M>
struct MethodThunk;
template <class C, class... Args, void (C::*M)(Args...)>
struct MethodThunk<M> {
  using Fn = void (*)(TObject&, Args...);
  static void Call(TObject& self, Args... args) { (static_cast<C&>(self).*M)(args...); }
};
}  // namespace detail

// An entry of a class's method table: Method<&TMainForm::OkClick>("OkClick").
template <auto M>
MethodInfo Method(std::string_view name) {
  using Thunk = detail::MethodThunk<M>;
  return MethodInfo{name, &typeid(typename Thunk::Fn), reinterpret_cast<void (*)()>(&Thunk::Call)};
}

}  // namespace tk
