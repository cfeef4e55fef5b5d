// A file system in front of another that passes every call on and keeps, in order, which
// operation went to which path.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/fake/FakeFileSystem.h"

namespace apptest {

class CallLog : public plat::FileSystem {
 public:
  struct Call {
    plat::FsOp op;
    std::string path;
  };

  explicit CallLog(plat::FileSystem& fs) : fs_(fs) {}

  plat::Listing Enumerate(std::string_view p) override {
    return Logged(plat::FsOp::kEnumerate, p, &plat::FileSystem::Enumerate);
  }
  plat::OsError RemoveFile(std::string_view p) override {
    return Logged(plat::FsOp::kRemoveFile, p, &plat::FileSystem::RemoveFile);
  }
  plat::OsError SetAttributes(std::string_view p, std::uint32_t a) override {
    calls.push_back({plat::FsOp::kSetAttributes, std::string(p)});
    return fs_.SetAttributes(p, a);
  }
  plat::OsError RemoveDir(std::string_view p) override {
    return Logged(plat::FsOp::kRemoveDir, p, &plat::FileSystem::RemoveDir);
  }
  plat::OsError MakeDir(std::string_view p) override {
    return Logged(plat::FsOp::kMakeDir, p, &plat::FileSystem::MakeDir);
  }
  plat::Attributes GetAttributes(std::string_view p) override {
    return Logged(plat::FsOp::kGetAttributes, p, &plat::FileSystem::GetAttributes);
  }
  std::optional<std::string> LongPathName(std::string_view p) override {
    return Logged(plat::FsOp::kLongPathName, p, &plat::FileSystem::LongPathName);
  }
  std::optional<std::string> FullPathName(std::string_view p) override {
    return Logged(plat::FsOp::kFullPathName, p, &plat::FileSystem::FullPathName);
  }

  // The paths of the calls of one operation, in order.
  std::vector<std::string> Paths(plat::FsOp op) const {
    std::vector<std::string> paths;
    for (const Call& c : calls) {
      if (c.op == op) paths.push_back(c.path);
    }
    return paths;
  }

  std::vector<Call> calls;

 private:
  template <class Result>
  Result Logged(plat::FsOp op, std::string_view p, Result (plat::FileSystem::*call)(std::string_view)) {
    calls.push_back({op, std::string(p)});
    return (fs_.*call)(p);
  }

  plat::FileSystem& fs_;
};

}  // namespace apptest
