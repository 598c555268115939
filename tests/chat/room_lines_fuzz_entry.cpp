#include "room_lines_fuzz_entry.h"

#include "chat/xmpp/ClockSteps.h"
#include "chat/xmpp/RoomLineBook.h"

#include <QSet>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <vector>

using xmpp::ClockSteps;

namespace {

[[noreturn]] void broken(const char *rule, const QString &detail)
{
    std::fprintf(stderr, "room lines fuzz rule broken: %s\n%s\n", rule, qUtf8Printable(detail));
    std::abort();
}

// The run's local steady clock starts here, when the game server's clock reads
// 2026-12-09 06:10 UTC.
constexpr qint64 StartMs = 10'000'000;
constexpr qint64 EpochMs = 1'796'796'600'000;
// Lines said in a run, beyond which the room says no more.
constexpr int MaxLines = 400;
// Clock readings kept to judge against the steps the client sees later.
constexpr size_t MaxSamples = 64;

const QString Room = QStringLiteral("table-1@conference.localhost");
const QString Senders[] = {Room + QStringLiteral("/ann"), Room + QStringLiteral("/bob"), Room + QStringLiteral("/me")};
enum Sender { WithIds, WithoutIds, Own };

// The chat server's clocks: its system clock, which answers the client's questions, is
// the game server's clock off by a few seconds at most, and then set by steps; the clock
// it stamps by follows each step at 1% of the time since, or at once up to a minute
// later. A step comes only once the stamping clock has caught up with the one before and
// an answer has shown that one to the client.
class ServerClock
{
public:
    explicit ServerClock(qint64 offsetMs) : m_offsetMs(offsetMs) {}

    qint64 systemMs(qint64 localMs) const
    {
        qint64 offsetMs = m_offsetMs;
        for (const Step &step : m_steps) {
            if (step.atMs <= localMs)
                offsetMs += step.deltaMs;
        }
        return EpochMs + localMs - StartMs + offsetMs;
    }

    qint64 stampMs(qint64 localMs) const
    {
        const qint64 systemNowMs = systemMs(localMs);
        if (m_steps.empty() || m_steps.back().atMs > localMs)
            return systemNowMs;
        const Step &last = m_steps.back();
        if (last.slews) {
            const qint64 movedMs = (localMs - last.atMs) / ClockSteps::CatchUpDivisor;
            const qint64 sign = last.deltaMs < 0 ? -1 : 1;
            return movedMs >= std::abs(last.deltaMs) ? systemNowMs : systemNowMs - last.deltaMs + sign * movedMs;
        }
        return localMs < last.jumpsAtMs ? systemNowMs - last.deltaMs : systemNowMs;
    }

    bool set(qint64 localMs, qint64 deltaMs, bool slews, qint64 jumpAfterMs)
    {
        if (m_steps.size() >= size_t(ClockSteps::MaxSteps))
            return false;
        if (!m_steps.empty() && (!m_steps.back().seen || !caughtUp(m_steps.back(), localMs)))
            return false;
        m_steps.push_back({localMs, deltaMs, slews, localMs + jumpAfterMs, false});
        return true;
    }

    bool everSet() const { return !m_steps.empty(); }
    // The step that no answer has shown yet, where the clock was set since.
    std::optional<qint64> unseenStepAt() const
    {
        if (m_steps.empty() || m_steps.back().seen)
            return std::nullopt;
        return m_steps.back().atMs;
    }
    void seen() { m_steps.back().seen = true; }
    // Whether the client has seen every step before the local time.
    bool allSeenBy(qint64 localMs) const
    {
        return std::all_of(m_steps.cbegin(), m_steps.cend(), [localMs](const Step &step) {
            return step.atMs > localMs || step.seen;
        });
    }

private:
    struct Step
    {
        qint64 atMs;
        qint64 deltaMs;
        bool slews;
        qint64 jumpsAtMs;
        bool seen;
    };

    static bool caughtUp(const Step &step, qint64 localMs)
    {
        if (step.slews)
            return (localMs - step.atMs) / ClockSteps::CatchUpDivisor >= std::abs(step.deltaMs);
        return localMs >= step.jumpsAtMs;
    }

    qint64 m_offsetMs;
    std::vector<Step> m_steps;
};

// One line the room was told.
struct Said
{
    Sender sender;
    QString text;
    QString roomId;
    QString originId;
    QString messageId;
    // Whether the room's history keeps the room's stamp.
    bool stampKept;
    qint64 stampMs;
};

// What the client learnt of a line, since the last join from scratch.
struct Heard
{
    // When it last came by the local steady clock, and how far the reckoning of the chat
    // server's clock may have been off then.
    qint64 localMs = 0;
    qint64 errorMs = 0;
    int shown = 0;
};

class Run
{
public:
    Run(int keep, qint64 offsetMs) : m_keep(keep), m_server(offsetMs) {}

