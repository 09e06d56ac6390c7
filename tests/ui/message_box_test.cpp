// The real modal boxes, answered from a timer: a field's error box left open while the main
// window is resized and maximised must not bring a second box or a crash, and the model keeps
// the fallback the box announces.
#include "support/recording_platform.h"
#include "ui/main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "support/case_name.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>

namespace ovrelan {
namespace {

struct BoxCase {
    const char* name;
    Field field;
    const char* keys;
    const char* shown; // the field's text once the box is answered
    double fallback;   // the value the model holds while the box is open and after
};

void PrintTo(const BoxCase& c, std::ostream* os) {
    *os << c.name;
}

int open_boxes() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        n += qobject_cast<QMessageBox*>(w) != nullptr && w->isVisible() ? 1 : 0;
    }
    return n;
}

class RealBoxes : public ::testing::TestWithParam<BoxCase> {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(platform);
        window->show();
        QApplication::processEvents();
    }
    void TearDown() override {
        window->run()->abort();
        window->setMinimumSize(0, 0);
        window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        // The exit question is a real box too: answer it Yes.
        answer_when_open([] {}, QMessageBox::Yes);
        window->close();
    }
    double model_value(Field f) const { return window->state().*(field_entry(f).param); }

    // When a box opens, runs `meanwhile` inside its event loop, then presses `button`.
    void answer_when_open(std::function<void()> meanwhile, QMessageBox::StandardButton button) {
        auto* poll = new QTimer(window.get());
        poll->setInterval(5);
        QObject::connect(poll, &QTimer::timeout, window.get(), [=, this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                return;
            }
            poll->stop();
            boxes_seen = std::max(boxes_seen, open_boxes());
            meanwhile();
            boxes_seen = std::max(boxes_seen, open_boxes());
            box->button(button)->click();
            poll->deleteLater();
        });
        poll->start();
    }
    // Resizes and maximises the main window while the box is open, and notes what the model
    // holds then.
    void resize_and_maximise(Field f) {
        window->resize(window->width() + 150, window->height() + 90);
        QApplication::processEvents();
        window->showMaximized();
        QApplication::processEvents();
        window->showNormal();
        QApplication::processEvents();
        value_while_open = model_value(f);
    }
    void wait_until(const std::function<bool()>& done) {
        QElapsedTimer timer;
        timer.start();
        while (!done() && timer.elapsed() < 20000) {
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        }
    }

    QtMessageBoxes real_boxes;
    testing::RecordingTone tone;
    testing::RecordingDocuments documents;
    testing::RecordingDialogs dialogs;
    Platform platform{real_boxes, tone, documents, dialogs};
    std::unique_ptr<MainWindow> window;
    int boxes_seen = 0;
    double value_while_open = -1;
};

TEST_P(RealBoxes, ResizeAndMaximiseWhileAFieldErrorIsOpen) {
    const BoxCase& c = GetParam();
    QLineEdit* field = window->field(c.field);
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, c.keys);
    answer_when_open([&] { resize_and_maximise(c.field); }, QMessageBox::Ok);
    QTest::keyClick(field, Qt::Key_Return);
    wait_until([&] { return value_while_open != -1 && open_boxes() == 0; });
    EXPECT_EQ(boxes_seen, 1) << "no second box on top of the first";
    EXPECT_EQ(value_while_open, c.fallback) << "the typed value is never in the model";
    EXPECT_EQ(model_value(c.field), c.fallback);
    EXPECT_EQ(field->text(), c.shown);
    EXPECT_EQ(window->state().accepted, static_cast<const Parameters&>(window->state()));
    EXPECT_TRUE(window->isVisible());
}

TEST_P(RealBoxes, TheSameDuringARun) {
    const BoxCase& c = GetParam();
    // The run's pauses pass at once, through the event loop: the run goes on behind the box
    // without taking real time.
    window->run()->set_pause_scheduler([this](int, std::function<void()> then) {
        QTimer::singleShot(0, window.get(), std::move(then));
    });
    window->field(Field::Nmax)->setText("1");
    window->findChild<QPushButton*>("CmdOK")->click();
    ASSERT_EQ(window->run()->state(), RunState::running);
    wait_until([&] { return window->state().k_now > 5; });
    // The fields are locked during a run; a text written by the program still goes through
    // the chain, and its box opens while the run goes on behind it.
    answer_when_open([&] { resize_and_maximise(c.field); }, QMessageBox::Ok);
    window->field(c.field)->setText(c.keys);
    wait_until([&] { return window->run()->state() == RunState::idle; });
    EXPECT_EQ(boxes_seen, 1);
    EXPECT_EQ(value_while_open, c.fallback);
    EXPECT_EQ(model_value(c.field), c.fallback);
    EXPECT_EQ(window->state().accepted, static_cast<const Parameters&>(window->state()));
    EXPECT_EQ(tone.played.back(), 120) << "the run played to its end";
}

INSTANTIATE_TEST_SUITE_P(Fields, RealBoxes,
                         ::testing::Values(BoxCase{"coil", Field::L, "-5", "-5", 0.005},
                                           BoxCase{"capacitor", Field::C, "-1", "-1", 0.002},
                                           BoxCase{"resistor", Field::R, "-1", "-1", 0.02},
                                           BoxCase{"interval", Field::Nmax, "-3", " 1", 1}),
                         testing::CaseName{});

} // namespace
} // namespace ovrelan
