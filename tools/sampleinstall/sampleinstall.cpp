// Prepares and inspects a sample installation of the product inside Windows (or Wine), with real
// attributes, for the run script and the end-to-end tests.
//
//   sampleinstall create <installdir> [options]   make an installation ("C:\" plants the
//                                                 product's directories at the drive's root);
//                                                 options:
//       --lang N          write "Lang=N" into the settings file (default: no Lang key)
//       --no-ini          write no settings file
//       --dir TEXT        the settings file's "directory" value (default: <installdir>)
//       --only-dirs       no Start-menu folder and no temp files
//       --stray-file      also a file lying directly in <installdir>
//       --bulk N          also N files spread over the program directory (a run that lasts)
//   sampleinstall remaining <installdir>            prints what is left, one "kind<TAB>path" a line
//   sampleinstall paths                             prints "temp<TAB>..." and "programs<TAB>..."
//   sampleinstall hold <file> <seconds>             holds <file> open without delete sharing
//
// The VLC directory list is the same 109 directories the uninstaller's window carries.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Out(const std::wstring& s) {
  int n = WideCharToMultiByte(CP_UTF8, 0, s.c_str(), static_cast<int>(s.size()), nullptr, 0,
                              nullptr, nullptr);
  std::string u(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, s.c_str(), static_cast<int>(s.size()), u.data(), n, nullptr,
                      nullptr);
  u += '\n';
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), u.data(), static_cast<DWORD>(u.size()), &written,
            nullptr);
}

std::vector<std::wstring> VlcDirectories() {
  const wchar_t* codes[] = {L"af", L"ar", L"ca", L"co", L"cs", L"da", L"de", L"en_GB", L"es",
                            L"eu", L"fa", L"fr", L"fur", L"gl", L"he", L"hi", L"hu", L"it",
                            L"ja", L"ka", L"ko", L"lt", L"lv", L"ms", L"nb", L"ne", L"nl",
                            L"nn", L"oc", L"pa", L"pl", L"pt_BR", L"ro", L"ru", L"sk", L"sl",
                            L"sq", L"sr", L"sv", L"th", L"tr", L"zh_CN", L"zh_TW"};
  std::vector<std::wstring> d = {L"VLC", L"VLC\\http", L"VLC\\locale", L"VLC\\osdmenu",
                                 L"VLC\\plugins", L"VLC\\skins", L"VLC\\http\\dialogs",
                                 L"VLC\\http\\images", L"VLC\\http\\js", L"VLC\\http\\old",
                                 L"VLC\\http\\requests", L"VLC\\http\\old\\admin",
                                 L"VLC\\http\\old\\vlm"};
  for (const wchar_t* c : codes) d.push_back(std::wstring(L"VLC\\locale\\") + c);
  for (const wchar_t* c : codes) d.push_back(std::wstring(L"VLC\\locale\\") + c + L"\\LC_MESSAGES");
  for (const wchar_t* s : {L"default", L"dvd", L"default\\selected", L"default\\selection",
                           L"default\\volume", L"dvd\\selected", L"dvd\\selection",
                           L"dvd\\unselect", L"dvd\\volume"}) {
    d.push_back(std::wstring(L"VLC\\osdmenu\\") + s);
  }
  d.push_back(L"VLC\\skins\\fonts");
  return d;
}

bool WriteText(const std::wstring& path, const std::string& text, DWORD attributes = 0) {
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(h);
  if (attributes != 0) SetFileAttributesW(path.c_str(), attributes);
  return true;
}

void MakeDirs(const std::wstring& path) {
  for (size_t i = 3; i <= path.size(); ++i) {
    if (i == path.size() || path[i] == L'\\') CreateDirectoryW(path.substr(0, i).c_str(), nullptr);
  }
}

std::wstring TempDir() {
  wchar_t buf[MAX_PATH];
  DWORD n = GetEnvironmentVariableW(L"TEMP", buf, MAX_PATH);
  std::wstring t(buf, n);
  if (!t.empty() && t.back() != L'\\') t += L'\\';
  return t;
}

std::wstring ProgramsFolder() {
  wchar_t buf[MAX_PATH] = {};
  DWORD size = sizeof(buf);
  if (RegGetValueW(HKEY_CURRENT_USER,
                   L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                   L"Programs", RRF_RT_REG_SZ, nullptr, buf, &size) != ERROR_SUCCESS) {
    return L"";
  }
  return buf;
}