    void command(char op, uchar a, uchar b)
    {
        switch (op) {
        case 't': {
            static constexpr qint64 Steps[16] = {1,     20,    100,    400,    1000,    2000,    5000,    10000,
                                                 30000, 61000, 120000, 301000, 600000, 1800000, 3600000, 7200000};
            const qint64 base = Steps[a & 15];
            m_nowMs += base + base * b / 256;
            break;
        }
        case 'l':
            say(Sender(a % 3), a & 4, b);
            break;
        case 'j':
            join(b);
            break;
        case 'd':
            lose();
            break;
        case 'x':
            if (m_state == Joined)
                m_book.endHistory(now());
            m_state = Out;
            break;
        case 'a':
            answer(a, b);
            break;
        case 's': {
            static constexpr qint64 Deltas[16] = {300,    -300,    1500,    -1500,    3000,     -3000,     10000, -10000,
                                                  60000, -60000, 600000, -600000, 3600000, -3600000, 150,  -150};
            if (m_known)
                m_server.set(m_nowMs, Deltas[a & 15], b & 1, qint64(b >> 1) * 60000 / 127);
            break;
        }
        default:
            return;
        }
        checkClock();
    }

private:
    enum State { Out, Joined, Lost };
    // The room's stamps and the client's reckoning leave no doubt about which line a stamp
    // belongs to: the server's clock was never set, and the client's reckoning holds.
    bool clocksSure() const { return !m_server.everSet() && !m_clockBroken; }

    qint64 viewMs() const { return EpochMs + m_nowMs - StartMs; }

    RoomLineBook::Now now() const
    {
        RoomLineBook::Now now;
        now.ms = viewMs();
        now.localMs = m_nowMs;
        if (m_known) {
            now.roomMs = m_serverMs + m_nowMs - m_readMs;
            now.roomErrorMs = errorMs(m_readMs, m_roundTripMs);
            now.steps = &m_steps;
        } else {
            now.roomMs = now.ms;
            now.roomErrorMs = RoomLineBook::ClockSkewToleranceMs;
        }
        return now;
    }

    qint64 errorMs(qint64 readMs, qint64 roundTripMs) const
    {
        return (roundTripMs + 1) / 2 + 1 + (m_nowMs - readMs) / ClockSteps::DriftDivisor;
    }

    static bool hasId(const Said &line)
    {
        return !line.roomId.isNull() || !line.originId.isNull() || !line.messageId.isNull();
    }

    // Whether the sender said the same words without ids as close to the line as the
    // clocks may be off, or where a history may bring either without the room's stamp:
    // the client cannot tell which of the two a history repeats.
    bool saidAgainSoon(int serial) const
    {
        const Said &line = m_said[size_t(serial)];
        const qint64 windowMs = 2 * RoomLineBook::ClockSkewToleranceMs + ClockSteps::LateLineMs + 1000;
        for (int other = 0; other < int(m_said.size()); ++other) {
            const Said &said = m_said[size_t(other)];
            if (other != serial && !hasId(said) && said.sender == line.sender && said.text == line.text
                && (!said.stampKept || !line.stampKept || std::abs(said.stampMs - line.stampMs) <= windowMs))
                return true;
        }
        return false;
    }

    static QString describe(int serial, const Said &line)
    {
        return QStringLiteral("line %1 %2: %3 room id %4 origin id %5 stamp %6")
            .arg(QString::number(serial), Senders[line.sender], line.text, line.roomId, line.originId,
                 QString::number(line.stampMs));
    }

    RoomLineBook::Line bookLine(int serial, bool inHistory) const
    {
        const Said &said = m_said[size_t(serial)];
        RoomLineBook::Line line;
        line.sender = Senders[said.sender];
        line.text = said.text;
        line.roomId = said.roomId;
        line.originId = said.originId;
        line.messageId = said.messageId;
        if (inHistory && said.stampKept)
            line.stampMs = said.stampMs;
        return line;
    }

