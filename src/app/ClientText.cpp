#include "app/ClientText.h"

#include <QCoreApplication>

#include <cstring>

ClientText ClientText::words(const QString &words)
{
    ClientText text;
    text.m_words = words;
    return text;
}

QString ClientText::toString() const
{
    return render(false);
}

QString ClientText::toHtml() const
{
    return render(true);
}

QString ClientText::render(bool html) const
{
    if (!m_source)
        return html ? m_words.toHtmlEscaped() : m_words;
    QString text = QCoreApplication::translate(m_context, m_source, m_comment);
    if (html)
        text = text.toHtmlEscaped();
    std::vector<QString> args;
    for (const ClientText &arg : m_args)
        args.push_back(arg.render(html));
    switch (args.size()) {
    case 0:
        return text;
    case 1:
        return text.arg(args[0]);
    case 2:
        return text.arg(args[0], args[1]);
    default:
        return text.arg(args[0], args[1], args[2]);
    }
}

bool ClientText::operator==(const ClientText &other) const
{
    const auto same = [](const char *a, const char *b) { return a == b || (a && b && std::strcmp(a, b) == 0); };
    return same(m_context, other.m_context) && same(m_source, other.m_source) && same(m_comment, other.m_comment)
        && m_words == other.m_words && m_args == other.m_args;
}
