#include "platform/fake/FakeRegistry.h"

#include "platform/CaseFold.h"

namespace plat {

namespace {

// Folded path with empty components dropped: "\A\\b\" and "a\B" are one key.
std::string KeyPath(std::string_view path) {
  std::string out;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find('\\', start);
    if (end == std::string_view::npos) end = path.size();
    if (end > start) {
      if (!out.empty()) out += '\\';
      out += FoldCase(path.substr(start, end - start));
    }
    start = end + 1;
  }
  return out;
}

std::string Join(const std::string& key, std::string_view subKey) {
  const std::string sub = KeyPath(subKey);
  if (key.empty()) return sub;
  return sub.empty() ? key : key + "\\" + sub;
}

class FakeRegistryKey : public RegistryKey {
 public:
  FakeRegistryKey(const FakeRegistry& registry, std::string path)
      : registry_(registry), path_(std::move(path)) {}

  std::optional<std::string> ReadString(std::string_view subKey, std::string_view name) override {
    return registry_.Value(Join(path_, subKey), name);
  }

 private:
  const FakeRegistry& registry_;
  std::string path_;
};

}  // namespace

void FakeRegistry::CreateKey(const std::string& folded) {
  for (std::size_t pos = folded.find('\\'); pos != std::string::npos;
       pos = folded.find('\\', pos + 1)) {
    keys_.insert(folded.substr(0, pos));
  }
  if (!folded.empty()) keys_.insert(folded);
}

void FakeRegistry::SetString(std::string_view keyPath, std::string_view name,
                             std::string_view value) {
  const std::string key = KeyPath(keyPath);
  CreateKey(key);
  values_[{key, FoldCase(name)}] = value;
}

bool FakeRegistry::HasKey(std::string_view keyPath) const {
  return keys_.count(KeyPath(keyPath)) != 0;
}

void FakeRegistry::DenyAccess(std::string_view keyPath) {
  denied_.insert(KeyPath(keyPath));
}

std::unique_ptr<RegistryKey> FakeRegistry::OpenCurrentUserKey(std::string_view path) {
  const std::string key = KeyPath(path);
  for (const std::string& denied : denied_) {
    if (key == denied || key.rfind(denied + "\\", 0) == 0) return nullptr;
  }
  CreateKey(key);
  return std::make_unique<FakeRegistryKey>(*this, key);
}

std::optional<std::string> FakeRegistry::Value(std::string_view keyPath,
                                               std::string_view name) const {
  const auto found = values_.find({KeyPath(keyPath), FoldCase(name)});
  if (found == values_.end()) return std::nullopt;
  return found->second;
}

}  // namespace plat
