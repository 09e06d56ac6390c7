#include "ui/window_scale.h"

#include <QGroupBox>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace ovrelan {

namespace {

constexpr double sizes[] = {1, 1.25, 1.5, 1.75, 2, 2.5};
const char* const base_font = "ovrelan_base_font";
const char* const base_rect = "ovrelan_base_rect";

} // namespace

std::span<const double> presentation_sizes() {
    return sizes;
}

double next_scale(double scale, int step) {
    if (step == 0) {
        return 1;
    }
    const auto* at =
        std::min_element(std::begin(sizes), std::end(sizes), [scale](double a, double b) {
            return std::fabs(a - scale) < std::fabs(b - scale);
        });
    const auto i = std::clamp(static_cast<long>(at - std::begin(sizes)) + step, 0L,
                              static_cast<long>(std::size(sizes)) - 1);
    return sizes[i];
}

QRect scaled_rect(const Rect& r, double scale) {
    return QRect(static_cast<int>(std::lround(r.left * scale)),
                 static_cast<int>(std::lround(r.top * scale)),
                 static_cast<int>(std::lround(r.width * scale)),
                 static_cast<int>(std::lround(r.height * scale)));
}

void scale_font(QWidget* w, double scale) {
    if (!w->property(base_font).isValid()) {
        w->setProperty(base_font, w->font().pointSizeF());
    }
    QFont font = w->font();
    font.setPointSizeF(w->property(base_font).toDouble() * scale);
    w->setFont(font);
}

void scale_widgets(QWidget* root, double scale) {
    for (QWidget* w : root->findChildren<QWidget*>()) {
        scale_font(w, scale);
        // A frame's boxes stand where the frame put them: magnified with it.
        if (qobject_cast<QGroupBox*>(w->parentWidget()) != nullptr) {
            if (!w->property(base_rect).isValid()) {
                w->setProperty(base_rect, w->geometry());
            }
            const QRect b = w->property(base_rect).toRect();
            w->setGeometry(
                scaled_rect({static_cast<double>(b.left()), static_cast<double>(b.top()),
                             static_cast<double>(b.width()), static_cast<double>(b.height())},
                            scale));
        }
    }
}

} // namespace ovrelan
