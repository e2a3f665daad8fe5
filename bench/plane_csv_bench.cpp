// Reading a plane set of 50,000 rows as a spreadsheet saves it under
// European settings: a byte-order mark, a header row, semicolons, decimal
// commas, CRLF line ends. The goal is at most 0.5 s per file.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "core/plane_csv_reader.h"

namespace {

std::string SpreadsheetFile(int rows)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> hundredths(0, 35999), dipHundredths(0, 9000), set(1, 4);
    std::string text = "\xEF\xBB\xBFName;Dip direction;Dip;Set\r\n";
    auto decimal = [](int value) {
        const std::string digits =
            std::to_string(value / 100) + "," + std::to_string(100 + value % 100).substr(1);
        return digits;
    };
    for (int i = 0; i < rows; ++i)
        text += "Joint " + std::to_string(i + 1) + ";" + decimal(hundredths(random)) + ";" +
                decimal(dipHundredths(random)) + ";\"Set " + std::to_string(set(random)) + "\"\r\n";
    return text;
}

void ReadSpreadsheetFile(benchmark::State& state)
{
    const std::string text = SpreadsheetFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const tensorium::PlaneReading reading = tensorium::ReadPlaneCsv(text);
        if (reading.planes.size() != static_cast<size_t>(state.range(0))) state.SkipWithError("rows lost");
        benchmark::DoNotOptimize(reading.planes.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}

BENCHMARK(ReadSpreadsheetFile)->Arg(50000)->Unit(benchmark::kMillisecond)->Repetitions(9);

}  // namespace

BENCHMARK_MAIN();
