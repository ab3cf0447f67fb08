#pragma once

namespace vantrel {

struct ScreenState;

// Hands composed frames to the drawing workers; the workers draw them band by band and the
// last one swaps the buffers and presents.
class FrameDispatcher {
public:
    // Adds one idle worker to the Screen and starts its thread.
    static void createWorker(ScreenState& screen);
    // Asks every worker to stop, then joins them all and drops their records.
    static void stopWorkers(ScreenState& screen);
    // Under the Screen lock: hands out the composed frame when every worker is idle.
    // With no workers the frame is only prepared; drawOnCallingThread draws it.
    static bool dispatchFrame(ScreenState& screen);
    // Draws, swaps and presents the dispatched frame on the calling thread.
    static void drawOnCallingThread(ScreenState& screen);
};

} // namespace vantrel
