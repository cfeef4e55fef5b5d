#include "tools/textfit/DrawnTexts.h"

// The common controls need the base declarations first.
#include <commctrl.h>

#include <optional>

#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Utf16.h"
#include "toolkit/win32/native/StatusBar.h"
#include "toolkit/win32/native/StringList.h"

namespace textfit {

namespace {

namespace native = tk::win32::native;

// The control's device context with its font selected, as the control paints.
class ControlDc {
 public:
  explicit ControlDc(HWND control)
      : dc_(plat::WindowDcOf(control)), font_(SelectFont(dc_.Get(), control)) {}
  HDC Get() const { return dc_.Get(); }

 private:
  static plat::UniqueSelection SelectFont(HDC dc, HWND control) {
    const HFONT font = native::Window(control).Font();
    // Without a font of its own a control draws with the device context's default.
    return plat::SelectInto(dc, font != nullptr ? font : GetCurrentObject(dc, OBJ_FONT));
  }

  plat::UniqueWindowDc dc_;
  plat::UniqueSelection font_;
};

RECT ClientRect(HWND hwnd) {
  RECT r{};
  GetClientRect(hwnd, &r);
  return r;
}

std::wstring TextOf(HWND hwnd) { return plat::Widen(native::Window(hwnd).Text()); }

void Add(std::vector<DrawnText>& out, std::wstring text, UINT format, const RECT& room,
         std::string item = {}) {
  if (text.empty()) return;
  out.push_back(DrawnText{std::move(text), format, static_cast<int>(room.right - room.left),
                          static_cast<int>(room.bottom - room.top), std::move(item)});
}

// A static control's drawing flags by its type; none for the types that draw no text (pictures,
// frames, owner-drawn).
std::optional<UINT> StaticFormat(DWORD style) {
  UINT format = 0;
  switch (style & SS_TYPEMASK) {
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT:
      format = DT_EXPANDTABS | DT_WORDBREAK;
      break;
    case SS_SIMPLE:
      format = DT_SINGLELINE;
      break;
    case SS_LEFTNOWORDWRAP:
      format = DT_EXPANDTABS;
      break;
    default:
      return std::nullopt;
  }
  if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
  if ((style & SS_TYPEMASK) != SS_SIMPLE) {
    if (style & SS_CENTERIMAGE) format |= DT_SINGLELINE | DT_VCENTER;
    if (style & SS_EDITCONTROL) format |= DT_EDITCONTROL;
    // Any ellipsis puts the text on one line.
    if (style & SS_ELLIPSISMASK) format |= DT_SINGLELINE;
  }
  return format;
}

void StaticTexts(HWND hwnd, std::vector<DrawnText>& out) {
  const DWORD style = native::Window(hwnd).Style();
  if (const auto format = StaticFormat(style)) Add(out, TextOf(hwnd), *format, ClientRect(hwnd));
}

bool IsPushButton(DWORD style) {
  const DWORD type = style & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || (style & BS_PUSHLIKE) != 0;
}

// A button's label is drawn one pixel in from the side it is aligned to, for the focus rectangle.
constexpr int kLabelInset = 1;
// A push button's face lies inside a frame two pixels wide (one more for the default button).
constexpr int kPushFrame = 2;
// A group box's caption starts seven pixels in from each side.
constexpr int kGroupCaptionInset = 7;

void ButtonTexts(HWND hwnd, const ControlDc& dc, std::vector<DrawnText>& out) {
  const DWORD style = native::Window(hwnd).Style();
  if (style & (BS_BITMAP | BS_ICON)) return;
  const DWORD type = style & BS_TYPEMASK;
  if (type == BS_OWNERDRAW || type == BS_USERBUTTON) return;
  UINT format = (style & BS_MULTILINE) != 0 ? DT_WORDBREAK : DT_SINGLELINE;
  RECT room = ClientRect(hwnd);
  if (IsPushButton(style)) {
    const int frame = kPushFrame + (type == BS_DEFPUSHBUTTON ? 1 : 0);
    InflateRect(&room, -frame, -frame);
  } else if (type == BS_GROUPBOX) {
    format = DT_SINGLELINE;
    room.left += kGroupCaptionInset + kLabelInset;
    room.right -= kGroupCaptionInset;
  } else {
    // A check box or radio button: its glyph (12 pixels at 96 dpi of the device, and one more)
    // and half a digit's width lie beside the text.
    const int glyph = MulDiv(12, GetDeviceCaps(dc.Get(), LOGPIXELSX), 96) + 1;
    int digit = 0;
    GetCharWidth32W(dc.Get(), L'0', L'0', &digit);
    room.right -= glyph + digit / 2 + kLabelInset;
  }
  Add(out, TextOf(hwnd), format, room);
}

// A status bar's text lies inside its part's sunken edge, three pixels in.
constexpr int kStatusEdge = 1;
constexpr int kStatusIndent = 3;

// A part's text without the tabs that align it.
std::wstring PartText(const std::string& held) {
  std::wstring text = plat::Widen(held);
  const std::size_t start = text.find_first_not_of(L'\t');
  return start == std::wstring::npos ? std::wstring() : text.substr(start);
}

void StatusTexts(HWND hwnd, std::vector<DrawnText>& out) {
  const native::StatusBar bar(hwnd);
  const bool simple = bar.Simple();
  const int parts = simple ? 1 : bar.PartCount();
  for (int part = 0; part < parts; ++part) {
    RECT room{};
    bar.Send(SB_GETRECT, static_cast<WPARAM>(part), &room);
    InflateRect(&room, -kStatusEdge, -kStatusEdge);
    room.left += kStatusIndent;
    if ((bar.Style() & SBARS_SIZEGRIP) && part == parts - 1) {
      room.right -= GetSystemMetrics(SM_CXVSCROLL);
    }
    Add(out, PartText(bar.PartText(part)), DT_SINGLELINE | DT_NOPREFIX, room,
        simple ? std::string() : "part " + std::to_string(part));
  }
}

void EditTexts(HWND hwnd, std::vector<DrawnText>& out) {
  const native::Window edit(hwnd);
  // A multi-line edit scrolls or wraps by design; a password shows no text of its own.
  if (edit.Style() & (ES_MULTILINE | ES_PASSWORD)) return;
  RECT room{};
  edit.Send(EM_GETRECT, 0, &room);
  Add(out, TextOf(hwnd), DT_SINGLELINE | DT_NOPREFIX, room);
}

// A list item's text starts a pixel in from the list's left edge.
constexpr int kItemIndent = 1;

bool ShowsItemStrings(DWORD style, DWORD ownerDraw, DWORD hasStrings) {
  return (style & ownerDraw) == 0 || (style & hasStrings) != 0;
}

void Items(const std::vector<std::string>& items, UINT format, int width, int height,
           std::vector<DrawnText>& out) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    Add(out, plat::Widen(items[i]), format, RECT{0, 0, width, height},
        "item " + std::to_string(i));
  }
}

