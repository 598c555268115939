#pragma once

// Conversions between JSON values and the wire types, used by the generated JSON forms
// of the packets (protocol/packets_json.cpp). Include after protocol/packets_json.h.

#include "protocol/packets_json.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>

#include <cmath>
#include <initializer_list>
#include <limits>

namespace protocol::json {

inline QJsonObject object_of(const QJsonValue &j, const char *what)
{
    if (!j.isObject())
        throw json_error(std::string("expected an object for ") + what);
    return j.toObject();
}

inline void check_known_fields(const QJsonObject &o, const char *what, std::initializer_list<const char *> names)
{
    for (auto it = o.begin(); it != o.end(); ++it) {
        bool known = false;
        for (const char *n : names)
            known = known || it.key() == QLatin1String(n);
        if (!known)
            throw json_error(std::string(what) + " has no field " + it.key().toStdString());
    }
}

inline qint64 integer_of(const QJsonValue &j, qint64 min, qint64 max)
{
    qint64 v = 0;
    if (j.isString()) {
        bool ok = false;
        v = j.toString().toLongLong(&ok);
        if (!ok)
            throw json_error("expected an integer, got \"" + j.toString().toStdString() + "\"");
    } else if (j.isDouble()) {
        const double d = j.toDouble();
        if (d != std::floor(d) || std::fabs(d) > 9.2e18)
            throw json_error("expected an integer");
        v = static_cast<qint64>(d);
    } else if (j.isBool()) {
        v = j.toBool() ? 1 : 0;
    } else {
        throw json_error("expected an integer");
    }
    if (v < min || v > max)
        throw json_error("integer out of range: " + std::to_string(v));
    return v;
}

inline QJsonValue to_json_value(qint8 v) { return int(v); }
inline QJsonValue to_json_value(quint8 v) { return int(v); }
inline QJsonValue to_json_value(qint32 v) { return v; }
inline QJsonValue to_json_value(qint64 v)
{
    // Doubles hold integers exactly up to 2^53.
    if (v > -(qint64(1) << 53) && v < (qint64(1) << 53))
        return double(v);
    return QString::number(v);
}
inline QJsonValue to_json_value(bool v) { return v; }
inline QJsonValue to_json_value(const QString &v) { return v; }
inline QJsonValue to_json_value(const QByteArray &v)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString s = utf8(v);
    if (!utf8.hasError())
        return s;
    return QJsonObject{{QLatin1String("hex"), QString::fromLatin1(v.toHex())}};
}
inline QJsonValue to_json_value(tile v) { return int(v.code()); }
inline QJsonValue to_json_value(const QDateTime &v)
{
    return v.isValid() ? QJsonValue(double(v.toMSecsSinceEpoch())) : QJsonValue();
}
template <class T>
QJsonValue to_json_value(const T &v)
{
    return to_json(v);
}
template <class T>
QJsonValue to_json_value(const std::vector<T> &v)
{
    QJsonArray a;
    for (const T &e : v)
        a.append(to_json_value(e));
    return a;
}

inline void from_json_value(const QJsonValue &j, qint8 &v) { v = qint8(integer_of(j, -128, 127)); }
inline void from_json_value(const QJsonValue &j, quint8 &v) { v = quint8(integer_of(j, 0, 255)); }
inline void from_json_value(const QJsonValue &j, qint32 &v)
{
    v = qint32(integer_of(j, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
}
inline void from_json_value(const QJsonValue &j, qint64 &v)
{
    v = integer_of(j, std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max());
}
inline void from_json_value(const QJsonValue &j, bool &v) { v = integer_of(j, 0, 1) != 0; }
inline void from_json_value(const QJsonValue &j, QString &v)
{
    if (!j.isString())
        throw json_error("expected a string");
    v = j.toString();
}
inline void from_json_value(const QJsonValue &j, QByteArray &v)
{
    if (j.isObject() && j.toObject().contains(QLatin1String("hex"))) {
        v = QByteArray::fromHex(j.toObject().value(QLatin1String("hex")).toString().toLatin1());
        return;
    }
    if (!j.isString())
        throw json_error("expected a string or {\"hex\": ...}");
    v = j.toString().toUtf8();
}
inline void from_json_value(const QJsonValue &j, tile &v) { v = tile(quint8(integer_of(j, 0, 255))); }
// A time is milliseconds since 1970 UTC, null for no time, or "now", "now+N", "now-N"
// (N milliseconds from the moment the packet is built).
inline void from_json_value(const QJsonValue &j, QDateTime &v)
{
    if (j.isNull()) {
        v = QDateTime();
        return;
    }
    if (j.isString() && j.toString().startsWith(QLatin1String("now"))) {
        const QString rest = j.toString().mid(3);
        qint64 offset = 0;
        if (!rest.isEmpty()) {
            bool ok = false;
            offset = rest.toLongLong(&ok);
            if (!ok)
                throw json_error("bad relative time " + j.toString().toStdString());
        }
        v = QDateTime::currentDateTimeUtc().addMSecs(offset);
        return;
    }
    v = QDateTime::fromMSecsSinceEpoch(integer_of(j, std::numeric_limits<qint64>::min(),
                                                  std::numeric_limits<qint64>::max()),
                                       Qt::UTC);
}
template <class T>
void from_json_value(const QJsonValue &j, T &v)
{
    from_json(j, v);
}
template <class T>
void from_json_value(const QJsonValue &j, std::vector<T> &v)
{
    if (!j.isArray())
        throw json_error("expected an array");
    const QJsonArray a = j.toArray();
    v.clear();
    v.resize(std::size_t(a.size()));
    for (qsizetype i = 0; i < a.size(); ++i)
        from_json_value(a.at(i), v[std::size_t(i)]);
}

template <class T>
void field_from_json(const QJsonObject &o, const char *name, T &v)
{
    const auto it = o.constFind(QLatin1String(name));
    if (it == o.constEnd())
        return;
    try {
        from_json_value(*it, v);
    } catch (const json_error &e) {
        throw json_error(std::string(name) + ": " + e.what());
    }
}

// Strings, plain integers and arrays; false for objects, which name a kind.
inline bool any_from_json_simple(const QJsonValue &j, any_t &v)
{
    if (j.isString()) {
        v = any_t(j.toString());
        return true;
    }
    if (j.isDouble()) {
        const qint64 n = integer_of(j, std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max());
        if (n >= std::numeric_limits<qint32>::min() && n <= std::numeric_limits<qint32>::max())
            v = any_t(qint32(n));
        else
            v = any_t(n);
        return true;
    }
    if (j.isArray()) {
        any_t::list_t list;
        from_json_value(j, list);
        v = any_t(std::move(list));
        return true;
    }
    if (j.isObject() && j.toObject().contains(QLatin1String("i64"))) {
        qint64 n = 0;
        from_json_value(j.toObject().value(QLatin1String("i64")), n);
        v = any_t(n);
        return true;
    }
    return false;
}

} // namespace protocol::json
