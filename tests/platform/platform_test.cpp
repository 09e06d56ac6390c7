#include "platform/documents.h"
#include "platform/message_boxes.h"
#include "platform/tone.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ovrelan {
namespace {

TEST(QtTone, ReturnsWhenTheToneEndsOrAtOnceWithoutSound) {
    QtTone tone;
    QElapsedTimer timer;
    timer.start();
    tone.play(60);
    tone.play(0);
    // With an audio device the call lasts about 60 ms, without one it returns at once; it
    // never hangs on a device that does not report the end.
    EXPECT_LT(timer.elapsed(), 5000);
}

TEST(QtDocuments, MissingFilesHaveNoEffect) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QtDocuments documents;
    documents.open_document("spravka.pdf");
    documents.edit_text("instruction.txt");
    QDir::setCurrent(previous);
    SUCCEED();
}

TEST(RecordingMessageBoxes, RecordsAndAnswers) {
    RecordingMessageBoxes boxes;
    boxes.show_ok(nullptr, "Ошибка", "текст");
    boxes.answer_yes = true;
    EXPECT_TRUE(boxes.ask_yes_no(nullptr, "На Выход", "Вы абсолютно уверены?"));
    ASSERT_EQ(boxes.boxes.size(), 2U);
    EXPECT_FALSE(boxes.boxes[0].question);
    EXPECT_TRUE(boxes.boxes[1].question);
}

} // namespace
} // namespace ovrelan
