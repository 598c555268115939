#pragma once

#include "app/ClientText.h"

#include <QColor>
#include <QDateTime>
#include <QTextBrowser>
#include <QTimer>

#include <map>
#include <vector>

// The read-only list of chat lines of every chat view: time, nick link and text, or a
// system line. Lines are kept in time order; one that arrives late (room history, a
// delayed message) is put in its place. A date line goes before the first line of
// each day. At most the newest MaxLines lines are kept (beyond that the oldest quarter
// goes), and a message is shown up to MaxMessageLength characters. Lines added in one
// pass of the event loop are shown together in the next, laid out and scrolled to
// once, at most MaxLinesPerPass of them at a time; of a burst of more than the view
// keeps only the newest are shown. A line of the user's that waits for its verdict (the
// server's confirmation; in a room, the room passing it on) shows greyed below all
// others until it is said or not sent. Everything the client writes in the pane (times,
// dates, the system lines, the marks of the lines) shows in the language of the moment:
// a language change writes it anew, while the words of the players and of the servers
// stay as they came, and the lines the player was reading stay in view.
class ChatOutputWidget : public QTextBrowser
{
    Q_OBJECT
    Q_PROPERTY(QColor timeColor READ timeColor WRITE setTimeColor)
    Q_PROPERTY(QColor nickColor READ nickColor WRITE setNickColor)
    Q_PROPERTY(QColor unknownNickColor READ unknownNickColor WRITE setUnknownNickColor)
    Q_PROPERTY(QString unknownNickStyle READ unknownNickStyle WRITE setUnknownNickStyle)
    Q_PROPERTY(QColor managerNickColor READ managerNickColor WRITE setManagerNickColor)
    Q_PROPERTY(QString managerNickStyle READ managerNickStyle WRITE setManagerNickStyle)
    Q_PROPERTY(QColor chatMessageColor READ chatMessageColor WRITE setChatMessageColor)
    Q_PROPERTY(QColor systemMessageColor READ systemMessageColor WRITE setSystemMessageColor)
    Q_PROPERTY(QColor dateSeparatorColor READ dateSeparatorColor WRITE setDateSeparatorColor)
    Q_PROPERTY(QColor waitingMessageColor READ waitingMessageColor WRITE setWaitingMessageColor)

public:
    // The sender's role colours the nick.
    enum Role { UnknownRole = 0, UserRole = 1, ManagerRole = 2 };

    static constexpr int MaxLines = 1000;
    static constexpr int MaxMessageLength = 1000;
    static constexpr int MaxLinesPerPass = 50;

    explicit ChatOutputWidget(QWidget *parent = nullptr);

    void addMessage(const QDateTime &time, const QString &nick, const QString &text, int role);
    void addSystemMessage(const QDateTime &time, const ClientText &text);
    // The user's line sent with this id, waiting for its verdict: it shows until it is
    // removed, as it comes as said or goes back to the input.
    void addWaitingMessage(const QString &id, const QDateTime &time, const QString &nick, const QString &text);
    // False when no line waits under the id.
    bool removeWaitingMessage(const QString &id);

    // "unknown", "user" or "manager": also the scheme of the nick links.
    static QString roleName(int role);
    // The nick a nick link of a chat line carries.
    static QString nickFromUrl(const QUrl &url);

