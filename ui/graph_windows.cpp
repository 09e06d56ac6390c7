#include "ui/graph_windows.h"

#include "graphs/graph_window.h"
#include "graphs/resonance_window.h"
#include "graphs/stacked_graphs.h"
#include "graphs/vector_window.h"
#include "simulation/simulation.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <cmath>

namespace ovrelan {

namespace {

// The smallest plot a class still reads.
const QSize legible_plot(320, 140);

ScreenRect screen_rect_of(const QWidget* w) {
    const QPoint origin = w->mapToGlobal(QPoint(0, 0));
    return {origin.x(), origin.y(), w->width(), w->height()};
}

// A graph's window stays above the main window, as a dialog does (the window manager keeps a
// transient window over its parent): clicking the main window's controls does not hide the
// graphs that stand over its picture on a small screen. The main window still owns nothing.
void keep_above(QWidget& w, QWidget& main) {
    // Only a dialog's or a tool's window is transient for its parent on X11; this one keeps its
    // title bar's buttons.
    constexpr Qt::WindowFlags flags = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                      Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
    if (w.windowFlags() != flags) {
        w.setWindowFlags(flags);
    }
    w.winId();
    main.winId();
    if (w.windowHandle() != nullptr && main.windowHandle() != nullptr &&
        w.windowHandle()->transientParent() != main.windowHandle()) {
        w.windowHandle()->setTransientParent(main.windowHandle());
    }
}

} // namespace

GraphWindows::GraphWindows(QWidget& main, Simulation& simulation, Platform& platform)
    : QObject(&main), main_(main), simulation_(simulation), platform_(platform),
      stacked_(std::make_unique<StackedGraphs>(simulation, platform)),
      resonance_(std::make_unique<ResonanceWindow>(simulation, platform)),
      vector_(std::make_unique<VectorWindow>(simulation, platform)) {
    for (const Extra e : {Extra::resonance, Extra::vector}) {
        extra(e)->on_closed([this, e] {
            if (!showing_ && extra_closed_) {
                extra_closed_(e);
            }
        });
    }
    for (std::size_t i = 0; i < graph_kind_count; ++i) {
        const auto kind = static_cast<GraphKind>(i);
        windows_[i] = std::make_unique<GraphWindow>(simulation, kind, platform);
        // Closed with its title-bar button: the graph is no longer chosen.
        windows_[i]->on_closed([this, kind] {
            if (!showing_ && unchosen_) {
                unchosen_(kind);
            }
        });
    }
    stacked_->on_closed([this] {
        if (showing_) {
            return;
        }
        for (const GraphKind kind : chosen_kinds()) {
            if (unchosen_) {
                unchosen_(kind);
            }
        }
    });
}

GraphWindows::~GraphWindows() = default;

void GraphWindows::start_up() {
    for (const auto& w : windows_) {
        w->place_beside(main_);
    }
    for (const auto& w : windows_) {
        w->redraw(); // laid out and drawn before the student first shows them
    }
}

GraphView* GraphWindows::shown_view(GraphKind kind) const {
    const GraphWindow& own = *windows_[static_cast<std::size_t>(kind)];
    if (own.isVisible()) {
        return own.view();
    }
    return stacked_->isVisible() ? stacked_->view(kind) : nullptr;
}

bool GraphWindows::chosen(GraphKind kind) const {
    return chosen_[static_cast<std::size_t>(kind)];
}

std::vector<GraphKind> GraphWindows::chosen_kinds() const {
    std::vector<GraphKind> kinds;
    for (std::size_t i = 0; i < graph_kind_count; ++i) {
        if (chosen_[i]) {
            kinds.push_back(static_cast<GraphKind>(i));
        }
    }
    return kinds;
}

void GraphWindows::set_chosen(GraphKind kind, bool chosen) {
    const auto i = static_cast<std::size_t>(kind);
    if (chosen_[i] == chosen) {
        return;
    }
    chosen_[i] = chosen;
    if (chosen || stacked_->isVisible()) {
        show_chosen();
    } else {
        showing_ = true;
        windows_[i]->hide();
        showing_ = false;
    }
}

void GraphWindows::arrange() {
    show_chosen();
}

void GraphWindows::set_always_stacked(bool on) {
    always_stacked_ = on;
    show_chosen();
}

QRect GraphWindows::available() const {
    if (screen_area_) {
        return *screen_area_;
    }
    const QScreen* screen =
        main_.screen() != nullptr ? main_.screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

// What a graph needs around a legible plot, from the chosen graphs' windows as they are laid out
// now: the widest margins of them all (two value axes, long value labels).
GraphNeeds GraphWindows::needs() const {
    QSize window(0, 0);
    int time_row = 24;
    for (const GraphKind kind : chosen_kinds()) {
        const GraphWindow& w = *windows_[static_cast<std::size_t>(kind)];
        window = window.expandedTo(w.frame_for_plot(legible_plot));
        if (w.view()->frame().plot.top > 0) {
            time_row = static_cast<int>(w.view()->frame().title.height) + 6;
        }
    }
    const QSize decoration = main_.frameGeometry().size() - main_.geometry().size();
    const QSize cell = window - decoration;
    return {{window.width(), window.height()},
            {cell.width(), cell.height() - time_row},
            {decoration.width(), decoration.height() + time_row}};
}

std::vector<ScreenRect> GraphWindows::control_rects() const {
    std::vector<ScreenRect> controls;
    for (const QWidget* c : controls_) {
        if (c->isVisible()) {
            controls.push_back(screen_rect_of(c));
        }
    }
    return controls;
}

PictureWindow* GraphWindows::extra(Extra e) const {
    return e == Extra::resonance ? static_cast<PictureWindow*>(resonance_.get())
                                 : static_cast<PictureWindow*>(vector_.get());
}

void GraphWindows::set_extra_shown(Extra e, bool shown) {
    PictureWindow& w = *extra(e);
    showing_ = true;
    if (!shown) {
        w.hide();
        showing_ = false;
        return;
    }
    std::vector<ScreenRect> taken;
    for (const auto& g : windows_) {
        if (g->isVisible()) {
            taken.push_back(to_screen_rect(g->frameGeometry()));
        }
    }
    if (stacked_->isVisible()) {
        taken.push_back(to_screen_rect(stacked_->frameGeometry()));
    }
    std::vector<ScreenRect> own;
    const QWidget* other = extra(e == Extra::resonance ? Extra::vector : Extra::resonance);
    if (other->isVisible()) {
        own.push_back(to_screen_rect(other->frameGeometry()));
    }
    const QSize decoration = main_.frameGeometry().size() - main_.geometry().size();
    const int grow = static_cast<int>(std::lround(w.scale() * 100));
    const ScreenSize preferred{(560 * grow) / 100 + decoration.width(),
                               (420 * grow) / 100 + decoration.height()};
    const ScreenSize minimum{400 + decoration.width(), 300 + decoration.height()};
    const ScreenRect frame =
        place_window(to_screen_rect(available()), to_screen_rect(main_.frameGeometry()),
                     control_rects(), taken, own, preferred, minimum);
    w.resize(std::max(1, frame.width - decoration.width()),
             std::max(1, frame.height - decoration.height()));
    w.move(frame.left, frame.top);
    keep_above(w, main_);
    w.show();
    w.raise();
    showing_ = false;
}

void GraphWindows::show_chosen() {
    const std::vector<GraphKind> kinds = chosen_kinds();
    const std::vector<ScreenRect> controls = control_rects();
    const QRect area = available();
    const GraphPlacement p =
        place_graphs(to_screen_rect(area), to_screen_rect(main_.frameGeometry()), controls,
                     static_cast<int>(kinds.size()), needs(), always_stacked_);
    showing_ = true;
    if (p.main.left != main_.frameGeometry().left() || p.main.top != main_.frameGeometry().top()) {
        main_.move(p.main.left, p.main.top);
    }
    if (kinds.empty() || !p.stacked) {
        stacked_->hide();
    }
    for (std::size_t i = 0; i < graph_kind_count; ++i) {
        const auto kind = static_cast<GraphKind>(i);
        const auto at = std::find(kinds.begin(), kinds.end(), kind);
        GraphWindow& w = *windows_[i];
        if (p.stacked || at == kinds.end()) {
            w.hide();
            continue;
        }
        const ScreenRect& frame = p.graphs[static_cast<std::size_t>(at - kinds.begin())];
        w.place(frame);
        keep_above(w, main_);
        w.show();
        w.place(frame); // again, now that its own frame's decoration is known
        w.raise();
    }
    if (p.stacked && !kinds.empty()) {
        stacked_->show_graphs(kinds, p.columns);
        const ScreenRect& f = p.graphs.front();
        const QSize decoration = main_.frameGeometry().size() - main_.geometry().size();
        stacked_->resize(std::max(1, f.width - decoration.width()),
                         std::max(1, f.height - decoration.height()));
        stacked_->move(f.left, f.top);
        keep_above(*stacked_, main_);
        stacked_->show();
        stacked_->raise();
    }
    showing_ = false;
}

void GraphWindows::set_preview(bool shown) {
    for (const auto& w : windows_) {
        w->set_preview(shown);
    }
    stacked_->set_preview(shown);
}

void GraphWindows::set_axes(Axes axes) {
    for (const auto& w : windows_) {
        w->view()->set_axes(axes);
    }
    stacked_->set_axes(axes);
}

void GraphWindows::set_scale(double scale) {
    for (const auto& w : windows_) {
        w->view()->set_scale(scale);
    }
    stacked_->set_scale(scale);
    resonance_->set_scale(scale);
    vector_->set_scale(scale);
}

void GraphWindows::close_all() {
    showing_ = true;
    for (const auto& w : windows_) {
        w->close();
    }
    stacked_->close();
    resonance_->close();
    vector_->close();
    showing_ = false;
}

} // namespace ovrelan