    void say(Sender sender, bool roomGivesId, uchar how)
    {
        if (m_said.size() >= size_t(MaxLines))
            return;
        // No two lines are said in the same millisecond.
        ++m_nowMs;
        const int serial = int(m_said.size());
        Said line{sender, QStringLiteral("words %1").arg(how % 3), QString(), QString(), QString(), !(how & 0x80),
                  m_server.stampMs(m_nowMs)};
        if (roomGivesId)
            line.roomId = QStringLiteral("room-%1").arg(serial);
        if (sender == WithIds)
            line.originId = QStringLiteral("ann-%1").arg(serial);
        if (sender == Own) {
            line.messageId = QStringLiteral("own-%1").arg(serial);
            if (how & 0x40)
                line.originId = line.messageId;
        }
        m_said.push_back(line);
        if (m_state != Joined)
            return;
        const quint64 token = ++m_lastToken;
        m_tokens[token] = serial;
        const RoomLineBook::Verdict verdict = m_book.liveLine(bookLine(serial, false), token, now());
        hear(serial);
        apply(verdict, serial);
        if (m_tokens.count(token))
            broken("a live line does not show", describe(serial, line));
    }

    void hear(int serial)
    {
        Heard &heard = m_heard[serial];
        heard.localMs = m_nowMs;
        heard.errorMs = now().roomErrorMs;
        m_lastHeard = std::max(m_lastHeard, serial);
    }

    // The lines the room keeps that a history asked for now brings.
    std::vector<int> history() const
    {
        std::vector<int> lines;
        const int first = std::max(0, int(m_said.size()) - m_keep);
        const int seconds = m_book.historySeconds();
        // The server counts the seconds from a whole second of its stamps.
        const qint64 roomNowMs = m_server.stampMs(m_nowMs);
        const qint64 fromMs = roomNowMs - roomNowMs % 1000 - qint64(seconds) * 1000;
        for (int serial = first; serial < int(m_said.size()); ++serial) {
            if (seconds < 0 || m_said[size_t(serial)].stampMs >= fromMs)
                lines.push_back(serial);
        }
        return lines;
    }

    void join(uchar how)
    {
        if (m_state == Joined)
            return;
        const bool again = m_state == Lost;
        if (again) {
            m_book.prepareRejoin(now());
        } else {
            m_book.reset();
            m_book.setOwnOccupant(Senders[Own]);
            m_heard.clear();
            m_shownWords.clear();
            m_tokens.clear();
            m_lastHeard = -1;
            m_cutShort = false;
        }
        m_book.historyRequested(now());
        const std::vector<int> lines = history();
        // The connection may be lost before the history's end.
        const size_t given = how & 0x80 ? std::min(lines.size(), size_t(how & 0x3f)) : lines.size();
        const int lastHeardBefore = m_lastHeard;
        m_pending.clear();
        for (size_t i = 0; i < given; ++i) {
            const int serial = lines[i];
            const quint64 token = ++m_lastToken;
            m_tokens[token] = serial;
            m_pending.push_back(token);
            const RoomLineBook::Verdict verdict = m_book.historyLine(bookLine(serial, true), token, now());
            hear(serial);
            apply(verdict, serial);
        }
        const RoomLineBook::Verdict end = m_book.endHistory(now());
        if (given < lines.size()) {
            // A history cut short is no run of lines up to the present: the lines without
            // ids that it repeats may be taken for new, and the runs of later histories
            // then end with them.
            m_cutShort = true;
            apply(end, -1);
            m_book.lostAt(viewMs());
            m_state = Lost;
            return;
        }
        if (again)
            checkMissing(lines, lastHeardBefore, end);
        apply(end, -1);
        m_state = Joined;
    }

    void lose()
    {
        if (m_state != Joined)
            return;
        apply(m_book.endHistory(now()), -1);
        m_book.lostAt(viewMs());
        m_state = Lost;
    }

