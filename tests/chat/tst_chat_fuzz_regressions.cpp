#include "testmain.h"

#include "chat_fuzz_entry.h"
#include "fuzzreplay.h"

// Every input the chat fuzzer ever broke a rule with stays a test, and so do the seeds.
class TestChatFuzzRegressions : public QObject
{
    Q_OBJECT

private slots:
    void regressionInputsAndSeeds() { replayFuzzInputs({"fuzz-regressions", "data"}, fuzzChatInput); }

    // What the client wrote reaches the server later than the harness waits for it, in
    // the first run: the run is given up and the input runs again, and nothing is found.
    void clientBytesLateRunAgain()
    {
        QFile seed(qEnvironmentVariable("MAHJONG_SOURCE_DIR") + QStringLiteral("/tests/chat/data/own-room-lines.bin"));
        QVERIFY(seed.open(QIODevice::ReadOnly));
        const QByteArray bytes = seed.readAll();
        const int givenUp = chatRunsGivenUp();
        holdChatClientBytes(1);
        fuzzChatInput(reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size()));
        QVERIFY(chatRunsGivenUp() > givenUp);
    }
};

MAHJONG_TEST_MAIN(TestChatFuzzRegressions)
#include "tst_chat_fuzz_regressions.moc"
