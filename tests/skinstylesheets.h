#pragma once

#include <QFile>
#include <QString>

// The style sheets of the skin the resource search paths point at, as the client applies
// them: "resources:/defaultui.css" followed by "resources:/customui.css". Empty when
// either cannot be read.
inline QString skinStyleSheets()
{
    QString sheet;
    for (const char *name : {"resources:/defaultui.css", "resources:/customui.css"}) {
        QFile file(QString::fromLatin1(name));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        sheet += QString::fromUtf8(file.readAll()) + QLatin1Char('\n');
    }
    return sheet;
}
