#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <map>

namespace lumet::art {

// Every file of the artwork, by its path under res/, ready to be written. The set also
// writes the resource collection file that lists them.
class ArtSet {
public:
    // A Windows bitmap named after its resource: bitmaps/<name>.bmp.
    void AddBitmap(const QString& name, const QImage& image, int bitsPerPixel);
    void AddPng(const QString& path, const QImage& image);
    void AddText(const QString& path, const QByteArray& text);

    // The picture stored under a bitmap resource name or a path (for the preview).
    QImage Bitmap(const QString& name) const;
    QImage Image(const QString& path) const;

    // Encodes and writes every file under directory, plus lumet.qrc. Returns an error
    // message, or an empty string on success.
    QString WriteAll(const QString& directory) const;

private:
    struct Entry {
        QImage image;
        int bitsPerPixel = 0; // 0: PNG, -1: text
        QByteArray text;
    };
    std::map<QString, Entry> entries_;
};

} // namespace lumet::art