std::string Utf8(const std::wstring& s) {
  int n = WideCharToMultiByte(CP_UTF8, 0, s.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string u(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, s.c_str(), -1, u.data(), n, nullptr, nullptr);
  u.resize(static_cast<size_t>(n > 0 ? n - 1 : 0));
  return u;
}

const wchar_t* const kShortcuts[] = {
    L"\\Vuvavoredir Menü 6.1.lnk", L"\\Vuvavoredir Planungsprogramm 6.1.lnk",
    L"\\Vuvavoredir menu 6.1.lnk", L"\\Vuvavoredir planning programme 6.1.lnk",
    L"\\Uninstall Vuvavoredir.lnk"};

int Create(int argc, wchar_t** argv) {
  if (argc < 3) return 2;
  std::wstring dir = argv[2];
  std::wstring lang, iniDir = dir;
  bool ini = true, onlyDirs = false, stray = false;
  int bulk = 0;
  for (int i = 3; i < argc; ++i) {
    std::wstring a = argv[i];
    if (a == L"--lang" && i + 1 < argc) lang = argv[++i];
    else if (a == L"--no-ini") ini = false;
    else if (a == L"--dir" && i + 1 < argc) iniDir = argv[++i];
    else if (a == L"--only-dirs") onlyDirs = true;
    else if (a == L"--stray-file") stray = true;
    else if (a == L"--bulk" && i + 1 < argc) bulk = _wtoi(argv[++i]);
    else return 2;
  }
  while (dir.size() > 2 && dir.back() == L'\\') dir.pop_back();  // "C:\" joins as "C:"
  MakeDirs(dir);
  // The catalogue and the program directory, nested, with read-only and hidden files.
  for (const wchar_t* sub : {L"\\morlencat", L"\\zuduviv"}) {
    std::wstring base = dir + sub;
    MakeDirs(base + L"\\data\\deep\\deeper");
    WriteText(base + L"\\readme.txt", "product file\r\n");
    WriteText(base + L"\\locked.dat", "read-only\r\n", FILE_ATTRIBUTE_READONLY);
    WriteText(base + L"\\secret.dat", "hidden\r\n", FILE_ATTRIBUTE_HIDDEN);
    WriteText(base + L"\\data\\table.db", "rows\r\n");
    WriteText(base + L"\\data\\deep\\deeper\\leaf.bin", "leaf\r\n", FILE_ATTRIBUTE_SYSTEM);
  }
  int i = 0;
  for (const std::wstring& sub : VlcDirectories()) {
    MakeDirs(dir + L"\\" + sub);
    const DWORD attr = (i % 7 == 3) ? FILE_ATTRIBUTE_READONLY
                       : (i % 7 == 5) ? FILE_ATTRIBUTE_HIDDEN : 0;
    WriteText(dir + L"\\" + sub + L"\\file" + std::to_wstring(i) + L".dat", "vlc\r\n", attr);
    ++i;
  }
  if (stray) WriteText(dir + L"\\stray.txt", "left behind\r\n");
  for (int k = 0; k < bulk; ++k) {
    const std::wstring sub = dir + L"\\zuduviv\\bulk" + std::to_wstring(k / 100);
    if (k % 100 == 0) MakeDirs(sub);
    WriteText(sub + L"\\part" + std::to_wstring(k) + L".dat", "bulk\r\n");
  }
  if (onlyDirs) return 0;
  const std::wstring temp = TempDir();
  if (ini) {
    std::string text = "[TRElvia]\r\n";
    if (!lang.empty()) text += "Lang=" + Utf8(lang) + "\r\n";
    text += "directory=" + Utf8(iniDir) + "\r\n";
    WriteText(temp + L"vodere.ini", text);
  }
  WriteText(temp + L"control.ini", "[control]\r\n");
  WriteText(temp + L"uninstzova.exe", "MZ copy of the uninstaller\r\n");
  const std::wstring programs = ProgramsFolder();
  if (!programs.empty()) {
    const std::wstring folder = programs + L"\\ORX Vuvavoredir";
    MakeDirs(folder);
    for (const wchar_t* s : kShortcuts) WriteText(folder + s, "shortcut\r\n");
    WriteText(folder + L"\\Readme.txt", "start-menu file\r\n");
  }
  return 0;
}

void ListRemaining(const std::wstring& path, const std::wstring& shown) {
  WIN32_FIND_DATAW fd;
  HANDLE h = FindFirstFileW((path + L"\\*").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return;
  do {
    std::wstring name = fd.cFileName;
    if (name == L"." || name == L"..") continue;
    const bool isDir = (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    Out(std::wstring(isDir ? L"dir\t" : L"file\t") + shown + L"\\" + name);
    if (isDir && !(fd.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
      ListRemaining(path + L"\\" + name, shown + L"\\" + name);
    }
  } while (FindNextFileW(h, &fd));
  FindClose(h);
}

int Remaining(int argc, wchar_t** argv) {
  if (argc < 3) return 2;
  std::wstring dir = argv[2];
  if (GetFileAttributesW(dir.c_str()) != INVALID_FILE_ATTRIBUTES) {
    Out(L"dir\t" + dir);
    ListRemaining(dir, dir);
  }
  const std::wstring temp = TempDir();
  for (const wchar_t* f : {L"vodere.ini", L"control.ini", L"uninstzova.exe"}) {
    if (GetFileAttributesW((temp + f).c_str()) != INVALID_FILE_ATTRIBUTES) Out(L"temp\t" + temp + f);
  }
  const std::wstring folder = ProgramsFolder() + L"\\ORX Vuvavoredir";
  if (GetFileAttributesW(folder.c_str()) != INVALID_FILE_ATTRIBUTES) {
    Out(L"startmenu\t" + folder);
    ListRemaining(folder, folder);
  }
  return 0;
}

int ShowWindowFor(int argc, wchar_t** argv) {
  if (argc < 4) return 2;
  HWND w = CreateWindowExW(0, L"STATIC", argv[2], WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300,
                           100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (w == nullptr) return 1;
  Out(L"showing");
  const DWORD until = GetTickCount() + static_cast<DWORD>(_wtoi(argv[3])) * 1000;
  MSG msg;
  while (GetTickCount() < until) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(20);
  }
  DestroyWindow(w);
  return 0;
}

int Hold(int argc, wchar_t** argv) {
  if (argc < 4) return 2;
  HANDLE h = CreateFileW(argv[2], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return 1;
  Out(L"holding");
  Sleep(static_cast<DWORD>(_wtoi(argv[3])) * 1000);
  CloseHandle(h);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  const std::wstring cmd = argv[1];
  if (cmd == L"create") return Create(argc, argv);
  if (cmd == L"remaining") return Remaining(argc, argv);
  if (cmd == L"hold") return Hold(argc, argv);
  if (cmd == L"window") return ShowWindowFor(argc, argv);
  if (cmd == L"paths") {
    Out(L"temp\t" + TempDir());
    Out(L"programs\t" + ProgramsFolder());
    return 0;
  }
  return 2;
}
