// Reading a stored description: components are made from the syntax tree, and property values
// are checked against the properties they name before any setter of that object runs.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "base/Ascii.h"
#include "base/Integer.h"
#include "toolkit/Application.h"
#include "toolkit/ClassInfo.h"
#include "toolkit/Control.h"
#include "toolkit/Description.h"
#include "toolkit/DescriptionSyntax.h"
#include "toolkit/Errors.h"
#include "toolkit/Event.h"
#include "toolkit/Properties.h"
#include "toolkit/StandInForm.h"
#include "toolkit/StringList.h"

namespace tk {

namespace {

using desc::Fail;
using desc::JoinPath;
using desc::ObjectNode;
using desc::PropertyLine;
using desc::Value;

std::optional<std::size_t> IndexOfName(std::span<const std::string_view> names,
                                       std::string_view name) {
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (base::SameTextAscii(names[i], name)) return i;
  }
  return std::nullopt;
}

// A property value ready to set, or (dotted names) the values for an owned sub-object.
struct Assignment {
  const PropInfo* prop = nullptr;
  int line = 0;
  const Value* value = nullptr;
  std::int32_t ordinal = 0;
  const MethodInfo* method = nullptr;
  bool isNested = false;
  std::vector<Assignment> nested;
};

class Reader {
 public:
  explicit Reader(TComponent& root) : root_(root) {}
  Reader(const Reader&) = delete;
  Reader& operator=(const Reader&) = delete;

  // A failed read takes back the components it made.
  ~Reader() {
    if (committed_) return;
    for (auto it = created_.rbegin(); it != created_.rend(); ++it) delete *it;
    root_.SetLoading(false);
  }

  void Read(const ObjectNode& node) {
    CheckRootClass(node);
    root_.SetLoading(true);
    Rename(root_, node);
    Load(root_, node);
    committed_ = true;

    root_.AfterLoading();
    for (TComponent* c : created_) {
      if (StillOwned(c)) c->AfterLoading();
    }
  }

 private:
  // A stand-in window takes any handler by name; other windows offer their class's methods.
  const MethodInfo* RootMethod(std::string_view name) const {
    if (auto* standIn = DynamicCast<TStandInForm>(&root_)) return &standIn->Handler(name);
    return root_.ClassType().FindMethod(name);
  }

  void CheckRootClass(const ObjectNode& node) const {
    for (const ClassInfo* c = &root_.ClassType(); c != nullptr; c = c->parent) {
      if (base::SameTextAscii(c->name, node.className)) return;
    }
    Fail(node.line, "the description is of class " + node.className + ", not of " +
                        std::string(root_.ClassName()));
  }

  static void Rename(TComponent& c, const ObjectNode& node) {
    const TComponent* owner = c.Owner();
    if (owner != nullptr) {
      const TComponent* other = owner->FindOwnedComponent(node.name);
      if (other != nullptr && other != &c) {
        Fail(node.line, "a component named " + node.name + " already exists");
      }
    }
    c.SetName(node.name);
  }

  void Load(TComponent& component, const ObjectNode& node) {
    std::vector<Assignment> assignments;
    for (const PropertyLine& line : node.properties) Resolve(assignments, component, line, 0);
    Apply(component, assignments);
    for (const ObjectNode& child : node.children) CreateChild(child, component);
  }

  void CreateChild(const ObjectNode& node, TComponent& container) {
    const ClassInfo* info = FindClass(node.className);
    if (info == nullptr) Fail(node.line, "class " + node.className + " is not registered");
    if (info->create == nullptr) Fail(node.line, "class " + node.className + " cannot be created");
    TWinControl* parent = nullptr;
    if (info->InheritsFrom(TControl::StaticClass())) {
      parent = DynamicCast<TWinControl>(&container);
      if (parent == nullptr) {
        Fail(node.line, "control " + node.name + " cannot be placed on " + container.Name() +
                            ", which is not a windowed control");
      }
    }
    TComponent* component = info->create(&root_);
    created_.push_back(component);
    component->SetLoading(true);
    Rename(*component, node);
    if (auto* control = DynamicCast<TControl>(component); control != nullptr && parent != nullptr) {
      control->SetParent(parent);
    }
    Load(*component, node);
  }

