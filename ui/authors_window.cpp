#include "ui/authors_window.h"

#include "ui/texts.h"

#include <QLabel>
#include <QVBoxLayout>

namespace ovrelan {

Form2::Form2() : QWidget(nullptr, Qt::Window), Label1(new QLabel(this)) {
    setObjectName("Form2");
    setWindowTitle("Авторы");
    Label1->setObjectName("Label1");
    Label1->setFont(times_font());
    Label1->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->addWidget(Label1);
}

QPoint centred_over(const QRect& main_frame, const QSize& own_frame) {
    return {main_frame.left() + (main_frame.width() - own_frame.width()) / 2,
            main_frame.top() + (main_frame.height() - own_frame.height()) / 2};
}

void Form2::show_over(const QWidget& main) {
    Label1->setText(authors_credits());
    adjustSize();
    show(); // the frame's size is known once the window is shown
    move(centred_over(main.frameGeometry(), frameGeometry().size()));
    raise();
    activateWindow();
}

} // namespace ovrelan
