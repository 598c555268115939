#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

namespace xmpp {
class StreamElement;
}

// One line with the fields the client reads of an element, to compare parses.
QString describeElement(const xmpp::StreamElement &element);

// Runs one input through the chat client's read path: the stream parser, the stanza
// readers and the conversions into messages and presences, with the answers the client
// writes. The first byte chooses where the input is cut into reads; every cut must read
// the same fields and end the same way, and the answers must be well-formed XML. A
// broken rule aborts, so that the fuzzer keeps the input.
void fuzzChatInput(const std::uint8_t *data, std::size_t size);
