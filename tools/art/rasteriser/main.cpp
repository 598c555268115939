// Artwork rasteriser of the resource generators.
//
// Usage: mahjong-art-rasteriser JOBS.json
//
// The job file is a JSON object {"jobs": [...]}; each job is one of
//   {"type": "svg", "source": "a.svg", "output": "a.png", "width": 64, "height": 64}
//       renders the whole SVG document stretched onto a transparent image;
//   {"type": "text", "output": "t.png", "text": "Pong", "font": "DejaVu Sans",
//    "pixelSize": 30, "bold": true, "fill": ["#fff6c0", "#d49a2a"], "outline": "#3b2000",
//    "outlineWidth": 3, "shadow": "#00000090", "shadowOffset": 2, "padding": 2,
//    "height": 0}
//       draws one line of text with a vertical gradient fill, an outline and a drop
//       shadow; the image is as large as the text (or "height" high, text centred);
//   {"type": "glyphs", "output": "g.json", "items": [{"key": "k", "text": "東",
//    "font": "Noto Sans CJK JP", "bold": true}]}
//       writes the outlines of each text at pixel size 100 as SVG path data, with
//       their bounding boxes, so that the generators can draw glyph shapes without
//       <text> elements.
// Relative paths are taken relative to the job file's directory.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QSvgRenderer>

#include <cmath>
#include <cstdio>

namespace {

QString g_baseDir;

QString resolve(const QString &path)
{
    return QDir(g_baseDir).absoluteFilePath(path);
}

bool savePng(const QImage &image, const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), qPrintable(file.errorString()));
        return false;
    }
    QImageWriter writer(&file, "png");
    writer.setQuality(0); // strongest compression
    const bool written = writer.write(image);
    if (!written || !file.commit()) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path),
                     qPrintable(written ? file.errorString() : writer.errorString()));
        return false;
    }
    return true;
}

bool renderSvg(const QJsonObject &job)
{
    const QString source = resolve(job.value(QLatin1String("source")).toString());
    QSvgRenderer renderer(source);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "invalid SVG %s\n", qPrintable(source));
        return false;
    }
    QImage image(job.value(QLatin1String("width")).toInt(),
                 job.value(QLatin1String("height")).toInt(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(image.rect()));
    }
    return savePng(image, resolve(job.value(QLatin1String("output")).toString()));
}

