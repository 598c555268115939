#include "table/sidebar/PendingPlates.h"

#include <algorithm>

void PendingPlates::setSeats(int seats)
{
    m_seats = seats >= 1 && seats <= TableCapacity::MaxSeats ? seats : TableCapacity::MaxSeats;
    if (size() > m_seats)
        m_notes.erase(m_notes.begin(), m_notes.end() - m_seats);
}

void PendingPlates::setClaim(qint32 id, const Claim &claim)
{
    notesFor(id).claim = claim;
}

void PendingPlates::setTimer(qint32 id, const TimeSpan &span)
{
    if (span != TimeSpan()) {
        notesFor(id).timer = span;
        return;
    }
    const auto it = find(id);
    if (it != m_notes.end()) {
        it->second.timer = span;
        dropEmpty();
    }
}

PendingPlates::Notes PendingPlates::take(qint32 id)
{
    const auto it = find(id);
    if (it == m_notes.end())
        return Notes();
    Notes notes = it->second;
    m_notes.erase(it);
    return notes;
}

void PendingPlates::clearClaims()
{
    for (auto &entry : m_notes)
        entry.second.claim.reset();
    dropEmpty();
}

void PendingPlates::clearTimers()
{
    for (auto &entry : m_notes)
        entry.second.timer = TimeSpan();
    dropEmpty();
}

PendingPlates::Entries::iterator PendingPlates::find(qint32 id)
{
    return std::find_if(m_notes.begin(), m_notes.end(), [id](const auto &entry) { return entry.first == id; });
}

PendingPlates::Notes &PendingPlates::notesFor(qint32 id)
{
    const auto it = find(id);
    if (it != m_notes.end())
        return it->second;
    if (size() >= m_seats)
        m_notes.erase(m_notes.begin(), m_notes.end() - (m_seats - 1));
    m_notes.emplace_back(id, Notes());
    return m_notes.back().second;
}

void PendingPlates::dropEmpty()
{
    m_notes.erase(std::remove_if(m_notes.begin(), m_notes.end(), [](const auto &entry) { return entry.second.empty(); }),
                  m_notes.end());
}
