#include "graphs/picture_window.h"

#include "graphs/plot_accessible.h"
#include "simulation/simulation.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QPainter>
#include <QStringList>

namespace ovrelan {

PictureWindow::PictureWindow(const char* name, const QString& caption, Simulation& simulation,
                             Platform& platform)
    : QWidget(nullptr, Qt::Window), simulation_(simulation), platform_(platform),
      file_name_(caption + ".png") {
    setObjectName(name);
    setWindowTitle(caption);
    setAttribute(Qt::WA_OpaquePaintEvent);
    install_plot_accessibility(); // a chart for a screen reader
    resize(560, 420);
}

void PictureWindow::set_scale(double scale) {
    scale_ = scale;
    update();
}

QString joined_lines(const std::vector<std::string>& lines) {
    QStringList all;
    for (const std::string& line : lines) {
        all << QString::fromStdString(line);
    }
    return all.join(' ');
}

void PictureWindow::set_palette(const Palette& screen, const Palette& pictures) {
    palette_ = &screen;
    picture_palette_ = &pictures;
    update();
}

void PictureWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const GraphLook look{scale_, graph_font(scale_, false), false, palette_};
    painter.fillRect(rect(), to<QColor>(palette_->plot));
    painter.setRenderHint(QPainter::Antialiasing);
    if (draw_) {
        draw_(painter, QSizeF(size()), look);
    }
    announce_summary(this, summary(), said_);
}

Picture PictureWindow::picture() {
    const QString title = picture_title();
    return {[this, title](QPainter& painter, const QRectF& target, double scale) {
                const double top = draw_title(painter, target, scale, title, *picture_palette_);
                render_picture(
                    painter, target.adjusted(0, top, 0, 0), scale, QString(),
                    [this](QPainter& p, QSizeF size, const GraphLook& look) {
                        if (draw_) {
                            draw_(p, size, look);
                        }
                    },
                    *picture_palette_);
            },
            title, file_name_, least_body_};
}

void PictureWindow::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    if (own_menu) {
        own_menu(menu);
        menu.addSeparator();
    }
    // Each reads the model: an edit still waiting is finished first.
    menu.addAction(QCoreApplication::translate("Graphs", "&Копировать изображение"), [this] {
        simulation_.finish_pending_edits();
        copy_picture(picture());
    });
    menu.addAction(QCoreApplication::translate("Graphs", "Сохранить &график…"), [this] {
        simulation_.finish_pending_edits();
        save_picture(this, platform_, picture());
    });
    if (save_data) {
        menu.addAction(QCoreApplication::translate("Graphs", "Сохранить &данные…"), [this] {
            simulation_.finish_pending_edits();
            save_data();
        });
    }
    menu.addAction(QCoreApplication::translate("Graphs", "&Печать…"), [this] {
        simulation_.finish_pending_edits();
        print_picture(this, platform_, picture());
    });
    menu.exec(event->globalPos());
}

void PictureWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (closed_) {
        closed_();
    }
}

} // namespace ovrelan
