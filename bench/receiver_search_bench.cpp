// Both receiver searches over a crowded desktop: 500 top-level windows with
// 200 controls each, the receiver program's windows enumerated last.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/sim/sim_window_tree.h"
#include "receiver/get_handles.h"

namespace {

void BuildDesktop(vorn::SimWindowTree& tree, bool decoys_share_title) {
  for (int w = 0; w < 498; ++w) {
    const std::string title =
        decoys_share_title && w % 2 ? "Perseus" : "Window " + std::to_string(w);
    const vorn::WindowHandle top = tree.AddTopLevel(title);
    for (int c = 0; c < 200; ++c) tree.AddChild(top, "Control " + std::to_string(c));
  }
  const vorn::WindowHandle main = tree.AddTopLevel("Perseus");
  for (int c = 0; c < 199; ++c) tree.AddChild(main, "Button " + std::to_string(c));
  tree.AddChild(main, "Dither");
  const vorn::WindowHandle keypad = tree.AddTopLevel("Frequency");
  for (int c = 0; c < 199; ++c) tree.AddChild(keypad, std::to_string(c % 10));
  tree.AddChild(keypad, "kHz");
}

void RunSearches(benchmark::State& state, bool decoys) {
  vorn::SimWindowTree tree;
  BuildDesktop(tree, decoys);
  for (auto _ : state) {
    vorn::ReceiverLink link(tree);
    benchmark::DoNotOptimize(link.FindMainControl("Perseus", "Dither"));
    benchmark::DoNotOptimize(link.FindKeypadControl("Frequency", "kHz", "V2.1f"));
  }
}

void BM_BothSearches(benchmark::State& state) {
  RunSearches(state, false);
}
// Half the desktop titled like the receiver: every decoy's controls are tabled.
void BM_BothSearchesWithDecoys(benchmark::State& state) {
  RunSearches(state, true);
}

BENCHMARK(BM_BothSearches)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BothSearchesWithDecoys)->Unit(benchmark::kMillisecond);

}  // namespace
