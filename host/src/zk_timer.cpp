#include "host/zk_timer.h"

namespace {
Zk_Timer::Now gNow = &Zk_Timer::Clock::now;
bool gMeasuring = true;
}  // namespace

void Zk_Timer::setClock(Now now) { gNow = now ? now : &Clock::now; }
void Zk_Timer::setMeasuring(bool on) { gMeasuring = on; }
bool Zk_Timer::measuring() { return gMeasuring; }

Zk_Timer::Zk_Timer(const Zk_String& name) : m_name(name) {}

void Zk_Timer::start() {
    if (m_running) return;
    m_running = true;
    m_timed = gMeasuring;
    if (m_timed) m_started = gNow();
}

void Zk_Timer::end() {
    if (!m_running) return;
    if (m_timed) m_total += gNow() - m_started;
    m_running = false;
    ++m_count;
}

double Zk_Timer::duration() const {
    Clock::duration total = m_total;
    if (m_running && m_timed) total += gNow() - m_started;
    return std::chrono::duration<double>(total).count();
}

void Zk_Timer::reset() {
    m_total = {};
    m_running = false;
    m_count = 0;
}
