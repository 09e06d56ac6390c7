#include "ui/graph_area.h"

#include "geometry/colours.h"
#include "graphs/picture_window.h"
#include "graphs/stacked_graphs.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTabWidget>

#include <cmath>

namespace ovrelan {

namespace {

QRect to_qrect(const Rect& r) {
    return QRect(static_cast<int>(std::lround(r.left)), static_cast<int>(std::lround(r.top)),
                 static_cast<int>(std::lround(r.width)), static_cast<int>(std::lround(r.height)));
}

} // namespace

GraphArea::GraphArea(QWidget* parent) : QWidget(parent), tabs_(new QTabWidget(this)) {
    setObjectName("GraphArea");
    tabs_->setObjectName("GraphTabs");
    tabs_->setDocumentMode(true);
    tabs_->hide();
}

void GraphArea::hold(StackedGraphs* stack, PictureWindow* resonance, PictureWindow* vector) {
    stack_ = stack;
    resonance_ = resonance;
    vector_ = vector;
    for (QWidget* w : {static_cast<QWidget*>(stack_), static_cast<QWidget*>(resonance_),
                       static_cast<QWidget*>(vector_)}) {
        w->hide();
        w->setParent(this); // a child now: no frame, no title bar
    }
}

void GraphArea::release() {
    if (stack_ == nullptr) {
        return;
    }
    tabs_->clear();
    tabs_->hide();
    // Windows of their own again, hidden until their layout shows them.
    for (QWidget* w : {static_cast<QWidget*>(stack_), static_cast<QWidget*>(resonance_),
                       static_cast<QWidget*>(vector_)}) {
        w->hide();
        w->setParent(nullptr, Qt::Window);
    }
    stack_ = nullptr;
    resonance_ = vector_ = nullptr;
}

void GraphArea::place(QWidget* w, const Rect& r) {
    if (w->parentWidget() != this) {
        w->setParent(this);
    }
    w->setGeometry(to_qrect(r));
    w->show();
}

void GraphArea::apply(const GraphAreaLayout& layout, bool resonance, bool vector, int graphs) {
    layout_ = layout;
    if (stack_ == nullptr) {
        return;
    }
    struct View {
        QWidget* widget;
        bool shown;
        Rect rect;
        QString title;
    };
    const View views[] = {
        {stack_, graphs > 0, layout.stack, QCoreApplication::translate("GraphArea", "Графики")},
        {resonance_, resonance, layout.resonance,
         QCoreApplication::translate("GraphArea", "Резонансная кривая")},
        {vector_, vector, layout.vector,
         QCoreApplication::translate("GraphArea", "Векторная диаграмма")}};
    QWidget* current = tabs_->currentWidget();
    tabs_->clear();
    if (layout.tabs) {
        tabs_->setGeometry(rect());
        for (const View& v : views) {
            if (v.shown) {
                tabs_->addTab(v.widget, v.title);
                v.widget->show();
            } else {
                v.widget->hide();
            }
        }
        if (current != nullptr && tabs_->indexOf(current) >= 0) {
            tabs_->setCurrentWidget(current);
        }
        tabs_->show();
        return;
    }
    tabs_->hide();
    for (const View& v : views) {
        if (v.shown) {
            place(v.widget, v.rect);
        } else {
            if (v.widget->parentWidget() != this) {
                v.widget->setParent(this);
            }
            v.widget->hide();
        }
    }
}

Divider::Divider(QWidget* parent) : QWidget(parent) {
    setObjectName("Divider");
    setCursor(Qt::SplitHCursor);
    setFocusPolicy(Qt::TabFocus); // the arrow keys move it too
    setToolTip(QCoreApplication::translate(
        "GraphArea", "Перетащите, чтобы дать графикам больше или меньше места"));
}

void Divider::set_vertical(bool vertical) {
    vertical_ = vertical;
    setCursor(vertical ? Qt::SplitHCursor : Qt::SplitVCursor);
}

void Divider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), hasFocus() ? palette().highlight().color()
                                        : palette().mid().color().lighter(120));
    // Three grip dots in the middle.
    painter.setBrush(palette().dark());
    painter.setPen(Qt::NoPen);
    const QPoint c = rect().center();
    for (int i = -1; i <= 1; ++i) {
        const QPoint at = vertical_ ? QPoint(c.x(), c.y() + 6 * i) : QPoint(c.x() + 6 * i, c.y());
        painter.drawEllipse(at, 1, 1);
    }
}

void Divider::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void Divider::mouseMoveEvent(QMouseEvent* event) {
    if ((event->buttons() & Qt::LeftButton) && dragged) {
        dragged(mapToParent(event->position().toPoint()));
    }
}

void Divider::keyPressEvent(QKeyEvent* event) {
    const int step = 20;
    QPoint at = geometry().center();
    switch (event->key()) {
    case Qt::Key_Left:
        at.rx() -= step;
        break;
    case Qt::Key_Right:
        at.rx() += step;
        break;
    case Qt::Key_Up:
        at.ry() -= step;
        break;
    case Qt::Key_Down:
        at.ry() += step;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (dragged) {
        dragged(at);
    }
}

} // namespace ovrelan
