#include "ui/form_widgets.h"

#include "geometry/colours.h"
#include "platform/fonts.h"

#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>

namespace ovrelan {

QLabel* make_label(QWidget* parent, const QString& name, const QString& caption, bool bold) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setFont(times_font(bold));
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, to<QColor>(window_background));
    label->setPalette(palette);
    return label;
}

QCheckBox* make_box(QWidget* parent, const QString& name, const QString& caption,
                    const QRect& geometry) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setFont(times_font());
    box->setGeometry(geometry);
    return box;
}

SpeedControl make_speed_control(QWidget* parent, const QString& bar_name, const QString& label_name,
                                int maximum, const QString& tooltip) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(bar_name);
    bar->setRange(1, maximum);
    bar->setValue(1);
    bar->setFocusPolicy(Qt::StrongFocus); // Tab reaches it; the arrow keys move it
    QLabel* label = make_label(parent, label_name, "1");
    label->setToolTip(tooltip);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QObject::connect(bar, &QScrollBar::valueChanged, label,
                     [label](int value) { label->setText(QString::number(value)); });
    return {bar, label};
}

} // namespace ovrelan
