#include "chat/ChatOutputWidget.h"

#include "app/Utils.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QImage>
#include <QMenu>
#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QUrl>

#include <algorithm>
#include <memory>
#include <utility>

namespace {

const QString ManagerIconName = QStringLiteral("textimages:chat-manager-icon.png");
const QString ManagerIconHtml = QStringLiteral("<img src='%1' alt='Manager'/>").arg(ManagerIconName);

} // namespace

ChatOutputWidget::ChatOutputWidget(QWidget *parent) : QTextBrowser(parent)
{
    setReadOnly(true);
    // The lines are only ever added: no undo history of them.
    document()->setUndoRedoEnabled(false);
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &ChatOutputWidget::onAnchorClicked);
    m_showTimer.setSingleShot(true);
    m_showTimer.setInterval(0);
    connect(&m_showTimer, &QTimer::timeout, this, &ChatOutputWidget::showPendingLines);
    m_keepReading.setSingleShot(true);
    m_keepReading.setInterval(0);
    connect(&m_keepReading, &QTimer::timeout, this, [this] { showReading(m_readingBlock); });
    registerManagerIcon();
}

QString ChatOutputWidget::roleName(int role)
{
    switch (role) {
    case UserRole:
        return QStringLiteral("user");
    case ManagerRole:
        return QStringLiteral("manager");
    default:
        return QStringLiteral("unknown");
    }
}

QString ChatOutputWidget::nickFromUrl(const QUrl &url)
{
    // Nicks are chosen by other users and may hold anything, so a link carries its
    // nick percent-encoded as the whole path: "user:Mei%20Ling".
    return url.path(QUrl::FullyDecoded);
}

void ChatOutputWidget::addMessage(const QDateTime &time, const QString &nick, const QString &text, int role)
{
    insertLine(time, Line{Line::Said, nick, text, role, {}});
}

QString ChatOutputWidget::shownText(const QString &text)
{
    return Utils::cutText(text, MaxMessageLength).toHtmlEscaped();
}

QString ChatOutputWidget::lineHtml(const Line &line, const QDateTime &time) const
{
    switch (line.kind) {
    case Line::System:
        return Utils::fontHtml(line.notice.toHtml(), m_systemMessageColor);
    case Line::Waiting: {
        const QString shown = tr("%1 %2: %3 (sending…)")
                                  .arg(tr("(%1)").arg(Utils::localTimeText(time)), line.nick.toHtmlEscaped(),
                                       shownText(line.text));
        return QStringLiteral("<i>%1</i>").arg(Utils::fontHtml(shown, m_waitingMessageColor));
    }
    case Line::Said:
        break;
    }
    const QString timePart = Utils::fontHtml(tr("(%1)").arg(Utils::localTimeText(time)), m_timeColor);
    const QString url =
        roleName(line.role) + QLatin1Char(':') + QString::fromLatin1(QUrl::toPercentEncoding(line.nick));
    QString nickPart = Utils::styledLinkHtml(url, line.nick.toHtmlEscaped(), nickStyle(line.role));
    if (line.role == ManagerRole)
        nickPart += ManagerIconHtml;
    const QString textPart = Utils::fontHtml(shownText(line.text), m_chatMessageColor);
    return tr("%1 %2: %3").arg(timePart, nickPart, textPart);
}

void ChatOutputWidget::addWaitingMessage(const QString &id, const QDateTime &time, const QString &nick,
                                         const QString &text)
{
    const Line line{Line::Waiting, nick, text, UnknownRole, {}};
    m_waitingLines.push_back({id, time, line});
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.movePosition(QTextCursor::End);
    if (!document()->isEmpty())
        cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    cursor.insertHtml(lineHtml(line, time));
    cursor.endEditBlock();
    scrollToBottom();
}

