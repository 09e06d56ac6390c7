// The graph area of the classroom layout: the chosen time graphs stacked on one time axis (the
// stack scrolls when they do not all fit at a legible size), the resonance curve and the vector
// diagram, as panes beside them or as tabs, as the layout decides. It holds the same widgets the
// separate windows show; it only places them.
#pragma once

#include "geometry/classroom_layout.h"

#include <QWidget>

#include <functional>

class QTabWidget;

namespace ovrelan {

class StackedGraphs;
class PictureWindow;

class GraphArea final : public QWidget {
public:
    explicit GraphArea(QWidget* parent);

    // Takes the views in (they become its children) or, with nulls, gives them back as windows
    // of their own, hidden.
    void hold(StackedGraphs* stack, PictureWindow* resonance, PictureWindow* vector);
    void release();
    StackedGraphs* stack() const { return stack_; }

    // What is shown and where: the stack's graphs as they are chosen, the curve and the diagram
    // when open; the layout for the area's size.
    void apply(const GraphAreaLayout& layout, bool resonance, bool vector, int graphs);
    const GraphAreaLayout& layout() const { return layout_; }
    QTabWidget* tabs() const { return tabs_; }

private:
    void place(QWidget* w, const Rect& r);

    QTabWidget* tabs_;
    StackedGraphs* stack_ = nullptr;
    PictureWindow* resonance_ = nullptr;
    PictureWindow* vector_ = nullptr;
    GraphAreaLayout layout_;
};

// The handle between the scene and the graph area: dragged, it tells where the teacher wants the
// divider, as the graphs' share of the room it moves over.
class Divider final : public QWidget {
public:
    explicit Divider(QWidget* parent);
    void set_vertical(bool vertical); // a vertical bar dragged sideways
    bool vertical() const { return vertical_; }
    // Called with the pointer's position in the parent's coordinates while it is dragged.
    std::function<void(QPoint)> dragged;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool vertical_ = true;
};

} // namespace ovrelan
