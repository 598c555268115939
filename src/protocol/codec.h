#pragma once

#include "app/tile.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QtEndian>

#include <cstdint>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// The wire codec of the game server protocol: big-endian primitives, strings,
// byte strings, lists and times. The packet structures built on it are generated
// from src/protocol/packets.catalogue into protocol/packets.h.
namespace protocol {

// A frame is a 4-byte big-endian length, then that many bytes: the class id and
// the body. Longer or empty frames are refused.
constexpr quint32 MaxFrameLength = 16u * 1024u * 1024u;
constexpr qsizetype FrameHeaderSize = 4;
// Lists (and so the lobby tree and nested any values) nest at most this deep.
constexpr int MaxNesting = 64;

// Malformed data met by a reader; nothing was allocated for the claimed sizes.
class decode_error : public std::runtime_error
{
public:
    explicit decode_error(const std::string &what) : std::runtime_error(what) {}
};

enum class direction { to_server, to_client };

// The bytes of one received frame without its length field: the class id and the
// body. Handed on as std::unique_ptr<message_t>.
class message_t
{
public:
    explicit message_t(QByteArray bytes) : m_bytes(std::move(bytes)) {}

    quint8 classId() const { return static_cast<quint8>(m_bytes.at(0)); }
    const char *body() const { return m_bytes.constData() + 1; }
    qsizetype bodySize() const { return m_bytes.size() - 1; }
    // Class id and body; the frame's length field holds size().
    const QByteArray &bytes() const { return m_bytes; }
    qsizetype size() const { return m_bytes.size(); }

private:
    QByteArray m_bytes;
};

// Cuts frames off a stream of received bytes. A frame is handed out only once all its
// bytes are there, so a claimed length is never allocated up front.
class frame_buffer
{
public:
    void append(const QByteArray &bytes) { m_buffer.append(bytes); }
    // The next complete frame, or null when more bytes are needed. A length of 0 or
    // above MaxFrameLength throws decode_error and empties the buffer.
    std::unique_ptr<message_t> next();
    void clear();
    qsizetype buffered() const { return m_buffer.size() - m_offset; }

private:
    QByteArray m_buffer;
    qsizetype m_offset = 0;
};

// Reads primitives from a byte range, throwing decode_error on short or
// malformed data. The range must outlive the reader.
class reader
{
public:
    reader(const char *data, qsizetype size) : m_pos(data), m_end(data + size) {}

    qsizetype remaining() const { return m_end - m_pos; }

    quint8 u8()
    {
        need(1);
        return static_cast<quint8>(*m_pos++);
    }
    qint8 i8() { return static_cast<qint8>(u8()); }
    qint32 i32()
    {
        need(4);
        const qint32 v = qFromBigEndian<qint32>(m_pos);
        m_pos += 4;
        return v;
    }
    qint64 i64()
    {
        need(8);
        const qint64 v = qFromBigEndian<qint64>(m_pos);
        m_pos += 8;
        return v;
    }
    bool boolean();
    QString str();
    QByteArray bytes();
    QDateTime time();

    // Reads a list's element count and checks that the bytes left can hold that many
    // elements of at least minElementSize bytes each.
    qsizetype count(qsizetype minElementSize);
    // Refuses bytes left over after a packet.
    void expectEnd() const;

    // Counts one level of list nesting for as long as it lives.
    class nesting
    {
    public:
        explicit nesting(reader &r);
        ~nesting() { --m_reader.m_depth; }
        nesting(const nesting &) = delete;
        nesting &operator=(const nesting &) = delete;

    private:
        reader &m_reader;
    };

private:
    void need(qsizetype n) const
    {
        if (n > m_end - m_pos)
            throw decode_error("truncated packet");
    }

    const char *m_pos;
    const char *m_end;
    int m_depth = 0;
    QStringDecoder m_utf8{QStringDecoder::Utf8, QStringDecoder::Flag::Stateless};
};

// Appends primitives to a growing byte array.
class writer
{
public:
    writer() { m_data.reserve(64); }

    void u8(quint8 v) { m_data.append(static_cast<char>(v)); }
    void i8(qint8 v) { u8(static_cast<quint8>(v)); }
    void i32(qint32 v)
    {
        char b[4];
        qToBigEndian(v, b);
        m_data.append(b, 4);
    }
    void i64(qint64 v)
    {
        char b[8];
        qToBigEndian(v, b);
        m_data.append(b, 8);
    }
    void boolean(bool v) { u8(v ? 1 : 0); }
    void str(const QString &s);
    void bytes(const QByteArray &b);
    // A null or invalid time is written as -1.
    void time(const QDateTime &t) { i64(t.isValid() ? t.toMSecsSinceEpoch() : -1); }
    void count(std::size_t n);

