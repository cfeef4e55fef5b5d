// Times the uninstaller's recursive delete against what Windows itself costs, on identical trees
// in one process, so that all pay the same for the running Wine session:
//   - DeleteFiles and the removal of the emptied directory (RemoveTree), with its guards and its
//     waits for held entries;
//   - the floor: a bare loop of DeleteFileW over the tree's files, listed before the clock
//     starts, then RemoveDirectoryW on its directories, deepest first;
//   - "cmd /c rd /s /q".
// The first two take the trees' top-level directories in turns, each going first every other
// time: under Wine the cost of a removal swings with everything else the machine does, and turns
// this short keep those swings out of the ratio.
//
//   deletefiles_bench <tree-for-DeleteFiles> <tree-for-floor> <tree-for-rd>
// prints "deletefiles_ms<TAB>n", "floor_ms<TAB>n", "rd_ms<TAB>n" and "all_removed<TAB>0|1".
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/util/FileOps.h"
#include "bench/win32/Timing.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Utf16.h"
#include "platform/win32/Win32Platform.h"

namespace {

struct TreeList {
  std::vector<std::wstring> files;
  std::vector<std::wstring> dirs;  // every directory after the ones inside it
};

void List(plat::FileSystem& fs, const std::string& dir, TreeList& out) {
  for (const plat::DirEntry& entry : fs.Enumerate(dir + "\\*").entries) {
    if (entry.name == "." || entry.name == "..") continue;
    const std::string path = dir + "\\" + entry.name;
    if (entry.attributes & plat::attr::kDirectory) {
      List(fs, path, out);
    } else {
      out.files.push_back(plat::Widen(path));
    }
  }
  out.dirs.push_back(plat::Widen(dir));
}

double TimeFloor(const TreeList& list) {
  const double start = bench::NowMs();
  for (const std::wstring& f : list.files) DeleteFileW(f.c_str());
  for (const std::wstring& d : list.dirs) RemoveDirectoryW(d.c_str());
  return bench::NowMs() - start;
}

double TimeDeleteFiles(plat::FileSystem& fs, const std::string& dir, app::RetryPolicy& retry) {
  const double start = bench::NowMs();
  app::RemoveTree(fs, dir, retry);
  return bench::NowMs() - start;
}

double TimeRd(const std::wstring& dir) {
  std::wstring cmd = L"cmd.exe /c rd /s /q \"" + dir + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  const double start = bench::NowMs();
  if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                      nullptr, &si, &pi)) {
    return -1;
  }
  const plat::UniqueKernelHandle thread(pi.hThread);
  const plat::UniqueKernelHandle process(pi.hProcess);
  WaitForSingleObject(process.Get(), INFINITE);
  return bench::NowMs() - start;
}

bool Gone(const wchar_t* path) {
  return GetFileAttributesW(path) == INVALID_FILE_ATTRIBUTES;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 4) {
    std::fprintf(stderr,
                 "usage: deletefiles_bench <tree-for-DeleteFiles> <tree-for-floor> <tree-for-rd>\n");
    return 2;
  }
  plat::Platform& platform = plat::Win32Platform();
  const std::string mine = plat::Narrow(argv[1]);
  const std::string bare = plat::Narrow(argv[2]);

  // The floor's lists, one per top-level directory and one for the root, made before any clock.
  std::vector<std::string> names;
  for (const plat::DirEntry& entry : platform.fs.Enumerate(bare + "\\*").entries) {
    if (entry.name != "." && entry.name != "..") names.push_back(entry.name);
  }
  std::vector<TreeList> lists(names.size());
  for (std::size_t i = 0; i < names.size(); ++i) List(platform.fs, bare + "\\" + names[i], lists[i]);
  TreeList root;
  root.dirs.push_back(plat::Widen(bare));

  // One policy for the whole tree, as for a run of the uninstaller.
  app::RetryPolicy retry(platform.clock, {});
  double deleteFilesMs = 0, floorMs = 0;
  try {
    for (std::size_t i = 0; i < names.size(); ++i) {
      if (i % 2 == 0) floorMs += TimeFloor(lists[i]);
      deleteFilesMs += TimeDeleteFiles(platform.fs, mine + "\\" + names[i], retry);
      if (i % 2 == 1) floorMs += TimeFloor(lists[i]);
    }
    deleteFilesMs += TimeDeleteFiles(platform.fs, mine, retry);
    floorMs += TimeFloor(root);
  } catch (const std::exception&) {
    // Something stayed; all_removed says so.
  }
  const double rdMs = TimeRd(argv[3]);

  const bool gone = Gone(argv[1]) && Gone(argv[2]) && Gone(argv[3]);
  std::printf("deletefiles_ms\t%.1f\nfloor_ms\t%.1f\nrd_ms\t%.1f\nall_removed\t%d\n", deleteFilesMs,
              floorMs, rdMs, gone ? 1 : 0);
  return gone ? 0 : 1;
}
