#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

namespace xmpp {
class StreamElement;
}

// One line with the fields the client reads of an element, to compare parses.
QString describeElement(const xmpp::StreamElement &element);

// Runs one input through the chat client as the server's side of its connections: a
// client logs in to a server played on loopback (the login itself is the server's), and
// the input is what the server sends after it. A NUL byte, which XML never holds, ends a
// connection: the server drops it, the client connects again when its pause is over, and
// the rest comes on the next (up to four connections; the last reads the rest of the
// input whatever it holds). Among the XML stand commands, four bytes each: ESC, a letter
// and two bytes that say how:
//   t  time passes (the first byte picks from a millisecond to two hours);
//   a  the server answers the client's oldest clock question, read at a share of the way;
//   s  the server's clock is set, and the clock it stamps by follows it slowly or at once;
//   r  the player says a line in a room, or sends again one that came back;
//   c  the player writes to a user, or writes again a line that came back;
//   l  the player leaves a room;
//   p  the server confirms the oldest or the latest of the client's messages waiting;
//   e  a room passes on a line of the player's, with or without its ids;
//   x  the server refuses a line of the player's, from the room or the user, for a reason;
//   b  the server answers the client's resource binding;
//   m  the server answers the client's request to keep its session (stream management):
//      it keeps it, for as long as it says, or not; or its request to resume the session
//      lost: it resumes it while it keeps it, with its count of the user's stanzas, which
//      may leave out the last it had not acted on when the link was lost (as many as the
//      second byte says), sends again what the client never read, with the time it was
//      sent, or tells it failed, with or without that count;
//   q  the server asks the client's count of its stanzas;
//   d  the link goes dead towards the client: what the server sends on the connection
//      from here the client never reads; the server keeps its stanzas for a resumption.
// Time is a clock of the run's own, which only the commands and the pauses move: every
// timer of the client fires at its time on it. The rooms the user's own presences put him
// in, the one-to-one chats and the player's lines are told as the chat's windows tell
// them. The first byte chooses where the input is cut into reads; every cut must read the
// same, hand on, show and write the same and end the same way. A room must show no line
// twice by its id and lose none that carries one; each of the player's lines must wait
// until it is passed on, confirmed, refused or handed back, and no longer than the
// client's confirmation limit in a room; a refusal must reach the line it names with a
// notice that gives the reason of its error, quotes the line where it must and lets no
// markup through; the client's reckoning of the server's clock must be that of its
// answers, and, with the steps it has seen, take every stamp the server can have put to
// stand where it does; what the client writes must be well-formed XML. A session kept
// settles the lines of a lost connection by the server's count at its resumption: a
// one-to-one line the count holds shows as said, one it leaves out comes back as not
// sent (and only such a line); no line shows as said that the server did not take; a
// line waits no longer than the server keeps the session; the client's count of the
// server's stanzas is that of those it read, and it resumes only the session it was
// given. A room's line that waited as the link was lost is settled so too: one the count
// leaves out comes back as not sent, one nobody can tell of as perhaps not sent, and one
// the count holds never comes back at the resumption: it waits for the room's copy,
// shown once, and only a history that reaches back to the loss without it hands it back.
// What a resumed session sends again before a rejoin's own presence reached the client:
// a room shows each of those lines once and loses none. A rejoin's history tells exactly
// where lines are missing: one that brings again the last line the room showed live
// with an id, or the last the resumed session sent again, says none are, and a whole one
// that does not, with the server's clock taking no step, says some may be. A broken rule
// aborts, so that the fuzzer keeps the input.
void fuzzChatInput(const std::uint8_t *data, std::size_t size);

// Where the plumbing waits in vain for the kernel to pass on what one end wrote (a busy
// machine may take longer than it waits), the run is given up and the input runs again;
// an input whose every run stalls so is a find. For the harness's own test: on the next
// runs given, the client's socket holds what the client writes back longer than the
// harness waits for it; and the runs given up so far.
void holdChatClientBytes(int runs);
int chatRunsGivenUp();
