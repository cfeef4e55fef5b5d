#include "toolkit/win32/Win32Dialogs.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "platform/win32/UniqueHandle.h"
#include "toolkit/DpiScale.h"
#include "toolkit/win32/DialogTemplate.h"
#include "toolkit/win32/FileDialogs.h"
#include "toolkit/win32/Utf16.h"
#include "toolkit/win32/native/Dpi.h"
#include "toolkit/win32/native/SimpleControls.h"

// The toolkit's DialogKind::MessageBox, not the Win32 function macro.
#undef MessageBox

namespace tk::win32 {

namespace {

// At 96 dpi; the dialog scales them to its resolution, as the system scales its font.
constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kIconGap = 12;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 6;
constexpr int kMaxTextWidth = 480;
constexpr int kIconId = 0xFFFE;
constexpr int kTextId = 0xFFFF;

constexpr TMsgDlgBtn kButtonOrder[] = {mbYes, mbNo, mbOK, mbCancel};

struct DialogState {
  const DialogRequest& request;
  TMsgDlgButtons buttons;
};

const wchar_t* IconFor(const DialogRequest& request) {
  switch (request.kind) {
    case DialogKind::ErrorBox:
      return IDI_ERROR;
    case DialogKind::MessageBox:
      return nullptr;
    case DialogKind::MessageDlg:
      break;
  }
  switch (request.type) {
    case TMsgDlgType::mtWarning:
      return IDI_WARNING;
    case TMsgDlgType::mtError:
      return IDI_ERROR;
    case TMsgDlgType::mtInformation:
      return IDI_INFORMATION;
    case TMsgDlgType::mtConfirmation:
      return IDI_QUESTION;
    case TMsgDlgType::mtCustom:
      break;
  }
  return nullptr;
}

HWND AddChild(HWND dialog, const wchar_t* className, const std::wstring& text, DWORD style, int id,
              RECT r, HFONT font) {
  HWND child = CreateWindowExW(0, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, r.left,
                               r.top, r.right - r.left, r.bottom - r.top, dialog,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleW(nullptr), nullptr);
  native::Window(child).SetFont(font, false);
  return child;
}

SIZE MeasureText(HWND dialog, HFONT font, const std::wstring& text, int maxWidth) {
  const plat::UniqueWindowDc dc = plat::WindowDcOf(dialog);
  const plat::UniqueSelection selected = plat::SelectInto(dc.Get(), font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc.Get(), &metrics);
  RECT r{0, 0, maxWidth, 0};
  DrawTextW(dc.Get(), text.c_str(), -1, &r,
            DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
  return SIZE{r.right - r.left, std::max<LONG>(r.bottom - r.top, metrics.tmHeight)};
}

void Layout(HWND dialog, const DialogState& state) {
  const int dpi = native::WindowDpi(dialog);
  const auto px = [dpi](int value) { return ScaleToDpi(value, dpi); };
  const int margin = px(kMargin);
  const int iconSize = px(kIconSize);
  const int buttonWidth = px(kButtonWidth);
  const int buttonHeight = px(kButtonHeight);
  const int buttonGap = px(kButtonGap);
  const HFONT font = native::Window(dialog).Font();
  const std::wstring text = Widen(DialogLines(state.request.text));
  const SIZE textSize = MeasureText(dialog, font, text, px(kMaxTextWidth));
  const wchar_t* icon = IconFor(state.request);

  std::vector<TMsgDlgBtn> buttons;
  for (TMsgDlgBtn b : kButtonOrder) {
    if ((state.buttons & b) != 0) buttons.push_back(b);
  }
  const int count = static_cast<int>(buttons.size());
  const int buttonsWidth = count * buttonWidth + (count - 1) * buttonGap;
  const int textLeft = margin + (icon != nullptr ? iconSize + px(kIconGap) : 0);
  const int contentHeight = std::max<int>(textSize.cy, icon != nullptr ? iconSize : 0);
  // Wide enough for the caption beside the close box, too.
  const SIZE captionSize =
      MeasureText(dialog, font, Widen(state.request.caption), px(kMaxTextWidth));
  const int captionWidth = captionSize.cx + 2 * GetSystemMetrics(SM_CXSIZE) + margin;
  const int clientWidth =
      std::max<int>({textLeft + textSize.cx + margin, buttonsWidth + 2 * margin, captionWidth});
  const int buttonsTop = margin + contentHeight + margin;
  const int clientHeight = buttonsTop + buttonHeight + margin;

  if (icon != nullptr) {
    const native::StaticImage iconWindow(
        AddChild(dialog, L"Static", L"", SS_ICON, kIconId,
                 RECT{margin, margin, margin + iconSize, margin + iconSize}, font));
    iconWindow.SetIcon(LoadIconW(nullptr, icon));
  }
  // A short text stands level with the middle of the icon.
  const int textTop = margin + (contentHeight - textSize.cy) / 2;
  AddChild(dialog, L"Static", text, SS_LEFT | SS_NOPREFIX, kTextId,
           RECT{textLeft, textTop, textLeft + textSize.cx, textTop + textSize.cy}, font);

  int x = (clientWidth - buttonsWidth) / 2;
  HWND first = nullptr;
  for (TMsgDlgBtn b : buttons) {
    const DWORD style = WS_TABSTOP | (first == nullptr ? BS_DEFPUSHBUTTON | WS_GROUP : 0);
    HWND button = AddChild(dialog, L"Button", Widen(ButtonLabel(b)), style, ButtonResult(b),
                           RECT{x, buttonsTop, x + buttonWidth, buttonsTop + buttonHeight}, font);
    if (first == nullptr) {
      first = button;
      SendMessageW(dialog, DM_SETDEFID, static_cast<WPARAM>(ButtonResult(b)), 0);
    }
    x += buttonWidth + buttonGap;
  }

  const native::Window window(dialog);
  const RECT frame = native::FrameInsetsAtDpi(window.Style(), window.ExStyle(), false, dpi);
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  const int width = clientWidth + frame.left + frame.right;
  const int height = clientHeight + frame.top + frame.bottom;
  SetWindowPos(dialog, nullptr, area.left + (area.right - area.left - width) / 2,
               area.top + (area.bottom - area.top - height) / 2, width, height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  if (first != nullptr) SetFocus(first);
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      Layout(dialog, *reinterpret_cast<const DialogState*>(lParam));
      return FALSE;  // the focus is set
    case WM_COMMAND: {
      const auto* state =
          reinterpret_cast<const DialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
      if (state == nullptr) return FALSE;
      const int id = LOWORD(wParam);
      // Escape and the close box ask for IDCANCEL, also where there is no Cancel button.
      if (id == IDCANCEL) {
        EndDialog(dialog, ClosedAnswer(state->buttons));
        return TRUE;
      }
      for (TMsgDlgBtn b : kButtonOrder) {
        if ((state->buttons & b) != 0 && ButtonResult(b) == id) {
          EndDialog(dialog, id);
          return TRUE;
        }
      }
      return FALSE;
    }
    default:
      return FALSE;
  }
}

}  // namespace

std::string DialogLines(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      result += "\r\n";
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      result += c;
    }
  }
  return result;
}

int Win32Dialogs::Show(const DialogRequest& request) {
  const TMsgDlgButtons buttons = request.buttons != 0 ? request.buttons : mbOK;
  DialogState state{request, buttons};
  const DialogTemplate dialogTemplate(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
                                      Widen(request.caption), 8, L"MS Shell Dlg");
  const INT_PTR result =
      DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialogTemplate.Get(), GetActiveWindow(),
                              &DialogProc, reinterpret_cast<LPARAM>(&state));
  // A dialog that could not be shown, or that a quit message ended, counts as closed.
  for (TMsgDlgBtn b : kButtonOrder) {
    if ((buttons & b) != 0 && ButtonResult(b) == result) return static_cast<int>(result);
  }
  return ClosedAnswer(buttons);
}

bool Win32Dialogs::ExecuteFileDialog(TOpenDialog& dialog) {
  return ShowFileDialog(dialog, GetActiveWindow());
}

}  // namespace tk::win32
