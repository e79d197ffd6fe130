#pragma once

#include "platform/dialogs/MessageBoxes.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace lumet {

// Modal Qt message boxes with an OK button. The application's own boxes carry the
// application's name as caption and the warning icon and are owned by the main
// window when one is set; the others have no owner.
class QtMessageBoxes final : public MessageBoxes {
public:
    explicit QtMessageBoxes(QString applicationName)
        : applicationName_(std::move(applicationName)) {}

    void SetOwner(QWidget* owner) { owner_ = owner; }

    void ShowApplicationMessage(const std::string& text) override;
    void ShowMessage(const std::string& caption, MessageIcon icon,
                     const std::string& text) override;

private:
    QString applicationName_;
    QPointer<QWidget> owner_;
};

} // namespace lumet
