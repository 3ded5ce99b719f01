#include "host/zk_timer.h"

namespace {
Zk_Timer::Now gNow = &Zk_Timer::Clock::now;
}  // namespace

void Zk_Timer::setClock(Now now) { gNow = now ? now : &Clock::now; }

Zk_Timer::Zk_Timer(const Zk_String& name) : m_name(name) {}

void Zk_Timer::start() {
    if (m_running) return;
    m_running = true;
    m_started = gNow();
}

void Zk_Timer::end() {
    if (!m_running) return;
    m_total += gNow() - m_started;
    m_running = false;
    ++m_count;
}

double Zk_Timer::duration() const {
    Clock::duration total = m_total;
    if (m_running) total += gNow() - m_started;
    return std::chrono::duration<double>(total).count();
}

void Zk_Timer::reset() {
    m_total = {};
    m_running = false;
    m_count = 0;
}
