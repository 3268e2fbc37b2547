// A 100 000-station list loaded into the simulated list view of a form, as
// Load List does it: in one update, unsorted and sorted by frequency.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/sim/sim_toolkit.h"
#include "stations/list_format.h"
#include "stations/station_list.h"

namespace {

using namespace vorn;

// No file system: the text is handed to the list directly.
class NoFiles : public FileSystem {
 public:
  bool FileExists(const std::string&) override { return false; }
  std::string ReadAll(const std::string&) override { return {}; }
  void WriteReplace(const std::string&, const std::string&) override {}
  bool SameFile(const std::string&, const std::string&) override { return false; }
};

std::string ListText(int lines) {
  std::string text;
  for (int i = 0; i < lines; ++i)
    text += SerialiseRow({std::to_string(150 + (i * 7919) % 29850), "12", "AM",
                          "Station " + std::to_string(i)}) +
            "\r\n";
  return text;
}

void LoadIntoView(benchmark::State& state, bool sorted) {
  const std::string text = ListText(static_cast<int>(state.range(0)));
  SimToolkit kit;
  auto form = kit.CreateForm();
  ListView& view = form->AddListView({{"Frequency", 80}, {"Bandw.", 50}, {"Demod", 50}});
  view.SetSorted(sorted);
  NoFiles files;
  StationList list(view, files, "");
  for (auto _ : state) {
    ListUpdate update(view);
    list.LoadFromText(text);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_LoadIntoView(benchmark::State& state) {
  LoadIntoView(state, false);
}
void BM_LoadIntoSortedView(benchmark::State& state) {
  LoadIntoView(state, true);
}

BENCHMARK(BM_LoadIntoView)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadIntoSortedView)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
