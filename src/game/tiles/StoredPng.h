#pragma once

#include <QImage>

class QIODevice;

// PNG files whose rows are not filtered and whose data is not compressed
// (deflate's stored blocks). Such a file is several times larger than a
// compressed one but reads back at little more than the cost of a copy: the
// form for files the program writes once and reads at every start.
namespace StoredPng {

// Writes one complete PNG file (8-bit RGBA, straight alpha) at the device's
// position. False when the image is null or the device refused the bytes.
bool write(QIODevice *device, const QImage &image);

// Reads one complete PNG file from the device's position and leaves the
// device after it. From a QBuffer, a file in the stored form is copied out
// directly (its chunk checksums checked); any other PNG, and any other device,
// goes through Qt's reader. A null image when the file is cut off or damaged.
QImage read(QIODevice *device);

} // namespace StoredPng
