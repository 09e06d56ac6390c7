// Form2, the authors window: one multi-line label, shown modeless over the main window.
#pragma once

#include <QWidget>

class QLabel;

namespace ovrelan {

class Form2 final : public QWidget {
public:
    Form2();
    QLabel* label() const { return Label1; }
    // Sets the credits, centres the window over `main` and shows it.
    void show_over(const QWidget& main);

private:
    QLabel* Label1;
};

// Where the authors window goes: centred over the main window's frame.
QPoint centred_over(const QRect& main_frame, const QSize& own_frame);

} // namespace ovrelan
