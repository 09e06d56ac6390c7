#include "ui/graph_windows.h"

#include "graphs/graph_window.h"
#include "graphs/resonance_window.h"
#include "graphs/stacked_graphs.h"
#include "graphs/vector_window.h"
#include "simulation/simulation.h"
#include "ui/appearance.h"
#include "ui/graph_area.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <cmath>

namespace ovrelan {

namespace {

// The smallest plot a class still reads.
const QSize legible_plot(320, 140);

// A window of its own, as the window manager makes it: with a title bar and its buttons. Not
// transient for the main window: a click on the main window brings it to the front.
void as_window(QWidget& w) {
    constexpr Qt::WindowFlags flags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                      Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
    if (w.parentWidget() == nullptr && w.windowFlags() != flags) {
        w.setWindowFlags(flags);
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
    show_chosen();
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
    if (window.isEmpty()) {
        return graph_needs_at(scale_, {decoration.width(), decoration.height()});
    }
    const QSize cell = window - decoration;
    return {{window.width(), window.height()},
            {cell.width(), cell.height() - time_row},
            {decoration.width(), decoration.height() + time_row}};
}

PictureWindow* GraphWindows::extra(Extra e) const {
    return e == Extra::resonance ? static_cast<PictureWindow*>(resonance_.get())
                                 : static_cast<PictureWindow*>(vector_.get());
}

void GraphWindows::set_extra_shown(Extra e, bool shown) {
    extra_shown_[static_cast<std::size_t>(e)] = shown;
    show_chosen();
}

void GraphWindows::set_area(GraphArea* area, std::function<void()> rearrange) {
    if (area_ == area) {
        return;
    }
    showing_ = true;
    if (area_ != nullptr) {
        area_->release();
        for (QWidget* w : std::initializer_list<QWidget*>{stacked_.get(), extra(Extra::resonance),
                                                          extra(Extra::vector)}) {
            as_window(*w);
            w->hide();
        }
    }
    area_ = area;
    rearrange_ = std::move(rearrange);
    stacked_kinds_.clear();
    stacked_columns_ = 0;
    if (area_ != nullptr) {
        for (const auto& w : windows_) {
            w->hide();
        }
        area_->hold(stacked_.get(), extra(Extra::resonance), extra(Extra::vector));
    }
    showing_ = false;
    show_chosen();
}

ClassroomRequest GraphWindows::views(ClassroomRequest request) const {
    request.graphs = static_cast<int>(chosen_kinds().size());
    request.resonance = extra_shown_[static_cast<std::size_t>(Extra::resonance)];
    request.vector = extra_shown_[static_cast<std::size_t>(Extra::vector)];
    return request;
}

void GraphWindows::apply_area(const GraphAreaLayout& layout) {
    if (area_ == nullptr) {
        return;
    }
    const std::vector<GraphKind> kinds = chosen_kinds();
    if (kinds != stacked_kinds_ || layout.columns != stacked_columns_) {
        stacked_->show_graphs(kinds, layout.columns);
        stacked_kinds_ = kinds;
        stacked_columns_ = layout.columns;
    }
    area_->apply(layout, extra_shown_[static_cast<std::size_t>(Extra::resonance)],
                 extra_shown_[static_cast<std::size_t>(Extra::vector)],
                 static_cast<int>(kinds.size()));
}

SeparateRequest GraphWindows::separate_request(double scale) const {
    SeparateRequest r;
    r.available = to_screen_rect(available());
    r.scale = scale;
    if (main_.isVisible()) {
        r.main = to_screen_rect(main_.frameGeometry());
        const QSize decoration = main_.frameGeometry().size() - main_.geometry().size();
        r.decoration = {decoration.width(), decoration.height()};
    }
    r.graphs = static_cast<int>(chosen_kinds().size());
    r.always_stacked = always_stacked_;
    r.resonance = extra_shown_[static_cast<std::size_t>(Extra::resonance)];
    r.vector = extra_shown_[static_cast<std::size_t>(Extra::vector)];
    r.needs = needs();
    return r;
}

void GraphWindows::show_chosen() {
    if (area_ != nullptr) {
        if (rearrange_) {
            rearrange_();
        }
        return;
    }
    place_all();
}

// Every open window placed again: the graphs, the stack, the curve and the diagram, none over
// the main window's controls, menu bar or status bar.
void GraphWindows::place_all() {
    SeparateRequest request = separate_request(scale_);
    request.scale = scale_; // the main window keeps the size it has; only the others move
    const SeparateLayout p = arrange_separate_windows(request);
    const std::vector<GraphKind> kinds = chosen_kinds();
    showing_ = true;
    if (main_.isVisible() && (p.main.left != main_.frameGeometry().left() ||
                              p.main.top != main_.frameGeometry().top())) {
        main_.move(p.main.left, p.main.top);
    }
    if (kinds.empty() || !p.graphs.stacked) {
        stacked_->hide();
    }
    for (std::size_t i = 0; i < graph_kind_count; ++i) {
        const auto kind = static_cast<GraphKind>(i);
        const auto at = std::find(kinds.begin(), kinds.end(), kind);
        GraphWindow& w = *windows_[i];
        if (p.graphs.stacked || at == kinds.end()) {
            w.hide();
            continue;
        }
        const ScreenRect& frame = p.graphs.graphs[static_cast<std::size_t>(at - kinds.begin())];
        as_window(w);
        w.place(frame);
        w.show();
        w.place(frame); // again, now that its own frame's decoration is known
        w.raise();
    }
    if (p.graphs.stacked && !kinds.empty()) {
        stacked_->show_graphs(kinds, p.graphs.columns);
        stacked_kinds_ = kinds;
        stacked_columns_ = p.graphs.columns;
        const ScreenRect& f = p.graphs.graphs.front();
        const QSize decoration = main_.frameGeometry().size() - main_.geometry().size();
        as_window(*stacked_);
        stacked_->resize(std::max(1, f.width - decoration.width()),
                         std::max(1, f.height - decoration.height()));
        stacked_->move(f.left, f.top);
        stacked_->show();
        stacked_->raise();
    }
    show_extra(Extra::resonance, p.resonance);
    show_extra(Extra::vector, p.vector);
    set_progress(progress_);
    showing_ = false;
}

void GraphWindows::show_extra(Extra e, const std::optional<ScreenRect>& frame) {
    PictureWindow& w = *extra(e);
    if (!frame || !extra_shown_[static_cast<std::size_t>(e)]) {
        w.hide();
        return;
    }
    const QSize decoration = main_.frameGeometry().size() - main_.geometry().size();
    as_window(w);
    w.resize(std::max(1, frame->width - decoration.width()),
             std::max(1, frame->height - decoration.height()));
    w.move(frame->left, frame->top);
    w.show();
    w.raise();
}

void GraphWindows::set_progress(const QString& text) {
    progress_ = text;
    if (area_ != nullptr) {
        return; // the main window's status bar shows it, and nothing covers it
    }
    const QString suffix = text.isEmpty() ? QString() : " — " + text;
    stacked_->setWindowTitle(QCoreApplication::translate("GraphWindows", "Графики") + suffix);
    for (const auto& w : windows_) {
        w->setWindowTitle(w->base_title() + suffix);
    }
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
    scale_ = scale;
    for (const auto& w : windows_) {
        w->view()->set_scale(scale);
    }
    stacked_->set_scale(scale);
    resonance_->set_scale(scale);
    vector_->set_scale(scale);
}

void GraphWindows::set_palette(const Palette& screen, const Palette& pictures) {
    for (const auto& w : windows_) {
        set_window_colour(w.get(), screen);
        w->view()->set_palette(screen, pictures);
    }
    set_window_colour(stacked_.get(), screen);
    stacked_->set_palette(screen, pictures);
    resonance_->set_palette(screen, pictures);
    vector_->set_palette(screen, pictures);
}

void GraphWindows::close_all() {
    showing_ = true;
    if (area_ != nullptr) {
        area_->release();
        area_ = nullptr;
    }
    for (const auto& w : windows_) {
        w->close();
    }
    stacked_->close();
    resonance_->close();
    vector_->close();
    showing_ = false;
}

} // namespace ovrelan
