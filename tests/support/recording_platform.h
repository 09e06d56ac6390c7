// Stand-ins for the platform that record what the program asks of it, so tests can assert "a box
// titled «Ошибка» with this text was shown" without blocking.
#pragma once

#include "platform/platform.h"

#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

#include <vector>

namespace ovrelan::testing {

// Records every box and answers Yes/No questions with a preset answer.
class RecordingMessageBoxes final : public MessageBoxes {
public:
    struct Box {
        QString title;
        QString text;
        bool question = false;
    };
    void show_ok(QWidget*, const QString& title, const QString& text) override {
        boxes.push_back({title, text, false});
        if (while_open) {
            while_open(); // what happens while the box is open, before it is answered
        }
    }
    bool ask_yes_no(QWidget*, const QString& title, const QString& text) override {
        boxes.push_back({title, text, true});
        return answer_yes;
    }

    std::vector<Box> boxes;
    bool answer_yes = false;
    std::function<void()> while_open;
};

class RecordingTone final : public Tone {
public:
    void play(int milliseconds) override { played.push_back(milliseconds); }
    std::vector<int> played;
};

// Records the files each document was asked for by, in their order.
class RecordingDocuments final : public Documents {
public:
    void open_document(const QStringList& file_names) override { opened.push_back(file_names); }
    void edit_text(const QStringList& file_names) override { edited.push_back(file_names); }
    std::vector<QStringList> opened;
    std::vector<QStringList> edited;
};

// Answers the dialogs with preset answers and records what was printed.
class RecordingDialogs final : public Dialogs {
public:
    QString save_file(QWidget*, const QString& title, const QString& suggested,
                      const QStringList& filters, int* chosen, int preselected) override {
        asked << title;
        suggestions << suggested;
        offered_first.push_back(preselected);
        if (chosen != nullptr) {
            *chosen = filter;
        }
        return with_extension(save_as, filters.value(filter));
    }
    QString open_file(QWidget*, const QString& title, const QStringList&) override {
        asked << title;
        return open;
    }
    std::optional<QString> ask_text(QWidget*, const QString& title, const QString&,
                                    const QString& text) override {
        asked << title;
        return answer ? std::optional<QString>(*answer) : std::optional<QString>(text);
    }
    // The page is painted into a picture of an A4 page at 100 dots per inch, in landscape.
    bool print(QWidget*, const PagePainter& paint) override {
        QImage page(1169, 827, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        paint(painter, QRectF(0, 0, page.width(), page.height()));
        painter.end();
        printed.push_back(page);
        return true;
    }

    QString save_as;               // the file name "chosen" in a save dialog
    int filter = 0;                // the filter "chosen" there
    QString open;                  // the file "chosen" in an open dialog
    std::optional<QString> answer; // the text "typed" (nothing: the text offered stays)
    QStringList asked;
    QStringList suggestions;
    std::vector<int> offered_first; // the filter each save dialog offered first
    std::vector<QImage> printed;
};

struct RecordingPlatform {
    RecordingMessageBoxes boxes;
    RecordingTone tone;
    RecordingDocuments documents;
    RecordingDialogs dialogs;
    Platform platform{boxes, tone, documents, dialogs};
};

} // namespace ovrelan::testing
