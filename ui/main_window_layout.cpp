// The main window's layout: one window for the classroom or the graphs in windows of their own,
// at the presentation size asked, on the screen it has.
#include "ui/main_window.h"

#include "geometry/classroom_layout.h"
#include "geometry/colours.h"
#include "geometry/main_layout.h"
#include "geometry/separate_windows.h"
#include "geometry/window_tiling.h"
#include "graphs/graph_window.h"
#include "model/examples.h"
#include "platform/drawing_surface.h"
#include "platform/fonts.h"
#include "platform/locale.h"
#include "platform/settings.h"
#include "scene/circuit_scene.h"
#include "ui/authors_window.h"
#include "ui/edit_history.h"
#include "ui/family_table.h"
#include "ui/form_widgets.h"
#include "ui/graph_area.h"
#include "ui/main_menus.h"
#include "ui/selection_boxes.h"
#include "ui/texts.h"
#include "ui/window_scale.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QSignalBlocker>
#include <QStatusBar>

#include <cmath>

namespace ovrelan {

namespace {

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

QRect MainWindow::available() const {
    if (screen_area_) {
        return *screen_area_;
    }
    const QScreen* screen =
        this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

void MainWindow::set_screen_area(std::optional<QRect> area) {
    screen_area_ = area;
    graph_windows_->set_screen_area(area);
}

void MainWindow::set_layout(Layout layout) {
    const bool one = layout == Layout::one_window;
    layout_ = layout;
    if (QAction* item = findChild<QAction*>("mnuViewOneWindow"); item != nullptr) {
        const QSignalBlocker quiet(item);
        item->setChecked(one);
    }
    characteristics_->circuit_label()->setWordWrap(one);
    area_->setVisible(false);
    divider_->setVisible(false);
    if (one) {
        // The window fills the screen; its contents take the size that fits.
        client_->setMinimumSize(0, 0);
        graph_windows_->set_area(area_, [this] {
            if (arrange()) {
                scene_->build_scene();
            }
        });
        resizing_ = true;
        setGeometry(available());
        resizing_ = false;
        if (isVisible()) {
            showMaximized();
        }
    } else {
        graph_windows_->set_area(nullptr, {});
        if (isMaximized()) {
            showNormal();
        }
    }
    apply_scale(scale_);
}

// Form_Resize: a new layout and the circuit drawn at the new size. Nothing physical changes:
// the run position and the graphs stay, and nothing here can bring a message box.
void MainWindow::client_resized() {
    if (!simulation_.ready()) {
        return;
    }
    if (layout_ == Layout::windows && !resizing_ && !isMaximized()) {
        // A size the student gives the window is its size from now on, at every presentation
        // size.
        normal_client_ = QSize(static_cast<int>(std::lround(client_->width() / shown_scale_)),
                               static_cast<int>(std::lround(client_->height() / shown_scale_)));
    }
    if (arrange()) {
        scene_->build_scene();
    }
}

// The layout of the normal size, magnified; or the classroom layout.
bool MainWindow::arrange() {
    if (layout_ == Layout::one_window) {
        return arrange_classroom();
    }
    const MainLayout layout =
        arrange_main_window(static_cast<int>(std::lround(client_->width() / shown_scale_)),
                            static_cast<int>(std::lround(client_->height() / shown_scale_)));
    if (!layout.fits()) {
        return false;
    }
    for (const Placement& p : layout.controls) {
        if (auto* control = client_->findChild<QWidget*>(qt(p.name), Qt::FindDirectChildrenOnly)) {
            control->setGeometry(scaled_rect(p.rect, shown_scale_));
        }
    }
    return true;
}

bool MainWindow::arrange_classroom() {
    if (arranging_) {
        return false;
    }
    arranging_ = true;
    ClassroomRequest r = graph_windows_->views({});
    r.width = client_->width();
    r.height = client_->height();
    r.split = split_;
    // The size of the letters: the largest up to the one asked for at which any set of views
    // fits, so that ticking a graph never changes it. Every graph: a second one already needs
    // room for the stack's scroll bar.
    ClassroomRequest worst = r;
    worst.graphs = static_cast<int>(graph_kind_count);
    worst.resonance = worst.vector = true;
    worst.scale = scale_;
    const double s = fitting_classroom(worst).scale;
    if (s != shown_scale_) {
        apply_fonts(s);
    }
    r.scale = s;
    const ClassroomLayout layout = ovrelan::arrange_classroom(r);
    arranging_ = false;
    if (!layout.fits) {
        return false;
    }
    const auto to_qrect = [](const Rect& rect) {
        return QRect(
            static_cast<int>(std::lround(rect.left)), static_cast<int>(std::lround(rect.top)),
            static_cast<int>(std::lround(rect.width)), static_cast<int>(std::lround(rect.height)));
    };
    for (const Placement& p : layout.controls) {
        if (auto* control = client_->findChild<QWidget*>(qt(p.name), Qt::FindDirectChildrenOnly)) {
            control->setGeometry(to_qrect(p.rect));
        }
    }
    const bool graphs = layout.graph_area.width > 0;
    area_->setGeometry(to_qrect(layout.graph_area));
    area_->setVisible(graphs);
    divider_->setGeometry(to_qrect(layout.divider));
    divider_->set_vertical(layout.divider_vertical);
    divider_->setVisible(graphs);
    graph_windows_->apply_area(layout.area);
    return true;
}

void MainWindow::divider_dragged(QPoint at) {
    ClassroomRequest r = graph_windows_->views({});
    r.width = client_->width();
    r.height = client_->height();
    r.split = split_;
    r.scale = shown_scale_;
    const ClassroomLayout now = ovrelan::arrange_classroom(r);
    split_ = split_at(r, now, divider_->vertical() ? at.x() : at.y());
    QSettings().setValue(split_setting, split_);
    if (arrange()) {
        scene_->build_scene();
    }
}

// The letters and lines at a size, everywhere in the main window and its graphs.
void MainWindow::apply_fonts(double scale) {
    shown_scale_ = scale;
    scale_widgets(client_, scale);
    scale_widgets(statusBar(), scale);
    // The menus and the family's table are read from the back row too.
    scale_font(menuBar(), scale);
    scale_widgets(menuBar(), scale);
    family_table_->set_scale(scale);
    graph_windows_->set_scale(scale);
}

// «Крупнее», «Мельче», «Обычный размер»: the size asked for, applied as far as the screen holds
// it. The separate layout's window grows with its contents and comes back to the same size; the
// classroom layout's window keeps filling the screen.
void MainWindow::apply_scale(double scale) {
    scale_ = scale;
    if (layout_ == Layout::one_window) {
        if (arrange()) {
            scene_->build_scene();
        }
        return;
    }
    const SeparateLayout fitted = arrange_separate_windows(graph_windows_->separate_request(scale));
    resizing_ = true; // every size the window passes through here is the program's
    apply_fonts(fitted.scale);
    const ClientSize minimum = minimum_client_size();
    client_->setMinimumSize(static_cast<int>(minimum.width * fitted.scale),
                            static_cast<int>(minimum.height * fitted.scale));
    QMainWindow::layout()->activate(); // the window's own least size follows before it is resized
    const QSize client(static_cast<int>(std::lround(normal_client_.width() * fitted.scale)),
                       static_cast<int>(std::lround(normal_client_.height() * fitted.scale)));
    // The menu bar and the status bar (whose letters grow too) around the client area.
    const QSize chrome = size() - client_->size();
    resize(client + chrome);
    resizing_ = false;
    // Kept on the screen: moved back where it would stand over an edge.
    const QRect frame = frameGeometry();
    const ScreenRect kept = keep_on_screen(to_screen_rect(frame), to_screen_rect(available()));
    if (kept.left != frame.left() || kept.top != frame.top()) {
        move(kept.left, kept.top);
    }
    if (arrange()) {
        scene_->build_scene();
    }
    graph_windows_->arrange();
}

} // namespace ovrelan
