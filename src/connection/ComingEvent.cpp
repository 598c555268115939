#include "connection/ComingEvent.h"

bool operator<(const ComingEvent &a, const ComingEvent &b)
{
    if (a.time != b.time)
        return a.time < b.time;
    return a.kind < b.kind;
}

bool operator==(const ComingEvent &a, const ComingEvent &b)
{
    return a.kind == b.kind && a.time == b.time;
}
