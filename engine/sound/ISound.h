#pragma once

namespace vantrel {

/// One loaded sound effect.
class ISound {
public:
    virtual ~ISound() = default;

    /// Begins or resumes playing.
    void start() { startImpl(); }
    /// Stops playing, keeping the position.
    void stop() { stopImpl(); }
    /// Sets the sound back to its beginning, ready to play.
    void rewind() { rewindImpl(); }

protected:
    virtual void startImpl() = 0;
    virtual void stopImpl() = 0;
    virtual void rewindImpl() = 0;
};

} // namespace vantrel
