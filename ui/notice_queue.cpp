#include "ui/notice_queue.h"

#include "platform/message_boxes.h"
#include "platform/tone.h"

#include <algorithm>

namespace ovrelan {

NoticeQueue::NoticeQueue(QWidget* parent, MessageBoxes& boxes, Tone& tone, WriteBack write_back)
    : parent_(parent), boxes_(boxes), tone_(tone), write_back_(std::move(write_back)) {}

void NoticeQueue::present(const ChainResult& result) {
    for (const Notice& notice : result.notices) {
        if (already_told(notice)) {
            for (const FieldWrite& write : notice.writes) {
                write_back_(write);
            }
            continue;
        }
        queue_.push_back(notice);
    }
    if (showing_) {
        return; // the box open now shows the queue when it is closed
    }
    while (!queue_.empty()) {
        showing_ = queue_.front();
        queue_.pop_front();
        if (showing_->beep_ms > 0) {
            tone_.play(showing_->beep_ms);
        }
        boxes_.show_ok(parent_, QString::fromStdString(showing_->title),
                       QString::fromStdString(showing_->shown()));
        // The writes may run the chain again, whose notices join the queue behind this one.
        for (const FieldWrite& write : showing_->writes) {
            write_back_(write);
        }
    }
    showing_.reset();
    Q_ASSERT(queue_.empty() && "every notice was shown");
}

bool NoticeQueue::already_told(const Notice& notice) const {
    const auto same = [&](const Notice& other) {
        return other.title == notice.title && other.shown() == notice.shown();
    };
    return (showing_ && same(*showing_)) || std::any_of(queue_.begin(), queue_.end(), same);
}

} // namespace ovrelan
