#include "game/tiles/StoredPng.h"

#include <QBuffer>
#include <QByteArray>
#include <QIODevice>
#include <QImageReader>

#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <csetjmp>

namespace StoredPng {

namespace {

constexpr uchar signature[8] = {137, 80, 78, 71, 13, 10, 26, 10};
constexpr qsizetype chunkOverhead = 12; // length, type, checksum
constexpr quint32 maxChunkLength = 0x7fffffff;

quint32 bigEndian32(const uchar *p)
{
    return (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | quint32(p[3]);
}

constexpr quint32 chunkType(const char (&name)[5])
{
    return (quint32(uchar(name[0])) << 24) | (quint32(uchar(name[1])) << 16)
           | (quint32(uchar(name[2])) << 8) | quint32(uchar(name[3]));
}

void appendBytes(png_structp png, png_bytep data, png_size_t length)
{
    static_cast<QByteArray *>(png_get_io_ptr(png))
        ->append(reinterpret_cast<const char *>(data), static_cast<qsizetype>(length));
}

void flushNothing(png_structp) {}

// libpng reports its errors by longjmp: nothing with a destructor lives in
// this frame.
bool encode(const QImage &rgba, QByteArray *out)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, out, appendBytes, flushNothing);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(png, 0);
    // All rows in one data chunk, which the reader copies out in one pass.
    png_set_compression_buffer_size(
        png, static_cast<png_size_t>(rgba.height()) * (rgba.bytesPerLine() + 1) + 1024);
    png_set_IHDR(png, info, static_cast<png_uint_32>(rgba.width()),
                 static_cast<png_uint_32>(rgba.height()), 8, PNG_COLOR_TYPE_RGB_ALPHA,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
    png_write_info(png, info);
    for (int y = 0; y < rgba.height(); ++y)
        png_write_row(png, rgba.constScanLine(y));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

struct Chunk
{
    quint32 type = 0;
    const uchar *data = nullptr;
    quint32 length = 0;
};

bool checksumHolds(const Chunk &chunk)
{
    const uchar *typeAndData = chunk.data - 4;
    const uLong crc = crc32(0L, typeAndData, static_cast<uInt>(chunk.length) + 4);
    return crc == bigEndian32(chunk.data + chunk.length);
}

// The pixels of an 8-bit RGBA image without interlacing whose one data chunk
// holds stored blocks of unfiltered rows; a null image for any other PNG.
QImage copyStoredRows(const Chunk &header, const Chunk &data)
{
    const uchar *h = header.data;
    const quint32 width = bigEndian32(h);
    const quint32 height = bigEndian32(h + 4);
    if (width == 0 || height == 0 || width > 0x7fff || height > 0x7fff || h[8] != 8 || h[9] != 6
        || h[10] != 0 || h[11] != 0 || h[12] != 0)
        return QImage();

    // The zlib header: deflate, no preset dictionary.
    const uchar *z = data.data;
    const qsizetype size = data.length;
    if (size < 6 || (z[0] & 0x0f) != 8 || ((z[0] << 8) | z[1]) % 31 != 0 || (z[1] & 0x20))
        return QImage();

    QImage image(int(width), int(height), QImage::Format_RGBA8888);
    if (image.isNull())
        return QImage();
    uchar *const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const qsizetype rowBytes = qsizetype(width) * 4;
    qsizetype y = 0;
    qsizetype x = -1; // -1: at the row's filter byte
    qsizetype pos = 2;
    for (bool last = false; !last;) {
        if (pos + 5 > size || ((z[pos] >> 1) & 3) != 0)
            return QImage();
        last = z[pos] & 1;
        qsizetype length = z[pos + 1] | (z[pos + 2] << 8);
        if ((length ^ (z[pos + 3] | (z[pos + 4] << 8))) != 0xffff)
            return QImage();
        pos += 5;
        if (pos + length > size)
            return QImage();
        while (length > 0) {
            if (x < 0) {
                if (y == qsizetype(height) || z[pos] != 0)
                    return QImage();
                x = 0;
                ++pos;
                --length;
                continue;
            }
            const qsizetype n = std::min(length, rowBytes - x);
            std::memcpy(bits + y * stride + x, z + pos, size_t(n));
            x += n;
            pos += n;
            length -= n;
            if (x == rowBytes) {
                x = -1;
                ++y;
            }
        }
    }
    // The rows end with the last block, which the stream's own checksum follows.
    if (y != qsizetype(height) || x != -1 || pos + 4 != size)
        return QImage();
    return image;
}

// The length of the PNG file at the start of bytes, up to and with its end
// chunk; 0 when it is cut off or is no PNG file.
qsizetype fileLength(const uchar *bytes, qsizetype size)
{
    if (size < qsizetype(sizeof signature) || std::memcmp(bytes, signature, sizeof signature) != 0)
        return 0;
    qsizetype pos = sizeof signature;
    while (pos + chunkOverhead <= size) {
        const quint32 length = bigEndian32(bytes + pos);
        if (length > maxChunkLength || qsizetype(length) > size - pos - chunkOverhead)
            return 0;
        const quint32 type = bigEndian32(bytes + pos + 4);
        pos += chunkOverhead + qsizetype(length);
        if (type == chunkType("IEND"))
            return pos;
    }
    return 0;
}

QImage decode(const uchar *bytes, qsizetype length)
{
    Chunk header;
    Chunk data;
    int dataChunks = 0;
    bool other = false;
    for (qsizetype pos = sizeof signature; pos < length;) {
        Chunk chunk;
        chunk.length = bigEndian32(bytes + pos);
        chunk.type = bigEndian32(bytes + pos + 4);
        chunk.data = bytes + pos + 8;
        pos += chunkOverhead + qsizetype(chunk.length);
        if (chunk.type == chunkType("IHDR") && chunk.length == 13 && header.data == nullptr)
            header = chunk;
        else if (chunk.type == chunkType("IDAT") && ++dataChunks == 1)
            data = chunk;
        else if (chunk.type != chunkType("IEND") && !(chunk.type & 0x20000000))
            other = true; // a critical chunk of another form: palette, a second IDAT
    }
    if (header.data && dataChunks == 1 && !other) {
        if (!checksumHolds(header) || !checksumHolds(data))
            return QImage();
        QImage image = copyStoredRows(header, data);
        if (!image.isNull())
            return image;
    }
    return QImage::fromData(bytes, int(std::min<qsizetype>(length, INT_MAX)), "PNG");
}

} // namespace

bool write(QIODevice *device, const QImage &image)
{
    if (image.isNull())
        return false;
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    QByteArray bytes;
    bytes.reserve(rgba.sizeInBytes() + rgba.height() + 1024);
    return encode(rgba, &bytes) && device->write(bytes) == bytes.size();
}

QImage read(QIODevice *device)
{
    // A buffer's bytes are read where they are; other devices go through
    // Qt's reader, which reads exactly the one file.
    auto *buffer = qobject_cast<QBuffer *>(device);
    if (!buffer)
        return QImageReader(device, "PNG").read();
    const QByteArray &all = buffer->data();
    const qsizetype start = buffer->pos();
    if (start < 0 || start > all.size())
        return QImage();
    const auto *bytes = reinterpret_cast<const uchar *>(all.constData()) + start;
    const qsizetype length = fileLength(bytes, all.size() - start);
    buffer->seek(length == 0 ? all.size() : start + length);
    return length == 0 ? QImage() : decode(bytes, length);
}

} // namespace StoredPng
