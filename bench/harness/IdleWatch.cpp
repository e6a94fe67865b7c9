#include "IdleWatch.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <QTimerEvent>

namespace {

// Turns in a row without an event. One is not enough: a window system's events (an expose after
// a show) arrive on a turn of their own after the one that caused them.
constexpr int QuietTicks = 3;

} // namespace

IdleWatch::IdleWatch(std::function<bool()> ready, std::function<void()> onIdle, QObject *parent)
    : QObject(parent), m_ready(std::move(ready)), m_onIdle(std::move(onIdle)) {}

IdleWatch::~IdleWatch() {
    if (m_timer)
        QCoreApplication::instance()->removeEventFilter(this);
}

void IdleWatch::start() {
    if (m_timer || m_idle)
        return;
    QCoreApplication::instance()->installEventFilter(this);
    m_quietTicks = 0;
    m_eventsAtLastTick = m_events;
    m_timer = startTimer(0);
}

bool IdleWatch::eventFilter(QObject *watched, QEvent *event) {
    if (!(watched == this && event->type() == QEvent::Timer))
        ++m_events;
    return false;
}

void IdleWatch::timerEvent(QTimerEvent *event) {
    if (event->timerId() != m_timer)
        return;
    m_quietTicks = m_events == m_eventsAtLastTick ? m_quietTicks + 1 : 0;
    m_eventsAtLastTick = m_events;
    if (m_quietTicks < QuietTicks || (m_ready && !m_ready()))
        return;
    killTimer(m_timer);
    m_timer = 0;
    QCoreApplication::instance()->removeEventFilter(this);
    m_idle = true;
    if (m_onIdle)
        m_onIdle();
}

bool WaitUntilIdle(const std::function<bool()> &ready, std::chrono::milliseconds timeout) {
    QEventLoop loop;
    IdleWatch watch(ready, [&loop] { loop.quit(); });
    QTimer::singleShot(timeout, &loop, &QEventLoop::quit);
    watch.start();
    loop.exec();
    return watch.isIdle();
}
