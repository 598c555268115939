#include "chat/LineSender.h"

#include "app/Singleton.h"
#include "chat/ChatNotices.h"
#include "chat/ChatOutputWidget.h"
#include "connection/ServerTime.h"

#include <QLineEdit>

#include <utility>

LineSender::LineSender(QLineEdit *input, ChatOutputWidget *output) : m_input(input), m_output(output)
{
    m_offered.setInput(input);
}

void LineSender::sendInput(const Send &send, const LossUntold &lossUntold)
{
    const QList<OfferedLines::Line> lines = m_offered.take();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!send(lines.at(i)).isNull())
            continue;
        m_offered.putBack(lines.mid(i));
        if (lossUntold())
            m_notSentOwed = true;
        else
            reportNotSent();
        return;
    }
}

void LineSender::notSent(const QList<OfferedLines::Line> &lines, bool mayHaveGone)
{
    if (lines.isEmpty())
        return;
    m_offered.putBack(lines);
    m_notSentOwed = false;
    reportNotSent(mayHaveGone);
}

void LineSender::lossTold()
{
    if (std::exchange(m_notSentOwed, false))
        reportNotSent();
}

void LineSender::reportNotSent(bool mayHaveGone)
{
    m_output->addSystemMessage(Singleton<ServerTime>::instance().now(),
                               mayHaveGone ? ChatNotices::perhapsNotSent() : ChatNotices::notSent(m_input->isEnabled()));
}
