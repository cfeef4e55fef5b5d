// The uninstaller's window table, as its stored description carries it.
#pragma once

#include <string>
#include <vector>

// The uninstaller's three-language table: 7 entries of 4 lines.
inline std::vector<std::string> UninstallerTable() {
  return {
      "%Form%",
      "Trelvia\xC2\xAEplus Deinstaller",
      "Trelvia\xC2\xAEplus Uninstaller",
      "Deinstaluj Morlen",
      "Label1",
      "Trelvia\xC2\xAEplus Deinstaller",
      "Trelvia\xC2\xAEplus Uninstaller",
      "Deinstaluj Morlen",
      "Label2",
      "Deinstallieren\r\n     Vuvavoredir Men\xC3\xBC 6.1\r\n     Vuvavoredir Planungsprogramm 6.1",
      "Uninstall\r\n    Vuvavoredir Menu\r\n    Vuvavoredir planning programme 6.1",
      "Deinstaluj\r\n  Morlen-Katalog\r\n  ZOVA Planning",
      "Button1",
      "Start",
      "Start",
      "Start",
      "Button2",
      "Abbrechen",
      "Cancel",
      "Wyj\xC5\x9B"
      "cie",
      "Label3",
      "Bitte, alle Vuvavoredir programm abbrechen!",
      "Please all Vuvavoredir application close!",
      "\xC5\x9A"
      "cie\xC5\xBCka AutuCAD",
      "StatusBar1",
      "",
      "",
      "",
  };
}
