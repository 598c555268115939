#include "chat/xmpp/RoomLineBook.h"

#include <QHashFunctions>

#include <algorithm>
#include <map>
#include <utility>

void RoomLineBook::reset()
{
    *this = RoomLineBook();
}

void RoomLineBook::prepareRejoin(const Now &now)
{
    if (m_lastHeardMs < 0)
        return;
    const qint64 quietSeconds = (std::max<qint64>(now.ms - m_lastHeardMs, 0) + 999) / 1000;
    m_historySeconds = int(std::min<qint64>(quietSeconds + RejoinHistoryMarginSeconds, std::numeric_limits<int>::max()));
}

void RoomLineBook::historyRequested(const Now &now)
{
    m_inHistory = true;
    m_history.clear();
    m_madeAnew = false;
    m_ended = false;
    m_lastHistoryLineMs.reset();
    m_reachedFrom = 0;
    if (m_historySeconds < 0) {
        m_historyStartMs = std::numeric_limits<qint64>::min();
    } else {
        const qint64 backMs = qint64(m_historySeconds) * 1000;
        m_historyStartMs = now.ms - backMs;
        // The earliest the history can start by the room's stamps.
        const qint64 startRoomMs = earliestStampMs(heardAt(now), now) - backMs - HistoryRoundingMs;
        // Those the room had before the history starts do not come again in this one. A
        // later rejoin may reach further back, as its seconds are counted from a later
        // present and the server's clock may be set back meanwhile: they are kept.
        while (m_reachedFrom < m_shownLines.size()
               && latestStampMs(m_shownLines[m_reachedFrom].heard, now) < startRoomMs)
            ++m_reachedFrom;
    }
    m_shownBeforeHistory = m_shownLines.size();
    m_mayMissLines = m_lostAtMs && m_shownBeforeHistory > m_reachedFrom;
}

void RoomLineBook::roomCreated()
{
    if (!m_inHistory || !m_lostAtMs)
        return;
    m_madeAnew = true;
    m_mayMissLines = true;
}

void RoomLineBook::roomEnded()
{
    if (m_inHistory && m_lostAtMs)
        m_ended = true;
}

