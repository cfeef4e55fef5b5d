// Walking a tree view's nodes in pre-order and writing each node's text, as a translation walk
// does: the whole walk should grow linearly with the number of nodes.
#include <benchmark/benchmark.h>

#include <string>

#include "toolkit/TreeView.h"

namespace {

// A tree of `n` nodes: rows of ten siblings, each row below the first node of the row before.
void Build(tk::TTreeNodes& nodes, int n) {
  tk::TTreeNode* parent = nullptr;
  for (int i = 0; i < n; ++i) {
    tk::TTreeNode* node = nodes.AddChild(parent, "node");
    if (i % 10 == 9) parent = node;
  }
}

void WalkAndWrite(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  tk::TTreeView tree(nullptr);
  Build(tree.Items(), n);
  const std::string texts[] = {"a", "b"};
  int round = 0;
  for (auto _ : state) {
    const std::string& text = texts[round++ % 2];
    for (int i = 0; i < tree.Items().Count(); ++i) tree.Items().Item(i)->SetText(text);
  }
  state.SetComplexityN(n);
}
BENCHMARK(WalkAndWrite)->RangeMultiplier(4)->Range(1 << 10, 1 << 16)->Complexity(benchmark::oN);

}  // namespace
