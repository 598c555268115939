#include "fuzz_entry.h"

#include "protocol/packets.h"

#include <cstdio>
#include <cstdlib>

using namespace protocol;

namespace {

[[noreturn]] void broken(const char *rule)
{
    std::fprintf(stderr, "protocol fuzz rule broken: %s\n", rule);
    std::abort();
}

struct Frames
{
    std::vector<QByteArray> frames;
    bool refused = false;
};

Frames cut(const QByteArray &input, qsizetype split)
{
    Frames out;
    frame_buffer buffer;
    for (const QByteArray &chunk : {input.left(split), input.mid(split)}) {
        buffer.append(chunk);
        try {
            while (auto m = buffer.next())
                out.frames.push_back(m->bytes());
        } catch (const decode_error &) {
            out.refused = true;
            return out;
        }
    }
    return out;
}

template <direction Dir>
void decode(const message_t &message)
{
    try {
        visit<Dir>(message, [&message](const auto &packet) {
            const QByteArray again = frame(packet);
            if (again.mid(FrameHeaderSize) != message.bytes())
                broken("a decoded packet encodes to other bytes");
            if (dump(packet).isEmpty())
                broken("empty dump");
        });
    } catch (const decode_error &) {
        // Refused: the expected answer to malformed data.
    }
}

} // namespace

void fuzzProtocolInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const Frames whole = cut(input, input.size());
    const Frames split = cut(input, size ? qsizetype(data[0] % (size + 1)) : 0);
    if (whole.frames != split.frames || whole.refused != split.refused)
        broken("cutting the input in two changes the frames");
    for (const QByteArray &bytes : whole.frames) {
        const message_t message(bytes);
        decode<direction::to_client>(message);
        decode<direction::to_server>(message);
    }
}
