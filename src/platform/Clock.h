#pragma once
#include <QtCore/QDateTime>

namespace vellamora {

// Source of the current time. Timers ask it; tests replace it to move time.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }
};

class SystemClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

} // namespace vellamora
