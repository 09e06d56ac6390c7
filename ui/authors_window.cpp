#include "ui/authors_window.h"

#include "platform/fonts.h"
#include "ui/texts.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace ovrelan {

AuthorsWindow::AuthorsWindow() : QWidget(nullptr, Qt::Window), credits_(new QLabel(this)) {
    setObjectName("Form2");
    setWindowTitle(QCoreApplication::translate("AuthorsWindow", "Авторы"));
    credits_->setObjectName("Label1");
    credits_->setFont(times_font());
    credits_->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->addWidget(credits_);
}

QPoint centred_over(const QRect& main_frame, const QSize& own_frame) {
    return {main_frame.left() + (main_frame.width() - own_frame.width()) / 2,
            main_frame.top() + (main_frame.height() - own_frame.height()) / 2};
}

void AuthorsWindow::show_over(const QWidget& main) {
    credits_->setText(authors_credits());
    adjustSize();
    show(); // the frame's size is known once the window is shown
    move(centred_over(main.frameGeometry(), frameGeometry().size()));
    raise();
    activateWindow();
}

} // namespace ovrelan
