#include "platform/fake/FakeStringLibraries.h"

#include <utility>

#include "base/Utf8.h"
#include "platform/CaseFold.h"

namespace plat {

namespace {

constexpr std::uint32_t kLargestId = 0xFFFF;
constexpr std::uint32_t kBlockSize = 16;

}  // namespace

class FakeStringLibraries::Library : public StringLibrary {
 public:
  Library(std::shared_ptr<const Strings> strings, std::shared_ptr<State> state)
      : strings_(std::move(strings)), state_(std::move(state)) {
    ++state_->loads;
  }
  ~Library() override { ++state_->releases; }
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;

  LibraryString ReadString(std::uint32_t id) override {
    state_->reads.push_back(id);
    return LookUpString(*strings_, id);
  }

 private:
  std::shared_ptr<const Strings> strings_;
  std::shared_ptr<State> state_;
};

LibraryString LookUpString(const FakeStringLibraries::Strings& strings, std::uint32_t id) {
  LibraryString result;
  if (id > kLargestId) {
    result.error = err::kResourceNameNotFound;
    return result;
  }
  const std::uint32_t first = id - id % kBlockSize;
  const auto inBlock = strings.lower_bound(first);
  if (inBlock == strings.end() || inBlock->first >= first + kBlockSize) {
    result.error = err::kResourceNameNotFound;
    return result;
  }
  const auto found = strings.find(id);
  if (found == strings.end()) return result;
  result.text = base::CutToUtf16Units(found->second, kMaxLibraryStringChars);
  result.length = static_cast<std::int32_t>(base::Utf16Length(result.text));
  return result;
}

FakeStringLibraries::FakeStringLibraries() : state_(std::make_shared<State>()) {}

void FakeStringLibraries::AddLibrary(std::string_view path, Strings strings) {
  libraries_[FoldCase(path)] = std::make_shared<const Strings>(std::move(strings));
}

void FakeStringLibraries::FailLoad(std::string_view path) {
  failing_.insert(FoldCase(path));
}

std::unique_ptr<StringLibrary> FakeStringLibraries::Load(std::string_view path) {
  state_->requests.emplace_back(path);
  const std::string key = FoldCase(path);
  if (failing_.count(key) != 0) return nullptr;
  const auto found = libraries_.find(key);
  if (found == libraries_.end()) return nullptr;
  return std::make_unique<Library>(found->second, state_);
}

}  // namespace plat
