// Times a full language switch of the localization component on a window of real labels (static
// controls of the Win32 backend) against the floor: the same texts written straight into the same
// controls with SetWindowTextW. All measurements of a window take turns and rotate over the
// languages, so that they meet the same caches and the same X server; each ends when the window has
// painted and no message is left, so painting counts in all of them.
//
// The floor writes the texts with redrawing on, each label painting its new text as it changes; a
// switch that changes only texts lets the labels do the same (its redraw lock pauses the window
// only for moves, fonts and lists). Beside them stand the same writes inside a redraw pause with
// one repaint of the whole window at the end, which is what pausing would cost. A last phase
// times the writes alone with the window's redrawing off and nothing painted: the component's walk
// against SetWindowTextW by itself.
//
//   switch_timing [turns] [labels...]     (defaults: 9 turns, 1000 and 10000 labels)
// A turn times each painted kind once; a window of n labels gets turns x 10,000 / n turns when
// that is more. Progress goes to stderr, the table to stdout.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "bench/win32/Timing.h"
#include "multilang/MLang.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/win32/Utf16.h"
#include "toolkit/win32/Win32Backend.h"

namespace {

using bench::Median;
using bench::NowMs;

constexpr int kLanguages = 3;
constexpr double kTarget = 1.2;
// Labels of a common size on a grid without overlaps, as on a real window: a hundred to a row.
constexpr int kColumns = 100;
constexpr int kCellWidth = 64;
constexpr int kCellHeight = 16;
constexpr int kLabelWidth = 60;
constexpr int kLabelHeight = 13;
// Turns of the painted kinds and repetitions of the bare ones at 10,000 labels; more below that.
constexpr int kTurns = 9;
constexpr int kBareRepetitions = 15;

std::string LabelText(int language, const std::string& name) {
  static const char* const kPrefix[kLanguages] = {"Text ", "Text en ", "Text pl "};
  return kPrefix[language] + name;
}

// The generated window, shown: one entry per label in a table of three languages, positions
// not kept.
class Window {
 public:
  explicit Window(int labels) : form_(nullptr) {
    form_.SetName("Form1");
    form_.SetBorderStyle(tk::bsSingle);
    form_.SetLeft(0);
    form_.SetTop(0);
    form_.SetClientWidth(kColumns * kCellWidth);
    form_.SetClientHeight((labels + kColumns - 1) / kColumns * kCellHeight);
    std::vector<std::string> words{"%Form%", "Fenster", "Window", "Okno"};
    texts_.resize(kLanguages);
    for (int i = 0; i < labels; ++i) {
      const std::string name = "Label" + std::to_string(i + 1);
      auto* label = tk::NewComponent<tk::TLabel>(&form_, name);
      label->SetParent(&form_);
      label->SetBounds(i % kColumns * kCellWidth, i / kColumns * kCellHeight, kLabelWidth,
                       kLabelHeight);
      words.push_back(name);
      for (int l = 0; l < kLanguages; ++l) {
        words.push_back(LabelText(l, name));
        texts_[static_cast<std::size_t>(l)].push_back(tk::win32::Widen(words.back()));
      }
      labels_.push_back(label);
    }
    multiLang_ = tk::NewComponent<ml::TMultiLang>(&form_, "MultiLang1");
    multiLang_->SetLoading(true);
    multiLang_->ChangeLanguageCount(kLanguages);
    multiLang_->ChangeSwitchPositions(ml::spNone);
    multiLang_->Words().Assign(std::move(words));
    multiLang_->AfterLoading();
    form_.Show();
    handle_ = static_cast<HWND>(form_.Peer()->NativeHandle());
    for (tk::TLabel* label : labels_) {
      handles_.push_back(static_cast<HWND>(label->Peer()->NativeHandle()));
    }
    Settle();
  }

  ~Window() {
    // Children of a hidden window go without repainting what they leave behind.
    form_.SetVisible(false);
  }

  double TimeSwitch(int language) {
    const double start = NowMs();
    multiLang_->SwitchLanguage(static_cast<std::uint8_t>(language));
    Settle();
    return NowMs() - start;
  }

  double TimePausedWrites(int language) {
    const double start = NowMs();
    PauseRedraw();
    WriteTexts(language);
    ResumeRedraw();
    return NowMs() - start;
  }

  double TimeFloor(int language) {
    const double start = NowMs();
    WriteTexts(language);
    Settle();
    return NowMs() - start;
  }

  int ActiveLanguage() const { return multiLang_->ActiveLanguage(); }

