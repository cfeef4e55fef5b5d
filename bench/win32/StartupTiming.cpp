// Times two programs from process start to their window shown and idle, in turns: each round
// starts both, one after the other, the one going first alternating from round to round, so that
// both meet the same machine. The clock starts before CreateProcessW and stops once all of these
// hold, looked at again every millisecond: WaitForInputIdle has returned; a visible top-level
// window of that process bears the expected title; neither it nor any visible child has a part
// left to paint; and a WM_NULL sent to it has been answered, so the program is back in its
// message loop with the painting done. (Wine lets WaitForInputIdle return at the first PeekMessage
// that finds nothing, which may come before the window is made.) The window is then closed and
// the process waited for.
//
//   startup_timing <rounds> <title> <program> <floor>
// Prints a line a round (program ms, floor ms, ratio) and the medians; a first round of each
// that warms Wine's caches is left out.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "bench/win32/Timing.h"

namespace {

using bench::Median;
using bench::NowMs;

constexpr DWORD kLimitMs = 60000;

struct Search {
  DWORD pid;
  const wchar_t* title;
  HWND found;
};

HWND ShownWindowOf(DWORD pid, const wchar_t* title) {
  Search search{pid, title, nullptr};
  EnumWindows(
      [](HWND hwnd, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        wchar_t text[256] = {};
        if (owner == s->pid && IsWindowVisible(hwnd) &&
            GetWindowTextW(hwnd, text, 256) > 0 && std::wcscmp(text, s->title) == 0) {
          s->found = hwnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool LeftToPaint(HWND hwnd) { return GetUpdateRect(hwnd, nullptr, FALSE) != FALSE; }

bool Painted(HWND window) {
  if (LeftToPaint(window)) return false;
  bool painted = true;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM data) -> BOOL {
        if (IsWindowVisible(child) && LeftToPaint(child)) *reinterpret_cast<bool*>(data) = false;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&painted));
  return painted;
}

// Whether the window's thread answers a sent message: it has come back to its message loop.
bool Answers(HWND window) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kLimitMs, &result) != 0;
}

// Milliseconds from the start of `program` to its window shown and idle; negative on failure.
double TimeToIdle(const std::wstring& program, const wchar_t* title) {
  std::wstring command = L"\"" + program + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  const double start = NowMs();
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                      &pi)) {
    return -1;
  }
  double end = -1;
  HWND window = nullptr;
  if (WaitForInputIdle(pi.hProcess, kLimitMs) == 0) {
    for (;;) {
      window = ShownWindowOf(pi.dwProcessId, title);
      if (window != nullptr && Answers(window) && Painted(window)) {
        end = NowMs();
        break;
      }
      if (WaitForSingleObject(pi.hProcess, 1) == WAIT_OBJECT_0 || NowMs() - start > kLimitMs) {
        break;
      }
    }
  }
  if (window != nullptr) PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(pi.hProcess, kLimitMs) != WAIT_OBJECT_0) {
    TerminateProcess(pi.hProcess, 1);
    WaitForSingleObject(pi.hProcess, kLimitMs);
  }
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return end < 0 ? -1 : end - start;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 5) {
    std::fputs("usage: startup_timing <rounds> <title> <program> <floor>\n", stderr);
    return 2;
  }
  const int rounds = std::max(1, _wtoi(argv[1]));
  const wchar_t* title = argv[2];
  const std::wstring programs[2] = {argv[3], argv[4]};
  if (TimeToIdle(programs[0], title) < 0 || TimeToIdle(programs[1], title) < 0) {
    std::fputs("a program did not show its window\n", stderr);
    return 1;
  }
  std::vector<double> times[2], ratios;
  for (int round = 0; round < rounds; ++round) {
    double ms[2] = {};
    for (int turn = 0; turn < 2; ++turn) {
      const int which = (round + turn) % 2;
      ms[which] = TimeToIdle(programs[which], title);
      if (ms[which] < 0) {
        std::fputs("a program did not show its window\n", stderr);
        return 1;
      }
    }
    times[0].push_back(ms[0]);
    times[1].push_back(ms[1]);
    ratios.push_back(ms[0] / ms[1]);
    std::printf("round\t%d\t%.1f\t%.1f\t%.3f\n", round + 1, ms[0], ms[1], ms[0] / ms[1]);
    std::fflush(stdout);
  }
  std::printf("program_ms\t%.1f\nfloor_ms\t%.1f\nratio\t%.3f\n", Median(times[0]),
              Median(times[1]), Median(ratios));
  return 0;
}
