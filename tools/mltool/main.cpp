// mltool's program entry: arguments in, messages out, both UTF-8; the window descriptions are
// read on the headless backend, so no display is needed. Commands.h describes the commands.
#ifdef _WIN32
#include <windows.h>
// The shell's declarations need the base ones first.
#include <shellapi.h>
#endif

#include <cstdio>
#include <string>
#include <vector>

#include "toolkit/Application.h"
#include "toolkit/headless/HeadlessBackend.h"
#include "tools/mltool/Commands.h"

#ifdef _WIN32
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Utf16.h"
#endif

namespace {

std::vector<std::string> Arguments(int argc, char** argv) {
  std::vector<std::string> args;
#ifdef _WIN32
  // The narrow arguments are in the ANSI code page; the wide ones hold every character.
  (void)argc;
  (void)argv;
  int count = 0;
  const plat::UniqueArgumentList wide(CommandLineToArgvW(GetCommandLineW(), &count));
  for (int i = 1; i < count; ++i) args.push_back(plat::Narrow(wide.Get()[i]));
#else
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
#endif
  return args;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args = Arguments(argc, argv);
  tk::HeadlessBackend backend("mltool");
  tk::Application().SetBackend(&backend);

  mltool::Output output;
  const int code = mltool::RunCommand(args, output);
  tk::Application().SetBackend(nullptr);

#ifdef _WIN32
  // A console shows the UTF-8 messages as such; redirected output gets the bytes.
  const UINT previous = GetConsoleOutputCP();
  SetConsoleOutputCP(CP_UTF8);
#endif
  std::fwrite(output.out.data(), 1, output.out.size(), stdout);
  std::fwrite(output.err.data(), 1, output.err.size(), stderr);
  std::fflush(stdout);
  std::fflush(stderr);
#ifdef _WIN32
  SetConsoleOutputCP(previous);
#endif
  return code;
}