    // What the book decided: the lines it shows are new, those of a history that its
    // stamps place in the room's order, those of a history decided that it does not show
    // were shown already, and the user's own line given is told.
    void apply(const RoomLineBook::Verdict &verdict, int given)
    {
        QStringList own;
        if (given >= 0 && m_said[size_t(given)].sender == Own)
            own << m_said[size_t(given)].messageId;
        if (verdict.ownLines != own)
            broken("the book does not tell the user's own line the room has, or tells another",
                   verdict.ownLines.join(QLatin1Char(' ')) + QStringLiteral(" / ") + own.join(QLatin1Char(' ')));
        std::optional<qint64> lastMs;
        for (const RoomLineBook::Placement &placement : verdict.show) {
            const auto token = m_tokens.find(placement.token);
            if (token == m_tokens.end())
                broken("the book shows a line it was not given, or one of its lines again",
                       QString::number(placement.token));
            const int serial = token->second;
            m_tokens.erase(token);
            const Said &line = m_said[size_t(serial)];
            // A line without a stamp that says when it was said goes where the lines around
            // it let it.
            if (placement.atMs && line.stampKept && line.stampMs <= now().roomMs) {
                if (lastMs && *placement.atMs <= *lastMs)
                    broken("a history's lines do not show in the room's order", describe(serial, line));
                lastMs = placement.atMs;
            }
            Heard &heard = m_heard[serial];
            const bool judged = hasId(line) || (clocksSure() && !m_cutShort && !saidAgainSoon(serial));
            if (heard.shown > 0 && judged)
                broken("a line shows twice", describe(serial, line));
            ++heard.shown;
            m_shownWords.insert(Senders[line.sender] + QLatin1Char('\n') + line.text);
        }
        if (!verdict.historyDecided)
            return;
        for (const quint64 token : m_pending) {
            const auto left = m_tokens.find(token);
            if (left == m_tokens.end())
                continue;
            const int serial = left->second;
            m_tokens.erase(left);
            const Said &line = m_said[size_t(serial)];
            const bool sameWordsShown = m_shownWords.contains(Senders[line.sender] + QLatin1Char('\n') + line.text);
            if (m_heard[serial].shown == 0 && (hasId(line) || !sameWordsShown))
                broken("a line of a history is lost", describe(serial, line));
        }
        m_pending.clear();
    }

    // A rejoin's history tells exactly where lines are missing: one that does not reach
    // back to the last line heard, with lines said since that never came, says so, where
    // none of its lines may be taken for the last heard; one that brings the last line
    // heard again, which the client knows again, says nothing of lines missing.
    void checkMissing(const std::vector<int> &lines, int lastHeard, const RoomLineBook::Verdict &end)
    {
        if (lines.empty() || lastHeard < 0 || !clocksSure() || m_cutShort)
            return;
        const Said &heard = m_said[size_t(lastHeard)];
        if (lines.front() <= lastHeard) {
            // Known again by its id; without one, by the run of lines the history repeats
            // (where the last line heard showed, and no same words said close by make it
            // one of two).
            const bool knownAgain = hasId(heard) || (m_heard.at(lastHeard).shown > 0 && !saidAgainSoon(lastHeard));
            if (knownAgain && end.missingAtMs)
                broken("a rejoin's history that brings the last line heard again says lines may be missing",
                       describe(lastHeard, heard) + QLatin1Char('\n') + describe(lines.front(), m_said[size_t(lines.front())]));
            return;
        }
        // Nothing said between.
        if (lines.front() == lastHeard + 1)
            return;
        if (!hasId(heard)) {
            // Which of the same words said close together the history repeats, the client
            // cannot tell.
            if (saidAgainSoon(lastHeard))
                return;
            // Nor whether the same words without ids are the last heard again, where their
            // stamp is missing or one the room can have put by the time that line came.
            const Heard &came = m_heard.at(lastHeard);
            const qint64 latestMs = m_server.stampMs(came.localMs)
                + 2 * std::max(came.errorMs, RoomLineBook::ClockSkewToleranceMs) + ClockSteps::LateLineMs;
            const bool mayRepeatHeard = std::any_of(lines.cbegin(), lines.cend(), [&](int serial) {
                const Said &line = m_said[size_t(serial)];
                return !hasId(line) && line.sender == heard.sender && line.text == heard.text
                    && (!line.stampKept || line.stampMs <= latestMs);
            });
            if (mayRepeatHeard)
                return;
        }
        if (!end.missingAtMs)
            broken("a rejoin's history that cannot reach back does not say lines may be missing",
                   describe(lastHeard, heard) + QLatin1Char('\n') + describe(lines.front(), m_said[size_t(lines.front())]));
    }

