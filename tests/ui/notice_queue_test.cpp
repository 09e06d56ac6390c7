#include "ui/notice_queue.h"

#include "support/recording_platform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ovrelan {
namespace {

Notice notice(const char* text, std::vector<FieldWrite> writes = {}, int beep_ms = 0) {
    return Notice{NoticeCause::guard,
                  "Предупреждение",
                  text,
                  beep_ms,
                  std::move(writes),
                  0,
                  std::nullopt,
                  {}};
}

ChainResult chain(std::vector<Notice> notices) {
    return ChainResult{std::move(notices), true};
}

// A write-back runs the chain again while its box is still open (as a guard's correction does):
// the new notices wait for the open box, and one for a cause already open or waiting is not
// shown a second time, though its field is still written.
TEST(NoticeQueue, OneBoxAtATimeAndNoSecondForTheSameCause) {
    testing::RecordingMessageBoxes boxes;
    testing::RecordingTone tone;
    std::vector<std::string> written;
    bool reentered = false;
    NoticeQueue* queue = nullptr;
    NoticeQueue q(nullptr, boxes, tone, [&](const FieldWrite& w) { written.push_back(w.text); });
    queue = &q;
    boxes.while_open = [&] {
        if (reentered) {
            return;
        }
        reentered = true;
        EXPECT_TRUE(queue->showing());
        EXPECT_EQ(queue->waiting(), 1U) << "B waits behind A";
        queue->present(chain({notice("A", {{Field::R, " .02"}}), notice("B"), notice("C")}));
        EXPECT_EQ(boxes.boxes.size(), 1U) << "nothing shown over the open box";
        EXPECT_EQ(queue->waiting(), 2U) << "C joins B; the second A and B are dropped";
    };
    q.present(chain({notice("A", {{Field::Em, " 5"}}, 60), notice("B")}));
    std::vector<std::string> shown;
    for (const auto& box : boxes.boxes) {
        shown.push_back(box.text.toStdString());
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(tone.played, (std::vector<int>{60}));
    EXPECT_EQ(written, (std::vector<std::string>{" .02", " 5"}))
        << "a dropped box's field is written at once; the open box's after it closes";
    EXPECT_FALSE(q.showing());
    EXPECT_EQ(q.waiting(), 0U);
}

} // namespace
} // namespace ovrelan
