#include "tools/artgen/ArtSet.h"

#include "tools/artgen/BmpEncoder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>

namespace lumet::art {

namespace {

QString BitmapPath(const QString& name) {
    return QStringLiteral("bitmaps/%1.bmp").arg(name);
}

QString WriteFile(const QString& fileName, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        return QStringLiteral("cannot write %1").arg(fileName);
    }
    return {};
}

QByteArray EncodePng(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.write(image);
    return bytes;
}

} // namespace

void ArtSet::AddBitmap(const QString& name, const QImage& image, int bitsPerPixel) {
    entries_[BitmapPath(name)] = Entry{image, bitsPerPixel, {}};
}

void ArtSet::AddPng(const QString& path, const QImage& image) {
    entries_[path] = Entry{image, 0, {}};
}

void ArtSet::AddText(const QString& path, const QByteArray& text) {
    entries_[path] = Entry{{}, -1, text};
}

QImage ArtSet::Bitmap(const QString& name) const {
    return Image(BitmapPath(name));
}

QImage ArtSet::Image(const QString& path) const {
    const auto found = entries_.find(path);
    return found == entries_.end() ? QImage() : found->second.image;
}

QString ArtSet::WriteAll(const QString& directory) const {
    QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const auto& [path, entry] : entries_) {
        QByteArray bytes;
        if (entry.bitsPerPixel > 0) {
            BmpEncoder::Result encoded = BmpEncoder::Encode(entry.image, entry.bitsPerPixel);
            if (!encoded.error.isEmpty()) {
                return path + QStringLiteral(": ") + encoded.error;
            }
            bytes = encoded.bytes;
        } else if (entry.bitsPerPixel == 0) {
            bytes = EncodePng(entry.image);
        } else {
            bytes = entry.text;
        }
        if (const QString error = WriteFile(directory + QLatin1Char('/') + path, bytes);
            !error.isEmpty()) {
            return error;
        }
        qrc += "    <file>" + path.toUtf8() + "</file>\n";
    }
    qrc += "</qresource>\n</RCC>\n";
    return WriteFile(directory + QStringLiteral("/lumet.qrc"), qrc);
}

} // namespace lumet::art
