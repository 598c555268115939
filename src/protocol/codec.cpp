#include "protocol/codec.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <limits>

namespace protocol {

namespace {

// Short ASCII strings repeat across packets (property names, paths, screen names): they
// are shared instead of built anew.
constexpr qsizetype MaxInterned = 32;

constexpr qsizetype InternedWords = MaxInterned / 8;

// The n bytes (n <= MaxInterned) as little-endian words, zero after the last byte, read
// a word at a time, the last word whole when the readable bytes reach that far.
struct ShortText
{
    quint64 words[InternedWords] = {};
    qsizetype size = 0;
    // The bits of every byte: a byte above 0x7F shows in its top bits.
    quint64 high = 0;
    quint64 hash = 0;

    ShortText(const char *begin, qsizetype n, const char *readable) : size(n), hash(quint64(n))
    {
        for (qsizetype i = 0; i < n; i += 8) {
            const qsizetype left = n - i;
            quint64 word = 0;
            if (left >= 8 || readable - (begin + i) >= 8) {
                word = qFromLittleEndian<quint64>(begin + i);
                if (left < 8)
                    word &= (quint64(1) << (8 * left)) - 1;
            } else {
                for (qsizetype k = 0; k < left; ++k)
                    word |= quint64(static_cast<unsigned char>(begin[i + k])) << (8 * k);
            }
            words[i / 8] = word;
            high |= word;
            hash = (hash ^ word) * 0x9E3779B97F4A7C15ull;
            hash ^= hash >> 29;
        }
    }

    bool ascii() const { return (high & 0x8080808080808080ull) == 0; }
    bool operator==(const ShortText &other) const
    {
        if (size != other.size)
            return false;
        for (qsizetype i = 0; i < size; i += 8) {
            if (words[i / 8] != other.words[i / 8])
                return false;
        }
        return true;
    }
};

// Upper-case identifiers (the names of properties and fields) come with every record:
// each is kept once for the life of the process, in a table that only grows, up to a
// bound, and is handed out as a string whose copies count no references. The table is
// shared by all threads; an entry, once published, never changes.
struct Name
{
    explicit Name(const ShortText &text) : text(text) {}
    ShortText text;
    char16_t chars[MaxInterned] = {};
    QString string;
};

constexpr std::size_t NameSlots = 1024;
std::atomic<const Name *> names[NameSlots];

bool isIdentifier(const char *begin, qsizetype n)
{
    for (qsizetype i = 0; i < n; ++i) {
        const char c = begin[i];
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'))
            return false;
    }
    return true;
}

// The shared name of the text, or null when it is not one or its slot is taken.
const Name *sharedName(const char *begin, const ShortText &text)
{
    std::atomic<const Name *> &slot = names[text.hash % NameSlots];
    const Name *name = slot.load(std::memory_order_acquire);
    if (!name) {
        if (!isIdentifier(begin, text.size))
            return nullptr;
        auto *made = new Name(text);
        for (qsizetype i = 0; i < text.size; ++i)
            made->chars[i] = char16_t(static_cast<unsigned char>(begin[i]));
        made->string = QString::fromRawData(reinterpret_cast<const QChar *>(made->chars), text.size);
        if (slot.compare_exchange_strong(name, made, std::memory_order_acq_rel))
            return made;
        // Another thread filled the slot first.
        delete made;
    }
    return name->text == text ? name : nullptr;
}

// Other short ASCII strings: a small direct-mapped cache per thread hands out shared
// copies.
constexpr std::size_t InternSlots = 512;

struct InternCache
{
    QString entries[InternSlots];
};

QString interned(const char *begin, const ShortText &text)
{
    if (const Name *name = sharedName(begin, text))
        return name->string;
    const qsizetype n = text.size;
    thread_local InternCache cache;
    QString &slot = cache.entries[(text.hash >> 32) % InternSlots];
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
        if (n == 0)
            return QString();
        const ShortText text(begin, n, m_end);
        if (text.ascii())
            return interned(begin, text);
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
