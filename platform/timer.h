#pragma once

#include <QObject>
#include <QTimer>

namespace platform {

// A UI timer with an Enabled switch: enabling a running timer leaves its
// rhythm alone, disabling stops it.
class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(int intervalMs, QObject* parent = nullptr);

    bool enabled() const { return m_timer.isActive(); }
    void setEnabled(bool enabled);
    int interval() const { return m_timer.interval(); }
    void setInterval(int ms) { m_timer.setInterval(ms); }

signals:
    void timeout();

private:
    QTimer m_timer;
};

} // namespace platform
