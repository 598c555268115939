#include "chat/xmpp/RoomLineBook.h"

#include <QHashFunctions>

#include <algorithm>

void RoomLineBook::reset()
{
    *this = RoomLineBook();
}

void RoomLineBook::ownLineSent(const QString &id)
{
    if (id.isEmpty() || m_ownWaiting.contains(id))
        return;
    m_ownWaiting.append(id);
    if (m_ownWaiting.size() > MaxOwnLines)
        m_ownWaiting.removeFirst();
}

void RoomLineBook::prepareRejoin(qint64 nowMs)
{
    if (m_lastHeardMs < 0)
        return;
    const qint64 quietSeconds = (std::max<qint64>(nowMs - m_lastHeardMs, 0) + 999) / 1000;
    m_historySeconds = int(std::min<qint64>(quietSeconds + RejoinHistoryMarginSeconds, std::numeric_limits<int>::max()));
}

void RoomLineBook::historyRequested(qint64 nowMs)
{
    m_inHistory = true;
    m_historyStartMs = m_historySeconds < 0 ? std::numeric_limits<qint64>::min()
                                            : nowMs - qint64(m_historySeconds) * 1000;
    m_lastHistoryLineMs.reset();
    m_heldLines.clear();
    m_matchFrom = 0;
    m_overlapEnded = false;
    // Those the room had before the history asked for starts do not come again.
    if (m_historySeconds >= 0) {
        while (!m_shownLines.empty() && m_shownLines.front().heardMs < m_historyStartMs - HistoryRoundingMs)
            m_shownLines.pop_front();
    }
}

RoomLineBook::Said RoomLineBook::said(const Line &line) const
{
    Said said;
    said.roomId = line.roomId;
    // The user's own lines carry ids unique beyond a run; another sender's stanza id
    // may name several lines.
    if (!line.originId.isEmpty())
        said.senderId = line.originId;
    else if (line.sender == m_ownOccupant && !line.messageId.isEmpty())
        said.senderId = line.messageId;
    said.said = qHashMulti(0, line.sender, line.text);
    said.stampMs = line.stampMs;
    return said;
}

QString RoomLineBook::settle(const Line &line)
{
    if (m_ownOccupant.isEmpty() || line.sender != m_ownOccupant)
        return QString();
    const QString id = line.originId.isEmpty() ? line.messageId : line.originId;
    return !id.isEmpty() && m_ownWaiting.removeOne(id) ? id : QString();
}

RoomLineBook::Verdict RoomLineBook::liveLine(const Line &line, quint64 token, qint64 nowMs)
{
    Verdict verdict;
    verdict.settledOwnId = settle(line);
    m_lastHeardMs = std::max(m_lastHeardMs, nowMs);
    Said live = said(line);
    // The room's stamp of a live line is unknown until a history brings the line.
    live.stampMs.reset();
    // A copy of a line shown already, as a sender that did not learn that the room had
    // it sends it again.
    if (findShownLine(live, false, nowMs))
        return verdict;
    rememberLine(live, nowMs, nowMs);
    verdict.show.push_back({token, std::nullopt});
    return verdict;
}

RoomLineBook::Verdict RoomLineBook::historyLine(const Line &line, quint64 token, qint64 nowMs)
{
    // A stamp the room kept from the sender, or one in its name where it adds none,
    // may say anything: the history stays within the time asked for and in the order
    // the room sends it, each line a millisecond after the one before so that the view
    // keeps that order also when it learns the senders' names in another. A stamp
    // later than the present says nothing of when the line was sent: such a line
    // comes just after the line before it, and the lines after it keep their times.
    Verdict verdict;
    verdict.settledOwnId = settle(line);
    const Said history = said(line);
    const bool stampHolds = history.stampMs && *history.stampMs <= nowMs;
    if (stampHolds) {
        // The room had the lines after this one only later.
        m_lastHeardMs = std::max(m_lastHeardMs, std::max(*history.stampMs, m_historyStartMs));
    }
    if (const ShownLine *shown = findShownLine(history, true, nowMs)) {
        // Copied: placing lines may drop the oldest remembered.
        const qint64 shownMs = shown->placedMs;
        placeHeldLines(shownMs, nowMs, verdict);
        m_lastHistoryLineMs = std::max(m_lastHistoryLineMs.value_or(shownMs), shownMs);
        return verdict;
    }
    // A line first seen after a rejoin comes after the loss that hid it.
    std::optional<qint64> beforeMs = m_lastHistoryLineMs;
    if (m_lostAtMs)
        beforeMs = std::max(beforeMs.value_or(*m_lostAtMs), *m_lostAtMs);
    if (!stampHolds && !beforeMs) {
        m_heldLines.emplace_back(token, history);
        verdict.held = true;
        // Far more than a view keeps: the present is as good a place as any.
        if (m_heldLines.size() >= size_t(MaxShownLines)) {
            placeHeldLines(nowMs, nowMs, verdict);
            verdict.held = false;
        }
        return verdict;
    }
    qint64 atMs = stampHolds ? std::max(*history.stampMs, m_historyStartMs) : *beforeMs + 1;
    if (beforeMs)
        atMs = std::max(atMs, *beforeMs + 1);
    placeHeldLines(atMs, nowMs, verdict);
    m_lastHistoryLineMs = atMs;
    rememberLine(history, nowMs, atMs);
    verdict.show.push_back({token, atMs});
    return verdict;
}

