#pragma once

#include <QList>
#include <QString>

#include <optional>

class QLineEdit;

// The user's lines that did not reach the chat, back in their input to be sent again.
// The input shows them as one text, before what was typed since; each keeps the id it
// was first sent with, so that sent again it reaches nobody twice, and one that turns
// out to have arrived after all can be taken out again. The input's length limit is
// for what the user types: it holds the lines whole, and takes as much typing besides.
class OfferedLines
{
public:
    struct Line
    {
        // Null for a line not sent yet.
        QString id;
        QString text;
    };

    // The input the lines go back into, with its limit for typed text; set before any
    // other call.
    void setInput(QLineEdit *input);

    // Puts the lines back after those offered already and before what was typed since.
    void putBack(const QList<Line> &lines);
    // Empties the input into the lines that Return sends: those offered, each with its
    // id, while the input still holds them as they were put back, and what was typed
    // after them as a new line; otherwise the input's text as one new line.
    QList<Line> take();
    // What became of a line offered again that had arrived after all.
    struct Settled
    {
        // Null when the line was not offered.
        QString text;
        // The user had edited the input, which keeps the edit; otherwise the line was
        // taken out of the input where it still stood as it was put back.
        bool editKept = false;
    };
    // The line goes from those offered, and from the input where it stands as it was
    // put back. The others offered stay, also in an edited input, to be settled too.
    Settled settle(const QString &id);

private:
    // The lines offered as the input shows them.
    QString offeredText() const;
    // What the input holds after the lines offered; none when it no longer holds them
    // as they were put back.
    std::optional<QString> typedAfter() const;
    // Shows the text whole, whatever the input's limit was.
    void setInputText(const QString &text);
    // The limit: the lines offered and as much typing as the input takes alone, or what
    // the input holds where that is more.
    void fitLimit();

    QLineEdit *m_input = nullptr;
    int m_typedLimit = 0;
    QList<Line> m_lines;
};
