// The message boxes a chain brings, one at a time: the tone, the box, then the texts written back
// into fields. A chain that runs while a box is open (a write-back re-enters the chain) waits for
// it, and a box for the same cause as one open or waiting is not stacked on it.
#pragma once

#include "chain/recompute.h"

#include <deque>
#include <functional>
#include <optional>

class QWidget;

namespace ovrelan {

class MessageBoxes;
class Tone;

class NoticeQueue {
public:
    using WriteBack = std::function<void(const FieldWrite&)>;

    NoticeQueue(QWidget* parent, MessageBoxes& boxes, Tone& tone, WriteBack write_back);

    // Shows the chain's notices in order, unless a box is open: then they wait for it.
    void present(const ChainResult& result);

    bool showing() const { return showing_.has_value(); }
    std::size_t waiting() const { return queue_.size(); }

private:
    bool already_told(const Notice& notice) const;

    QWidget* parent_;
    MessageBoxes& boxes_;
    Tone& tone_;
    WriteBack write_back_;
    std::deque<Notice> queue_;
    std::optional<Notice> showing_;
};

} // namespace ovrelan
