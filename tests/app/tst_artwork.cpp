// The compiled-in skins: every resource name the client reads exists in both skins,
// the tile artwork has the element ids and sheet geometry the tile renderer cuts, the
// sounds are valid WAV files, the style sheets parse and the local pages find their
// scripts.
#include "game/tiles/TileImages.h"

#include "testmain.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLineF>
#include <QRegularExpression>
#include <QSet>
#include <QSslCertificate>
#include <QSvgRenderer>
#include <QWidget>
#include <QtEndian>

namespace {

const QStringList skins = {QStringLiteral("default"), QStringLiteral("corvana")};
const QStringList languages = {QStringLiteral("en"), QStringLiteral("ja"),
                               QStringLiteral("zh_CN"), QStringLiteral("zh_TW")};

// Points the search prefixes at one skin and one language, as start-up does.
void useSkin(const QString &skin, const QString &language = QStringLiteral("en"))
{
    const QString root = QStringLiteral(":/") + skin;
    QDir::setSearchPaths(QStringLiteral("resources"), {root});
    QDir::setSearchPaths(QStringLiteral("sounds"), {root + QStringLiteral("/sounds")});
    QDir::setSearchPaths(QStringLiteral("avatars"), {root + QStringLiteral("/avatars")});
    QDir::setSearchPaths(QStringLiteral("textimages"),
                         {root + QStringLiteral("/text-images/") + language});
    QDir::setSearchPaths(QStringLiteral("localwww"), {root + QStringLiteral("/www/") + language});
}

const QStringList faceIds = {
    "bamboo_1", "bamboo_2", "bamboo_3", "bamboo_4", "bamboo_5", "bamboo_6", "bamboo_7",
    "bamboo_8", "bamboo_9", "character_1", "character_2", "character_3", "character_4",
    "character_5", "character_6", "character_7", "character_8", "character_9", "circle_1",
    "circle_2", "circle_3", "circle_4", "circle_5", "circle_6", "circle_7", "circle_8",
    "circle_9", "east_wind", "south_wind", "west_wind", "north_wind", "green_dragon",
    "red_dragon", "white_dragon", "plum_blossom", "orchid", "chrysanthemum", "bamboo",
    "spring", "summer", "autumn", "winter"};

const QStringList backNames = {
    "resources:/tiles-blank-default.png", "resources:/tiles-blank-green.png",
    "resources:/tiles-blank-red.png", "resources:/tiles-blank-green.svg",
    "resources:/tiles-blank-darkwood.svg"};
const QStringList faceNames = {
    "resources:/tiles-fg.svg", "resources:/tiles-fg-half-marked.svg",
    "resources:/tiles-fg-no-marks.svg", "resources:/tiles-fg.png",
    "resources:/tiles-fg-simple.svg"};
const QString highlightName = QStringLiteral("resources:/tile-highlights-red.png");

const QStringList textImages = {
    "ready.png", "washout.png", "timeout.png", "furiten.png", "claim-chow.png",
    "claim-chii.png", "claim-pong.png", "claim-pon.png", "claim-kong.png", "claim-kan.png",
    "claim-mahjong.png", "claim-mahjong-game-view.png", "claim-ron.png", "claim-tsumo.png",
    "claim-riichi.png", "claim-tenpai.png", "welcome.png", "howto.png",
    "chat-manager-icon.png"};

const QStringList soundNames = {
    "hover", "tile_discarded", "joined", "left", "chow", "pong", "kong", "mahjong", "washout",
    "start", "meld_suggestion", "meld_pass_only", "wind_assignment", "lobby_1min"};

// The share of pixels of an image area that are not fully transparent.
double coverage(const QImage &image, const QRect &area)
{
    int opaque = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            opaque += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    return double(opaque) / (area.width() * area.height());
}

QString messages;

void collectMessages(QtMsgType, const QMessageLogContext &, const QString &text)
{
    messages += text + QLatin1Char('\n');
}

} // namespace

