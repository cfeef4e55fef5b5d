// Runs mltool's commands on real files in a fresh scratch directory, on the headless backend.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/HeadlessApp.h"
#include "tools/mltool/Commands.h"

extern const char kUninst1Form[];

class ToolTest : public HeadlessApp {
 protected:
  ToolTest() {
    static int counter = 0;
    const std::string leaf = "mltool-test-" + std::to_string(++counter) + "-" +
                             std::to_string(reinterpret_cast<std::uintptr_t>(this));
    dir_ = std::filesystem::temp_directory_path() / leaf;
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  ~ToolTest() override {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }

  // UTF-8 paths, as the tool takes them.
  std::string Path(const std::string& name) const {
    const std::u8string u8 =
        (dir_ / std::filesystem::path(std::u8string(name.begin(), name.end()))).u8string();
    return std::string(u8.begin(), u8.end());
  }
  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(FsPath(name), std::ios::binary) << bytes;
  }
  std::optional<std::string> Read(const std::string& name) const {
    std::ifstream in(FsPath(name), std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  // Every file the scratch directory holds, by name.
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir_)) {
      const std::u8string u8 = entry.path().filename().u8string();
      names.emplace_back(u8.begin(), u8.end());
    }
    return names;
  }

  int Run(std::vector<std::string> args) {
    output = {};
    return mltool::RunCommand(args, output);
  }

  mltool::Output output;

 private:
  std::filesystem::path FsPath(const std::string& name) const {
    return dir_ / std::filesystem::path(std::u8string(name.begin(), name.end()));
  }

  std::filesystem::path dir_;
};
