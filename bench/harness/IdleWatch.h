#pragma once

#include <QObject>

#include <chrono>
#include <functional>

// Tells when the event loop has run out of work: the state a user's screen is in once a window
// has settled. Qt's event dispatchers do not signal that alike (the GLib one announces "about to
// block" on every turn, busy or not), so activity is told by the events themselves: the loop is
// idle once a few of its turns in a row delivered no event to anything but the watch's own timer.
// Runs while the loop runs; the timer that counts turns has no interval, and GLib's dispatcher
// gives such a timer the lowest priority, so every tick is a turn in which nothing else was due.
class IdleWatch final : public QObject {
public:
    // `ready`, when given, must also hold (e.g. "the list has been painted"); `onIdle` is called
    // once, the first time both hold.
    IdleWatch(std::function<bool()> ready, std::function<void()> onIdle, QObject *parent = nullptr);
    ~IdleWatch() override;

    void start();
    bool isIdle() const { return m_idle; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    std::function<bool()> m_ready;
    std::function<void()> m_onIdle;
    quint64 m_events = 0;
    quint64 m_eventsAtLastTick = 0;
    int m_quietTicks = 0;
    int m_timer = 0;
    bool m_idle = false;
};

// Runs the event loop until it is idle and `ready` holds (see IdleWatch); false after `timeout`.
bool WaitUntilIdle(const std::function<bool()> &ready = {},
                   std::chrono::milliseconds timeout = std::chrono::seconds(120));
