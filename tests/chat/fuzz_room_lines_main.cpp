// The libFuzzer target over a chat room's line book and the steps of the chat server's
// clock, in one process: a room the input plays and the book's every verdict. Its seeds
// are in tests/chat/room-lines-seeds.

#include "room_lines_fuzz_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzzRoomLinesInput(data, size);
    return 0;
}
