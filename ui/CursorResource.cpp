#include "ui/CursorResource.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace lumet {

Cursor LoadCursorResource(int id) {
    QFile manifestFile(QStringLiteral(":/cursors/cursors.json"));
    if (!manifestFile.open(QIODevice::ReadOnly)) {
        return Cursor::Arrow();
    }
    const QJsonObject manifest = QJsonDocument::fromJson(manifestFile.readAll()).object();
    const QJsonObject entry = manifest.value(QString::number(id)).toObject();
    const QString imageName = entry.value(QStringLiteral("image")).toString();
    const QJsonArray hotSpot = entry.value(QStringLiteral("hotSpot")).toArray();
    if (imageName.isEmpty() || hotSpot.size() != 2) {
        return Cursor::Arrow();
    }
    const QImage image(QStringLiteral(":/cursors/") + imageName);
    if (image.isNull()) {
        return Cursor::Arrow();
    }
    return Cursor::FromImage(image, Point{hotSpot[0].toInt(), hotSpot[1].toInt()});
}

} // namespace lumet