  void Resolve(std::vector<Assignment>& into, TObject& target, const PropertyLine& line,
               std::size_t index) {
    const std::string shown = JoinPath(line.path, index);
    const PropInfo* prop = target.ClassType().FindProperty(line.path[index]);
    if (prop == nullptr) {
      const std::string owner =
          index == 0 ? std::string(target.ClassName()) : JoinPath(line.path, index - 1);
      Fail(line.line, owner + " has no property " + line.path[index]);
    }
    Assignment* existing = nullptr;
    for (Assignment& a : into) {
      if (a.prop == prop) existing = &a;
    }

    if (index + 1 < line.path.size()) {
      if (prop->kind != PropKind::Object || prop->getObject == nullptr) {
        Fail(line.line, shown + " has no properties of its own");
      }
      TObject* sub = prop->getObject(target);
      if (sub == nullptr || sub->Is<TComponent>()) {
        Fail(line.line, shown + " is not an object of " + std::string(target.ClassName()));
      }
      if (existing != nullptr && !existing->isNested) Fail(line.line, shown + " is given twice");
      if (existing == nullptr) {
        existing = &into.emplace_back();
        existing->prop = prop;
        existing->line = line.line;
        existing->isNested = true;
      }
      Resolve(existing->nested, *sub, line, index + 1);
      return;
    }

    if (existing != nullptr) Fail(line.line, shown + " is given twice");
    Assignment a;
    a.prop = prop;
    a.line = line.line;
    a.value = &line.value;
    const Value& v = line.value;
    switch (prop->kind) {
      case PropKind::String:
        if (v.kind != Value::Kind::String) Fail(line.line, shown + " takes a quoted string");
        if (prop->setString == nullptr) Fail(line.line, shown + " is read-only");
        break;
      case PropKind::Ordinal:
        if (prop->setOrdinal == nullptr) Fail(line.line, shown + " is read-only");
        a.ordinal = OrdinalValue(*prop, v, line.line, shown);
        break;
      case PropKind::Object: {
        TObject* object = prop->getObject != nullptr ? prop->getObject(target) : nullptr;
        if (DynamicCast<TStrings>(object) == nullptr) {
          Fail(line.line,
               shown + " is not a string list; set its properties as " + shown + ".Name");
        }
        if (v.kind != Value::Kind::List) Fail(line.line, shown + " takes a list of strings");
        break;
      }
      case PropKind::Event:
        if (v.kind != Value::Kind::Word || !TComponent::IsValidIdent(v.text)) {
          Fail(line.line, shown + " takes a method name");
        }
        if (prop->bindMethod == nullptr) Fail(line.line, shown + " is read-only");
        a.method = RootMethod(v.text);
        if (a.method == nullptr) {
          Fail(line.line, "method " + v.text + " not found in " + std::string(root_.ClassName()));
        }
        break;
    }
    into.push_back(std::move(a));
  }

  static std::string Got(const Value& v) {
    return v.kind == Value::Kind::Word ? ", not " + v.text : std::string();
  }

  static std::int32_t OrdinalValue(const PropInfo& prop, const Value& v, int line,
                                   const std::string& shown) {
    if (prop.ordinalType == OrdinalType::Set) {
      if (v.kind != Value::Kind::Set) Fail(line, shown + " takes a set such as [a, b]");
      std::uint32_t bits = 0;
      for (const std::string& element : v.items) {
        const auto index = IndexOfName(prop.valueNames, element);
        if (!index || *index >= 32) {
          Fail(line, "unknown element " + element + " in the set of " + shown);
        }
        bits |= 1u << *index;
      }
      return static_cast<std::int32_t>(bits);
    }
    switch (prop.ordinalType) {
      case OrdinalType::Boolean:
        if (v.kind == Value::Kind::Word && base::SameTextAscii(v.text, "True")) return 1;
        if (v.kind == Value::Kind::Word && base::SameTextAscii(v.text, "False")) return 0;
        Fail(line, shown + " takes True or False" + Got(v));
      case OrdinalType::Enumeration:
        if (v.kind != Value::Kind::Word) Fail(line, shown + " takes a value name");
        if (const auto index = IndexOfName(prop.valueNames, v.text)) {
          return static_cast<std::int32_t>(*index);
        }
        Fail(line, "unknown value " + v.text + " for " + shown);
      case OrdinalType::Integer:
      case OrdinalType::Set:
        break;
    }
    const auto number = v.kind == Value::Kind::Word
                            ? base::ParseInt32(v.text, base::IntSyntax::Plain)
                            : std::optional<std::int32_t>();
    if (!number) Fail(line, shown + " takes an integer" + Got(v));
    return *number;
  }

  // Sets the values in the order in which the object's class declares its properties.
  void Apply(TObject& target, const std::vector<Assignment>& assignments) {
    target.ClassType().ForEachProperty([&](const PropInfo& prop) {
      for (const Assignment& a : assignments) {
        if (a.prop == &prop) ApplyOne(target, a);
      }
    });
  }

  void ApplyOne(TObject& target, const Assignment& a) {
    const PropInfo& prop = *a.prop;
    if (a.isNested) {
      if (TObject* sub = prop.getObject(target)) Apply(*sub, a.nested);
      return;
    }
    switch (prop.kind) {
      case PropKind::String:
        prop.setString(target, a.value->text);
        break;
      case PropKind::Ordinal:
        prop.setOrdinal(target, a.ordinal);
        break;
      case PropKind::Object:
        // Filled in place: the owner keeps its list object, and no list setter runs.
        if (auto* list = DynamicCast<TStrings>(prop.getObject(target)))
          list->Assign(a.value->items);
        break;
      case PropKind::Event:
        prop.bindMethod(target, root_, a.method);
        if (prop.getMethodName != nullptr && prop.getMethodName(target) != a.method->name) {
          Fail(a.line, "method " + std::string(a.method->name) + " does not fit event " +
                           std::string(prop.name));
        }
        break;
    }
  }

  bool StillOwned(const TComponent* c) const {
    for (int i = 0; i < root_.OwnedCount(); ++i) {
      if (root_.OwnedComponent(i) == c) return true;
    }
    return false;
  }

  TComponent& root_;
  std::vector<TComponent*> created_;
  bool committed_ = false;
};

}  // namespace

void ReadComponent(std::string_view text, TComponent& root) {
  const ObjectNode tree = desc::Parse(text);
  Reader(root).Read(tree);
}

std::unique_ptr<TForm> ReadForm(std::string_view text) {
  const ObjectNode tree = desc::Parse(text);
  std::unique_ptr<TForm> form;
  if (const ClassInfo* info = FindClass(tree.className); info == nullptr) {
    form = std::make_unique<TStandInForm>(tree.className);
  } else if (info == &TForm::StaticClass()) {
    form = std::make_unique<TForm>(nullptr);  // the plain window: registered, not made by name
  } else if (info->create != nullptr && info->InheritsFrom(TForm::StaticClass())) {
    form.reset(static_cast<TForm*>(info->create(nullptr)));
  } else {
    Fail(tree.line, "class " + tree.className + " is no form class that can be made");
  }
  Reader(*form).Read(tree);
  return form;
}

void LoadFormDescription(TComponent& root, std::string_view resourceName) {
  const std::optional<std::string> text = Application().GetBackend().LoadDescription(resourceName);
  if (!text) throw EReadError("Resource " + std::string(resourceName) + " not found");
  ReadComponent(*text, root);
}

}  // namespace tk