bool ChatOutputWidget::removeWaitingMessage(const QString &id)
{
    const auto waiting = std::find_if(m_waitingLines.begin(), m_waitingLines.end(),
                                      [&id](const WaitingLine &line) { return line.id == id; });
    if (waiting == m_waitingLines.end())
        return false;
    const int number = shownBlockCount() + int(waiting - m_waitingLines.begin());
    m_waitingLines.erase(waiting);
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    const QTextBlock block = document()->findBlockByNumber(number);
    if (number + 1 < document()->blockCount()) {
        // With the break after it.
        cursor.setPosition(block.position());
        cursor.setPosition(document()->findBlockByNumber(number + 1).position(), QTextCursor::KeepAnchor);
    } else if (number > 0) {
        // The last block, with the break before it.
        cursor.setPosition(block.position() - 1);
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    } else {
        cursor.select(QTextCursor::Document);
    }
    cursor.removeSelectedText();
    // A block left empty keeps the format of what it held.
    if (document()->isEmpty())
        cursor.setBlockCharFormat(QTextCharFormat());
    cursor.endEditBlock();
    return true;
}

int ChatOutputWidget::shownBlockCount() const
{
    if (m_waitingLines.empty())
        return document()->isEmpty() ? 0 : document()->blockCount();
    return document()->blockCount() - int(m_waitingLines.size());
}

void ChatOutputWidget::addSystemMessage(const QDateTime &time, const ClientText &text)
{
    insertLine(time, Line{Line::System, {}, {}, UnknownRole, text});
}

QString ChatOutputWidget::nickStyle(int role) const
{
    QColor colour = m_nickColor;
    if (role == UnknownRole) {
        if (!m_unknownNickStyle.isEmpty())
            return m_unknownNickStyle;
        if (m_unknownNickColor.isValid())
            colour = m_unknownNickColor;
    } else if (role == ManagerRole) {
        if (!m_managerNickStyle.isEmpty())
            return m_managerNickStyle;
        if (m_managerNickColor.isValid())
            colour = m_managerNickColor;
    }
    return QStringLiteral("color: ") + colour.name();
}

void ChatOutputWidget::insertLine(const QDateTime &time, const Line &line)
{
    m_pendingLines.push_back({time.toLocalTime(), line});
    if (!m_showTimer.isActive())
        m_showTimer.start();
}

void ChatOutputWidget::showPendingLines()
{
    if (m_pendingLines.size() > size_t(MaxLines))
        dropUnseenLines();
    const auto end = m_pendingLines.begin() + std::min(m_pendingLines.size(), size_t(MaxLinesPerPass));
    // One edit of the document for all: one layout.
    QTextCursor edit(document());
    edit.beginEditBlock();
    for (auto line = m_pendingLines.begin(); line != end; ++line)
        placeLine(line->time, line->line);
    edit.endEditBlock();
    m_pendingLines.erase(m_pendingLines.begin(), end);
    scrollToBottom();
    if (!m_pendingLines.empty())
        m_showTimer.start();
}

void ChatOutputWidget::dropUnseenLines()
{
    // Lines of one time keep the order they came in.
    std::stable_sort(m_pendingLines.begin(), m_pendingLines.end(),
                     [](const PendingLine &a, const PendingLine &b) { return a.time < b.time; });
    m_pendingLines.erase(m_pendingLines.begin(), m_pendingLines.end() - MaxLines);
}

ChatOutputWidget::LineMap::iterator ChatOutputWidget::keepLine(const QDateTime &local, const Line &line)
{
    // In a full history a line older than all others would go at once.
    if (m_lineCount >= MaxLines && local < m_lines.begin()->first)
        return m_lines.end();
    const auto entry = m_lines.try_emplace(local, TimeLines{local.date(), {}}).first;
    std::vector<Line> &sameTime = entry->second.lines;
    // The same line again (history sent once more on a rejoin) is kept once.
    if (std::find(sameTime.begin(), sameTime.end(), line) != sameTime.end())
        return m_lines.end();
    sameTime.push_back(line);
    ++m_lineCount;
    return entry;
}