RoomLineBook::Verdict RoomLineBook::endHistory(qint64 atMs)
{
    Verdict verdict;
    if (std::exchange(m_inHistory, false))
        placeHeldLines(atMs, atMs, verdict);
    return verdict;
}

void RoomLineBook::placeHeldLines(qint64 atMs, qint64 nowMs, Verdict &verdict)
{
    const qint64 count = qint64(m_heldLines.size());
    for (qint64 i = 0; i < count; ++i) {
        const auto &[token, line] = m_heldLines[size_t(i)];
        const qint64 placedMs = atMs - count + i;
        rememberLine(line, nowMs, placedMs);
        verdict.show.push_back({token, placedMs});
    }
    m_heldLines.clear();
    if (count > 0 && !m_lastHistoryLineMs)
        m_lastHistoryLineMs = atMs - 1;
}

RoomLineBook::ShownLine *RoomLineBook::findShownLine(const Said &line, bool fromHistory, qint64 nowMs)
{
    // The room's id names one line, and so does the id its sender gave it.
    if (!line.roomId.isNull()) {
        const auto shown = std::find_if(m_shownLines.begin(), m_shownLines.end(), [&line](const ShownLine &s) {
            return s.line.roomId == line.roomId && s.line.said == line.said;
        });
        if (shown != m_shownLines.end())
            return &*shown;
    }
    if (!line.senderId.isNull()) {
        const auto shown = std::find_if(m_shownLines.begin(), m_shownLines.end(), [&line](const ShownLine &s) {
            return s.line.senderId == line.senderId && s.line.said == line.said;
        });
        if (shown == m_shownLines.end()) {
            if (fromHistory && line.roomId.isNull())
                m_overlapEnded = true;
            return nullptr;
        }
        const size_t at = size_t(shown - m_shownLines.begin());
        if (fromHistory && at >= m_matchFrom)
            m_matchFrom = at + 1;
        return &*shown;
    }
    if (!fromHistory || !line.roomId.isNull() || m_overlapEnded)
        return nullptr;
    // Otherwise the same sender and text, and the same stamp where both have one. A
    // line the room stamped after the shown one was heard here is another, said again.
    const bool stampHolds = line.stampMs && *line.stampMs <= nowMs;
    for (size_t i = m_matchFrom; i < m_shownLines.size(); ++i) {
        ShownLine &shown = m_shownLines[i];
        if (!shown.line.roomId.isNull() || !shown.line.senderId.isNull() || shown.line.said != line.said)
            continue;
        if (shown.line.stampMs && line.stampMs && *shown.line.stampMs != *line.stampMs)
            continue;
        if (!shown.line.stampMs && stampHolds && *line.stampMs > shown.heardMs)
            continue;
        m_matchFrom = i + 1;
        if (!shown.line.stampMs)
            shown.line.stampMs = line.stampMs;
        return &shown;
    }
    m_overlapEnded = true;
    return nullptr;
}

void RoomLineBook::rememberLine(const Said &line, qint64 heardMs, qint64 placedMs)
{
    if (m_shownLines.size() >= size_t(MaxShownLines)) {
        m_shownLines.pop_front();
        if (m_matchFrom > 0)
            --m_matchFrom;
    }
    m_shownLines.push_back({line, heardMs, placedMs});
}
