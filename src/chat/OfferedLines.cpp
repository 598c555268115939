#include "chat/OfferedLines.h"

#include <QLineEdit>
#include <QStringList>

namespace {

const QChar Separator = QLatin1Char(' ');

QString joined(const QList<OfferedLines::Line> &lines, const QString &typed)
{
    QStringList texts;
    for (const OfferedLines::Line &line : lines)
        texts.append(line.text);
    if (!typed.isEmpty())
        texts.append(typed);
    return texts.join(Separator);
}

} // namespace

void OfferedLines::setInput(QLineEdit *input)
{
    m_input = input;
    m_typedLimit = input->maxLength();
}

QString OfferedLines::offeredText() const
{
    return joined(m_lines, QString());
}

std::optional<QString> OfferedLines::typedAfter() const
{
    const QString text = m_input->text();
    const QString offered = offeredText();
    if (text == offered)
        return QString();
    if (text.startsWith(offered + Separator))
        return text.mid(offered.size() + 1);
    return std::nullopt;
}

void OfferedLines::putBack(const QList<Line> &lines)
{
    std::optional<QString> typed = m_lines.isEmpty() ? m_input->text() : typedAfter();
    // The user has rewritten what was offered: it is a line of its own now.
    if (!typed) {
        typed = m_input->text();
        m_lines.clear();
    }
    m_lines.append(lines);
    setInputText(joined(m_lines, *typed));
}

QList<OfferedLines::Line> OfferedLines::take()
{
    QList<Line> lines;
    const std::optional<QString> typed = m_lines.isEmpty() ? std::nullopt : typedAfter();
    if (typed) {
        lines = m_lines;
        if (!typed->isEmpty())
            lines.append({QString(), *typed});
    } else if (!m_input->text().isEmpty()) {
        lines.append({QString(), m_input->text()});
    }
    m_lines.clear();
    m_input->clear();
    m_input->setMaxLength(m_typedLimit);
    return lines;
}

OfferedLines::Settled OfferedLines::settle(const QString &id)
{
    if (id.isEmpty())
        return {};
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (m_lines.at(i).id != id)
            continue;
        const QString text = m_lines.at(i).text;
        const std::optional<QString> typed = typedAfter();
        m_lines.removeAt(i);
        if (!typed) {
            fitLimit();
            return {text, !m_input->text().isEmpty()};
        }
        setInputText(joined(m_lines, *typed));
        return {text, false};
    }
    return {};
}

void OfferedLines::setInputText(const QString &text)
{
    // The input cuts a text longer than its limit: the limit makes room first.
    m_input->setMaxLength(int(qMax<qsizetype>(m_input->maxLength(), text.size())));
    m_input->setText(text);
    fitLimit();
}

void OfferedLines::fitLimit()
{
    const qsizetype offered = m_lines.isEmpty() ? 0 : offeredText().size() + 1;
    m_input->setMaxLength(int(qMax<qsizetype>(m_input->text().size(), offered + m_typedLimit)));
}
