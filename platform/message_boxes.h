// Modal message boxes: OK, or Yes/No; a title, a text, no icon.
#pragma once

#include <QString>
#include <QWidget>

namespace ovrelan {

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows the box and returns when it is closed.
    virtual void show_ok(QWidget* parent, const QString& title, const QString& text) = 0;
    // True for Yes.
    virtual bool ask_yes_no(QWidget* parent, const QString& title, const QString& text) = 0;
};

class QtMessageBoxes final : public MessageBoxes {
public:
    void show_ok(QWidget* parent, const QString& title, const QString& text) override;
    bool ask_yes_no(QWidget* parent, const QString& title, const QString& text) override;
};

} // namespace ovrelan