void ListBoxTexts(HWND hwnd, std::vector<DrawnText>& out) {
  const native::ListBox list(hwnd);
  const DWORD style = list.Style();
  if (!ShowsItemStrings(style, LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE, LBS_HASSTRINGS)) return;
  const UINT format =
      DT_SINGLELINE | DT_NOPREFIX | ((style & LBS_USETABSTOPS) != 0 ? DT_EXPANDTABS : 0);
  const RECT client = ClientRect(hwnd);
  Items(list.Items(), format, client.right - client.left - kItemIndent, list.ItemHeight(), out);
}

// The rows a dropped-down list shows before it scrolls, when the control does not say.
constexpr int kDefaultVisibleItems = 30;

void ComboBoxTexts(HWND hwnd, std::vector<DrawnText>& out) {
  const native::ComboBox combo(hwnd);
  const DWORD style = combo.Style();
  if (!ShowsItemStrings(style, CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE, CBS_HASSTRINGS)) return;
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (!GetComboBoxInfo(hwnd, &info)) return;
  // A drop-down list draws its text in the selection field; an edit's rules cover the others.
  if (info.hwndItem == nullptr || info.hwndItem == hwnd) {
    Add(out, TextOf(hwnd), DT_SINGLELINE | DT_NOPREFIX, info.rcItem);
  }
  const std::vector<std::string> items = combo.Items();
  int width = static_cast<int>(combo.Send(CB_GETDROPPEDWIDTH)) - 2 * GetSystemMetrics(SM_CXBORDER);
  int visible = static_cast<int>(combo.Send(CB_GETMINVISIBLE));
  if (visible <= 0) visible = kDefaultVisibleItems;
  if (static_cast<int>(items.size()) > visible) width -= GetSystemMetrics(SM_CXVSCROLL);
  Items(items, DT_SINGLELINE | DT_NOPREFIX, width - kItemIndent, combo.ItemHeight(), out);
}

}  // namespace

std::vector<DrawnText> DrawnTexts(HWND control) {
  std::vector<DrawnText> out;
  const native::Window window(control);
  if (window.OfClass(L"Static")) {
    StaticTexts(control, out);
  } else if (window.OfClass(L"Button")) {
    ButtonTexts(control, ControlDc(control), out);
  } else if (window.OfClass(STATUSCLASSNAMEW)) {
    StatusTexts(control, out);
  } else if (window.OfClass(L"Edit")) {
    // Also the selection field of a combo box that can be typed into.
    EditTexts(control, out);
  } else if (window.OfClass(L"ListBox")) {
    ListBoxTexts(control, out);
  } else if (window.OfClass(L"ComboBox")) {
    ComboBoxTexts(control, out);
  }
  return out;
}

TextExtent Measure(HWND control, const DrawnText& drawn) {
  const ControlDc dc(control);
  // DT_CALCRECT gives the extent from the room's top left; a wrapped text wraps at its width.
  RECT r{0, 0, drawn.width, 0};
  DrawTextW(dc.Get(), drawn.text.c_str(), static_cast<int>(drawn.text.size()), &r,
            drawn.format | DT_CALCRECT);
  return TextExtent{static_cast<int>(r.right - r.left), static_cast<int>(r.bottom - r.top)};
}

}  // namespace textfit
