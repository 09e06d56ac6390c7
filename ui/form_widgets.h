// The small widgets of the main window as it is designed: labels on the window's grey, check
// boxes, and a speed control (a scroll bar with the label that shows its value).
#pragma once

#include <QRect>
#include <QString>

class QCheckBox;
class QLabel;
class QScrollBar;
class QWidget;

namespace ovrelan {

QLabel* make_label(QWidget* parent, const QString& name, const QString& caption, bool bold = false);
QCheckBox* make_box(QWidget* parent, const QString& name, const QString& caption,
                    const QRect& geometry);

struct SpeedControl {
    QScrollBar* bar;
    QLabel* label;
};

// A horizontal scroll bar over 1 ... maximum at 1, reachable by Tab, and the label beside it
// that shows its value; the tooltip is the label's.
SpeedControl make_speed_control(QWidget* parent, const QString& bar_name, const QString& label_name,
                                int maximum, const QString& tooltip);

} // namespace ovrelan