class TestArtwork : public QObject
{
    Q_OBJECT

private slots:
    void imagesExistInBothSkins_data();
    void imagesExistInBothSkins();
    void textImagesExistInEveryLanguage_data();
    void textImagesExistInEveryLanguage();
    void localPagesFindTheirScripts_data();
    void localPagesFindTheirScripts();
    void caCertificates_data();
    void caCertificates();
    void styleSheetsParse_data();
    void styleSheetsParse();
    void faceSvgsHaveEveryTile_data();
    void faceSvgsHaveEveryTile();
    void backSvgsHaveEveryElement_data();
    void backSvgsHaveEveryElement();
    void bitmapSheetsHoldEveryPicture();
    void markers();
    void soundsAreValidWav_data();
    void soundsAreValidWav();
    void everyCatalogueRendersDistinctTiles();
    void namesInTheSourcesResolve();
};

void TestArtwork::imagesExistInBothSkins_data()
{
    QTest::addColumn<QString>("skin");
    for (const QString &skin : skins)
        QTest::newRow(qPrintable(skin)) << skin;
}

// Every image and file that the windows read by name, with its size where the code
// cuts or lays it out by a fixed size.
void TestArtwork::imagesExistInBothSkins()
{
    QFETCH(QString, skin);
    useSkin(skin);
    const QList<QPair<QString, QSize>> images = {
        {"resources:/tiles-blank-default.png", {}}, {"resources:/tiles-blank-green.png", {}},
        {"resources:/tiles-blank-red.png", {}}, {"resources:/tiles-fg.png", {}},
        {"resources:/tile-highlights-red.png", {}},
        {"resources:/last-tile-marker.png", {}}, {"resources:/sb-hilight.png", {228, 98}},
        {"resources:/sb-winds.png", {104, 21}}, {"resources:/sb-winds-hilight.png", {104, 21}},
        {"resources:/sb-riichi-stick.png", {}}, {"resources:/sb-counter-stick.png", {}},
        {"resources:/meld_auction_separator", {}}, {"resources:short-hr.png", {}},
        {"resources:woodbackground-hr.png", {}}, {"resources:/game-background.png", {}},
        {"resources:/safe.png", {}}, {"resources:/unsafe.png", {}},
        {"resources:/inactive-table-icon.png", {}}, {"resources:/smiley-normal.png", {}},
        {"resources:/dollar-normal.png", {}}, {"resources:/trophy-normal.png", {}},
        {"resources:/avatar-selected.png", {}}, {"resources:/checkbox-checked-normal.png", {}},
        {"resources:/empty-box.png", {}}, {"resources:/empty-seat.png", {}},
        {"resources:/seat-taken.png", {}}, {"resources:/seat-free.png", {}},
        {"resources:xmpp_available.png", {}}, {"resources:xmpp_away.png", {}},
        {"resources:xmpp_extended_away.png", {}}, {"resources:xmpp_not_available.png", {}},
        {"resources:xmpp_unknown.png", {}}, {"resources:tabicons/startpage.png", {}},
        {"resources:tabicons/lobby.png", {}}, {"resources:tabicons/tournament.png", {}},
        {"resources:tabicons/preferences.png", {}}, {"resources:tabicons/friends.png", {}},
        {"resources:tabicons/help.png", {}}, {"resources:/avatar-default-1.png", {}},
        {"resources:/avatar-default-2.png", {}}, {"resources:/avatar-default-blue.png", {}},
        {"resources:/logo.png", {}}, {"resources:/splash.png", {}},
        {"avatars:/pig.png", {}},
    };
    for (const auto &[name, size] : images) {
        QImageReader reader(name);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(name + QLatin1String(": ") + reader.errorString()));
        if (size.isValid())
            QCOMPARE(image.size(), size);
    }
    QCOMPARE(QImage("resources:short-hr.png").height(), 6);
    QCOMPARE(QImage("resources:woodbackground-hr.png").height(), 6);

    for (const QString &name : QStringList{"resources:/defaultui.css", "resources:/customui.css"})
        QVERIFY2(QFileInfo(name).size() > 0, qPrintable(name));

    // The avatar dialog lists every picture of the avatars folders.
    const QStringList avatars = QDir(QStringLiteral("avatars:/"))
                                        .entryList({"*.png", "*.gif", "*.jpg", "*.bmp"},
                                                   QDir::Files);
    QVERIFY2(avatars.size() >= 6, qPrintable(avatars.join(QLatin1Char(' '))));
}

void TestArtwork::textImagesExistInEveryLanguage_data()
{
    QTest::addColumn<QString>("skin");
    QTest::addColumn<QString>("language");
    for (const QString &skin : skins)
        for (const QString &language : languages)
            QTest::newRow(qPrintable(skin + QLatin1Char('/') + language)) << skin << language;
}

