// A full language switch of the window's localization component on generated windows of labels,
// on the headless backend: three languages, positions of window and controls kept, every label
// with an entry. The cost per control must stay flat as windows grow.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "multilang/MLang.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/headless/HeadlessBackend.h"

namespace {

struct Window {
  explicit Window(int labels) : form(nullptr) {
    form.SetName("Form1");
    form.SetBounds(10, 10, 800, 600);
    std::vector<std::string> words{"%Form%", "Fenster", "Window", "Okno"};
    for (int i = 1; i <= labels; ++i) {
      const std::string name = "Label" + std::to_string(i);
      auto* label = tk::NewComponent<tk::TLabel>(&form, name);
      label->SetParent(&form);
      label->SetBounds(i % 700, i % 500, 60, 13);
      words.insert(words.end(), {name, "Text " + name, "Text en " + name, "Text pl " + name});
    }
    multiLang = tk::NewComponent<ml::TMultiLang>(&form, "MultiLang1");
    multiLang->SetLoading(true);
    multiLang->ChangeLanguageCount(3);
    multiLang->ChangeSwitchPositions(ml::spFormAndControls);
    multiLang->Words().Assign(std::move(words));
    multiLang->AfterLoading();  // first switch: every record created
  }
  tk::TForm form;
  ml::TMultiLang* multiLang = nullptr;
};

void BM_Switch(benchmark::State& state) {
  tk::HeadlessBackend backend;
  tk::Application().SetBackend(&backend);
  const int labels = static_cast<int>(state.range(0));
  {
    Window window(labels);
    std::uint8_t language = 0;
    for (auto _ : state) {
      language = static_cast<std::uint8_t>((language + 1) % 3);
      window.multiLang->SwitchLanguage(language);
    }
    state.counters["controls"] = labels;
  }
  tk::Application().SetBackend(nullptr);
}
// Repetitions: the machine is shared, so the fastest of several runs is the undisturbed cost.
BENCHMARK(BM_Switch)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ComputeStatistics("min",
                        [](const std::vector<double>& v) {
                          return *std::min_element(v.begin(), v.end());
                        })
    ->DisplayAggregatesOnly(true);

// Prints the usual table, then nanoseconds of CPU time per control (the fastest repetition) and
// the growth factor from 1,000 to 10,000 controls.
class PerControlReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "min") continue;
      const double controls = run.counters.at("controls");
      const double nsPerIteration = run.GetAdjustedCPUTime() *
                                    benchmark::GetTimeUnitMultiplier(benchmark::kNanosecond) /
                                    benchmark::GetTimeUnitMultiplier(run.time_unit);
      nsPerControl_[static_cast<int>(controls)] = nsPerIteration / controls;
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\nFull switch, CPU time per control:\n");
    for (const auto& [controls, ns] : nsPerControl_) {
      std::printf("  %6d labels: %8.1f ns per control\n", controls, ns);
    }
    if (nsPerControl_.count(1000) != 0 && nsPerControl_.count(10000) != 0) {
      std::printf("  10,000 vs 1,000: %.2f (target <= 1.30)\n",
                  nsPerControl_[10000] / nsPerControl_[1000]);
    }
  }

 private:
  std::map<int, double> nsPerControl_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  PerControlReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
