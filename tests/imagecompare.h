#pragma once

#include <QImage>
#include <QString>

#include <cstdlib>

// Compares two pictures channel by channel. A picture that went through premultiplied
// alpha (every QPixmap does) can come back with one channel of a semi-transparent pixel
// off by one, depending on which SIMD path the processor takes; a larger difference, or
// another size, is another picture. Returns what differs, or an empty string.
inline QString imageDifference(const QImage &actualImage, const QImage &expectedImage, int tolerance = 1)
{
    const QImage actual = actualImage.convertToFormat(QImage::Format_ARGB32);
    const QImage expected = expectedImage.convertToFormat(QImage::Format_ARGB32);
    if (actual.size() != expected.size())
        return QStringLiteral("size %1x%2, expected %3x%4")
            .arg(actual.width())
            .arg(actual.height())
            .arg(expected.width())
            .arg(expected.height());
    for (int y = 0; y < actual.height(); ++y) {
        const auto *a = reinterpret_cast<const QRgb *>(actual.constScanLine(y));
        const auto *e = reinterpret_cast<const QRgb *>(expected.constScanLine(y));
        for (int x = 0; x < actual.width(); ++x) {
            const int channels[4][2] = {{qRed(a[x]), qRed(e[x])},
                                        {qGreen(a[x]), qGreen(e[x])},
                                        {qBlue(a[x]), qBlue(e[x])},
                                        {qAlpha(a[x]), qAlpha(e[x])}};
            for (const auto &c : channels) {
                if (std::abs(c[0] - c[1]) > tolerance)
                    return QStringLiteral("pixel (%1, %2) is #%3, expected #%4")
                        .arg(x)
                        .arg(y)
                        .arg(a[x], 8, 16, QLatin1Char('0'))
                        .arg(e[x], 8, 16, QLatin1Char('0'));
            }
        }
    }
    return {};
}

#define MAHJONG_COMPARE_IMAGES(actual, expected)                       \
    do {                                                               \
        const QString difference_ = imageDifference(actual, expected); \
        QVERIFY2(difference_.isEmpty(), qPrintable(difference_));      \
    } while (false)
