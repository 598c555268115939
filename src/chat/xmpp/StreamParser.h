#pragma once

#include <QByteArray>
#include <QList>
#include <QXmlStreamReader>

#include <deque>
#include <memory>
#include <optional>
#include <unordered_map>

#include "chat/xmpp/XMPPElements.h"
#include "chat/xmpp/XmlElement.h"

namespace xmpp {

// Checks the raw bytes of the stream before the XML reader sees them, in time linear
// in their number: they must be UTF-8, whatever the read boundaries (the reader drops
// an invalid byte silently when it starts a read), and no start tag may carry more than
// MaxAttributes attributes (the reader's work grows with their square). The attributes
// beyond that are left out of what the reader gets, and the top-level element that
// held them is marked for dropping; only a stream header with too many ends the stream.
class StreamByteGuard
{
public:
    static constexpr int MaxAttributes = 256;

    void reset();
    // Appends to out the bytes that go on to the reader. Stops at a fault of the
    // stream, which is then in error(); every later byte is refused too.
    void check(const char *data, qsizetype size, QByteArray &out);
    const std::optional<stream_parse_error> &error() const { return m_error; }
    // Whether the top-level element of that number (counted from 1 in each stream)
    // lost attributes; asked in increasing order.
    bool takeDamaged(qint64 element);

private:
    enum Markup {
        Text,
        TagOpen,
        TagName,
        Tag,
        AttributeName,
        Quoted,
        Excess,
        ExcessQuoted,
        Declaration,
        CData,
        Comment,
        Skip,
    };
    // What becomes of one byte: on to the reader, left out, on to the reader after a
    // '/' put before it, or the end of the stream.
    enum Verdict { Keep, Drop, Slash, Fault };

    // How many bytes from data on pass without a change of state: plain ASCII up to the
    // byte that ends the text, quoted value or skipped markup at hand.
    qsizetype plainBytes(const char *data, qsizetype size) const;
    bool checkUtf8(uchar byte);
    Verdict checkMarkup(uchar byte);
    void startTag();

    // UTF-8: continuation bytes still expected and the range of the next one.
    int m_continuations = 0;
    uchar m_low = 0x80;
    uchar m_high = 0xBF;

    Markup m_markup = Text;
    char m_quote = 0;
    int m_attributes = 0;
    // The characters after "<!" so far, or the run of ']' or '-' before a '>'.
    int m_run = 0;
    // Whether the last byte in a tag was a '/', which makes the element empty.
    bool m_slash = false;
    // Open elements, the stream root included, and the top-level elements begun.
    int m_depth = 0;
    qint64 m_topLevel = 0;
    std::deque<qint64> m_damaged;
    std::optional<stream_parse_error> m_error;
};

// Reads the server's XML stream incrementally and turns every complete top-level
// element into one StreamElement. Bad input is thrown as xmpp::stream_parse_error.
class StreamParser
{
public:
    enum Result { NeedMoreData = 0, EndOfStream = 1, ElementReady = 2 };

    // The largest top-level element accepted; beyond it the stream ends.
    static constexpr qint64 MaxElementBytes = 1 << 20;
    // The deepest nesting kept inside a top-level element (which is level 1); the
    // readers walk the tree recursively, so deeper input would exhaust the stack. A
    // stanza nested deeper is dropped.
    static constexpr int MaxElementDepth = 256;

    StreamParser();
    StreamParser(const StreamParser &) = delete;
    StreamParser &operator=(const StreamParser &) = delete;

    // Forgets everything, ready for a new stream header.
    void reset();
    void addData(const QByteArray &data);
    Result parse();

    // The element of the last ElementReady; owned by the parser until the next one,
    // unless taken over.
    StreamElement *lastElement() const { return m_lastElement.get(); }
    std::unique_ptr<StreamElement> takeLastElement() { return std::move(m_lastElement); }
    QString streamLanguage() const { return m_streamLanguage; }
    QString streamFrom() const { return m_streamFrom; }
    // The stanzas read to their end, whether handed on or dropped, over every stream
    // since the parser was made.
    qint64 stanzasRead() const { return m_stanzasRead; }

private:
    bool feedReader();
    void startElement();
    bool endElement();
    QString intern(QStringView text);

    // Made anew for each stream: a cleared reader may still take a prefix declared in
    // the stream before.
    std::optional<QXmlStreamReader> m_reader{std::in_place};
    StreamByteGuard m_guard;
    bool m_inRoot = false;
    // The top-level element under construction and its innermost open element
    // (-1 between top-level elements).
    XmlTree m_tree;
    int m_current = -1;
    int m_depth = 0;
    // The current top-level element went deeper than MaxElementDepth.
    bool m_tooDeep = false;
    // Names and namespaces seen so far, shared by all elements; by hash of the text.
    QList<QString> m_names;
    std::unordered_map<size_t, int> m_nameIndex;
    QString m_streamLanguage;
    QString m_streamFrom;
    std::unique_ptr<StreamElement> m_lastElement;

    // Received bytes not yet handed to the reader; they are fed in slices so that
    // an over-long element is refused before it is all buffered.
    QByteArray m_pending;
    qsizetype m_pendingPos = 0;
    qint64 m_fed = 0;
    qint64 m_elementStart = 0;
    // The number of the current top-level element in this stream.
    qint64 m_element = 0;
    qint64 m_stanzasRead = 0;
};

// Builds the element for one top-level DOM element. Returns null for a stanza that
// was dropped because another user's data in it could not be read.
std::unique_ptr<StreamElement> parseStreamElement(const XmlElement &element);

std::unique_ptr<StreamFeatures> parseStreamFeatures(const XmlElement &element);
std::unique_ptr<StreamError> parseStreamError(const XmlElement &element);
std::unique_ptr<SASLFailure> parseSaslFailure(const XmlElement &element);
// Null for an element of stream management that a server does not send.
std::unique_ptr<StreamManagement> parseStreamManagement(const XmlElement &element);

} // namespace xmpp
