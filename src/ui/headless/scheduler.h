// Lock-step hand-over between the application's thread and the test thread:
// exactly one of them runs at any moment, so every headless run is deterministic.
#pragma once

#include <condition_variable>
#include <mutex>

namespace ui::headless {

// Thrown inside the application's thread when the test tears the run down while
// the application waits for input; it unwinds every open window.
struct RunAborted {};

class Scheduler {
public:
    // Application side: hand control to the test and wait to be resumed.
    // Throws RunAborted when the test is shutting the run down.
    void park();
    // Application side: the application has returned; release the test for good.
    void finish();

    // Test side: let the application run until it parks or finishes.
    void resume();
    // Test side: make the parked application unwind and finish.
    void abort();
    // Test side: wait for the freshly started application thread to park or finish.
    void waitForApp();

    bool finished() const;

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_cv;
    bool m_appTurn = true;  // a new application thread runs first
    bool m_finished = false;
    bool m_aborting = false;
};

}  // namespace ui::headless
