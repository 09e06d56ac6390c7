// The file dialogs, a multi-line text question and printing: small interfaces with a Qt
// implementation, so tests can answer them without a person.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QPainter;
class QRectF;

class QWidget;

namespace ovrelan {

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A file name to save to, or an empty string when cancelled. filters: "Описание (*.csv)";
    // the filter `preselected` is offered first and *chosen gets the index of the filter the
    // student chose. A name without an extension gets the chosen filter's.
    virtual QString save_file(QWidget* parent, const QString& title, const QString& suggested,
                              const QStringList& filters, int* chosen, int preselected = 0) = 0;
    // A file to open, or an empty string when cancelled.
    virtual QString open_file(QWidget* parent, const QString& title,
                              const QStringList& filters) = 0;
    // Multi-line text, or nothing when cancelled.
    virtual std::optional<QString> ask_text(QWidget* parent, const QString& title,
                                            const QString& label, const QString& text) = 0;
    // After the print dialog, paints one page at the printer's resolution (in vectors, as the
    // painter draws them) into the page's printable rectangle; false when cancelled or the
    // printer failed.
    using PagePainter = std::function<void(QPainter& painter, const QRectF& page)>;
    virtual bool print(QWidget* parent, const PagePainter& paint) = 0;
};

// The dialogs of Qt, opening in the folder used last (remembered from one start to the next).
class QtDialogs final : public Dialogs {
public:
    QString save_file(QWidget* parent, const QString& title, const QString& suggested,
                      const QStringList& filters, int* chosen, int preselected = 0) override;
    QString open_file(QWidget* parent, const QString& title, const QStringList& filters) override;
    std::optional<QString> ask_text(QWidget* parent, const QString& title, const QString& label,
                                    const QString& text) override;
    bool print(QWidget* parent, const PagePainter& paint) override;
};

// The file name with the first extension of a filter "Описание (*.csv *.txt)" added when the
// name has none: "урок1" becomes "урок1.csv".
QString with_extension(const QString& path, const QString& filter);

// The settings key of the folder the file dialogs open in.
inline constexpr const char* last_folder_setting = "dialogs/folder";

} // namespace ovrelan