void TestArtwork::textImagesExistInEveryLanguage()
{
    QFETCH(QString, skin);
    QFETCH(QString, language);
    useSkin(skin, language);
    for (const QString &name : textImages) {
        const QImage image(QStringLiteral("textimages:") + name);
        QVERIFY2(!image.isNull(), qPrintable(name));
        QVERIFY2(coverage(image, image.rect()) > 0.05, qPrintable(name));
    }
}

void TestArtwork::localPagesFindTheirScripts_data()
{
    textImagesExistInEveryLanguage_data();
}

void TestArtwork::localPagesFindTheirScripts()
{
    QFETCH(QString, skin);
    QFETCH(QString, language);
    useSkin(skin, language);
    const QRegularExpression reference(QStringLiteral("(?:src|href)=\"([^\"]+)\""));
    for (const QString &page : QStringList{"welcome.html", "howto.html", "support.html"}) {
        QFile file(QStringLiteral("localwww:/") + page);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(page));
        const QString html = QString::fromUtf8(file.readAll());
        const QString folder = QFileInfo(file).absolutePath();
        QVERIFY(html.contains(QLatin1String("qrc:///qtwebchannel/qwebchannel.js")));
        int local = 0;
        for (const QRegularExpressionMatch &match : reference.globalMatch(html)) {
            const QString target = match.captured(1);
            if (target.contains(QLatin1Char(':')))
                continue;
            ++local;
            QVERIFY2(QFile::exists(folder + QLatin1Char('/') + target),
                     qPrintable(page + QLatin1String(" -> ") + target));
        }
        QCOMPARE(local, 2); // the shared script and the shared style sheet
    }
}

void TestArtwork::caCertificates_data()
{
    imagesExistInBothSkins_data();
}

