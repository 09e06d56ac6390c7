// Stand-ins for the platform that record what the program asks of it, so tests can assert "a box
// titled «Ошибка» with this text was shown" without blocking.
#pragma once

#include "platform/platform.h"

#include <QString>
#include <QStringList>

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
    }
    bool ask_yes_no(QWidget*, const QString& title, const QString& text) override {
        boxes.push_back({title, text, true});
        return answer_yes;
    }

    std::vector<Box> boxes;
    bool answer_yes = false;
};

class RecordingTone final : public Tone {
public:
    void play(int milliseconds) override { played.push_back(milliseconds); }
    std::vector<int> played;
};

class RecordingDocuments final : public Documents {
public:
    void open_document(const QString& file_name) override { opened << file_name; }
    void edit_text(const QString& file_name) override { edited << file_name; }
    QStringList opened;
    QStringList edited;
};

struct RecordingPlatform {
    RecordingMessageBoxes boxes;
    RecordingTone tone;
    RecordingDocuments documents;
    Platform platform{boxes, tone, documents};
};

} // namespace ovrelan::testing
