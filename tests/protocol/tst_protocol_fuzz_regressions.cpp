#include "testmain.h"

#include "fuzz_entry.h"

#include <QDir>

// Every input the fuzzer ever broke a rule with stays a test.
class TestProtocolFuzzRegressions : public QObject
{
    Q_OBJECT

private slots:
    void regressionInputs()
    {
        const QDir dir(QString::fromUtf8(qgetenv("MAHJONG_SOURCE_DIR")) + QStringLiteral("/tests/protocol/fuzz-regressions"));
        const QStringList files = dir.entryList(QDir::Files);
        QVERIFY(!files.isEmpty());
        for (const QString &name : files) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            fuzzProtocolInput(reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size()));
        }
    }
};

MAHJONG_TEST_MAIN(TestProtocolFuzzRegressions)
#include "tst_protocol_fuzz_regressions.moc"
