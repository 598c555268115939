#include "testmain.h"

#include "chat_fuzz_entry.h"
#include "fuzzreplay.h"

// Every input the chat fuzzer ever broke a rule with stays a test, and so do the seeds.
class TestChatFuzzRegressions : public QObject
{
    Q_OBJECT

private slots:
    void regressionInputsAndSeeds() { replayFuzzInputs({"fuzz-regressions", "data"}, fuzzChatInput); }
};

MAHJONG_TEST_MAIN(TestChatFuzzRegressions)
#include "tst_chat_fuzz_regressions.moc"
