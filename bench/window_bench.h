// What the window benchmarks share: the program on recording stand-ins for the platform, and a
// main that runs on the offscreen platform when there is no display.
#pragma once

#include "support/recording_platform.h"
#include "ui/graph_windows.h"
#include "ui/main_menus.h"
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>

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

// Every graph window open on a screen that holds them, as a projector's larger cousin shows
// them; the voltages-and-current graph too when `all_six`.
inline void open_graphs(MainWindow& window, bool all_six) {
    window.graph_windows().set_screen_area(QRect(0, 0, 1920, 1080));
    window.move(0, 0);
    for (int i = 0; i < 5; ++i) {
        window.graph_box(GraphId(i))->setChecked(true);
    }
    if (all_six) {
        window.findChild<QAction*>(voltages_and_current_item)->setChecked(true);
    }
}

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