    qsizetype size() const { return m_data.size(); }
    void patchU32(qsizetype at, quint32 v) { qToBigEndian(v, m_data.data() + at); }
    QByteArray take() { return std::move(m_data); }

private:
    QByteArray m_data;
    QStringEncoder m_utf8{QStringEncoder::Utf8, QStringEncoder::Flag::Stateless};
};

// The smallest number of bytes one value of a type takes on the wire; a list's count
// is checked against it before anything is allocated.
template <class T>
struct wire_min_size;
template <> struct wire_min_size<qint8> { static constexpr qsizetype value = 1; };
template <> struct wire_min_size<quint8> { static constexpr qsizetype value = 1; };
template <> struct wire_min_size<bool> { static constexpr qsizetype value = 1; };
template <> struct wire_min_size<tile> { static constexpr qsizetype value = 1; };
template <> struct wire_min_size<qint32> { static constexpr qsizetype value = 4; };
template <> struct wire_min_size<qint64> { static constexpr qsizetype value = 8; };
template <> struct wire_min_size<QDateTime> { static constexpr qsizetype value = 8; };
template <> struct wire_min_size<QString> { static constexpr qsizetype value = 4; };
template <> struct wire_min_size<QByteArray> { static constexpr qsizetype value = 4; };

inline void read(reader &r, qint8 &v) { v = r.i8(); }
inline void read(reader &r, quint8 &v) { v = r.u8(); }
inline void read(reader &r, qint32 &v) { v = r.i32(); }
inline void read(reader &r, qint64 &v) { v = r.i64(); }
inline void read(reader &r, bool &v) { v = r.boolean(); }
inline void read(reader &r, QString &v) { v = r.str(); }
inline void read(reader &r, QByteArray &v) { v = r.bytes(); }
inline void read(reader &r, tile &v) { v = tile(r.u8()); }
inline void read(reader &r, QDateTime &v) { v = r.time(); }

template <class T>
void read(reader &r, std::vector<T> &v)
{
    reader::nesting level(r);
    const qsizetype n = r.count(wire_min_size<T>::value);
    v.clear();
    v.reserve(static_cast<std::size_t>(n));
    for (qsizetype i = 0; i < n; ++i) {
        v.emplace_back();
        read(r, v.back());
    }
}

inline void write(writer &w, qint8 v) { w.i8(v); }
inline void write(writer &w, quint8 v) { w.u8(v); }
inline void write(writer &w, qint32 v) { w.i32(v); }
inline void write(writer &w, qint64 v) { w.i64(v); }
inline void write(writer &w, bool v) { w.boolean(v); }
inline void write(writer &w, const QString &v) { w.str(v); }
inline void write(writer &w, const QByteArray &v) { w.bytes(v); }
inline void write(writer &w, tile v) { w.u8(v.code()); }
inline void write(writer &w, const QDateTime &v) { w.time(v); }

template <class T>
void write(writer &w, const std::vector<T> &v)
{
    w.count(v.size());
    for (const T &e : v)
        write(w, e);
}

// Readable text of values for the debug log. Long lists are cut short.
class dumper
{
public:
    static constexpr std::size_t MaxListElements = 32;

    void text(const char *s) { m_out += QLatin1String(s); }
    void text(const QString &s) { m_out += s; }
    QString take() { return std::move(m_out); }

private:
    QString m_out;
};

void dump(dumper &d, qint8 v);
void dump(dumper &d, quint8 v);
void dump(dumper &d, qint32 v);
void dump(dumper &d, qint64 v);
void dump(dumper &d, bool v);
void dump(dumper &d, const QString &v);
void dump(dumper &d, const QByteArray &v);
void dump(dumper &d, tile v);
void dump(dumper &d, const QDateTime &v);

template <class T>
void dump(dumper &d, const std::vector<T> &v)
{
    d.text("[");
    std::size_t i = 0;
    for (const T &e : v) {
        if (i == dumper::MaxListElements) {
            d.text(QStringLiteral(", ... %1 more").arg(v.size() - i));
            break;
        }
        if (i++)
            d.text(", ");
        dump(d, e);
    }
    d.text("]");
}

} // namespace protocol
