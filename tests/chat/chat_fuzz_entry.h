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
// readers and the conversions into messages and presences, then the client past its
// login handed each stanza (what it hands on, refused lines with their reasons, rooms
// destroyed, and the answers to its clock's questions, which the clock takes), with the
// answers the client writes. The first byte chooses where the input is cut into reads;
// every cut must read the same fields, hand on the same and end the same way, the
// clock's reckoning must be that of an answer, and the answers must be well-formed XML.
// A broken rule aborts, so that the fuzzer keeps the input.
void fuzzChatInput(const std::uint8_t *data, std::size_t size);
