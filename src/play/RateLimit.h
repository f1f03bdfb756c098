#pragma once

#include <QHash>
#include <QString>

// So many events a second for each key (a phone's address, a socket), with
// room for a burst: a token bucket per key. Keys not heard from for a while
// are forgotten, so a flood of addresses cannot grow it without end.
class RateLimit
{
public:
    RateLimit(double perSecond, double burst) : m_perSecond(perSecond), m_burst(burst) {}

    // True when the event may go ahead; times are in milliseconds.
    bool allow(const QString &key, qint64 nowMs);
    qsizetype keys() const { return m_buckets.size(); }

private:
    struct Bucket
    {
        double tokens = 0;
        qint64 at = 0;
    };
    double m_perSecond;
    double m_burst;
    QHash<QString, Bucket> m_buckets;
    qint64 m_lastSweep = 0;
};
