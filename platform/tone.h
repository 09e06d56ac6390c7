// The short tone: 880 Hz for a given number of milliseconds, returning when it ends.
#pragma once

namespace ovrelan {

class Tone {
public:
    virtual ~Tone() = default;
    virtual void play(int milliseconds) = 0;
};

// Generated sine through Qt Multimedia; silent where no audio output exists.
class QtTone final : public Tone {
public:
    void play(int milliseconds) override;
};

} // namespace ovrelan
