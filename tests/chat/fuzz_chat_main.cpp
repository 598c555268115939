// The libFuzzer target over the chat client on a server it plays, headless: what the
// client reads, hands on and writes, its clock, and what the player reads of the rooms,
// the one-to-one chats and his own lines; its seeds are the recorded transcripts, the
// element lists and the played sessions in tests/chat/data.

#include "chat_fuzz_entry.h"

#include <QCoreApplication>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // The client's sockets and timers want an application object.
    static QCoreApplication app(*argc, *argv);
    // What the client logs of every stanza it is handed would be most of the run's work.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzzChatInput(data, size);
    return 0;
}
