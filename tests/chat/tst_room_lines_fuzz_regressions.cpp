#include "testmain.h"

#include "fuzzreplay.h"
#include "room_lines_fuzz_entry.h"

// Every input the room lines fuzzer ever broke a rule with stays a test, and so do the
// seeds.
class TestRoomLinesFuzzRegressions : public QObject
{
    Q_OBJECT

private slots:
    void regressionInputsAndSeeds() { replayFuzzInputs({"room-lines-fuzz-regressions", "room-lines-seeds"}, fuzzRoomLinesInput); }
};

MAHJONG_TEST_MAIN(TestRoomLinesFuzzRegressions)
#include "tst_room_lines_fuzz_regressions.moc"
