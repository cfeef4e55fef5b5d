// The floor of the start-up timing: the uninstaller's window made directly with CreateWindowExW,
// without the toolkit, the stored description or the localization component. The same window
// class styles, classes, texts, fonts, logo, animation clip and hidden list of 109 items, in the
// same places (the stored 96-dpi layout), from the same resources linked into it; it opens,
// shows, and waits for input until it is closed.
#include <windows.h>
// The common controls need the base declarations first.
#include <commctrl.h>

#include <iterator>

namespace {

constexpr int kClientWidth = 375;
constexpr int kClientHeight = 231;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

const wchar_t kTitle[] = L"Trelvia\u00AEplus Deinstaller";

const wchar_t* const kVlcItems[] = {
#include "VlcItems.inc"
};

struct Child {
  const wchar_t* className;
  const wchar_t* text;
  DWORD style;
  int left, top, width, height;
  bool bold;
};

const Child kChildren[] = {
    {L"STATIC", kTitle, SS_LEFTNOWORDWRAP, 24, 16, 181, 16, true},
    {L"STATIC",
     L"Deinstallieren\r\n     Vuvavoredir Men\u00FC 6.1\r\n     Vuvavoredir Planungsprogramm 6.1",
     SS_LEFTNOWORDWRAP, 40, 40, 189, 39, false},
    {L"STATIC", L"", SS_BITMAP, 245, 8, 124, 41, false},
    {L"STATIC", L"Bitte, alle Vuvavoredir programm abbrechen!", SS_LEFTNOWORDWRAP, 32, 192, 215,
     13, false},
    {L"BUTTON", L"Start", BS_PUSHBUTTON | WS_TABSTOP, 48, 160, 75, 25, false},
    {L"BUTTON", L"Abbrechen", BS_PUSHBUTTON | WS_TABSTOP, 240, 160, 75, 25, false},
    {STATUSCLASSNAMEW, L"", CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER, 0, 212, 375, 19,
     false},
    {ANIMATE_CLASSW, L"", ACS_CENTER | ACS_TRANSPARENT, 32, 88, 304, 60, false},
};
constexpr int kLogo = 2;
constexpr int kStatusBar = 6;
constexpr int kAnimation = 7;

HFONT Font(int height, bool bold) {
  return CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif");
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      // White behind the labels and buttons, as the window's own background.
      SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
      return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

HWND CreateMainWindow(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.hIcon = static_cast<HICON>(LoadImageW(instance, L"MAINICON", IMAGE_ICON,
                                           GetSystemMetrics(SM_CXICON),
                                           GetSystemMetrics(SM_CYICON), LR_SHARED));
  wc.lpszClassName = L"ZovaStartupFloor";
  RegisterClassExW(&wc);
  RECT outer{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&outer, kStyle, FALSE, 0);
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  return CreateWindowExW(0, wc.lpszClassName, kTitle, kStyle,
                         area.left + (area.right - area.left - width) / 2,
                         area.top + (area.bottom - area.top - height) / 2, width, height, nullptr,
                         nullptr, instance, nullptr);
}

void CreateChildren(HWND window, HINSTANCE instance, HMODULE shell) {
  const HFONT normal = Font(-11, false);
  const HFONT bold = Font(-13, true);
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(normal), FALSE);
  HWND children[std::size(kChildren)] = {};
  for (std::size_t i = 0; i < std::size(kChildren); ++i) {
    const Child& c = kChildren[i];
    children[i] = CreateWindowExW(0, c.className, c.text, WS_CHILD | WS_VISIBLE | c.style, c.left,
                                  c.top, c.width, c.height, window,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(i + 1)), instance,
                                  nullptr);
    SendMessageW(children[i], WM_SETFONT, reinterpret_cast<WPARAM>(c.bold ? bold : normal), FALSE);
  }
  SendMessageW(children[kLogo], STM_SETIMAGE, IMAGE_BITMAP,
               reinterpret_cast<LPARAM>(LoadImageW(instance, L"LOGO", IMAGE_BITMAP, 0, 0, 0)));
  SendMessageW(children[kStatusBar], SB_SETBKCOLOR, 0, RGB(255, 255, 255));
  SendMessageW(children[kStatusBar], SB_SIMPLE, TRUE, 0);
  SendMessageW(children[kAnimation], ACM_OPENW, reinterpret_cast<WPARAM>(shell),
               reinterpret_cast<LPARAM>(MAKEINTRESOURCEW(164)));

  const HWND list = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VSCROLL | LBS_NOTIFY, 40, 96,
                                    289, 39, window, reinterpret_cast<HMENU>(100), instance,
                                    nullptr);
  SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(normal), FALSE);
  for (const wchar_t* item : kVlcItems) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_ANIMATE_CLASS | ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  const HMODULE shell = LoadLibraryExW(L"shell32.dll", nullptr,
                                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  const HWND window = CreateMainWindow(instance);
  CreateChildren(window, instance, shell);
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageW(window, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  return 0;
}
