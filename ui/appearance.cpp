#include "ui/appearance.h"

#include <QApplication>
#include <QWidget>

namespace ovrelan {

namespace {

// A colour mixed with another: `amount` of `to`.
QColor mixed(Rgb from, Rgb to, double amount) {
    const auto mix = [amount](int a, int b) { return static_cast<int>(a + (b - a) * amount); };
    return {mix(from.r, to.r), mix(from.g, to.g), mix(from.b, to.b)};
}

} // namespace

QPalette widget_palette(const Palette& look) {
    QPalette p;
    if (look.kind == PaletteKind::light) {
        return p;
    }
    const bool dark = look.kind == PaletteKind::dark;
    const QColor window = to<QColor>(look.window);
    const QColor text = to<QColor>(look.window_text);
    const QColor base = to<QColor>(look.plot);
    const QColor button = mixed(look.window, look.window_text, dark ? 0.12 : 0.06);
    const QColor disabled = mixed(look.window, look.window_text, 0.45);
    const QColor highlight = dark ? QColor(60, 130, 220) : QColor(0, 0, 160);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Window, window);
        p.setColor(group, QPalette::WindowText, text);
        p.setColor(group, QPalette::Base, base);
        p.setColor(group, QPalette::AlternateBase, mixed(look.plot, look.window_text, 0.06));
        p.setColor(group, QPalette::Text, text);
        p.setColor(group, QPalette::Button, button);
        p.setColor(group, QPalette::ButtonText, text);
        p.setColor(group, QPalette::ToolTipBase, button);
        p.setColor(group, QPalette::ToolTipText, text);
        p.setColor(group, QPalette::PlaceholderText, disabled);
        p.setColor(group, QPalette::Highlight, highlight);
        p.setColor(group, QPalette::HighlightedText, Qt::white);
        p.setColor(group, QPalette::BrightText, dark ? QColor(255, 120, 110) : QColor(200, 0, 0));
        p.setColor(group, QPalette::Link, dark ? QColor(120, 170, 255) : QColor(0, 0, 200));
        // The frames' bevels: lighter and darker than the window, as far as the look allows.
        p.setColor(group, QPalette::Light, mixed(look.window, look.window_text, 0.25));
        p.setColor(group, QPalette::Midlight, mixed(look.window, look.window_text, 0.15));
        p.setColor(group, QPalette::Mid, mixed(look.window, look.window_text, 0.4));
        p.setColor(group, QPalette::Dark, mixed(look.window, look.window_text, 0.55));
        p.setColor(group, QPalette::Shadow, dark ? QColor(0, 0, 0) : QColor(60, 60, 60));
    }
    p.setColor(QPalette::Disabled, QPalette::Window, window);
    p.setColor(QPalette::Disabled, QPalette::Base, window);
    p.setColor(QPalette::Disabled, QPalette::Button, button);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::PlaceholderText}) {
        p.setColor(QPalette::Disabled, role, disabled);
    }
    return p;
}

QString refusal_style() {
    const bool dark_window = QApplication::palette().color(QPalette::Window).lightness() < 128;
    return dark_window ? "color: #ff8a80" : "color: #a00000";
}

void set_window_colour(QWidget* window, const Palette& look) {
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, to<QColor>(look.window));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

} // namespace ovrelan