  // The window's redrawing off until ResumeRedraw; nothing that changes meanwhile is painted.
  void PauseRedraw() { SendMessageW(handle_, WM_SETREDRAW, FALSE, 0); }
  // As the Win32 backend ends a redraw pause, then painted.
  void ResumeRedraw() {
    SendMessageW(handle_, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(handle_, nullptr, nullptr,
                 RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    Settle();
  }
  double TimeBareSwitch(int language) {
    const double start = NowMs();
    multiLang_->SwitchLanguage(static_cast<std::uint8_t>(language));
    return NowMs() - start;
  }
  double TimeBareWrites(int language) {
    const double start = NowMs();
    WriteTexts(language);
    return NowMs() - start;
  }

  // Whether every label holds the language's text: a measurement that skipped controls would
  // time less than it claims.
  bool Holds(int language) const {
    const auto& texts = texts_[static_cast<std::size_t>(language)];
    wchar_t buffer[64];
    for (std::size_t i = 0; i < handles_.size(); ++i) {
      const int n = GetWindowTextW(handles_[i], buffer, 64);
      if (texts[i].compare(0, std::wstring::npos, buffer, static_cast<std::size_t>(n)) != 0) {
        return false;
      }
    }
    return true;
  }

 private:
  void WriteTexts(int language) {
    const auto& texts = texts_[static_cast<std::size_t>(language)];
    for (std::size_t i = 0; i < handles_.size(); ++i) SetWindowTextW(handles_[i], texts[i].c_str());
  }

  // Paints what is invalid and handles what is pending, until nothing is left.
  void Settle() {
    for (;;) {
      RedrawWindow(handle_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
      MSG msg;
      bool handled = false;
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        handled = true;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
      if (!handled && HIWORD(GetQueueStatus(QS_ALLINPUT)) == 0) break;
    }
    GdiFlush();
  }

  tk::TForm form_;
  ml::TMultiLang* multiLang_ = nullptr;
  std::vector<tk::TLabel*> labels_;
  std::vector<HWND> handles_;
  std::vector<std::vector<std::wstring>> texts_;  // per language, per label
  HWND handle_ = nullptr;
};

enum Kind { kSwitch, kPausedWrites, kFloor, kBareSwitch, kBareWrites, kKinds };
constexpr int kPainted = kBareSwitch;  // the kinds before it end with the window painted
const char* const kKindNames[kKinds] = {"switch", "paused writes", "floor", "switch, bare",
                                        "writes, bare"};

struct Samples {
  std::vector<double> ms[kKinds];
};

bool Check(const Window& window, int kind, int language) {
  if (window.Holds(language)) return true;
  std::fprintf(stderr, "%s left texts other than language %d's\n", kKindNames[kind], language);
  return false;
}

// The painted measurements, a turn at a time: the switch and the floor one right after the other,
// in alternating order, then the paused writes. Every step writes the texts of a language other
// than the one shown, and every switch goes to a language other than the active one; the languages
// rotate so that each kind meets each of them.
class PaintedTurns {
 public:
  explicit PaintedTurns(Window& window) : window_(window), shown_(window.ActiveLanguage()) {}

  bool Run(int turns, Samples* samples) {
    for (int t = 0; t < turns; ++t, ++turn_) {
      const Kind order[2][kPainted] = {{kSwitch, kFloor, kPausedWrites},
                                       {kFloor, kSwitch, kPausedWrites}};
      for (Kind kind : order[turn_ % 2]) {
        if (!Step(kind, samples)) return false;
      }
    }
    return true;
  }

 private:
  bool Step(Kind kind, Samples* samples) {
    int language = 0;
    for (int k = 0; k < kLanguages; ++k) {
      language = (rotation_ + k) % kLanguages;
      if (language != shown_ && (kind != kSwitch || language != window_.ActiveLanguage())) break;
    }
    ++rotation_;
    double ms = 0;
    if (kind == kSwitch) {
      ms = window_.TimeSwitch(language);
    } else if (kind == kPausedWrites) {
      ms = window_.TimePausedWrites(language);
    } else {
      ms = window_.TimeFloor(language);
    }
    if (!Check(window_, kind, language)) return false;
    shown_ = language;
    if (samples != nullptr) {
      samples->ms[kind].push_back(ms);
      std::fprintf(stderr, "  %-13s language %d: %9.1f ms\n", kKindNames[kind], language, ms);
    }
    return true;
  }

  Window& window_;
  int shown_;
  int turn_ = 0;
  int rotation_ = 1;
};

bool BareSteps(Window& window, int repetitions, Samples& samples) {
  window.PauseRedraw();
  const int active = window.ActiveLanguage();
  bool ok = true;
  for (int step = 0; ok && step < 2 * repetitions; ++step) {
    const int kind = step % 2 == 0 ? kBareSwitch : kBareWrites;
    const int language = (active + 1 + step) % kLanguages;
    samples.ms[kind].push_back(kind == kBareSwitch ? window.TimeBareSwitch(language)
                                                   : window.TimeBareWrites(language));
    ok = Check(window, kind, language);
  }
  window.ResumeRedraw();
  return ok;
}

struct Result {
  int labels = 0;
  std::size_t turns = 0, repetitions = 0;
  double ms[kKinds] = {};
  // Medians of the ratios within each turn: a turn's measurements follow each other, so a burst
  // of load on the shared machine tends to hit both sides of its ratio.
  double overPaused = 0, overFloor = 0, bareOverWrites = 0;
};

double MedianRatio(const std::vector<double>& a, const std::vector<double>& b) {
  std::vector<double> ratios;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) ratios.push_back(a[i] / b[i]);
  return Median(ratios);
}

// Smaller windows get more turns: their measurements are short and the machine's noise larger
// next to them.
int TurnsFor(int labels, int turns) {
  return std::max(turns, static_cast<int>(static_cast<long long>(turns) * 10000 / labels));
}

bool Measure(int labels, int turns, Result& result) {
  double start = NowMs();
  Samples samples;
  {
    Window window(labels);
    std::fprintf(stderr, "%d labels: window created and shown in %.0f ms\n", labels,
                 NowMs() - start);
    // Each kind once untimed first: fonts, caches and the X server's copy of the window warm up.
    PaintedTurns painted(window);
    if (!painted.Run(2, nullptr)) return false;
    if (!painted.Run(TurnsFor(labels, turns), &samples)) return false;
    if (!BareSteps(window, TurnsFor(labels, kBareRepetitions), samples)) return false;
    start = NowMs();
  }
  std::fprintf(stderr, "%d labels: window destroyed in %.0f ms\n", labels, NowMs() - start);
  result.labels = labels;
  result.turns = samples.ms[kSwitch].size();
  result.repetitions = samples.ms[kBareSwitch].size();
  for (int k = 0; k < kKinds; ++k) result.ms[k] = Median(samples.ms[k]);
  result.overPaused = MedianRatio(samples.ms[kSwitch], samples.ms[kPausedWrites]);
  result.overFloor = MedianRatio(samples.ms[kSwitch], samples.ms[kFloor]);
  result.bareOverWrites = MedianRatio(samples.ms[kBareSwitch], samples.ms[kBareWrites]);
  return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  int turns = kTurns;
  std::vector<int> sizes;
  if (argc > 1) turns = std::max(1, static_cast<int>(std::wcstol(argv[1], nullptr, 10)));
  for (int i = 2; i < argc; ++i) {
    sizes.push_back(std::max(1, static_cast<int>(std::wcstol(argv[i], nullptr, 10))));
  }
  if (sizes.empty()) sizes = {1000, 10000};

  tk::win32::Win32Backend backend;
  tk::Application().SetBackend(&backend);
  std::vector<Result> results;
  bool ok = true;
  for (int labels : sizes) {
    Result result;
    if (!Measure(labels, turns, result)) {
      ok = false;
      break;
    }
    results.push_back(result);
  }
  tk::Application().SetBackend(nullptr);

  std::printf(
      "Language switch vs SetWindowTextW on real labels (ms, medians; each ratio the median of\n"
      "the ratios within a turn; n: turns of the painted kinds, repetitions of the bare ones)\n"
      "  floor   the same texts written with SetWindowTextW, each label painting as it changes\n"
      "  paused  the writes inside a redraw pause, with one repaint of the window at the end\n"
      "  bare    redrawing off and nothing painted: the walk against the writes alone\n\n");
  std::printf("%7s %4s %9s %9s %6s %9s %6s   %4s %9s %9s %6s\n", "labels", "n", "switch", "floor",
              "ratio", "paused", "ratio", "n", "bare sw.", "bare wr.", "ratio");
  bool met = ok;
  for (const Result& r : results) {
    std::printf("%7d %4zu %9.1f %9.1f %6.2f %9.1f %6.2f   %4zu %9.1f %9.1f %6.2f\n", r.labels,
                r.turns, r.ms[kSwitch], r.ms[kFloor], r.overFloor, r.ms[kPausedWrites],
                r.overPaused, r.repetitions, r.ms[kBareSwitch], r.ms[kBareWrites],
                r.bareOverWrites);
    met = met && r.overFloor <= kTarget;
  }
  std::printf("\nswitch / floor <= %.1f at every size: %s\n", kTarget, met ? "met" : "MISSED");
  return ok ? 0 : 1;
}
