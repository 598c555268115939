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
// answers the client writes, and what the player reads of it: the rooms the user's own
// presences put him in with the lines they show, the one-to-one chats, and the notices
// of refused lines. A NUL byte, which XML never holds, ends a connection: the rest comes
// on the next, and the rooms are joined again (up to four connections; the last reads
// the rest of the input whatever it holds). The first byte chooses where the input
// is cut into reads; every cut must read the same fields, hand on and show the same and
// end the same way; the clock's reckoning must be that of an answer; a room must show
// no line twice by its id and lose none that carries one; a refused line's notice must
// give the reason of its error's condition, escaped; and the answers must be
// well-formed XML. A broken rule aborts, so that the fuzzer keeps the input.
void fuzzChatInput(const std::uint8_t *data, std::size_t size);
