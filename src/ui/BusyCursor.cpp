#include "ui/BusyCursor.h"

#include <QApplication>
#include <QHash>
#include <QObject>

namespace BusyCursor {
namespace {

// Each holding owner with the connection that gives its level back when it dies.
QHash<const QObject *, QMetaObject::Connection> &holders()
{
    static QHash<const QObject *, QMetaObject::Connection> owners;
    return owners;
}

} // namespace

void set(const QObject *owner)
{
    if (!owner || holders().contains(owner))
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    holders().insert(owner, QObject::connect(owner, &QObject::destroyed, [owner] {
        if (holders().remove(owner))
            QApplication::restoreOverrideCursor();
    }));
}

void restore(const QObject *owner)
{
    const auto it = holders().constFind(owner);
    if (it == holders().constEnd())
        return;
    QObject::disconnect(it.value());
    holders().erase(it);
    QApplication::restoreOverrideCursor();
}

bool isHeldBy(const QObject *owner)
{
    return holders().contains(owner);
}

} // namespace BusyCursor
