// Zk_Timer accumulates the time spent between start and end calls; it has no
// effect on results. Zk_FunctionTimer starts a timer for the life of a scope.
// Reading the clock costs about as much as a small step itself, so a program that never
// reports durations may switch measuring off: intervals are then still counted and
// tracked as running, but take no time.
#pragma once

#include <chrono>

#include "host/zk_string.h"

class Zk_Timer {
public:
    using Clock = std::chrono::steady_clock;
    // The clock every timer reads: Clock::now unless replaced (a test's own clock); null
    // restores Clock::now.
    using Now = Clock::time_point (*)();
    static void setClock(Now now);
    // Whether intervals started from now on read the clock (on unless switched off).
    static void setMeasuring(bool on);
    static bool measuring();

    explicit Zk_Timer(const Zk_String& name = Zk_String());
    // Starts an interval; while running it changes nothing.
    void start();
    // Ends the running interval and adds it to the total; when stopped nothing.
    void end();
    bool isRunning() const { return m_running; }
    // Total seconds of the ended intervals plus the running one.
    double duration() const;
    // Number of ended intervals.
    int count() const { return m_count; }
    void reset();
    const Zk_String& name() const { return m_name; }

private:
    Zk_String m_name;
    Clock::time_point m_started{};
    Clock::duration m_total{};
    bool m_running = false;
    bool m_timed = false;  // the running interval read the clock when it started
    int m_count = 0;
};

class Zk_FunctionTimer {
public:
    explicit Zk_FunctionTimer(Zk_Timer& timer) : m_timer(timer) { m_timer.start(); }
    ~Zk_FunctionTimer() { m_timer.end(); }
    Zk_FunctionTimer(const Zk_FunctionTimer&) = delete;
    Zk_FunctionTimer& operator=(const Zk_FunctionTimer&) = delete;

private:
    Zk_Timer& m_timer;
};