void ChatOutputWidget::placeLine(const QDateTime &local, const Line &line)
{
    const auto entry = keepLine(local, line);
    if (entry == m_lines.end())
        return;
    const QDate date = entry->second.date;
    const std::vector<Line> &sameTime = entry->second.lines;

    // The block after the line before it, and that line's date.
    int block = 0;
    QDate previousDate;
    const auto next = std::next(entry);
    if (next == m_lines.end()) {
        // In order, as nearly every line comes: at the end, above the waiting lines.
        block = shownBlockCount();
        if (sameTime.size() > 1)
            previousDate = date;
        else if (entry != m_lines.begin())
            previousDate = std::prev(entry)->second.date;
    } else {
        const auto countBlocks = [&block, &previousDate](const QDate &day, int lines) {
            if (day != previousDate) {
                previousDate = day;
                ++block;
            }
            block += lines;
        };
        for (auto it = m_lines.begin(); it != entry; ++it)
            countBlocks(it->second.date, int(it->second.lines.size()));
        if (sameTime.size() > 1)
            countBlocks(date, int(sameTime.size()) - 1);
    }
    if (previousDate != date) {
        if (next != m_lines.end() && next->second.date == date) {
            // The next line's date line becomes this one's.
            ++block;
        } else {
            insertBlock(block, dateLine(local));
            ++block;
        }
    }
    insertBlock(block, lineHtml(line, local));
    // Lines at the top go in batches: each removal there lays out all the rest again.
    if (m_lineCount > MaxLines)
        dropOldestLines(MaxLines / 4 + 1);
}

void ChatOutputWidget::dropOldestLines(int count)
{
    // Their blocks run from the top to `blocks`; the date line at `lastDateLine` stays
    // when a line of its day is kept.
    int blocks = 0;
    int lastDateLine = 0;
    QDate lastDay;
    for (int dropped = 0; dropped < count; ++dropped) {
        const auto oldest = m_lines.begin();
        if (oldest->second.date != lastDay) {
            lastDay = oldest->second.date;
            lastDateLine = blocks++;
        }
        ++blocks;
        forgetOldestLine();
    }
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    if (m_lines.begin()->second.date == lastDay) {
        removeBlocks(cursor, lastDateLine + 1, blocks);
        removeBlocks(cursor, 0, lastDateLine);
    } else {
        removeBlocks(cursor, 0, blocks);
    }
    cursor.endEditBlock();
}

void ChatOutputWidget::forgetOldestLine()
{
    const auto oldest = m_lines.begin();
    std::vector<Line> &lines = oldest->second.lines;
    lines.erase(lines.begin());
    if (lines.empty())
        m_lines.erase(oldest);
    --m_lineCount;
}

void ChatOutputWidget::insertBlock(int number, const QString &html)
{
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    const bool atTop = number == 0 && !document()->isEmpty();
    if (number > 0) {
        const QTextBlock before = document()->findBlockByNumber(number - 1);
        cursor.setPosition(before.position() + before.length() - 1);
        cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    }
    // An image in inserted HTML costs a pass over the whole document; inserted on its
    // own it does not.
    const qsizetype icon = html.indexOf(ManagerIconHtml);
    if (icon < 0) {
        cursor.insertHtml(html);
    } else {
        cursor.insertHtml(html.left(icon));
        insertManagerIcon(cursor);
        cursor.insertHtml(html.mid(icon + ManagerIconHtml.size()));
    }
    if (atTop)
        cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    cursor.endEditBlock();
}

