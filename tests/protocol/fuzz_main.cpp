// The libFuzzer target over the frame reader and every packet reader.
// MAHJONG_FUZZ_WRITE_SEEDS=DIR writes one valid frame per packet into DIR and exits.

#include "fuzz_entry.h"

#include "protocol/packet_samples.h"

#include <QDir>
#include <QSaveFile>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    const QString dir = qEnvironmentVariable("MAHJONG_FUZZ_WRITE_SEEDS");
    if (dir.isEmpty())
        return 0;
    QDir().mkpath(dir);
    protocol::for_each_packet_type([&dir](const auto *tag) {
        using P = std::remove_const_t<std::remove_pointer_t<decltype(tag)>>;
        protocol::samples::sample_source source(1);
        P packet;
        protocol::samples::fill(source, packet);
        QSaveFile file(dir + QLatin1Char('/') + QLatin1String(P::type_name));
        if (file.open(QIODevice::WriteOnly)) {
            file.write(protocol::frame(packet));
            file.commit();
        }
    });
    std::exit(0);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzzProtocolInput(data, size);
    return 0;
}
