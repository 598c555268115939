#pragma once

#include "chat/OfferedLines.h"

#include <QList>
#include <QString>

#include <functional>

class ChatOutputWidget;
class QLineEdit;

// The way of the user's lines from the input of a chat view, a room's or a one-to-one
// chat's, to the chat connection. Return sends what the input holds, the lines offered
// again each with its id; a line that does not reach the connection goes back into the
// input with those after it, as do the lines that went out and that the server did not
// confirm. The pane says that they were not sent: at once, or after its notice of the
// loss of the connection while that loss is not handled yet. A notice offers the input
// only while the input can be used.
class LineSender
{
public:
    // Sends the line and shows it waiting; the id it went out under, null when it did
    // not reach the chat connection.
    using Send = std::function<QString(const OfferedLines::Line &line)>;
    // Whether the connection is lost and the pane has not told it yet.
    using LossUntold = std::function<bool()>;

    LineSender(QLineEdit *input, ChatOutputWidget *output);

    // Sends the lines the input holds, in order, until one does not go out.
    void sendInput(const Send &send, const LossUntold &lossUntold);
    // Lines that went out and did not reach the server or the room, or may not have
    // reached it, in the order sent, go back.
    void notSent(const QList<OfferedLines::Line> &lines, bool mayHaveGone = false);
    // The pane has told of the loss: the notice of a line that did not go out follows.
    void lossTold();
    // Tells that the input's text was not sent, or may not have been, as the chat is
    // disconnected.
    void reportNotSent(bool mayHaveGone = false);
    OfferedLines &offered() { return m_offered; }

private:
    QLineEdit *m_input;
    ChatOutputWidget *m_output;
    OfferedLines m_offered;
    // A line did not go out as the connection was lost, and the pane has not told of
    // the loss yet.
    bool m_notSentOwed = false;
};
