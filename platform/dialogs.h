// The file dialogs, a multi-line text question and printing: small interfaces with a Qt
// implementation, so tests can answer them without a person.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace ovrelan {

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A file name to save to, or an empty string when cancelled. filters: "Описание (*.csv)";
    // *chosen gets the index of the filter the student chose.
    virtual QString save_file(QWidget* parent, const QString& title, const QString& suggested,
                              const QStringList& filters, int* chosen) = 0;
    // A file to open, or an empty string when cancelled.
    virtual QString open_file(QWidget* parent, const QString& title,
                              const QStringList& filters) = 0;
    // Multi-line text, or nothing when cancelled.
    virtual std::optional<QString> ask_text(QWidget* parent, const QString& title,
                                            const QString& label, const QString& text) = 0;
    // Prints the picture scaled to the page after the print dialog; false when cancelled or the
    // printer failed.
    virtual bool print(QWidget* parent, const QImage& picture) = 0;
};

class QtDialogs final : public Dialogs {
public:
    QString save_file(QWidget* parent, const QString& title, const QString& suggested,
                      const QStringList& filters, int* chosen) override;
    QString open_file(QWidget* parent, const QString& title, const QStringList& filters) override;
    std::optional<QString> ask_text(QWidget* parent, const QString& title, const QString& label,
                                    const QString& text) override;
    bool print(QWidget* parent, const QImage& picture) override;
};

// Draws the picture as large as the page allows, keeping its proportions, centred at the top.
void paint_on_page(class QPainter& painter, const QRect& page, const QImage& picture);

} // namespace ovrelan
