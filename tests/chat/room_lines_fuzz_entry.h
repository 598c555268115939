#pragma once

#include <cstddef>
#include <cstdint>

// Runs one input through a chat room's line book and the steps of the chat server's
// clock, in one process and on a clock of the run's own, against a room the input plays:
// what the room was told, when, with which ids and stamps, and which of its lines it still
// keeps. The first byte is how many lines the room keeps (1 to 64) and the second how far
// the chat server's clock is off the game server's while the client has not asked it
// (up to 4 s either way); then commands, three bytes each, a letter and two bytes that
// say how:
//   t  time passes (the first byte picks from a millisecond to two hours);
//   l  a line is said in the room: by a user whose client gives it an id, by one whose
//      client gives none, or by the user himself, under his message's id; the room gives
//      it its own id or not, and its history keeps the room's stamp or not;
//   j  the user joins: from scratch where he is not in the room, again after a lost
//      connection; the room sends the lines it keeps that the history asks for, and the
//      connection may be lost before the history's end;
//   d  the connection is lost;
//   x  the user leaves the room;
//   a  the client asks the chat server's clock, the answer coming after one of eight
//      round trips and read anywhere in it;
//   s  the chat server's clock is set, its stamps following at 1% or at once up to a
//      minute later (once the client knows the clock and has seen the step before).
// Every verdict of the book is checked: no line shows twice (one without ids only where
// its sender did not say the same words within the clocks' tolerance), none is lost (one
// without ids may be taken for the same words said before by the same sender), a
// history's stamped lines show in the room's order, the user's own lines are told as the
// room has them, and a rejoin's history tells exactly where lines are missing: one that
// cannot reach back to the last line heard says that lines may be missing, and one that
// brings it again says nothing of lines missing, where the clocks leave no doubt. While
// the client knows the server's clock, every stamp the server can have put lies where the
// steps the client has seen say. A broken rule aborts, so that the fuzzer keeps the input.
void fuzzRoomLinesInput(const std::uint8_t *data, std::size_t size);