QFont fontOf(const QJsonObject &job, int pixelSize)
{
    QFont font(job.value(QLatin1String("font")).toString(QStringLiteral("DejaVu Sans")));
    font.setPixelSize(pixelSize);
    font.setBold(job.value(QLatin1String("bold")).toBool(true));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QColor colourOf(const QJsonValue &value, const QColor &fallback)
{
    // "#rrggbbaa" is read as CSS does (alpha last); QColor expects "#aarrggbb".
    QString text = value.toString();
    if (text.isEmpty())
        return fallback;
    if (text.size() == 9 && text.startsWith(QLatin1Char('#')))
        text = QLatin1Char('#') + text.mid(7, 2) + text.mid(1, 6);
    const QColor colour(text);
    return colour.isValid() ? colour : fallback;
}

bool renderText(const QJsonObject &job)
{
    const QString text = job.value(QLatin1String("text")).toString();
    const QFont font = fontOf(job, job.value(QLatin1String("pixelSize")).toInt(24));
    const double outline = job.value(QLatin1String("outlineWidth")).toDouble(0);
    const double shadowOffset = job.value(QLatin1String("shadowOffset")).toDouble(0);
    const int padding = job.value(QLatin1String("padding")).toInt(2);
    const int fixedHeight = job.value(QLatin1String("height")).toInt(0);

    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    const double margin = padding + outline;
    const int width = int(std::ceil(box.width() + 2 * margin + shadowOffset));
    const int height = fixedHeight > 0
            ? fixedHeight
            : int(std::ceil(box.height() + 2 * margin + shadowOffset));
    const double dx = margin - box.left();
    const double dy = (height - shadowOffset - box.height()) / 2 - box.top();
    path.translate(dx, dy);

    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);

    const QPen outlinePen(colourOf(job.value(QLatin1String("outline")), Qt::black), 2 * outline,
                          Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (shadowOffset > 0) {
        const QColor shadow = colourOf(job.value(QLatin1String("shadow")), QColor(0, 0, 0, 128));
        const QPainterPath shadowPath = path.translated(shadowOffset, shadowOffset);
        painter.setPen(outline > 0 ? QPen(shadow, 2 * outline, Qt::SolidLine, Qt::RoundCap,
                                          Qt::RoundJoin)
                                   : QPen(Qt::NoPen));
        painter.setBrush(shadow);
        painter.drawPath(shadowPath);
    }
    if (outline > 0) {
        painter.setPen(outlinePen);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }
    const QJsonArray fill = job.value(QLatin1String("fill")).toArray();
    const QRectF textBox = path.boundingRect();
    QLinearGradient gradient(textBox.topLeft(), textBox.bottomLeft());
    if (fill.isEmpty()) {
        gradient.setColorAt(0, Qt::white);
    } else {
        for (int i = 0; i < fill.size(); ++i)
            gradient.setColorAt(fill.size() == 1 ? 0.0 : double(i) / (fill.size() - 1),
                                colourOf(fill.at(i), Qt::white));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawPath(path);
    painter.end();
    return savePng(image, resolve(job.value(QLatin1String("output")).toString()));
}

QString number(double value)
{
    QString text = QString::number(std::round(value * 100) / 100, 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QString svgPathData(const QPainterPath &path)
{
    QStringList parts;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            parts << QLatin1String("M") + number(e.x) + QLatin1Char(' ') + number(e.y);
            break;
        case QPainterPath::LineToElement:
            parts << QLatin1String("L") + number(e.x) + QLatin1Char(' ') + number(e.y);
            break;
        case QPainterPath::CurveToElement: {
            const QPainterPath::Element c2 = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            parts << QLatin1String("C") + number(e.x) + QLatin1Char(' ') + number(e.y)
                            + QLatin1Char(' ') + number(c2.x) + QLatin1Char(' ') + number(c2.y)
                            + QLatin1Char(' ') + number(end.x) + QLatin1Char(' ')
                            + number(end.y);
            i += 2;
            break;
        }
        case QPainterPath::CurveToDataElement:
            break;
        }
    }
    return parts.join(QLatin1Char(' '));
}

bool writeGlyphs(const QJsonObject &job)
{
    QJsonObject result;
    const QJsonArray items = job.value(QLatin1String("items")).toArray();
    for (const QJsonValue &value : items) {
        const QJsonObject item = value.toObject();
        QPainterPath path;
        path.addText(0, 0, fontOf(item, 100), item.value(QLatin1String("text")).toString());
        path.setFillRule(Qt::WindingFill);
        const QRectF box = path.boundingRect();
        QJsonObject glyph;
        glyph.insert(QLatin1String("d"), svgPathData(path));
        glyph.insert(QLatin1String("x"), box.x());
        glyph.insert(QLatin1String("y"), box.y());
        glyph.insert(QLatin1String("w"), box.width());
        glyph.insert(QLatin1String("h"), box.height());
        result.insert(item.value(QLatin1String("key")).toString(), glyph);
    }
    QSaveFile file(resolve(job.value(QLatin1String("output")).toString()));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QJsonDocument(result).toJson(QJsonDocument::Indented));
    return file.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: mahjong-art-rasteriser JOBS.json\n");
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 2;
    }
    g_baseDir = QFileInfo(file).absolutePath();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (document.isNull()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(error.errorString()));
        return 2;
    }
    int failures = 0;
    const QJsonArray jobs = document.object().value(QLatin1String("jobs")).toArray();
    for (const QJsonValue &value : jobs) {
        const QJsonObject job = value.toObject();
        const QString type = job.value(QLatin1String("type")).toString();
        bool ok = false;
        if (type == QLatin1String("svg"))
            ok = renderSvg(job);
        else if (type == QLatin1String("text"))
            ok = renderText(job);
        else if (type == QLatin1String("glyphs"))
            ok = writeGlyphs(job);
        else
            std::fprintf(stderr, "unknown job type \"%s\"\n", qPrintable(type));
        if (!ok)
            ++failures;
    }
    return failures == 0 ? 0 : 1;
}
