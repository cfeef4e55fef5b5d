#include "tests/fuzz/FuzzTarget.h"

#include <cstdio>
#include <cstdlib>

#include "toolkit/Application.h"
#include "toolkit/StandardClasses.h"

namespace fuzz {

void Broken(std::string_view what) {
  std::fprintf(stderr, "broken: %.*s\n", static_cast<int>(what.size()), what.data());
  std::abort();
}

HeadlessSession::HeadlessSession() {
  static const bool registered = [] {
    tk::RegisterStandardClasses();
    return true;
  }();
  (void)registered;
  tk::Application().SetBackend(&backend_);
  tk::Application().SetDialogs(nullptr);
}

HeadlessSession::~HeadlessSession() {
  tk::Application().SetMainForm(nullptr);
  tk::Application().SetBackend(nullptr);
}

std::vector<std::vector<std::string>> Sections(std::string_view input,
                                               std::initializer_list<std::string_view> markers) {
  std::vector<std::vector<std::string>> sections(1);
  const std::string_view* marker = markers.begin();
  std::size_t start = 0;
  while (start < input.size()) {
    std::size_t end = input.find('\n', start);
    if (end == std::string_view::npos) end = input.size();
    const std::string_view line = input.substr(start, end - start);
    if (marker != markers.end() && line == *marker) {
      sections.emplace_back();
      ++marker;
    } else {
      sections.back().emplace_back(line);
    }
    start = end + 1;
  }
  sections.resize(markers.size() + 1);
  return sections;
}

LineChoices::LineChoices(std::string line) : line_(std::move(line)), state_(14695981039346656037u) {
  for (const char c : line_) state_ = (state_ ^ static_cast<unsigned char>(c)) * 1099511628211u;
}

int LineChoices::Below(int n) {
  if (next_ < line_.size()) {
    const auto c = static_cast<unsigned char>(line_[next_++]);
    return (c >= '0' && c <= '9' ? c - '0' : c) % n;
  }
  // A 64-bit linear congruential step; its high bits are plenty for small ranges.
  state_ = state_ * 6364136223846793005u + 1442695040888963407u;
  return static_cast<int>((state_ >> 33) % static_cast<std::uint64_t>(n));
}

ChosenInput ReadChosenInput(const std::uint8_t* data, std::size_t size,
                            std::initializer_list<std::string_view> markers) {
  auto sections = Sections(std::string_view(reinterpret_cast<const char*>(data), size), markers);
  std::vector<std::string>& first = sections.front();
  std::string line;
  if (!first.empty()) {
    line = std::move(first.front());
    first.erase(first.begin());
  }
  return {LineChoices(std::move(line)), std::move(sections)};
}

}  // namespace fuzz
