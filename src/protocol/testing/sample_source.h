#pragma once

// A deterministic source of field values for filled sample packets (round-trip tests,
// fuzzing seeds, benchmarks). The fill functions of every structure are generated
// into protocol/packet_samples.h.

#include "protocol/codec.h"

#include <QDateTime>
#include <QString>

#include <limits>
#include <vector>

namespace protocol::samples {

class sample_source
{
public:
    explicit sample_source(quint64 seed) : m_state(seed * 2862933555777941757ULL + 3037000493ULL) {}

    quint64 next()
    {
        // xorshift64*
        m_state ^= m_state >> 12;
        m_state ^= m_state << 25;
        m_state ^= m_state >> 27;
        return m_state * 2685821657736338717ULL;
    }
    int pick(int n) { return int(next() % quint64(n)); }
    // Nested lists and values stop growing below this depth.
    bool deep() const { return m_depth >= 3; }
    // The longest list filled.
    int listLength() const { return m_listLength; }
    void setListLength(int n) { m_listLength = n; }

    class level
    {
    public:
        explicit level(sample_source &s) : m_source(s) { ++m_source.m_depth; }
        ~level() { --m_source.m_depth; }
        level(const level &) = delete;
        level &operator=(const level &) = delete;

    private:
        sample_source &m_source;
    };

private:
    quint64 m_state;
    int m_depth = 0;
    int m_listLength = 3;
};

inline void fill(sample_source &s, qint8 &v) { v = qint8(s.next()); }
inline void fill(sample_source &s, quint8 &v) { v = quint8(s.next()); }
inline void fill(sample_source &s, bool &v) { v = s.pick(2) == 1; }
inline void fill(sample_source &s, tile &v) { v = tile(s.pick(3) == 0 ? tile::Unknown : quint8(s.pick(tile::FaceCount))); }

inline void fill(sample_source &s, qint32 &v)
{
    switch (s.pick(4)) {
    case 0:
        v = std::numeric_limits<qint32>::min();
        break;
    case 1:
        v = -1;
        break;
    default:
        v = qint32(s.next() % 100000);
    }
}

inline void fill(sample_source &s, qint64 &v)
{
    switch (s.pick(4)) {
    case 0:
        v = std::numeric_limits<qint64>::max();
        break;
    case 1:
        v = std::numeric_limits<qint64>::min();
        break;
    default:
        v = qint64(s.next() % 100000000000ULL) - 50000000000LL;
    }
}

inline void fill(sample_source &s, QString &v)
{
    static const char16_t *const texts[] = {u"", u"Practice", u"\u65e5\u672c\u306e\u5353", u"S\u00e9bastien \"quoted\" \\", u"\U0001F004 tile"};
    v = QString::fromUtf16(texts[s.pick(5)]);
}

inline void fill(sample_source &s, QByteArray &v)
{
    static const char *const texts[] = {"", "Practice/Riichi", "\xff\x00\x80 raw"};
    const int i = s.pick(3);
    v = i == 2 ? QByteArray(texts[2], 7) : QByteArray(texts[i]);
}

inline void fill(sample_source &s, QDateTime &v)
{
    if (s.pick(4) == 0)
        v = QDateTime();
    else
        v = QDateTime::fromMSecsSinceEpoch(qint64(s.next() % 4000000000000ULL) - 100000000000LL, Qt::UTC);
}

template <class T>
void fill(sample_source &s, std::vector<T> &v)
{
    sample_source::level deeper(s);
    const int n = s.deep() ? 0 : s.pick(s.listLength() + 1);
    v.clear();
    v.resize(std::size_t(n));
    for (T &e : v)
        fill(s, e);
}

} // namespace protocol::samples