    QColor timeColor() const { return m_timeColor; }
    void setTimeColor(const QColor &colour) { m_timeColor = colour; }
    QColor nickColor() const { return m_nickColor; }
    void setNickColor(const QColor &colour) { m_nickColor = colour; }
    QColor unknownNickColor() const { return m_unknownNickColor; }
    void setUnknownNickColor(const QColor &colour) { m_unknownNickColor = colour; }
    QString unknownNickStyle() const { return m_unknownNickStyle; }
    void setUnknownNickStyle(const QString &style) { m_unknownNickStyle = style; }
    QColor managerNickColor() const { return m_managerNickColor; }
    void setManagerNickColor(const QColor &colour) { m_managerNickColor = colour; }
    QString managerNickStyle() const { return m_managerNickStyle; }
    void setManagerNickStyle(const QString &style) { m_managerNickStyle = style; }
    QColor chatMessageColor() const { return m_chatMessageColor; }
    void setChatMessageColor(const QColor &colour) { m_chatMessageColor = colour; }
    QColor systemMessageColor() const { return m_systemMessageColor; }
    void setSystemMessageColor(const QColor &colour) { m_systemMessageColor = colour; }
    QColor dateSeparatorColor() const { return m_dateSeparatorColor; }
    void setDateSeparatorColor(const QColor &colour) { m_dateSeparatorColor = colour; }
    QColor waitingMessageColor() const { return m_waitingMessageColor; }
    void setWaitingMessageColor(const QColor &colour) { m_waitingMessageColor = colour; }

signals:
    // A click on a user's nick: the nick and the global position for the menu.
    void userMenuRequested(const QString &nick, const QPoint &position);

public slots:
    void onAnchorClicked(const QUrl &url);
    // Builds the view anew from every line, those still waiting too.
    void repopulateMessages();

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // A line as it came, written anew in each language.
    struct Line
    {
        enum Kind { Said, System, Waiting };
        Kind kind = Said;
        QString nick;
        QString text;
        int role = UnknownRole;
        ClientText notice;

        bool operator==(const Line &other) const
        {
            return kind == other.kind && nick == other.nick && text == other.text && role == other.role
                && notice == other.notice;
        }
    };
    // The lines of one time, in the order they came.
    struct TimeLines
    {
        QDate date;
        std::vector<Line> lines;
    };
    using LineMap = std::map<QDateTime, TimeLines>;
    struct PendingLine
    {
        QDateTime time;
        Line line;
    };
    struct WaitingLine
    {
        QString id;
        QDateTime time;
        Line line;
    };

    void insertLine(const QDateTime &time, const Line &line);
    void showPendingLines();
    // More lines wait than the view keeps: the oldest of them would go before they
    // are seen.
    void dropUnseenLines();
    // Keeps the line; the end when it is not kept (a copy of one kept, or older than
    // all in a full list).
    LineMap::iterator keepLine(const QDateTime &local, const Line &line);
    void placeLine(const QDateTime &local, const Line &line);
    void dropOldestLines(int count);
    void forgetOldestLine();
    // Puts the HTML in as block number `number`, before the block that has it now.
    void insertBlock(int number, const QString &html);
    // Removes the blocks from number first up to before number end.
    void removeBlocks(QTextCursor &cursor, int first, int end);
    QString dateLine(const QDateTime &time) const;
    // The text up to its longest shown, escaped.
    static QString shownText(const QString &text);
    // A kept line as it shows now, in the language of the moment.
    QString lineHtml(const Line &line, const QDateTime &time) const;
    // The blocks of the lines shown, before those of the waiting lines.
    int shownBlockCount() const;
    void scrollToBottom();
    // The block at the top of a pane scrolled up to earlier lines; -1 at its end.
    int readingBlock() const;
    // Scrolls the block to the top, or to the end for -1.
    void showReading(int block);
    QString nickStyle(int role) const;
    void registerManagerIcon();
    static void insertManagerIcon(QTextCursor &cursor);

    QColor m_timeColor = Qt::yellow;
    QColor m_nickColor = Qt::yellow;
    QColor m_unknownNickColor;
    QString m_unknownNickStyle;
    QColor m_managerNickColor;
    QString m_managerNickStyle;
    QColor m_chatMessageColor = Qt::white;
    QColor m_systemMessageColor = QColor(0xce, 0xb6, 0x93);
    QColor m_dateSeparatorColor = QColor(0x98, 0x7d, 0x60);
    QColor m_waitingMessageColor = QColor(0x9a, 0x9a, 0x9a);

    // The lines shown, by local time.
    LineMap m_lines;
    int m_lineCount = 0;
    // Lines to show in the next pass, in the order they came.
    std::vector<PendingLine> m_pendingLines;
    // The user's waiting lines, in the order sent: the last blocks of the document.
    // Which lines wait is their owner's to say.
    std::vector<WaitingLine> m_waitingLines;
    // A timer rather than a posted call, so that a burst leaves input and other timers
    // their turn between passes.
    QTimer m_showTimer;
    // Scrolls back to the lines read before a change of language or font, once the
    // change is through.
    QTimer m_keepReading;
    int m_readingBlock = -1;
};
