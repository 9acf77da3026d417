#include "ui/headless/scheduler.h"

namespace ui::headless {

void Scheduler::park() {
    std::unique_lock lock(m_mutex);
    m_appTurn = false;
    m_cv.notify_all();
    m_cv.wait(lock, [this] { return m_appTurn; });
    if (m_aborting) throw RunAborted{};
}

void Scheduler::finish() {
    std::lock_guard lock(m_mutex);
    m_finished = true;
    m_appTurn = false;
    m_cv.notify_all();
}

void Scheduler::resume() {
    std::unique_lock lock(m_mutex);
    if (m_finished) return;
    m_appTurn = true;
    m_cv.notify_all();
    m_cv.wait(lock, [this] { return !m_appTurn; });
}

void Scheduler::abort() {
    std::unique_lock lock(m_mutex);
    if (m_finished) return;
    m_aborting = true;
    m_appTurn = true;
    m_cv.notify_all();
    m_cv.wait(lock, [this] { return m_finished; });
}

void Scheduler::waitForApp() {
    std::unique_lock lock(m_mutex);
    m_cv.wait(lock, [this] { return !m_appTurn; });
}

bool Scheduler::finished() const {
    std::lock_guard lock(m_mutex);
    return m_finished;
}

}  // namespace ui::headless
