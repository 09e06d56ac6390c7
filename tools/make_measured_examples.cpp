// ovrelan-make-examples FOLDER: writes the two measured-like files shipped with the program, made
// from the model the program plots (solution/free_response.h) with a stated noise and seed, so
// that a student can try «Открыть измерения…» and ovrelan-solve --fit on them and know the
// answer. The circuit is the start-up one (L = 2000 µH, C = 5000 µF) with R = 0.2 Ω, the
// capacitor charged to Uo = 10 V, no source; the key closes at t = 0:
//   δ = R/2L = 50 1/s, ω₀ = 1/√(LC) = 316.23 rad/s, T = 20.13 ms.
//
// uc_noisy.csv  the capacitor's voltage as a digital oscilloscope saves it (a block of names,
//               units, start and increment, then time and volts): 2000 points 50 µs apart from
//               −10 ms, a probe offset of +0.15 V and white noise of deviation 0.05 V (seed 32).
// current.csv   the current of the same discharge as a data logger saves it (semicolons,
//               decimal commas, «Время, мс;Ток, А»): 1000 points 0.1 ms apart from 0, white noise
//               of deviation 0.1 A (seed 33).
//
// The noise: Box-Muller over std::mt19937_64, whose numbers the standard fixes, so the files come
// out the same wherever they are made (a test checks the shipped ones against this program).
#include "io/file_writer.h"
#include "solution/free_response.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <numbers>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr double L = 2000e-6;
constexpr double C = 5000e-6;
constexpr double R = 0.2;
constexpr double Uo = 10;

// Normal deviates of deviation `sigma` from a seeded engine, by Box-Muller.
class Noise {
public:
    Noise(std::uint64_t seed, double sigma) : engine_(seed), sigma_(sigma) {}
    double next() {
        // Uniform in (0, 1]: the top 53 bits.
        const auto uniform = [this] {
            return (static_cast<double>(engine_() >> 11) + 1) * 0x1.0p-53;
        };
        const double r = std::sqrt(-2 * std::log(uniform()));
        return sigma_ * r * std::cos(2 * std::numbers::pi * uniform());
    }

private:
    std::mt19937_64 engine_;
    double sigma_;
};

std::string printed(const char* format, double v) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, v);
    return buffer;
}

std::string with_comma(std::string s) {
    for (char& c : s) {
        c = c == '.' ? ',' : c;
    }
    return s;
}

const ovrelan::FreeMotion motion{R / (2 * L), 1 / std::sqrt(L* C), 0};

std::string uc_noisy() {
    constexpr int points = 2000;
    constexpr double start = -10e-3;
    constexpr double step = 50e-6;
    std::vector<double> t(points);
    for (int k = 0; k < points; ++k) {
        t[static_cast<std::size_t>(k)] = start + k * step;
    }
    const std::vector<double> uc =
        ovrelan::free_response(ovrelan::Quantity::Uc, motion, Uo, 0.15, t);
    Noise noise(32, 0.05);
    std::string out = "X,CH1,Start,Increment,\n";
    out += "Second,Volt," + printed("%.6e", start) + "," + printed("%.6e", step) + ",\n";
    for (std::size_t k = 0; k < t.size(); ++k) {
        out += printed("%.6e", t[k]) + "," + printed("%.4e", uc[k] + noise.next()) + ",\n";
    }
    return out;
}

std::string current() {
    constexpr int points = 1000;
    constexpr double step = 0.1e-3;
    std::vector<double> t(points);
    for (int k = 0; k < points; ++k) {
        t[static_cast<std::size_t>(k)] = k * step;
    }
    const double amplitude = Uo * motion.omega0 * C;
    const std::vector<double> i =
        ovrelan::free_response(ovrelan::Quantity::I, motion, amplitude, 0, t);
    Noise noise(33, 0.1);
    std::string out = "Регистратор данных: канал 2, датчик тока\n";
    out += "Время, мс;Ток, А\n";
    for (std::size_t k = 0; k < t.size(); ++k) {
        out += with_comma(printed("%.1f", t[k] * 1e3)) + ";" +
               with_comma(printed("%.3f", i[k] + noise.next())) + "\n";
    }
    return out;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "использование: ovrelan-make-examples ПАПКА\n";
        return 2;
    }
    const std::string folder = argv[1];
    for (const auto& [name, text] :
         {std::pair{"uc_noisy.csv", uc_noisy()}, std::pair{"current.csv", current()}}) {
        std::string reason;
        if (!ovrelan::write_file_whole(folder + "/" + name, text, &reason)) {
            std::cerr << "ovrelan-make-examples: " << name << ": " << reason << '\n';
            return 1;
        }
    }
    return 0;
}
