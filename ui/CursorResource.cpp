#include "ui/CursorResource.h"

#include "res/Resources.h"

#include <QByteArray>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace lumet {

namespace {

QByteArray ResourceBytes(const std::string& path) {
    const std::span<const std::uint8_t> bytes = FindResource(path);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

} // namespace

Cursor LoadCursorResource(int id) {
    const QJsonObject manifest =
        QJsonDocument::fromJson(ResourceBytes("cursors/cursors.json")).object();
    const QJsonObject entry = manifest.value(QString::number(id)).toObject();
    const QString imageName = entry.value(QStringLiteral("image")).toString();
    const QJsonArray hotSpot = entry.value(QStringLiteral("hotSpot")).toArray();
    if (imageName.isEmpty() || hotSpot.size() != 2) {
        return Cursor::Arrow();
    }
    const QImage image =
        QImage::fromData(ResourceBytes("cursors/" + imageName.toStdString()), "PNG")
            .convertToFormat(QImage::Format_ARGB32);
    if (image.isNull()) {
        return Cursor::Arrow();
    }
    Cursor::Picture picture{image.width(), image.height(), {}};
    picture.argb.reserve(static_cast<std::size_t>(image.width() * image.height()));
    for (int y = 0; y < image.height(); ++y) {
        const auto* const row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        picture.argb.insert(picture.argb.end(), row, row + image.width());
    }
    return Cursor::FromPicture(std::move(picture), Point{hotSpot[0].toInt(), hotSpot[1].toInt()});
}

} // namespace lumet
