#pragma once

#include <QString>

#include <vector>

// A text the client writes where it stays to be read, such as a system line of a chat
// pane: kept as its source (the text given to `tr` in its context, QT_TR_NOOP or
// QT_TRANSLATE_NOOP marks it for the translators) with its arguments, so that it reads in
// the language of the moment however often that changes. An argument is a text of the
// client's again, or someone else's words (a player's, a server's), which stay as they
// came.
class ClientText
{
public:
    ClientText() = default;
    // String literals, kept by their addresses.
    ClientText(const char *context, const char *source, const char *comment = nullptr)
        : m_context(context), m_source(source), m_comment(comment)
    {
    }

    // Someone else's words, never translated.
    static ClientText words(const QString &words);

    // Fills the placeholders %1, %2, ... in order, as one multi-argument QString::arg.
    template <typename... Texts>
    ClientText arg(const Texts &...texts) const
    {
        static_assert(sizeof...(Texts) <= 3, "at most three placeholders");
        ClientText filled = *this;
        (filled.m_args.push_back(texts), ...);
        return filled;
    }

    bool isEmpty() const { return !m_source && m_words.isEmpty(); }
    // In the language of the moment.
    QString toString() const;
    // As rich text: every character of it shows as it is, markup in the words included.
    QString toHtml() const;

    bool operator==(const ClientText &other) const;
    bool operator!=(const ClientText &other) const { return !(*this == other); }

private:
    QString render(bool html) const;

    const char *m_context = nullptr;
    const char *m_source = nullptr;
    const char *m_comment = nullptr;
    QString m_words;
    std::vector<ClientText> m_args;
};
