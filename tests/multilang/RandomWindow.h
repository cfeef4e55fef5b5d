// Windows with controls of every kind, filled with chosen items, and translation tables made of
// chosen entries, well-formed and not: what the random-window test and the switch fuzzer switch
// through languages. Also what must hold across a switch: the walk never goes back, and no
// control gains or loses items, a sort order or a selection.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "tests/multilang/KindCase.h"
#include "tests/multilang/ProbeMultiLang.h"

namespace tk {
class TComponent;
class TForm;
}  // namespace tk

namespace randomwindow {

// Where the choices come from: a seeded generator in the test, the input in the fuzzer.
class Choices {
 public:
  virtual ~Choices() = default;
  // A number from 0 to n - 1; n is at least 1.
  virtual int Below(int n) = 0;

  bool Chance(int percent) { return Below(100) < percent; }
  template <class T>
  const T& Pick(const std::vector<T>& from) {
    return from[static_cast<std::size_t>(Below(static_cast<int>(from.size())))];
  }
  std::string Text();
  kindcases::Texts Items(int most);
  kindcases::Texts Nodes();  // pre-order, each at most one level below the one before
  std::string AnyCase(std::string s);
};

struct Kind {
  const char* name;
  std::vector<kindcases::Facet> lists;  // whose item counts must survive a switch
  bool keepsSelection = false;
  bool sorts = false;
  bool editLike = false;
  bool hasAction = false;
};

// Every kind of the localization component's kind table, and kinds it writes by property: at
// least one for each row of the table (KindTableTest checks).
const std::vector<Kind>& Kinds();

// A control on a window, with what a switch must leave as it was.
struct Placed {
  const Kind* kind;
  tk::TComponent* control;
  std::vector<std::size_t> counts;
  int sortType = 0;
  int itemIndex = -1;
};

// A control of `kind` on the window, named after its class and `number`, filled from `choices`,
// with what it holds now remembered.
Placed Place(Choices& choices, const Kind& kind, tk::TForm& window, int number);

// An entry per chosen key (a control's name in any case, continuation keys, the window's key,
// keys that name nothing), each with chosen texts; sometimes cut short, a line lost or added.
kindcases::Texts Table(Choices& choices, const std::vector<Placed>& placed, int languages);

// What went wrong in a switch's calls of ApplyEntry, or nothing.
std::string WalkFault(const std::vector<WatchedMultiLang::Call>& calls);
// What a control no longer holds as it did when placed, or nothing.
std::string ShapeFault(const Placed& placed);

}  // namespace randomwindow
