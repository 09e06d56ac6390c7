#include "tools/fit_report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace ovrelan {
namespace {

// A scope's file of a discharge (textbook formula, no noise but the rounding of its digits):
// L = 2 mH, C = 5 mF, R = 0.5 Ω, Uo = 10 V.
std::string scope_file() {
    std::string text = "Time (s),CH1 (V),CH2 (A)\n";
    const double R = 0.5, L = 2e-3, C = 5e-3, Uo = 10;
    const double d = R / (2 * L), w0 = 1 / std::sqrt(L * C), w = std::sqrt(w0 * w0 - d * d);
    for (int k = 0; k < 800; ++k) {
        const double t = k * 5e-5;
        const double uc = Uo * std::exp(-d * t) * (std::cos(w * t) + d / w * std::sin(w * t));
        const double i = Uo / (w * L) * std::exp(-d * t) * std::sin(w * t);
        text += std::to_string(t) + "," + std::to_string(uc) + "," + std::to_string(i) + "\n";
    }
    return text;
}

class FitReport : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = ::testing::TempDir() + "ovrelan_fit_report_" + std::to_string(::getpid());
        std::filesystem::create_directories(dir_);
        path_ = dir_ + "/opyt.csv";
        std::ofstream(path_) << scope_file();
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    FitCommand command(std::vector<std::size_t> columns, std::vector<std::string> quantities,
                       std::vector<std::string> fixes) const {
        return {path_, std::move(columns), std::move(quantities), std::move(fixes), std::nullopt};
    }
    std::string dir_, path_;
};

TEST_F(FitReport, ReportsTheValuesUnderTheirKeys) {
    const FitCommandResult r = run_fit_command(command({}, {}, {"C=5000"}));
    ASSERT_EQ(r.status, 0) << r.err;
    const auto j = nlohmann::ordered_json::parse(r.out);
    std::vector<std::string> keys;
    for (const auto& [key, value] : j.items()) {
        keys.push_back(key);
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"ok", "file", "notes", "traces", "fixed", "regime",
                                              "values", "chi2_per_dof", "points", "parameters",
                                              "iterations", "stop"}));
    EXPECT_EQ(j["file"], "opyt.csv");
    EXPECT_EQ(j["traces"][0]["column"], 2);
    EXPECT_EQ(j["traces"][0]["name"], "CH1");
    EXPECT_EQ(j["traces"][0]["quantity"], "Uc");
    const auto& L = j["values"]["L"];
    EXPECT_EQ(L["unit"], "Гн");
    EXPECT_EQ(L["field"]["unit"], "мкГн");
    EXPECT_NEAR(L["field"]["value"].get<double>(), 2000, 2);
    EXPECT_NEAR(L["field"]["value"].get<double>() * 1e-6, L["value"].get<double>(), 1e-15);
    EXPECT_EQ(j["values"]["C"]["fixed"], true);
    EXPECT_EQ(j["values"]["C"]["field"]["value"], 5000);
}

TEST_F(FitReport, TwoColumnsGiveRLC) {
    const FitCommandResult r = run_fit_command(command({2, 3}, {"Uc", "I"}, {}));
    ASSERT_EQ(r.status, 0) << r.err;
    const auto j = nlohmann::ordered_json::parse(r.out);
    EXPECT_NEAR(j["values"]["R"]["value"].get<double>(), 0.5, 0.005);
    EXPECT_NEAR(j["values"]["L"]["field"]["value"].get<double>(), 2000, 20);
    EXPECT_NEAR(j["values"]["C"]["field"]["value"].get<double>(), 5000, 50);
}

TEST_F(FitReport, WhatCannotBeIsSaid) {
    const struct {
        std::vector<std::size_t> columns;
        std::vector<std::string> quantities;
        std::vector<std::string> fixes;
        int status;
        const char* says;
    } cases[] = {
        {{},
         {},
         {"C"},
         exit_fit_usage,
         "--fix «C»: нужно ИМЯ=ЧИСЛО, где ИМЯ — R (Ом), L (мкГн) или C (мкФ)"},
        {{},
         {},
         {"Q=1"},
         exit_fit_usage,
         "--fix «Q=1»: нужно ИМЯ=ЧИСЛО, где ИМЯ — R (Ом), L (мкГн) или C (мкФ)"},
        {{},
         {},
         {"L=abc"},
         exit_fit_usage,
         "--fix «L=abc»: нужно ИМЯ=ЧИСЛО, где ИМЯ — R (Ом), L (мкГн) или C (мкФ)"},
        {{}, {}, {"R=0"}, exit_fit_usage, "--fix «R=0»: значение должно быть больше нуля"},
        {{}, {}, {"C=1", "C=2"}, exit_fit_usage, "--fix: C задано дважды"},
        {{}, {"U"}, {}, exit_fit_usage, "--quantity «U»: нужно Uc, I, Ur или EL"},
        {{}, {"Uc", "I"}, {}, exit_fit_usage, "--quantity задано больше раз, чем --column"},
        {{1}, {}, {}, exit_fit_usage, "--column 1: в этом столбце время"},
        {{4}, {}, {}, exit_fit_usage, "--column 4: в этом столбце файла нет чисел"},
        {{2, 3, 2},
         {},
         {},
         exit_fit_usage,
         "--column: подбирать можно по одному или двум столбцам"},
        {{2, 2},
         {},
         {},
         exit_fit_failed,
         "две кривые одной величины: подбирать можно по кривым разных величин"},
        {{},
         {},
         {"R=0.5", "L=2000", "C=5000"},
         exit_fit_failed,
         "заданы все три величины R, L и C: подбирать нечего"},
    };
    for (const auto& c : cases) {
        const FitCommandResult r = run_fit_command(command(c.columns, c.quantities, c.fixes));
        EXPECT_EQ(r.status, c.status) << c.says;
        const std::string expected =
            c.status == exit_fit_failed ? path_ + ": " + c.says : std::string(c.says);
        EXPECT_EQ(r.err, expected);
        EXPECT_EQ(r.out.empty(), c.status == exit_fit_usage) << c.says;
    }
}

TEST_F(FitReport, ABrokenFileIsRefusedWithItsLineAndColumn) {
    std::string text = scope_file();
    const auto at = text.find('\n', text.find('\n', text.find('\n') + 1) + 1); // after line 3
    text.insert(at + 1, "0.000150,9.97,\n");
    std::ofstream(path_) << text;
    const FitCommandResult r = run_fit_command(command({3}, {}, {}));
    EXPECT_EQ(r.status, exit_fit_refused);
    EXPECT_EQ(r.err, path_ + ": строка 4, столбец 3: нет значения");
    EXPECT_TRUE(r.out.empty());
    const FitCommandResult missing =
        run_fit_command({dir_ + "/missing.csv", {}, {}, {}, std::nullopt});
    EXPECT_EQ(missing.status, exit_fit_refused);
    EXPECT_EQ(missing.err, dir_ + "/missing.csv: не удалось прочитать файл: нет такого файла или "
                                  "папки");
}

} // namespace
} // namespace ovrelan
