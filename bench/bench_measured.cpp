// Measured data: a file of a million rows opened, inspected and read into a series, in the
// dialects instruments write; and the fit of the free motion to a trace of 100 000 points, in
// each regime and for a voltage and the current together. CPU time is what counts (the targets:
// reading ≤ 1 s, a fit ≤ 200 ms).
#include "io/measured_data.h"
#include "io/text_encoding.h"
#include "solution/fit.h"
#include "solution/free_response.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>
#include <variant>
#include <vector>

namespace {

using namespace ovrelan;

constexpr std::size_t million = 1'000'000;

// A million rows of a damped swing with noise, as an oscilloscope (a comma, a decimal point,
// numbers with exponents) or a data logger (semicolons, decimal commas, Russian names) writes
// them.
std::string million_rows(bool logger) {
    const FreeMotion m{50, 316.227766, 0};
    std::vector<double> t(million);
    for (std::size_t k = 0; k < million; ++k) {
        t[k] = -0.01 + static_cast<double>(k) * 1e-7;
    }
    const std::vector<double> uc = free_response(Quantity::Uc, m, 10, 0.15, t);
    std::mt19937_64 rng(1);
    std::normal_distribution<double> noise(0, 0.05);
    std::string text = logger ? "Время, мс;Напряжение, В\n"
                              : "X,CH1,Start,Increment,\n"
                                "Second,Volt,-1.0e-02,1.0e-07,\n";
    char row[64];
    for (std::size_t k = 0; k < million; ++k) {
        const double v = uc[k] + noise(rng);
        if (logger) {
            std::snprintf(row, sizeof row, "%.4f;%.4f\n", t[k] * 1e3, v);
            for (char* c = row; *c != '\0'; ++c) {
                *c = *c == '.' ? ',' : *c;
            }
        } else {
            std::snprintf(row, sizeof row, "%.6e,%.4e,\n", t[k], v);
        }
        text += row;
    }
    return text;
}

// The file on disk, written once per kind.
const std::string& million_row_file(bool logger, bool windows_1251) {
    static std::string paths[2][2];
    std::string& path = paths[logger][windows_1251];
    if (path.empty()) {
        path = (std::filesystem::temp_directory_path() /
                ("ovrelan_bench_" + std::to_string(::getpid()) + (logger ? "_logger" : "_scope") +
                 (windows_1251 ? "_1251" : "") + ".csv"))
                   .string();
        std::string text = million_rows(logger);
        if (windows_1251) {
            text = *convert_text(text, "UTF-8", "CP1251");
        }
        std::ofstream(path, std::ios::binary) << text;
    }
    return path;
}

void read_file(benchmark::State& state, bool logger, bool windows_1251) {
    const std::string& path = million_row_file(logger, windows_1251);
    for (auto _ : state) {
        const auto text = open_measured_file(path);
        const auto& t = std::get<MeasuredText>(text);
        const auto preview = inspect_measured(t);
        const auto series = read_measured(t, std::get<MeasuredPreview>(preview).guess);
        if (!std::holds_alternative<MeasuredSeries>(series) ||
            std::get<MeasuredSeries>(series).time.size() != million) {
            state.SkipWithError("the file was not read whole");
            return;
        }
        benchmark::DoNotOptimize(series);
    }
    state.counters["rows"] = static_cast<double>(million);
    state.counters["MiB"] =
        static_cast<double>(std::filesystem::file_size(path)) / (1024.0 * 1024.0);
}

void BM_read_million_rows_scope(benchmark::State& state) {
    read_file(state, false, false);
}
void BM_read_million_rows_logger_decimal_commas(benchmark::State& state) {
    read_file(state, true, false);
}
void BM_read_million_rows_logger_windows_1251(benchmark::State& state) {
    read_file(state, true, true);
}

// A trace of 100 000 points 1 µs apart of a circuit with L = 2 mH, C = 5 mF and this R, noise
// of 0.5 % of Uo; with `current`, the current beside it.
void fit_trace(benchmark::State& state, double R, bool known_c, bool current) {
    constexpr std::size_t points = 100'000;
    const double L = 2e-3, C = 5e-3, Uo = 10;
    const FreeMotion m{R / (2 * L), 1 / std::sqrt(L * C), 0.001};
    std::vector<double> t(points);
    for (std::size_t k = 0; k < points; ++k) {
        t[k] = static_cast<double>(k) * 1e-6;
    }
    std::vector<double> uc = free_response(Quantity::Uc, m, Uo, 0.15, t);
    std::vector<double> i = free_response(Quantity::I, m, Uo * m.omega0 * C, 0, t);
    std::mt19937_64 rng(2);
    std::normal_distribution<double> noise(0, 1);
    for (std::size_t k = 0; k < points; ++k) {
        uc[k] += 0.05 * noise(rng);
        i[k] += 0.005 * Uo * m.omega0 * C * noise(rng);
    }
    FitRequest request;
    request.traces.push_back({Quantity::Uc, t, uc});
    if (current) {
        request.traces.push_back({Quantity::I, t, i});
    }
    if (known_c) {
        request.C = C;
    }
    FitResult f;
    for (auto _ : state) {
        f = fit_measured(request);
        if (!f.ok) {
            state.SkipWithError(f.reason.c_str());
            return;
        }
        benchmark::DoNotOptimize(f);
    }
    state.counters["points"] = static_cast<double>(f.points);
    state.counters["iterations"] = static_cast<double>(f.iterations);
    state.counters["a"] = m.delta / m.omega0;
}

void BM_fit_100k_weakly_damped(benchmark::State& state) {
    fit_trace(state, 0.2, false, false);
}
void BM_fit_100k_strongly_damped_C_given(benchmark::State& state) {
    fit_trace(state, 1.0, true, false);
}
void BM_fit_100k_critical(benchmark::State& state) {
    fit_trace(state, 2 * std::sqrt(2e-3 / 5e-3), false, false);
}
void BM_fit_100k_aperiodic(benchmark::State& state) {
    fit_trace(state, 2.5, false, false);
}
void BM_fit_100k_voltage_and_current(benchmark::State& state) {
    fit_trace(state, 0.5, false, true);
}

BENCHMARK(BM_read_million_rows_scope)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_read_million_rows_logger_decimal_commas)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_read_million_rows_logger_windows_1251)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_fit_100k_weakly_damped)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_fit_100k_strongly_damped_C_given)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_fit_100k_critical)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_fit_100k_aperiodic)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_fit_100k_voltage_and_current)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // The files written for the benchmark go.
    for (const bool logger : {false, true}) {
        for (const bool windows_1251 : {false, true}) {
            std::filesystem::remove(std::filesystem::temp_directory_path() /
                                    ("ovrelan_bench_" + std::to_string(::getpid()) +
                                     (logger ? "_logger" : "_scope") +
                                     (windows_1251 ? "_1251" : "") + ".csv"));
        }
    }
    return 0;
}
