// Spellings of absolute paths and the full path Windows makes of each, shared by the test of the
// pure rules (natively) and the test that holds them against GetFullPathNameW (under Wine).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pathtest {

struct PathSpelling {
  std::string path;
  std::optional<std::string> full;  // nothing where Windows fails
  // What Wine 8 answers where it is known to differ from Windows.
  std::optional<std::string> wine = std::nullopt;
};

inline std::vector<PathSpelling> PathSpellings() {
  std::string deep = R"(C:\)";
  for (int i = 0; i < 30; ++i) deep += R"(Verzeichnis\)";
  const std::string tooLong = R"(C:\)" + std::string(40000, 'x');
  return {
      // Drive paths: separators, "." and "..", which never climb above the root.
      {R"(C:\.)", R"(C:\)"},
      {R"(C:\..)", R"(C:\)"},
      {R"(C:\Programme\..)", R"(C:\)"},
      {R"(C:\windows)", R"(C:\windows)"},
      {R"(C:/Programme/Trelvia)", R"(C:\Programme\Trelvia)"},
      {R"(C:\)", R"(C:\)"},
      {R"(C:\Trelvia\)", R"(C:\Trelvia\)"},
      {R"(C:\Trelvia\.)", R"(C:\Trelvia)"},
      {R"(C:\\a\\\b)", R"(C:\a\b)"},
      {R"(C:/a//b/)", R"(C:\a\b\)"},
      {R"(c:\a\..\..\..\b)", R"(c:\b)"},
      {R"(C:\a\b\..\)", R"(C:\a\)"},
      {R"(C:\a\b\..\..\)", R"(C:\)"},
      {R"(C:\a\.\)", R"(C:\a\)"},
      {deep + R"(Trelvia)", deep + R"(Trelvia)"},
      {deep + R"(..\Trelvia)", deep.substr(0, deep.size() - 12) + "Trelvia"},
      {"\xC3\xA4:\\x", "\xC3\xA4:\\x"},  // "ä:" is a drive as far as the rules go
      // Trailing dots and spaces: all of them at the end, one dot of an inner segment.
      {R"(C:\Trelvia\...)", R"(C:\Trelvia\)"},
      {R"(C:\Trelvia. . )", R"(C:\Trelvia)"},
      {R"(C:\Trelvia. \)", R"(C:\Trelvia. \)"},
      {R"(C:\Trelvia\ )", R"(C:\Trelvia\)"},
      {R"(C:\x\ . )", R"(C:\x\)"},
      {R"(C:\x\.. )", R"(C:\x\)"},
      {R"(C:\a.\b)", R"(C:\a\b)"},
      {R"(C:\a..\b)", R"(C:\a.\b)"},
      {R"(C:\a...\b)", R"(C:\a..\b)"},
      {R"(C:\a \b)", R"(C:\a \b)"},
      {R"(C:\a. \b)", R"(C:\a. \b)"},
      {R"(C:\a .\b)", R"(C:\a \b)"},
      {R"(C:\a\ .\b)", R"(C:\a\ \b)"},
      {R"(C:\ \x)", R"(C:\ \x)"},
      // Shares: the root is the server and the share with the separators after them.
      {R"(\\server\share)", R"(\\server\share)"},
      {R"(\\server\share\)", R"(\\server\share\)"},
      {R"(\\server\share\..)", R"(\\server\share\)"},
      {R"(\\server\share\x\..\..\y)", R"(\\server\share\y)"},
      {R"(\\server\share\\x)", R"(\\server\share\\x)"},
      {R"(\\server\\share\x)", R"(\\server\\share\x)"},
      {R"(\\server)", R"(\\server)"},
      {R"(\\server\)", R"(\\server\)"},
      {R"(\\server\..\x)", R"(\\server\..\x)"},
      {R"(//server/share/x)", R"(\\server\share\x)"},
      {R"(\\)", R"(\\)"},
      {R"(\\.x\share)", R"(\\.x\share)"},
      {R"(\\?x\share)", R"(\\?x\share)"},
      // The device namespace: the root is the prefix alone, so ".." climbs over the drive.
      {R"(\\.\C:\Trelvia)", R"(\\.\C:\Trelvia)"},
      {R"(\\.\C:\Trelvia\..)", R"(\\.\C:)"},
      {R"(\\.\C:\..)", R"(\\.\)"},
      {R"(\\.\C:\a\..\..\..)", R"(\\.\)"},
      {R"(\\.\C:)", R"(\\.\C:)"},
      {R"(\\.\)", R"(\\.\)"},
      {R"(\\.\\x)", R"(\\.\x)"},
      {R"(\\.)", R"(\\.\)"},
      {R"(\\?)", R"(\\.\)"},
      {R"(\\?\C:\a\..\b)", R"(\\?\C:\b)"},
      {R"(\\?\C:\Trelvia. )", R"(\\?\C:\Trelvia)"},
      {R"(\\?\C:/x)", R"(\\?\C:\x)"},
      {R"(//?/C:/a/../b)", R"(\\?\C:\b)"},
      {R"(\\?\UNC\server\share\x)", R"(\\?\UNC\server\share\x)"},
      {R"(\\?\UNC\server\share\..\..)", R"(\\?\UNC)"},
      {R"(\\.\UNC\server\share\x)", R"(\\.\UNC\server\share\x)"},
      {R"(\\.\pipe\x)", R"(\\.\pipe\x)"},
      {R"(\\?\Volume{12345678-1234-1234-1234-123456789abc}\x)",
       R"(\\?\Volume{12345678-1234-1234-1234-123456789abc}\x)"},
      {R"(\\?\C:\COM1)", R"(\\?\C:\COM1)"},
      // A drive path whose last segment names a device is that device.
      {R"(C:\x\CON)", R"(\\.\CON)"},
      {R"(C:\x\con.txt)", R"(\\.\con)"},
      {R"(C:\x\CON .txt)", R"(\\.\CON)"},
      {R"(C:\x\NUL)", R"(\\.\NUL)"},
      {R"(C:\x\COM1)", R"(\\.\COM1)"},
      {R"(C:\x\COM1.)", R"(\\.\COM1)"},
      {R"(C:\x\LPT9.log)", R"(\\.\LPT9)"},
      {R"(C:\x\lpt1 )", R"(\\.\lpt1)"},
      {R"(C:\x\prn  )", R"(\\.\prn)"},
      {R"(C:\x\AUX:)", R"(\\.\AUX)"},
      {R"(C:\x\conin$)", R"(\\.\conin$)"},
      {R"(C:\x\CONOUT$)", R"(\\.\CONOUT$)"},
      {"C:\\x\\COM\xC2\xB9", "\\\\.\\COM\xC2\xB9", "C:\\x\\COM\xC2\xB9"},          // COM¹
      {"C:\\x\\lpt\xC2\xB3.txt", "\\\\.\\lpt\xC2\xB3", "C:\\x\\lpt\xC2\xB3.txt"},  // lpt³
      {R"(C:\x\COM0)", R"(C:\x\COM0)"},
      {R"(C:\x\COM1\)", R"(C:\x\COM1\)"},
      {R"(C:\CON\x)", R"(C:\CON\x)"},
      {R"(\\server\share\CON)", R"(\\server\share\CON)"},
      {R"(\\.\con)", R"(\\.\con)"},
      // Beyond what the system's counted strings hold.
      {tooLong, std::nullopt, tooLong},
  };
}

}  // namespace pathtest