    // The client asks the server's clock; the answer comes after the round trip, read
    // at a share of the way. The fastest answer sets the reckoning, and one that the
    // reckoning cannot account for within both errors shows a step.
    void answer(uchar trip, uchar at)
    {
        static constexpr qint64 RoundTrips[8] = {0, 2, 10, 50, 200, 1000, 5000, 20000};
        const qint64 roundTripMs = RoundTrips[trip & 7];
        const qint64 askedMs = m_nowMs;
        m_nowMs += roundTripMs;
        const qint64 serverMs = m_server.systemMs(askedMs + roundTripMs * at / 255) + roundTripMs / 2;
        const qint64 answerErrorMs = (roundTripMs + 1) / 2 + 1;
        const ClockSteps::Reckoning after{serverMs - m_nowMs, m_nowMs, answerErrorMs};
        const std::optional<qint64> unseen = m_server.unseenStepAt();
        if (!m_known) {
            m_known = true;
        } else {
            const qint64 beforeErrorMs = errorMs(m_readMs, m_roundTripMs);
            const qint64 offMs = std::abs(serverMs - (m_serverMs + m_nowMs - m_readMs));
            const bool closer = answerErrorMs < beforeErrorMs;
            const ClockSteps::Reckoning before{m_serverMs - m_readMs, m_readMs, (m_roundTripMs + 1) / 2 + 1};
            if (offMs > answerErrorMs + beforeErrorMs) {
                if (!unseen)
                    broken("harness: an answer shows a step the server's clock did not take", QString());
                // The step came after the last question asked before it.
                qint64 sinceMs = m_askedMs.front();
                for (const qint64 asked : m_askedMs) {
                    if (asked <= *unseen)
                        sinceMs = asked;
                }
                m_steps.stepped(sinceMs, before, after);
                m_server.seen();
                m_askedMs.clear();
            } else if (closer) {
                // A closer reading that hides a step leaves the client unable to see it.
                if (unseen && *unseen <= askedMs + roundTripMs)
                    m_clockBroken = true;
                m_steps.refined(after);
            } else {
                m_askedMs.push_back(askedMs);
                return;
            }
        }
        m_serverMs = serverMs;
        m_readMs = m_nowMs;
        m_roundTripMs = roundTripMs;
        m_askedMs.assign(1, askedMs);
    }

    // While the client knows the server's clock, the stamps the server can have put at
    // each time it was read lie where the client takes them to stand then, with the steps
    // it has seen by now.
    void checkClock()
    {
        if (!m_known || m_clockBroken)
            return;
        const qint64 readingMs = m_serverMs + m_nowMs - m_readMs;
        const qint64 readingErrorMs = errorMs(m_readMs, m_roundTripMs);
        if (m_samples.size() < MaxSamples && (m_samples.empty() || m_samples.back().localMs != m_nowMs))
            m_samples.push_back({m_nowMs, readingMs, readingErrorMs, m_server.stampMs(m_nowMs)});
        for (const Sample &sample : m_samples) {
            if (!m_server.allSeenBy(sample.localMs))
                continue;
            const std::vector<ClockSteps::Span> spans =
                m_steps.spans(sample.localMs, {sample.nowMs - sample.errorMs, sample.nowMs + sample.errorMs});
            const bool inSpans = std::any_of(spans.cbegin(), spans.cend(), [&sample](const ClockSteps::Span &span) {
                return span.fromMs <= sample.stampMs && sample.stampMs <= span.toMs;
            });
            if (!inSpans || !ClockSteps::stampedBy(sample.stampMs, spans)) {
                QStringList where;
                for (const ClockSteps::Span &span : spans)
                    where << QStringLiteral("%1..%2").arg(QString::number(span.fromMs), QString::number(span.toMs));
                broken("the clock steps leave out where the server stamped",
                       QStringLiteral("at %1 the server stamped %2, the client takes %3 +- %4 and the spans %5")
                           .arg(QString::number(sample.localMs), QString::number(sample.stampMs),
                                QString::number(sample.nowMs), QString::number(sample.errorMs),
                                where.join(QLatin1Char(' '))));
            }
        }
    }

    struct Sample
    {
        qint64 localMs;
        qint64 nowMs;
        qint64 errorMs;
        qint64 stampMs;
    };

    const int m_keep;
    qint64 m_nowMs = StartMs;
    ServerClock m_server;
    RoomLineBook m_book;
    State m_state = Out;
    std::vector<Said> m_said;
    std::map<int, Heard> m_heard;
    // The sender and words of every line shown since the join from scratch.
    QSet<QString> m_shownWords;
    int m_lastHeard = -1;
    // A history was cut short since the join from scratch.
    bool m_cutShort = false;
    // The lines given the book that it has not shown, by token, and those of the history
    // under way.
    std::map<quint64, int> m_tokens;
    std::vector<quint64> m_pending;
    quint64 m_lastToken = 0;

    // The client's reckoning of the server's clock, and the steps it has seen.
    bool m_known = false;
    qint64 m_serverMs = 0;
    qint64 m_readMs = 0;
    qint64 m_roundTripMs = 0;
    // The questions asked since the reckoning was read whose answers agreed with it.
    std::vector<qint64> m_askedMs;
    bool m_clockBroken = false;
    ClockSteps m_steps;
    std::vector<Sample> m_samples;
};

} // namespace

void fuzzRoomLinesInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return;
    Run run(1 + data[0] % 64, (qint64(data[1]) - 128) * 4000 / 128);
    for (std::size_t at = 2; at + 3 <= size; at += 3)
        run.command(char(data[at]), data[at + 1], data[at + 2]);
}
