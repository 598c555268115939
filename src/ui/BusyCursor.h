#pragma once

class QObject;

// The application's wait cursor, held by owners. Each owner holds at most one level of
// the override-cursor stack: set() pushes a level the first time an owner asks and
// restore() pops it only when that owner holds one, so a late answer never pops a level
// that another request set. An owner destroyed while holding its level gives it back.
namespace BusyCursor {

void set(const QObject *owner);
void restore(const QObject *owner);
bool isHeldBy(const QObject *owner);

} // namespace BusyCursor
