// The libFuzzer target over the chat client's read path, what it hands on and what the
// player reads of it, headless; its seeds are the recorded transcripts and the element
// lists in tests/chat/data.

#include "chat_fuzz_entry.h"

#include <QCoreApplication>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // The stream writer's keep-alive timer wants an application object.
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
