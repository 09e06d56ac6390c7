// A window that shows one picture drawn from the model (the resonance curve, the vector
// diagram): drawn afresh at every paint at the look of the back row's scale, with a context menu
// of its own items and the picture's (copy, save, print).
#pragma once

#include "graphs/graph_export.h"
#include "graphs/graph_render.h"
#include "platform/platform.h"

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class QMenu;

namespace ovrelan {

class Simulation;

// A picture's notes as one text, a note after another.
QString joined_lines(const std::vector<std::string>& lines);

class PictureWindow : public QWidget {
public:
    using Draw = std::function<void(QPainter&, QSizeF, const GraphLook&)>;

    PictureWindow(const char* name, const QString& caption, Simulation& simulation,
                  Platform& platform);

    // What the window and its pictures show, and the title a picture gets.
    void set_draw(Draw draw) { draw_ = std::move(draw); }
    void set_title(std::function<QString()> title) { title_ = std::move(title); }
    // What the picture shows in words, for a screen reader (the notes above the picture).
    void set_summary(std::function<QString()> summary) { summary_ = std::move(summary); }
    QString summary() const { return summary_ ? summary_() : QString(); }
    QString picture_title() const { return title_ ? title_() : windowTitle(); }
    // The least height beneath a picture's title at a width (Picture::least_body).
    void set_least_body(std::function<double(double, const GraphLook&)> least) {
        least_body_ = std::move(least);
    }
    // Items of the context menu before the picture's.
    std::function<void(QMenu&)> own_menu;
    // Data for a spreadsheet, when the picture has any: «Сохранить данные…».
    std::function<void()> save_data;

    void set_scale(double scale);
    double scale() const { return scale_; }
    // The look on the screen, and the one of its pictures.
    void set_palette(const Palette& screen, const Palette& pictures);
    Picture picture();
    // Called when the student closes the window.
    void on_closed(std::function<void()> closed) { closed_ = std::move(closed); }

protected:
    Simulation& simulation_;
    Platform& platform_;

    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Draw draw_;
    std::function<QString()> title_;
    std::function<QString()> summary_;
    QString said_; // the summary a screen reader was last told of
    std::function<double(double, const GraphLook&)> least_body_;
    QString file_name_;
    double scale_ = 1;
    const Palette* palette_ = &palette_of(PaletteKind::light);
    const Palette* picture_palette_ = &palette_of(PaletteKind::light);
    std::function<void()> closed_;
};

} // namespace ovrelan
