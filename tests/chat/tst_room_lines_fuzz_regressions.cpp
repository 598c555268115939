#include "testmain.h"

#include "room_lines_fuzz_entry.h"

#include <QDir>

// Every input the room lines fuzzer ever broke a rule with stays a test, and so do the
// seeds.
class TestRoomLinesFuzzRegressions : public QObject
{
    Q_OBJECT

private slots:
    void regressionInputsAndSeeds()
    {
        const QString tests = qEnvironmentVariable("MAHJONG_SOURCE_DIR") + QStringLiteral("/tests/chat/");
        QStringList files;
        for (const QString &dir : {QStringLiteral("room-lines-fuzz-regressions"), QStringLiteral("room-lines-seeds")}) {
            const QDir folder(tests + dir);
            for (const QString &name : folder.entryList(QDir::Files))
                files << folder.filePath(name);
        }
        QVERIFY(files.size() > 2);
        for (const QString &path : files) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            fuzzRoomLinesInput(reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size()));
        }
    }
};

MAHJONG_TEST_MAIN(TestRoomLinesFuzzRegressions)
#include "tst_room_lines_fuzz_regressions.moc"
