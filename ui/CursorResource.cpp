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
        QImage::fromData(ResourceBytes("cursors/" + imageName.toStdString()), "PNG");
    if (image.isNull()) {
        return Cursor::Arrow();
    }
    return Cursor::FromImage(image, Point{hotSpot[0].toInt(), hotSpot[1].toInt()});
}

} // namespace lumet
