#include "play/RateLimit.h"

#include <algorithm>

bool RateLimit::allow(const QString &key, qint64 nowMs)
{
    if (nowMs - m_lastSweep > 60000 || m_buckets.size() > 100000) {
        m_lastSweep = nowMs;
        // A full bucket is as good as none.
        m_buckets.removeIf([&](const auto &it) {
            return it.value().tokens + double(nowMs - it.value().at) * m_perSecond / 1000.0 >= m_burst;
        });
    }
    auto it = m_buckets.find(key);
    if (it == m_buckets.end())
        it = m_buckets.insert(key, Bucket{m_burst, nowMs});
    Bucket &b = it.value();
    const qint64 elapsed = std::max<qint64>(0, nowMs - b.at);
    b.tokens = std::min(m_burst, b.tokens + double(elapsed) * m_perSecond / 1000.0);
    b.at = std::max(b.at, nowMs);
    if (b.tokens < 1.0)
        return false;
    b.tokens -= 1.0;
    return true;
}
