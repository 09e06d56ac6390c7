// The authors window (Form2): one multi-line label, shown modeless over the main window.
#pragma once

#include <QWidget>

class QLabel;

namespace ovrelan {

class AuthorsWindow final : public QWidget {
public:
    AuthorsWindow();
    QLabel* label() const { return credits_; }
    // Sets the credits, centres the window over `main` and shows it.
    void show_over(const QWidget& main);

private:
    QLabel* credits_; // Label1
};

// Where the authors window goes: centred over the main window's frame.
QPoint centred_over(const QRect& main_frame, const QSize& own_frame);

} // namespace ovrelan
