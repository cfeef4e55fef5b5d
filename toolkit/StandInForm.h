// A window of a class this program does not have, such as another program's main window that a
// translator's tool reads: a plain form that answers to the description's class name and keeps
// the names of the handlers its events are bound to, so that it writes back the description it
// was read from. The handlers do not exist here and never run.
#pragma once

#include <deque>
#include <string>
#include <string_view>

#include "toolkit/Form.h"

namespace tk {

class TStandInForm : public TForm {
 public:
  explicit TStandInForm(std::string_view className);

  static const ClassInfo& StaticClass();
  // The description's class, derived from this one.
  const ClassInfo& ClassType() const override { return class_; }

  // The handler `name`, known by its name alone (an event bound to it runs nothing).
  const MethodInfo& Handler(std::string_view name);

 private:
  std::string className_;
  ClassInfo class_;
  // Deques: the handlers' names and entries stay where they are as more are added.
  std::deque<std::string> handlerNames_;
  std::deque<MethodInfo> handlers_;
};

}  // namespace tk
