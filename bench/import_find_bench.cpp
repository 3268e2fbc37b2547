// Reading a 10 000-line broadcast schedule (goal: under 20 ms), and finding a
// station among 100 000 rows as each keystroke does (goal: under 5 ms). Each
// is reported beside a floor measured in the same run: splitting the same
// schedule into lines, and a plain case-sensitive find over the same rows.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/sim/sim_station_rows.h"
#include "stations/import/schedule_reader.h"
#include "stations/list_format.h"
#include "stations/row_finder.h"

namespace {

using namespace vorn;

std::string ScheduleText(int lines) {
  const char* days[] = {"", "Mo-Fr", "Sa,Su", "1245", "irr"};
  const char* targets[] = {"Eu", "WAf", "SAs", "NAm"};
  std::string text =
      "kHz:75;Time(UTC):93;Days:59;ITU:49;Station:201;Lng:49;Target:62;Remarks:135;P:35;"
      "Start:60;Stop:60;\r\n";
  for (int i = 0; i < lines; ++i) {
    const int khz = 2300 + (i * 7919) % 23700;
    const int start = (i * 37) % 24;
    text += std::to_string(khz) + (i % 5 == 0 ? ".5" : "") + ";" + (start < 10 ? "0" : "") +
            std::to_string(start) + "00-" + ((start + 1) % 24 < 10 ? "0" : "") +
            std::to_string((start + 1) % 24) + "00;" + days[i % 5] + ";XYZ;Station number " +
            std::to_string(i) + ";E;" + targets[i % 4] + ";tx" + std::to_string(i % 50) +
            ";1;;\r\n";
  }
  return text;
}

void BM_ReadSchedule(benchmark::State& state) {
  const std::string text = ScheduleText(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    const Schedule schedule = ReadSchedule(text);
    benchmark::DoNotOptimize(schedule.Lines.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ScheduleLinesFloor(benchmark::State& state) {
  const std::string text = ScheduleText(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(SplitLines(text).size());
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

SimStationRows ManyRows(int count) {
  const char* demodulators[] = {"AM", "SAM", "CW", "USB", "LSB", "FM", "DRM"};
  SimStationRows rows;
  for (int i = 0; i < count; ++i)
    rows.Append({std::to_string(150 + (i * 7919) % 29850), "12 kHz", demodulators[i % 7],
                 "Station number " + std::to_string(i) + " E->Eu 0500-0600 Mo-Fr"});
  return rows;
}

// The text typed so far matches only the last row: every row is looked at.
void BM_FindKeystroke(benchmark::State& state) {
  const SimStationRows rows = ManyRows(static_cast<int>(state.range(0)));
  const std::string wanted = "number " + std::to_string(state.range(0) - 1) + " e->eu";
  for (auto _ : state) {
    const RowFinder finder(wanted);
    benchmark::DoNotOptimize(finder.Find(rows, 0));
  }
}

void BM_FindFloor(benchmark::State& state) {
  const SimStationRows rows = ManyRows(static_cast<int>(state.range(0)));
  const std::string wanted = "number " + std::to_string(state.range(0) - 1) + " E->Eu";
  for (auto _ : state) {
    std::size_t found = 0;
    for (std::size_t i = 0; i < rows.Count(); ++i) {
      const StationRow& row = rows.Row(i);
      if (row.Frequency.find(wanted) != std::string::npos ||
          row.Demodulator.find(wanted) != std::string::npos ||
          row.Name.find(wanted) != std::string::npos) {
        found = i;
        break;
      }
    }
    benchmark::DoNotOptimize(found);
  }
}

BENCHMARK(BM_ReadSchedule)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScheduleLinesFloor)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindKeystroke)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindFloor)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
