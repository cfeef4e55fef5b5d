// Writing a stored description: stored properties in declaration order, controls nested under
// their parent.
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "base/Errors.h"
#include "toolkit/Control.h"
#include "toolkit/Description.h"
#include "toolkit/DescriptionSyntax.h"
#include "toolkit/Properties.h"
#include "toolkit/StringList.h"

namespace tk {

namespace {

using desc::Quote;

template <class T>
const T* As(const TObject* o) {
  return (o != nullptr && o->Is<T>()) ? static_cast<const T*>(o) : nullptr;
}

std::string OrdinalText(const PropInfo& prop, std::int32_t value, std::string_view shown) {
  switch (prop.ordinalType) {
    case OrdinalType::Integer:
      return std::to_string(value);
    case OrdinalType::Boolean:
      return value != 0 ? "True" : "False";
    case OrdinalType::Enumeration:
      if (value < 0 || static_cast<std::size_t>(value) >= prop.valueNames.size()) {
        throw base::Exception("Cannot write " + std::string(shown) + ": " + std::to_string(value) +
                              " has no name");
      }
      return std::string(prop.valueNames[static_cast<std::size_t>(value)]);
    case OrdinalType::Set: {
      const auto bits = static_cast<std::uint32_t>(value);
      std::string out = "[";
      for (std::size_t i = 0; i < 32; ++i) {
        if ((bits & (1u << i)) == 0) continue;
        if (i >= prop.valueNames.size()) {
          throw base::Exception("Cannot write " + std::string(shown) + ": element " +
                                std::to_string(i) + " has no name");
        }
        if (out.size() > 1) out += ", ";
        out += prop.valueNames[i];
      }
      return out + "]";
    }
  }
  return std::to_string(value);
}

class Writer {
 public:
  explicit Writer(const TComponent& root) : root_(root) {
    // Each owned component goes into its parent when that is part of the description too.
    for (int i = 0; i < root.OwnedCount(); ++i) {
      const TComponent* c = root.OwnedComponent(i);
      const TComponent* container = &root;
      if (const auto* control = As<TControl>(c)) {
        const TWinControl* parent = control->Parent();
        if (parent != nullptr && (parent == &root || parent->Owner() == &root)) container = parent;
      }
      children_[container].push_back(c);
    }
  }

  std::string Write() {
    WriteObject(root_, 0);
    return std::move(out_);
  }

 private:
  void Indent(int depth) { out_.append(static_cast<std::size_t>(depth) * 2, ' '); }

  void WriteObject(const TComponent& c, int depth) {
    Indent(depth);
    out_ += "object " + c.Name() + ": " + std::string(c.ClassName()) + "\n";
    WriteProperties(c, "", depth + 1);
    if (auto it = children_.find(&c); it != children_.end()) {
      for (const TComponent* child : it->second) WriteObject(*child, depth + 1);
    }
    Indent(depth);
    out_ += "end\n";
  }

  void Line(int depth, const std::string& name, const std::string& value) {
    Indent(depth);
    out_ += name + " = " + value + "\n";
  }

  void WriteProperties(const TObject& o, const std::string& prefix, int depth) {
    o.ClassType().ForEachProperty([&](const PropInfo& prop) {
      if (!IsPropertyStored(o, prop)) return;
      const std::string name = prefix + std::string(prop.name);
      switch (prop.kind) {
        case PropKind::String:
          if (prop.getString != nullptr && prop.setString != nullptr) {
            Line(depth, name, Quote(prop.getString(o)));
          }
          break;
        case PropKind::Ordinal:
          if (prop.getOrdinal != nullptr && prop.setOrdinal != nullptr) {
            Line(depth, name, OrdinalText(prop, prop.getOrdinal(o), name));
          }
          break;
        case PropKind::Event:
          if (prop.getMethodName != nullptr && prop.bindMethod != nullptr) {
            const std::string method = prop.getMethodName(o);
            if (!method.empty()) Line(depth, name, method);
          }
          break;
        case PropKind::Object:
          WriteObjectProperty(o, prop, name, depth);
          break;
      }
    });
  }

  void WriteObjectProperty(const TObject& o, const PropInfo& prop, const std::string& name,
                           int depth) {
    const TObject* value = prop.getObject != nullptr ? prop.getObject(o) : nullptr;
    // Another component is a reference, not a part of this object.
    if (value == nullptr || value->Is<TComponent>()) return;
    if (const auto* list = As<TStrings>(value)) {
      if (list->Count() == 0) return;
      Indent(depth);
      out_ += name + " = (\n";
      for (const std::string& item : list->Items()) {
        Indent(depth + 1);
        out_ += Quote(item) + "\n";
      }
      Indent(depth);
      out_ += ")\n";
      return;
    }
    WriteProperties(*value, name + ".", depth);
  }

  const TComponent& root_;
  std::unordered_map<const TComponent*, std::vector<const TComponent*>> children_;
  std::string out_;
};

}  // namespace

std::string WriteComponent(const TComponent& root) {
  return Writer(root).Write();
}

}  // namespace tk