void TestArtwork::caCertificates()
{
    QFETCH(QString, skin);
    useSkin(skin);
    const QFileInfoList files = QDir(QStringLiteral("resources:ca-certs"))
                                        .entryInfoList({"*.pem"}, QDir::Files);
    QCOMPARE(files.size(), 3);
    for (const QFileInfo &info : files) {
        QFile file(info.filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QSslCertificate> certificates =
                QSslCertificate::fromData(file.readAll(), QSsl::Pem);
        QCOMPARE(certificates.size(), 1);
        QVERIFY(!certificates.first().isNull());
        QVERIFY(certificates.first().isSelfSigned());
    }
}

void TestArtwork::styleSheetsParse_data()
{
    imagesExistInBothSkins_data();
}

// A sheet that does not parse is dropped whole by Qt with only a warning; every image
// a sheet names must resolve.
void TestArtwork::styleSheetsParse()
{
    QFETCH(QString, skin);
    useSkin(skin);
    const QRegularExpression url(QStringLiteral("url\\(([^)]+)\\)"));
    for (const QString &name : QStringList{"resources:/defaultui.css", "resources:/customui.css"}) {
        QFile file(name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString sheet = QString::fromUtf8(file.readAll());
        messages.clear();
        const QtMessageHandler previous = qInstallMessageHandler(collectMessages);
        QWidget widget;
        widget.setStyleSheet(sheet);
        widget.ensurePolished();
        qInstallMessageHandler(previous);
        QVERIFY2(!messages.contains(QLatin1String("parse")), qPrintable(messages));
        for (const QRegularExpressionMatch &match : url.globalMatch(sheet))
            QVERIFY2(!QImage(match.captured(1)).isNull(), qPrintable(match.captured(1)));
    }
}

void TestArtwork::faceSvgsHaveEveryTile_data()
{
    QTest::addColumn<QString>("file");
    for (const QString &name : faceNames)
        if (name.endsWith(QLatin1String(".svg")))
            QTest::newRow(qPrintable(name)) << name;
}

// Each face is stretched onto a 28 x 35 area, so its box must have that shape, and a
// face drawn from <text> would depend on the fonts of the player's machine.
void TestArtwork::faceSvgsHaveEveryTile()
{
    QFETCH(QString, file);
    for (const QString &skin : skins) {
        useSkin(skin);
        QFile source(file);
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QByteArray content = source.readAll();
        QVERIFY(!content.contains("<text"));
        QSvgRenderer renderer(content);
        QVERIFY(renderer.isValid());
        for (const QString &id : faceIds) {
            QVERIFY2(renderer.elementExists(id), qPrintable(id));
            const QRectF box = renderer.boundsOnElement(id);
            QVERIFY2(qAbs(box.width() / box.height() - 28.0 / 35.0) < 0.01, qPrintable(id));
        }
    }
}

void TestArtwork::backSvgsHaveEveryElement_data()
{
    QTest::addColumn<QString>("file");
    for (const QString &name : backNames)
        if (name.endsWith(QLatin1String(".svg")))
            QTest::newRow(qPrintable(name)) << name;
}

// The renderer splits each element at the face-to-edge ratio of its source geometry,
// so the boxes must be proportioned like that geometry.
void TestArtwork::backSvgsHaveEveryElement()
{
    QFETCH(QString, file);
    useSkin(QStringLiteral("default"));
    QSvgRenderer renderer(file);
    QVERIFY(renderer.isValid());
    QMap<QString, double> ratios = {{"hand", 28.0 / 45.0}, {"handHighlight", 28.0 / 45.0},
                                    {"hiddenBottom", 198.0 / 140.0},
                                    {"hiddenTop", 198.0 / 210.0},
                                    {"hiddenRight", 148.0 / 272.0},
                                    {"hiddenLeft", 148.0 / 272.0}};
    for (const QString &seat : QStringList{"Bottom", "Right", "Top", "Left"}) {
        const bool upright = seat == QLatin1String("Bottom") || seat == QLatin1String("Top");
        const double width = upright ? 192 : 220;
        const double face = upright ? 220 : 192;
        ratios.insert(QLatin1String("declared") + seat, width / (face + 69));
        ratios.insert(QLatin1String("wallSingle") + seat, width / (face + 69));
        ratios.insert(QLatin1String("wallDouble") + seat, width / (face + 138));
        ratios.insert(QLatin1String("wallTriple") + seat, width / (face + 207));
        ratios.insert(QLatin1String("wallDora") + seat, width / (face + 138));
    }
    // Sideways tiles keep the face-to-edge split 220 : 69 of an upright tile.
    ratios.insert(QStringLiteral("declaredBottomTurned"), 220.0 / (192.0 * 289.0 / 220.0));
    ratios.insert(QStringLiteral("declaredTopTurned"), 220.0 / (192.0 * 289.0 / 220.0));
    QCOMPARE(ratios.size(), 28);
    for (auto it = ratios.cbegin(); it != ratios.cend(); ++it) {
        QVERIFY2(renderer.elementExists(it.key()), qPrintable(it.key()));
        const QRectF box = renderer.boundsOnElement(it.key());
        QVERIFY2(qAbs(box.width() / box.height() - it.value()) < 0.005, qPrintable(it.key()));
    }
}

// The renderer copies fixed rectangles out of the bitmap sheets: each must hold a
// picture, and the sheets must be large enough for all of them.
void TestArtwork::bitmapSheetsHoldEveryPicture()
{
    const QList<QRect> backRects = {
        {30, 40, 29, 45}, {238, 40, 29, 45}, {0, 40, 29, 43}, {0, 5, 40, 34},
        {60, 40, 29, 43}, {224, 90, 40, 34}, {208, 40, 29, 44}, {183, 90, 40, 33},
        {148, 40, 29, 44}, {259, 6, 40, 33}, {178, 40, 29, 49}, {142, 90, 40, 38},
        {118, 40, 29, 49}, {218, 1, 40, 38}, {112, 90, 29, 54}, {71, 90, 40, 43},
        {41, 90, 29, 54}, {0, 90, 40, 43}, {41, 145, 29, 49}, {224, 164, 40, 38},
        {71, 145, 29, 49}, {265, 164, 40, 38}, {268, 40, 27, 26}, {109, 0, 26, 39},
        {90, 40, 27, 26}, {82, 0, 26, 39}, {41, 5, 40, 34}};
    for (const QString &skin : skins) {
        useSkin(skin);
        for (const QString &name : backNames) {
            if (!name.endsWith(QLatin1String(".png")))
                continue;
            const QImage sheet(name);
            QVERIFY2(sheet.width() >= 305 && sheet.height() >= 202, qPrintable(name));
            for (const QRect &r : backRects)
                QVERIFY2(coverage(sheet, r) > 0.8,
                         qPrintable(QStringLiteral("%1 %2,%3").arg(name, QString::number(r.x()), QString::number(r.y()))));
        }

        const QImage faces(QStringLiteral("resources:/tiles-fg.png"));
        QCOMPARE(faces.height(), 42);
        const int pitch = faces.width() / 42;
        QVERIFY(pitch >= 27);
        for (int code = 0; code < 42; ++code) {
            const QRect cell(code * pitch, 0, 27, 42);
            const double covered = coverage(faces, cell);
            QVERIFY2(covered > 0.05 && covered < 0.9, qPrintable(faceIds.at(code)));
        }

        const QImage highlights(highlightName);
        QVERIFY(highlights.width() >= 145 && highlights.height() >= 44);
        for (const QRect &r : {QRect(43, 1, 29, 43), QRect(1, 1, 40, 34), QRect(74, 1, 29, 43),
                               QRect(105, 1, 40, 34)})
            QVERIFY(coverage(highlights, r) > 0.9);
    }
}

// Wind discs are drawn centred on their image; the reference size comes from "east",
// "blank" and "glow".
void TestArtwork::markers()
{
    useSkin(QStringLiteral("corvana"));
    QSvgRenderer winds(QStringLiteral("resources:/wind-indicators.svg"));
    QVERIFY(winds.isValid());
    const QPointF centre = winds.boundsOnElement(QStringLiteral("glow")).center();
    for (const QString &id : QStringList{"blank", "east", "south", "west", "north", "glow",
                              "prevalentEast", "prevalentSouth", "prevalentWest",
                              "prevalentNorth"}) {
        QVERIFY2(winds.elementExists(id), qPrintable(id));
        const QRectF box = winds.boundsOnElement(id);
        QVERIFY2(!box.isEmpty(), qPrintable(id));
        QVERIFY2(QLineF(box.center(), centre).length() < 2.0, qPrintable(id));
    }
    const QRectF glow = winds.boundsOnElement(QStringLiteral("glow"));
    QVERIFY(glow.width() >= winds.boundsOnElement(QStringLiteral("blank")).width());
    QVERIFY(glow.width() >= winds.boundsOnElement(QStringLiteral("east")).width());

    QSvgRenderer stick(QStringLiteral("resources:/riichi-stick.svg"));
    QVERIFY(stick.elementExists(QStringLiteral("stick")));
    const QRectF bar = stick.boundsOnElement(QStringLiteral("stick"));
    QVERIFY(bar.width() > 5 * bar.height());
}

void TestArtwork::soundsAreValidWav_data()
{
    QTest::addColumn<QString>("skin");
    QTest::addColumn<QString>("name");
    for (const QString &skin : skins)
        for (const QString &name : soundNames)
            QTest::newRow(qPrintable(skin + QLatin1Char('/') + name)) << skin << name;
}

// The RIFF structure that QSoundEffect reads: a PCM "fmt " chunk and a "data" chunk
// that fits the file.
void TestArtwork::soundsAreValidWav()
{
    QFETCH(QString, skin);
    QFETCH(QString, name);
    useSkin(skin);
    QFile file(QStringLiteral("sounds:/") + name + QStringLiteral(".wav"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray wav = file.readAll();
    QVERIFY(wav.size() > 44);
    QCOMPARE(wav.mid(0, 4), QByteArray("RIFF"));
    QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 4), quint32(wav.size() - 8));
    QCOMPARE(wav.mid(8, 4), QByteArray("WAVE"));

    quint16 format = 0, channels = 0, bits = 0;
    quint32 rate = 0, bytesPerSecond = 0, dataSize = 0;
    int offset = 12;
    while (offset + 8 <= wav.size()) {
        const QByteArray id = wav.mid(offset, 4);
        const quint32 size = qFromLittleEndian<quint32>(wav.constData() + offset + 4);
        QVERIFY(offset + 8 + qint64(size) <= wav.size());
        const char *body = wav.constData() + offset + 8;
        if (id == "fmt ") {
            format = qFromLittleEndian<quint16>(body);
            channels = qFromLittleEndian<quint16>(body + 2);
            rate = qFromLittleEndian<quint32>(body + 4);
            bytesPerSecond = qFromLittleEndian<quint32>(body + 8);
            bits = qFromLittleEndian<quint16>(body + 14);
        } else if (id == "data") {
            dataSize = size;
        }
        offset += 8 + size + (size & 1);
    }
    QCOMPARE(format, quint16(1));
    QVERIFY(channels == 1 || channels == 2);
    QVERIFY(bits == 8 || bits == 16);
    QVERIFY(rate >= 8000 && rate <= 48000);
    QCOMPARE(bytesPerSecond, rate * channels * bits / 8);
    QVERIFY(dataSize > 0);
    const double seconds = double(dataSize) / bytesPerSecond;
    if (name == QLatin1String("lobby_1min"))
        QVERIFY2(seconds > 59 && seconds < 61, qPrintable(QString::number(seconds)));
    else
        QVERIFY2(seconds < 3, qPrintable(QString::number(seconds)));
}

// One tile of every catalogue entry, rendered by the tile renderer: each picture is
// non-empty and differs from the others of its catalogue.
void TestArtwork::everyCatalogueRendersDistinctTiles()
{
    for (const QString &skin : skins) {
        useSkin(skin);
        const GameScale scale;
        QList<QImage> backs;
        for (const QString &back : backNames) {
            const TileImages images(back, faceNames.first(), highlightName, scale);
            const QImage lying = images.kindImage(0, 0);
            const QImage hand = images.handImage(0);
            QVERIFY2(!lying.isNull() && !hand.isNull(), qPrintable(back));
            QVERIFY2(coverage(lying, lying.rect()) > 0.8, qPrintable(back));
            QVERIFY2(coverage(hand, hand.rect()) > 0.8, qPrintable(back));
            QVERIFY2(!images.kindImage(1, 6).isNull(), qPrintable(back));
            QVERIFY2(!images.kindImage(3, 4).isNull(), qPrintable(back));
            QVERIFY2(!backs.contains(lying), qPrintable(back));
            backs << lying;
        }
        QList<QImage> faces;
        for (const QString &face : faceNames) {
            const TileImages images(backNames.at(3), face, highlightName, scale);
            for (int code = 0; code < 42; ++code) {
                const QImage picture = images.face(0, tile(quint8(code)));
                QVERIFY2(!picture.isNull(), qPrintable(face));
                const double covered = coverage(picture, picture.rect());
                QVERIFY2(covered > 0.03 && covered < 0.95,
                         qPrintable(face + QLatin1Char(' ') + faceIds.at(code)));
            }
            const QImage sample = images.face(0, tile(4)); // bamboo 5
            QVERIFY2(!faces.contains(sample), qPrintable(face));
            faces << sample;
            QVERIFY(images.face(0, tile(4)) != images.face(0, tile(5)));
        }
    }
}

// Every complete resource name written in the client's sources and forms resolves in
// both skins (a sound name without extension is stored as a ".wav" file); names put
// together at run time ("textimages:claim-%1.png") are not complete and are skipped.
void TestArtwork::namesInTheSourcesResolve()
{
    const QString sources = qEnvironmentVariable("MAHJONG_SOURCE_DIR") + QStringLiteral("/src");
    QVERIFY(QFileInfo(sources).isDir());
    const QRegularExpression name(QStringLiteral(
            "(?<![A-Za-z0-9_])(?:resources|textimages|sounds|avatars|localwww):/?"
            "[A-Za-z0-9_./-]*[A-Za-z0-9_](?![A-Za-z0-9_./%-])"));
    QSet<QString> names;
    QDirIterator files(sources, {"*.cpp", "*.h", "*.ui"}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        for (const QRegularExpressionMatch &match : name.globalMatch(text))
            names.insert(match.captured(0));
    }
    QVERIFY(!names.isEmpty());
    for (const QString &skin : skins) {
        for (const QString &language : languages) {
            useSkin(skin, language);
            for (const QString &resource : std::as_const(names)) {
                const QString path = resource.startsWith(QLatin1String("sounds:"))
                        ? resource + QStringLiteral(".wav")
                        : resource;
                QVERIFY2(QFileInfo::exists(path),
                         qPrintable(QStringLiteral("%1 in %2/%3").arg(resource, skin, language)));
            }
        }
    }
}

MAHJONG_TEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
