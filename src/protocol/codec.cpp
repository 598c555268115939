#include "protocol/codec.h"

#include <limits>

namespace protocol {

namespace {

// Short ASCII strings repeat across packets (property names, paths, screen names): a
// small direct-mapped cache per thread hands out shared copies instead of new ones.
constexpr qsizetype MaxInterned = 32;
constexpr std::size_t InternSlots = 512;

struct InternCache
{
    QString entries[InternSlots];
};

// The ASCII string of n bytes (n <= MaxInterned) whose FNV-1a hash is hash.
QString interned(const char *begin, qsizetype n, quint32 hash)
{
    thread_local InternCache cache;
    QString &slot = cache.entries[hash % InternSlots];
    bool same = slot.size() == n;
    const QChar *chars = slot.constData();
    for (qsizetype i = 0; same && i < n; ++i)
        same = chars[i].unicode() == static_cast<unsigned char>(begin[i]);
    if (!same)
        slot = QString::fromLatin1(begin, n);
    return slot;
}

} // namespace

std::unique_ptr<message_t> frame_buffer::next()
{
    const qsizetype available = m_buffer.size() - m_offset;
    if (available >= FrameHeaderSize) {
        const quint32 length = qFromBigEndian<quint32>(m_buffer.constData() + m_offset);
        if (length < 1 || length > MaxFrameLength) {
            clear();
            throw decode_error("invalid frame length " + std::to_string(length));
        }
        if (available - FrameHeaderSize >= qsizetype(length)) {
            auto message = std::make_unique<message_t>(m_buffer.mid(m_offset + FrameHeaderSize, length));
            m_offset += FrameHeaderSize + length;
            return message;
        }
    }
    // The frames handed out leave the buffer while it waits for more bytes.
    if (m_offset > 0) {
        m_buffer.remove(0, m_offset);
        m_offset = 0;
    }
    return nullptr;
}

void frame_buffer::clear()
{
    m_buffer.clear();
    m_offset = 0;
}

bool reader::boolean()
{
    const quint8 v = u8();
    if (v > 1)
        throw decode_error("invalid boolean " + std::to_string(v));
    return v == 1;
}

QString reader::str()
{
    const qint32 n = i32();
    if (n < 0)
        throw decode_error("negative string length");
    need(n);
    const char *begin = m_pos;
    m_pos += n;
    // Plain ASCII needs no validation; short ASCII strings are shared.
    if (n <= MaxInterned) {
        quint32 hash = 2166136261u;
        unsigned char high = 0;
        for (const char *p = begin; p != m_pos; ++p) {
            const auto c = static_cast<unsigned char>(*p);
            high |= c;
            hash = (hash ^ c) * 16777619u;
        }
        if (n == 0)
            return QString();
        if (high < 0x80)
            return interned(begin, n, hash);
    } else {
        bool ascii = true;
        for (const char *p = begin; ascii && p != m_pos; ++p)
            ascii = static_cast<unsigned char>(*p) < 0x80;
        if (ascii)
            return QString::fromLatin1(begin, n);
    }
    m_utf8.resetState();
    QString s = m_utf8.decode(QByteArrayView(begin, n));
    if (m_utf8.hasError())
        throw decode_error("string is not valid UTF-8");
    return s;
}

QByteArray reader::bytes()
{
    const qint32 n = i32();
    if (n < 0)
        throw decode_error("negative byte string length");
    need(n);
    QByteArray b(m_pos, n);
    m_pos += n;
    return b;
}

QDateTime reader::time()
{
    const qint64 ms = i64();
    if (ms == -1)
        return QDateTime();
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
}

qsizetype reader::count(qsizetype minElementSize)
{
    const qint32 n = i32();
    if (n < 0)
        throw decode_error("negative list length");
    if (n > remaining() / minElementSize)
        throw decode_error("list longer than the packet");
    return n;
}

void reader::expectEnd() const
{
    if (m_pos != m_end)
        throw decode_error(std::to_string(m_end - m_pos) + " bytes left over after the packet");
}

reader::nesting::nesting(reader &r) : m_reader(r)
{
    if (++m_reader.m_depth > MaxNesting) {
        --m_reader.m_depth;
        throw decode_error("lists nested too deep");
    }
}

void writer::str(const QString &s)
{
    const qsizetype at = m_data.size();
    i32(0);
    const qsizetype room = m_utf8.requiredSpace(s.size());
    m_data.resize(at + 4 + room);
    char *begin = m_data.data() + at + 4;
    char *end = m_utf8.appendToBuffer(begin, s);
    const qsizetype n = end - begin;
    m_data.truncate(at + 4 + n);
    if (n > std::numeric_limits<qint32>::max())
        throw std::length_error("string too long for the wire");
    patchU32(at, static_cast<quint32>(n));
}

void writer::bytes(const QByteArray &b)
{
    count(static_cast<std::size_t>(b.size()));
    m_data.append(b);
}

void writer::count(std::size_t n)
{
    if (n > static_cast<std::size_t>(std::numeric_limits<qint32>::max()))
        throw std::length_error("list too long for the wire");
    i32(static_cast<qint32>(n));
}

void dump(dumper &d, qint8 v) { d.text(QString::number(v)); }
void dump(dumper &d, quint8 v) { d.text(QString::number(v)); }
void dump(dumper &d, qint32 v) { d.text(QString::number(v)); }
void dump(dumper &d, qint64 v) { d.text(QString::number(v)); }
void dump(dumper &d, bool v) { d.text(v ? "true" : "false"); }

void dump(dumper &d, const QString &v)
{
    QString quoted = v;
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
    d.text(QLatin1Char('"') + quoted + QLatin1Char('"'));
}

void dump(dumper &d, const QByteArray &v)
{
    d.text(QLatin1String("0x") + QString::fromLatin1(v.toHex()));
}

void dump(dumper &d, tile v) { d.text(QString::fromStdString(tileToString(v))); }

void dump(dumper &d, const QDateTime &v)
{
    d.text(v.isValid() ? v.toUTC().toString(Qt::ISODateWithMs) : QStringLiteral("null"));
}

} // namespace protocol
