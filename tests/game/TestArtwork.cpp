#include "TestArtwork.h"

#include "app/tile.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTextStream>

namespace {

const char *const orientations[] = {"Bottom", "Right", "Top", "Left"};

void writeText(const QString &path, const QString &text)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(text.toUtf8());
}

// A tile element: a face of `height` above an edge of `depth`.
QString tileElement(const QString &id, int x, int y, int width, int height, int depth,
                    const QString &colour)
{
    return QStringLiteral("<g id=\"%1\"><rect x=\"%2\" y=\"%3\" width=\"%4\" height=\"%5\" "
                          "fill=\"%6\"/><rect x=\"%2\" y=\"%7\" width=\"%4\" height=\"%8\" "
                          "fill=\"#402010\"/></g>\n")
        .arg(id, QString::number(x), QString::number(y), QString::number(width),
             QString::number(height), colour, QString::number(y + height), QString::number(depth));
}

QString backSvg(const QString &colour)
{
    QString body;
    int x = 0;
    const auto add = [&](const QString &id, int w, int h, int d) {
        body += tileElement(id, x, 0, w, h, d, colour);
        x += w + 10;
    };
    add(QStringLiteral("hand"), 192, 220, 69);
    add(QStringLiteral("handHighlight"), 192, 220, 69);
    add(QStringLiteral("declaredBottomTurned"), 220, 192, 69);
    add(QStringLiteral("declaredTopTurned"), 220, 192, 69);
    for (const char *o : orientations) {
        const bool sideways = QLatin1String(o) == QLatin1String("Right")
                              || QLatin1String(o) == QLatin1String("Left");
        const int w = sideways ? 220 : 192;
        const int h = sideways ? 192 : 220;
        add(QStringLiteral("declared%1").arg(QLatin1String(o)), w, h, 69);
        add(QStringLiteral("wallSingle%1").arg(QLatin1String(o)), w, h, 69);
        add(QStringLiteral("wallDouble%1").arg(QLatin1String(o)), w, h, 138);
        add(QStringLiteral("wallTriple%1").arg(QLatin1String(o)), w, h, 207);
        add(QStringLiteral("wallDora%1").arg(QLatin1String(o)), w, h, 138);
        add(QStringLiteral("hidden%1").arg(QLatin1String(o)), 198, 140, 70);
    }
    return QStringLiteral("<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
                          "width=\"%1\" height=\"400\">\n%2</svg>\n")
        .arg(QString::number(x), body);
}

QString faceId(int code)
{
    return QString::fromStdString(tileToString(tile(static_cast<std::uint8_t>(code))))
        .toLower()
        .replace(QLatin1Char(' '), QLatin1Char('_'));
}

QString faceSvg(int hueShift)
{
    QString body;
    for (int code = 0; code < tile::FaceCount; ++code) {
        const QColor colour = QColor::fromHsv((code * 8 + hueShift) % 360, 200, 200);
        body += QStringLiteral("<g id=\"%1\"><rect x=\"%2\" y=\"0\" width=\"180\" height=\"200\" "
                               "fill=\"%3\"/><circle cx=\"%4\" cy=\"40\" r=\"30\" "
                               "fill=\"#000000\"/></g>\n")
                    .arg(faceId(code), QString::number(code * 200), colour.name(),
                         QString::number(code * 200 + 40));
    }
    return QStringLiteral("<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
                          "width=\"8400\" height=\"200\">\n%1</svg>\n")
        .arg(body);
}

QImage backSheet(const QColor &colour)
{
    QImage sheet(310, 210, QImage::Format_ARGB32);
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            sheet.setPixelColor(x, y, QColor((colour.red() + x) % 256, (colour.green() + y) % 256,
                                             colour.blue(), 255));
    return sheet;
}

QImage faceSheet()
{
    QImage sheet(tile::FaceCount * 28, 42, QImage::Format_ARGB32);
    sheet.fill(Qt::transparent);
    QPainter painter(&sheet);
    for (int code = 0; code < tile::FaceCount; ++code)
        painter.fillRect(code * 28 + 2, 4, 23, 34, QColor::fromHsv(code * 8, 220, 180));
    return sheet;
}

QImage highlights()
{
    QImage frames(150, 45, QImage::Format_ARGB32);
    frames.fill(Qt::transparent);
    QPainter painter(&frames);
    painter.setPen(QPen(Qt::red, 2));
    for (const QRect &r : {QRect(43, 1, 29, 43), QRect(1, 1, 40, 34), QRect(74, 1, 29, 43),
                           QRect(105, 1, 40, 34)})
        painter.drawRect(r.adjusted(1, 1, -1, -1));
    return frames;
}

} // namespace

namespace TestArtwork {

void write(const QString &dir)
{
    const QDir d(dir);
    backSheet(QColor(40, 160, 40)).save(d.filePath(QStringLiteral("tiles-blank-default.png")));
    backSheet(QColor(20, 200, 90)).save(d.filePath(QStringLiteral("tiles-blank-green.png")));
    backSheet(QColor(200, 30, 30)).save(d.filePath(QStringLiteral("tiles-blank-red.png")));
    writeText(d.filePath(QStringLiteral("tiles-blank-green.svg")), backSvg(QStringLiteral("#30a050")));
    writeText(d.filePath(QStringLiteral("tiles-blank-darkwood.svg")),
              backSvg(QStringLiteral("#604020")));
    writeText(d.filePath(QStringLiteral("tiles-fg.svg")), faceSvg(0));
    writeText(d.filePath(QStringLiteral("tiles-fg-half-marked.svg")), faceSvg(60));
    writeText(d.filePath(QStringLiteral("tiles-fg-no-marks.svg")), faceSvg(120));
    writeText(d.filePath(QStringLiteral("tiles-fg-simple.svg")), faceSvg(180));
    faceSheet().save(d.filePath(QStringLiteral("tiles-fg.png")));
    highlights().save(d.filePath(QStringLiteral("tile-highlights-red.png")));
}

void install(const QString &dir)
{
    write(dir);
    QDir::setSearchPaths(QStringLiteral("resources"), {dir});
}

} // namespace TestArtwork
