// textfit's program entry: arguments in, the report out, both UTF-8. Command.h describes the
// command.
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// The shell's declarations need the base ones first.
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Utf16.h"
#include "toolkit/Application.h"
#include "toolkit/win32/Win32Backend.h"
#include "tools/textfit/Command.h"

int main() {
  int count = 0;
  const plat::UniqueArgumentList wide(CommandLineToArgvW(GetCommandLineW(), &count));
  std::vector<std::string> args;
  for (int i = 1; i < count; ++i) args.push_back(plat::Narrow(wide.Get()[i]));

  tk::win32::Win32Backend backend;
  tk::Application().SetBackend(&backend);
  textfit::Output output;
  const int code = textfit::RunCommand(args, output);
  tk::Application().SetBackend(nullptr);

  // A console shows the UTF-8 report as such; redirected output gets the bytes.
  const UINT previous = GetConsoleOutputCP();
  SetConsoleOutputCP(CP_UTF8);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  std::fwrite(output.out.data(), 1, output.out.size(), stdout);
  std::fwrite(output.err.data(), 1, output.err.size(), stderr);
  std::fflush(stdout);
  std::fflush(stderr);
  SetConsoleOutputCP(previous);
  return code;
}
