// Random windows of every kind with random tables, well-formed and not, switched through random
// languages: the switch never crashes or loops, ApplyEntry never moves the counter back, and no
// control loses or gains items, a sort order or a selection.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "base/Errors.h"
#include "tests/multilang/RandomWindow.h"
#include "tests/support/HeadlessApp.h"
#include "toolkit/Form.h"

namespace {

using randomwindow::Placed;

constexpr std::uint32_t kSeed = 20240611;
constexpr int kWindows = 3000;

// Thrown past the walk's error guard when it calls ApplyEntry more often than a table allows.
struct RunawayWalk {};

class BoundedMultiLang : public WatchedMultiLang {
 public:
  using WatchedMultiLang::WatchedMultiLang;

 protected:
  void ApplyEntry(tk::TComponent& component, std::int32_t& index) override {
    // Each call starts at a key line of its own, so there are never more calls than lines.
    if (calls.size() > static_cast<std::size_t>(Words().Count())) throw RunawayWalk{};
    WatchedMultiLang::ApplyEntry(component, index);
  }
};

class SeededChoices : public randomwindow::Choices {
 public:
  explicit SeededChoices(std::uint32_t seed) : engine_(seed) {}
  int Below(int n) override { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }

 private:
  std::mt19937 engine_;
};

using RandomWindowsTest = HeadlessApp;

TEST_F(RandomWindowsTest, NeverCrashLoopOrGoBack) {
  SeededChoices rnd(kSeed);
  for (int w = 0; w < kWindows && !HasFailure(); ++w) {
    SCOPED_TRACE("seed " + std::to_string(kSeed) + ", window " + std::to_string(w));
    tk::TForm window(nullptr);
    window.SetName("Form1");
    std::vector<Placed> placed;
    for (int n = 1 + rnd.Below(6); n > 0; --n) {
      const int number = static_cast<int>(placed.size()) + 1;
      placed.push_back(randomwindow::Place(rnd, rnd.Pick(randomwindow::Kinds()), window, number));
    }

    auto* ml = tk::NewComponent<BoundedMultiLang>(&window, "MultiLang1");
    const int languages = 1 + rnd.Below(4);
    ml->SetLoading(true);
    ml->ChangeLanguageCount(static_cast<std::uint8_t>(languages));
    ml->SetLoading(false);
    ml->SetTranslateEdits(static_cast<ml::TTranslateEdits>(rnd.Below(3)));
    ml->ChangeDefaultLanguage(static_cast<std::uint8_t>(rnd.Below(languages)));
    if (rnd.Chance(30)) ml->ChangeSwitchPositions(ml::spControlsOnly);
    ml->ChangeDefaultEnabled(rnd.Chance(50));
    ml->Words().Assign(randomwindow::Table(rnd, placed, languages));

    for (int s = 0; s < 3; ++s) {
      ml->calls.clear();
      try {
        ml->SwitchLanguage(static_cast<std::uint8_t>(rnd.Below(languages + 1)));
      } catch (const RunawayWalk&) {
        FAIL() << "the walk did not end";
      } catch (const base::EStringListError&) {
        // A window entry cut short: the switch reports it to its caller.
      }
      EXPECT_EQ(randomwindow::WalkFault(ml->calls), "");
      for (const Placed& p : placed) EXPECT_EQ(randomwindow::ShapeFault(p), "");
    }
  }
}

}  // namespace
