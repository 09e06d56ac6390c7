#include "ui/form_widgets.h"

#include "geometry/colours.h"
#include "platform/fonts.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>

namespace ovrelan {

QLabel* make_label(QWidget* parent, const QString& name, const QString& caption, bool bold) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setFont(times_font(bold));
    label->setAutoFillBackground(true); // in its window's colour
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

namespace {

// A speed bar as a slider is: the arrow keys to the right and up make it faster, to the left and
// down slower, Home and End go to the ends; a frame shows when it has the focus.
class SpeedBar final : public QScrollBar {
public:
    explicit SpeedBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        switch (event->key()) {
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Plus:
            setValue(value() + singleStep());
            break;
        case Qt::Key_Left:
        case Qt::Key_Down:
        case Qt::Key_Minus:
            setValue(value() - singleStep());
            break;
        case Qt::Key_Home:
            setValue(minimum());
            break;
        case Qt::Key_End:
            setValue(maximum());
            break;
        default:
            QScrollBar::keyPressEvent(event);
            return;
        }
        event->accept();
    }
    void paintEvent(QPaintEvent* event) override {
        QScrollBar::paintEvent(event);
        if (hasFocus()) {
            QPainter painter(this);
            QPen pen(palette().highlight().color(), 2);
            painter.setPen(pen);
            painter.drawRect(rect().adjusted(1, 1, -1, -1));
        }
    }
};

} // namespace

SpeedControl make_speed_control(QWidget* parent, const QString& bar_name, const QString& label_name,
                                int maximum, const QString& tooltip) {
    auto* bar = new SpeedBar(parent);
    bar->setObjectName(bar_name);
    bar->setRange(1, maximum);
    bar->setValue(1);
    bar->setFocusPolicy(Qt::StrongFocus); // Tab reaches it; the arrow keys move it
    QLabel* label = make_label(parent, label_name, "1");
    label->setToolTip(tooltip);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    bar->setAccessibleName(tooltip);
    const auto say_value = [bar, label, tooltip](int value) {
        label->setText(QString::number(value));
        bar->setToolTip(QCoreApplication::translate("FormWidgets", "%1: %2 из %3")
                            .arg(tooltip)
                            .arg(value)
                            .arg(bar->maximum()));
    };
    say_value(bar->value());
    QObject::connect(bar, &QScrollBar::valueChanged, label, say_value);
    return {bar, label};
}

} // namespace ovrelan