void ChatOutputWidget::removeBlocks(QTextCursor &cursor, int first, int end)
{
    if (first == end)
        return;
    cursor.setPosition(document()->findBlockByNumber(first).position());
    cursor.setPosition(document()->findBlockByNumber(end).position(), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

QString ChatOutputWidget::dateLine(const QDateTime &time) const
{
    return Utils::fontHtml(Utils::localDateText(time), m_dateSeparatorColor);
}

void ChatOutputWidget::repopulateMessages()
{
    const int topBlock = readingBlock();
    m_showTimer.stop();
    for (const PendingLine &line : std::exchange(m_pendingLines, {}))
        keepLine(line.time, line.line);
    while (m_lineCount > MaxLines)
        forgetOldestLine();
    // One document for all lines: far cheaper than appending them one by one. The
    // manager icons go in afterwards, as images in HTML are costly to import.
    QString html;
    std::vector<int> iconBlocks;
    int blocks = 0;
    const auto addBlock = [&html, &blocks](const QString &line) {
        html += QStringLiteral("<div>") + line + QStringLiteral("</div>");
        ++blocks;
    };
    QDate lastDate;
    for (const auto &[time, entry] : m_lines) {
        if (entry.date != lastDate) {
            lastDate = entry.date;
            addBlock(dateLine(time));
        }
        for (const Line &kept : entry.lines) {
            const QString line = lineHtml(kept, time);
            const qsizetype icon = line.indexOf(ManagerIconHtml);
            if (icon >= 0) {
                iconBlocks.push_back(blocks);
                addBlock(line.left(icon) + line.mid(icon + ManagerIconHtml.size()));
            } else {
                addBlock(line);
            }
        }
    }
    for (const WaitingLine &waiting : m_waitingLines)
        addBlock(lineHtml(waiting.line, waiting.time));
    setHtml(html);
    registerManagerIcon();
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    for (int number : iconBlocks) {
        const QTextBlock block = document()->findBlockByNumber(number);
        int afterNick = -1;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorHref().startsWith(QLatin1String("manager:")))
                afterNick = it.fragment().position() + it.fragment().length();
        }
        if (afterNick >= 0) {
            cursor.setPosition(afterNick);
            insertManagerIcon(cursor);
        }
    }
    cursor.endEditBlock();
    showReading(topBlock);
}

int ChatOutputWidget::readingBlock() const
{
    const QScrollBar *bar = verticalScrollBar();
    // The line mostly in view at the top.
    return bar->value() < bar->maximum() ? cursorForPosition(QPoint(0, fontMetrics().height() / 2)).blockNumber() : -1;
}

void ChatOutputWidget::showReading(int block)
{
    const QTextBlock top = document()->findBlockByNumber(block);
    if (!top.isValid()) {
        scrollToBottom();
        return;
    }
    // Laid out whole first, so that the view can scroll that far.
    document()->documentLayout()->documentSize();
    verticalScrollBar()->setValue(int(document()->documentLayout()->blockBoundingRect(top).top()));
}

void ChatOutputWidget::scrollToBottom()
{
    QScrollBar *bar = verticalScrollBar();
    if (!bar->isSliderDown())
        bar->setValue(bar->maximum());
}

void ChatOutputWidget::insertManagerIcon(QTextCursor &cursor)
{
    QTextImageFormat image;
    image.setName(ManagerIconName);
    cursor.insertImage(image);
}

void ChatOutputWidget::registerManagerIcon()
{
    // The document does not look through the search paths itself.
    document()->addResource(QTextDocument::ImageResource, QUrl(ManagerIconName), QImage(ManagerIconName));
}

void ChatOutputWidget::changeEvent(QEvent *event)
{
    // The times and dates are written as the language writes them, and the manager's
    // mark is a picture in the language of the texts.
    // The lines the player reads stay in view once the change is through, with the
    // language's own font, which lays the lines out anew.
    if ((event->type() == QEvent::LanguageChange || event->type() == QEvent::FontChange) && !m_keepReading.isActive()) {
        m_readingBlock = readingBlock();
        m_keepReading.start();
    }
    if (event->type() == QEvent::LanguageChange)
        repopulateMessages();
    QTextBrowser::changeEvent(event);
}

void ChatOutputWidget::onAnchorClicked(const QUrl &url)
{
    qDebug().noquote() << "Anchor clicked, url: " + url.toString();
    if (url.scheme() == QLatin1String("user"))
        emit userMenuRequested(nickFromUrl(url), QCursor::pos());
}

void ChatOutputWidget::contextMenuEvent(QContextMenuEvent *event)
{
    const QUrl url(anchorAt(event->pos()));
    const QString scheme = url.scheme();
    if (scheme == QLatin1String("user")) {
        emit userMenuRequested(nickFromUrl(url), event->globalPos());
        return;
    }
    if (scheme == QLatin1String("manager") || scheme == QLatin1String("unknown"))
        return;
    std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos()));
    menu->exec(event->globalPos());
}
