#pragma once

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTest>

#include <cstddef>
#include <cstdint>
#include <initializer_list>

// Every input a fuzzer ever broke a rule with stays a test, and so do its seeds: each file
// of the folders under tests/chat/ is run through the fuzz target's entry once.
template <typename Entry>
void replayFuzzInputs(std::initializer_list<const char *> folders, Entry entry)
{
    const QString tests = qEnvironmentVariable("MAHJONG_SOURCE_DIR") + QStringLiteral("/tests/chat/");
    QStringList files;
    for (const char *dir : folders) {
        const QDir folder(tests + QLatin1String(dir));
        for (const QString &name : folder.entryList(QDir::Files))
            files << folder.filePath(name);
    }
    QVERIFY(files.size() > 2);
    for (const QString &path : files) {
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const QByteArray bytes = file.readAll();
        entry(reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size()));
    }
}
