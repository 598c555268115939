#pragma once

#include <QMetaType>
#include <QObject>
#include <QString>

// What the server knows of a player found by screen name.
struct UserRecord
{
    qint32 playerId = -1;
    QString screenName;
    bool manager = false; // bit 0 of the server's user flags
};

// The answer to one PlayerDb::queryUser call. The player directory calls exactly one of
// the two operations and then deletes the object.
class QueryUserCallback : public QObject
{
    Q_OBJECT

public:
    explicit QueryUserCallback(QObject *parent = nullptr) : QObject(parent) {}

    virtual void queryOk(const UserRecord &user) = 0;
    virtual void queryFailed(const QString &message) = 0;

    // The screen name the question was asked for; set by the player directory.
    QString screenName() const { return m_screenName; }
    void setScreenName(const QString &name) { m_screenName = name; }

private:
    QString m_screenName;
};

Q_DECLARE_METATYPE(UserRecord)