RoomLineBook::Verdict RoomLineBook::resentLine(const Line &line, quint64 token, const Now &now)
{
    Verdict verdict;
    const QString own = ownId(line);
    if (!own.isEmpty())
        verdict.ownLines << own;
    Said resent = said(line);
    const std::optional<qint64> stampedMs = stampedAt(resent, now);
    // The stamp it came with may be the server's: the room's is unknown until a history
    // brings the line.
    resent.stampMs.reset();
    if (resent.hasId() && shownWithId(resent))
        return verdict;
    const qint64 atMs = placeOf(stampedMs).value_or(now.ms);
    // The room was heard from when it sent the line: a later rejoin reaches back to it.
    m_lastHeardMs = std::max(m_lastHeardMs, atMs);
    placedUpTo(atMs);
    remember(resent, heardAt(now), atMs);
    verdict.show.push_back({token, atMs});
    if (m_inHistory) {
        m_shownBeforeHistory = m_shownLines.size();
        m_mayMissLines = m_lostAtMs && m_shownBeforeHistory > m_reachedFrom;
    }
    return verdict;
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

QString RoomLineBook::ownId(const Line &line) const
{
    if (m_ownOccupant.isEmpty() || line.sender != m_ownOccupant)
        return QString();
    return line.originId.isEmpty() ? line.messageId : line.originId;
}

RoomLineBook::Verdict RoomLineBook::liveLine(const Line &line, quint64 token, const Now &now)
{
    Verdict verdict;
    const QString own = ownId(line);
    if (!own.isEmpty())
        verdict.ownLines << own;
    m_lastHeardMs = std::max(m_lastHeardMs, now.ms);
    Said live = said(line);
    // The room's stamp of a live line is unknown until a history brings the line.
    live.stampMs.reset();
    // A copy of a line shown already, as a sender that did not learn that the room had
    // it sends it again.
    if (live.hasId() && shownWithId(live))
        return verdict;
    remember(live, heardAt(now), now.ms);
    verdict.show.push_back({token, std::nullopt});
    return verdict;
}

RoomLineBook::Verdict RoomLineBook::historyLine(const Line &line, quint64 token, const Now &now)
{
    Verdict verdict;
    const QString own = ownId(line);
    if (!own.isEmpty())
        verdict.ownLines << own;
    m_history.push_back({token, said(line), std::nullopt});
    // Far more than a view keeps: what came is decided, and the rest of the history is
    // new unless its ids say otherwise.
    if (m_history.size() >= size_t(MaxShownLines)) {
        decideHistory(now, now.ms, false, verdict);
        m_shownBeforeHistory = 0;
        m_reachedFrom = 0;
    }
    return verdict;
}

RoomLineBook::Verdict RoomLineBook::endHistory(const Now &now, bool cut)
{
    Verdict verdict;
    if (std::exchange(m_inHistory, false))
        decideHistory(now, now.ms, !cut, verdict);
    return verdict;
}

void RoomLineBook::dropHistory()
{
    m_inHistory = false;
    m_history.clear();
    m_mayMissLines = false;
}

bool RoomLineBook::sameById(const Said &line, const Said &other)
{
    const bool sameId = (!line.roomId.isNull() && other.roomId == line.roomId)
        || (!line.senderId.isNull() && other.senderId == line.senderId);
    return sameId && other.said == line.said;
}

std::optional<RoomLineBook::Repeat> RoomLineBook::shownWithId(const Said &line) const
{
    for (size_t i = m_shownLines.size(); i-- > 0;) {
        if (sameById(line, m_shownLines[i].line))
            return repeatOf(i);
    }
    return std::nullopt;
}

std::optional<RoomLineBook::Repeat> RoomLineBook::shownAt(const HistoryLine &line) const
{
    return line.line.hasId() ? shownWithId(line.line) : line.repeats;
}

std::vector<xmpp::ClockSteps::Span> RoomLineBook::stampSpans(const Heard &heard, const Now &now)
{
    const xmpp::ClockSteps::Span reckoned{heard.roomMs - heard.roomErrorMs, heard.roomMs + heard.roomErrorMs};
    if (!now.steps || now.steps->isEmpty())
        return {reckoned};
    return now.steps->spans(heard.localMs, reckoned);
}

bool RoomLineBook::stampsPart(const Said &history, const ShownLine &shown, const Now &now, qint64 presentMs)
{
    // The room stamps a line once: a history brings it again with the same stamp.
    if (history.stampMs && shown.line.stampMs)
        return *shown.line.stampMs != *history.stampMs;
    return stampedLater(history, shown, now, presentMs);
}

bool RoomLineBook::stampedLater(const Said &history, const ShownLine &shown, const Now &now, qint64 presentMs)
{
    // Only a stamp tells, and one later than the present says nothing of when the line
    // was sent.
    if (!history.stampMs || *history.stampMs > presentMs)
        return false;
    if (shown.line.stampMs)
        return *history.stampMs > *shown.line.stampMs;
    // Stamped later than the room's stamps can have read as the shown line was heard.
    return !xmpp::ClockSteps::stampedBy(*history.stampMs, stampSpans(shown.heard, now));
}

void RoomLineBook::matchRun(const Now &now)
{
    const size_t shownEnd = std::min(m_shownBeforeHistory, m_shownLines.size());
    // The lines stamped, by stamp, sender and text: the earliest of each.
    std::map<std::pair<qint64, size_t>, size_t> stamped;
    for (size_t i = m_reachedFrom; i < shownEnd; ++i) {
        const Said &line = m_shownLines[i].line;
        if (!line.hasId() && line.stampMs)
            stamped.emplace(std::make_pair(*line.stampMs, line.said), i);
    }
    std::vector<bool> byStamp(shownEnd, false);
    for (HistoryLine &line : m_history) {
        if (line.line.hasId() || !line.line.stampMs)
            continue;
        const auto same = stamped.find(std::make_pair(*line.line.stampMs, line.line.said));
        if (same == stamped.end())
            continue;
        line.repeats = repeatOf(same->second);
        byStamp[same->second] = true;
    }
    std::vector<size_t> shown;
    for (size_t i = m_reachedFrom; i < shownEnd; ++i) {
        if (!m_shownLines[i].line.hasId() && !byStamp[i])
            shown.push_back(i);
    }
    std::vector<HistoryLine *> history;
    for (HistoryLine &line : m_history) {
        if (!line.line.hasId() && !line.repeats)
            history.push_back(&line);
    }
    const qint64 presentMs = latestStampMs(heardAt(now), now);
    // Whether the last lines shown, as many as given, lie in the history in order, each
    // at the earliest line that fits; marks those lines when asked to. A line of the
    // history between them is one not heard here.
    const auto liesInHistory = [&](size_t count, bool mark) {
        size_t next = shown.size() - count;
        for (HistoryLine *line : history) {
            if (next == shown.size())
                break;
            ShownLine &original = m_shownLines[shown[next]];
            if (line->line.said != original.line.said || stampsPart(line->line, original, now, presentMs))
                continue;
            ++next;
            if (!mark)
                continue;
            line->repeats = repeatOf(shown[next - 1]);
            // A live line learns the room's stamp.
            if (!original.line.stampMs)
                original.line.stampMs = line->line.stampMs;
        }
        return next == shown.size();
    };
    // The longer the run, the more certain: what lies in the history holds also without
    // its first line.
    size_t lies = 0;
    size_t liesNot = std::min(shown.size(), history.size()) + 1;
    while (liesNot - lies > 1) {
        const size_t count = (lies + liesNot) / 2;
        (liesInHistory(count, false) ? lies : liesNot) = count;
    }
    liesInHistory(lies, true);
}

bool RoomLineBook::missesLines(const Now &now, bool whole) const
{
    if (m_madeAnew)
        return !m_ended;
    // A line heard before the history to reach back to.
    if (m_shownBeforeHistory <= m_reachedFrom || m_shownBeforeHistory > m_shownLines.size())
        return false;
    const ShownLine &lastHeard = m_shownLines[m_shownBeforeHistory - 1];
    // Brought again: by its id, or, without one, as the end of the run of lines matched
    // (a run matched at all ends with the last line without an id).
    const bool broughtAgain = std::any_of(m_history.cbegin(), m_history.cend(), [&lastHeard](const HistoryLine &line) {
        return lastHeard.line.hasId() ? sameById(line.line, lastHeard.line) : !line.line.hasId() && line.repeats;
    });
    if (broughtAgain)
        return false;
    if (whole)
        return true;
    return !m_history.empty()
        && stampedLater(m_history.front().line, lastHeard, now, latestStampMs(heardAt(now), now));
}

void RoomLineBook::decideHistory(const Now &now, qint64 endMs, bool whole, Verdict &verdict)
{
    verdict.historyDecided = true;
    matchRun(now);
    const bool missing = std::exchange(m_mayMissLines, false) && missesLines(now, whole);
    const size_t firstShown = verdict.show.size();
    const qint64 stampsAheadMs = latestStampMs(heardAt(now), now) - (now.roomMs + now.roomErrorMs);
    Deciding deciding{now, verdict, stampsAheadMs, {}, {}};
    for (const HistoryLine &line : m_history) {
        const std::optional<qint64> stampedMs = stampedAt(line.line, now);
        heardUpTo(stampedMs, deciding);
        if (const std::optional<Repeat> repeat = shownAt(line)) {
            // Not shown again; the lines after it go after it.
            placeHeld(repeat->placedMs, deciding);
            placedUpTo(repeat->placedMs);
            deciding.order.push_back(repeat->shown);
        } else if (heldAlready(line.line, deciding)) {
            // The line waiting is this one.
        } else if (const std::optional<qint64> atMs = placeOf(stampedMs)) {
            placeHeld(*atMs, deciding);
            show(line, *atMs, deciding);
        } else {
            deciding.held.push_back(&line);
        }
    }
    placeHeld(endMs, deciding);
    followHistoryOrder(deciding.order);
    m_history.clear();
    if (!missing)
        return;
    if (verdict.show.size() > firstShown && verdict.show[firstShown].atMs)
        verdict.missingAtMs = *verdict.show[firstShown].atMs - 1;
    else
        verdict.missingAtMs = m_lostAtMs;
}

std::optional<qint64> RoomLineBook::stampedAt(const Said &line, const Now &now)
{
    if (!line.stampMs)
        return std::nullopt;
    const qint64 atMs = *line.stampMs - (now.roomMs - now.ms);
    if (atMs > now.ms)
        return std::nullopt;
    return atMs;
}

std::optional<qint64> RoomLineBook::placeOf(const std::optional<qint64> &stampedMs) const
{
    std::optional<qint64> afterMs = m_lastHistoryLineMs;
    if (m_lostAtMs)
        afterMs = std::max(afterMs.value_or(*m_lostAtMs), *m_lostAtMs);
    const std::optional<qint64> byStampMs =
        stampedMs ? std::optional<qint64>(std::max(*stampedMs, m_historyStartMs)) : std::nullopt;
    if (!afterMs)
        return byStampMs;
    return std::max(byStampMs.value_or(*afterMs + 1), *afterMs + 1);
}

void RoomLineBook::placeHeld(qint64 atMs, Deciding &deciding)
{
    const Heard heard = heardAt(deciding.now);
    const qint64 count = qint64(deciding.held.size());
    for (qint64 i = 0; i < count; ++i) {
        const HistoryLine &line = *deciding.held[size_t(i)];
        const qint64 placedMs = atMs - count + i;
        remember(line.line, heard, placedMs);
        deciding.order.push_back(m_forgotten + m_shownLines.size() - 1);
        deciding.verdict.show.push_back({line.token, placedMs});
    }
    if (count > 0)
        placedUpTo(atMs - 1);
    deciding.held.clear();
}

bool RoomLineBook::heldAlready(const Said &line, const Deciding &deciding)
{
    return line.hasId()
        && std::any_of(deciding.held.cbegin(), deciding.held.cend(),
                       [&line](const HistoryLine *held) { return sameById(line, held->line); });
}

void RoomLineBook::show(const HistoryLine &line, qint64 atMs, Deciding &deciding)
{
    placedUpTo(atMs);
    remember(line.line, heardAt(deciding.now), atMs);
    deciding.order.push_back(m_forgotten + m_shownLines.size() - 1);
    deciding.verdict.show.push_back({line.token, atMs});
}

void RoomLineBook::followHistoryOrder(const std::vector<quint64> &order)
{
    // Where they stand now, in the history's order; a line shown once counts once.
    std::vector<size_t> places;
    places.reserve(order.size());
    std::vector<bool> taken(m_shownLines.size(), false);
    for (const quint64 shown : order) {
        if (shown < m_forgotten || taken[size_t(shown - m_forgotten)])
            continue;
        taken[size_t(shown - m_forgotten)] = true;
        places.push_back(size_t(shown - m_forgotten));
    }
    if (std::is_sorted(places.cbegin(), places.cend()))
        return;
    std::vector<ShownLine> lines;
    lines.reserve(places.size());
    for (const size_t place : places)
        lines.push_back(std::move(m_shownLines[place]));
    std::sort(places.begin(), places.end());
    for (size_t i = 0; i < places.size(); ++i)
        m_shownLines[places[i]] = std::move(lines[i]);
}

void RoomLineBook::placedUpTo(qint64 atMs)
{
    m_lastHistoryLineMs = std::max(m_lastHistoryLineMs.value_or(atMs), atMs);
}

void RoomLineBook::heardUpTo(const std::optional<qint64> &stampedMs, const Deciding &deciding)
{
    if (stampedMs)
        m_lastHeardMs = std::max(m_lastHeardMs, std::max(*stampedMs - deciding.stampsAheadMs, m_historyStartMs));
}

void RoomLineBook::remember(const Said &line, const Heard &heard, qint64 placedMs)
{
    if (m_shownLines.size() >= size_t(MaxShownLines)) {
        m_shownLines.pop_front();
        ++m_forgotten;
        if (m_shownBeforeHistory > 0)
            --m_shownBeforeHistory;
        if (m_reachedFrom > 0)
            --m_reachedFrom;
    }
    m_shownLines.push_back({line, heard, placedMs});
}
