// What the window benchmarks share: the program on recording stand-ins for the platform, and a
// main that runs on the offscreen platform when there is no display.
#pragma once

#include "support/recording_platform.h"
#include "ui/main_window.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace ovrelan::bench {

struct Program : testing::RecordingPlatform {
    MainWindow window{platform};
    Program() {
        window.show();
        QApplication::processEvents();
    }
    ~Program() {
        boxes.answer_yes = true;
        window.close();
    }
};

inline int run_window_benchmarks(int argc, char** argv) {
    if (std::getenv("DISPLAY") == nullptr && std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace ovrelan::bench
