// Loading, change-checking and saving station lists of 10 000 and 100 000
// lines. The load should stay well under 50 ms at 100 000 lines and grow
// linearly (the 100 000 / 10 000 ratio at most 12).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/sim/native_file_system.h"
#include "platform/sim/sim_station_rows.h"
#include "stations/list_format.h"
#include "stations/station_list.h"

namespace {

using namespace vorn;

class ListFile {
 public:
  explicit ListFile(std::int64_t lines) {
    std::string pattern = (std::filesystem::temp_directory_path() / "vorn-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    dir_ = pattern;
    const char* demodulators[] = {"AM", "SAM", "CW", "RTTY", "LSB", "USB", "FM", "DRM"};
    const char* bandwidths[] = {"50", "25", "12", "6", "3", "1.6", "0.8"};
    std::string text;
    for (std::int64_t i = 0; i < lines; ++i) {
      StationRow row{std::to_string(150 + (i * 7919) % 29850) + "." + std::to_string(i % 10),
                     bandwidths[i % 7], demodulators[i % 8],
                     "Station " + std::to_string(i) + " \"Voice\" of the Air"};
      text += SerialiseRow(row) + "\r\n";
    }
    std::ofstream(Path(), std::ios::binary) << text;
  }
  ~ListFile() { std::filesystem::remove_all(dir_); }
  std::string Dir() const { return dir_.string() + "/"; }
  std::string Path() const { return (dir_ / "list.txt").string(); }

 private:
  std::filesystem::path dir_;
};

void BM_Load(benchmark::State& state) {
  const ListFile file(state.range(0));
  SimStationRows rows;
  NativeFileSystem files;
  StationList list(rows, files, file.Dir());
  for (auto _ : state) {
    list.LoadStationList("list.txt");
    benchmark::DoNotOptimize(rows.Count());
  }
  state.SetComplexityN(state.range(0));
}

void BM_ListUnchanged(benchmark::State& state) {
  const ListFile file(state.range(0));
  SimStationRows rows;
  NativeFileSystem files;
  StationList list(rows, files, file.Dir());
  list.LoadStationList("list.txt");
  for (auto _ : state) {
    if (!list.ListUnchanged()) state.SkipWithError("loaded list counts as changed");
  }
  state.SetComplexityN(state.range(0));
}

void BM_Save(benchmark::State& state) {
  const ListFile file(state.range(0));
  SimStationRows rows;
  NativeFileSystem files;
  StationList list(rows, files, file.Dir());
  list.LoadStationList("list.txt");
  for (auto _ : state) list.SaveStationList(file.Dir() + "saved.txt");
  state.SetComplexityN(state.range(0));
}

BENCHMARK(BM_Load)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_ListUnchanged)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_Save)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace
