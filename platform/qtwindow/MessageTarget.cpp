#include "platform/qtwindow/MessageTarget.h"

#include "platform/window/DialogWindow.h"

#include <QCoreApplication>
#include <QEvent>

namespace lumet {

namespace {

QEvent::Type PostedMessageType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

QEvent::Type PaintRequestType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

class PostedMessage final : public QEvent {
public:
    PostedMessage(int message, std::uintptr_t wParam, std::intptr_t lParam)
        : QEvent(PostedMessageType()), message_(message), wParam_(wParam), lParam_(lParam) {}

    int message_;
    std::uintptr_t wParam_;
    std::intptr_t lParam_;
};

} // namespace

void MessageTarget::Post(int message, std::uintptr_t wParam, std::intptr_t lParam) {
    QCoreApplication::postEvent(this, new PostedMessage(message, wParam, lParam),
                                Qt::NormalEventPriority);
}

void MessageTarget::PostPaintRequest() {
    QCoreApplication::postEvent(this, new QEvent(PaintRequestType()), Qt::LowEventPriority);
}

bool MessageTarget::event(QEvent* event) {
    if (event->type() == PostedMessageType()) {
        const auto* posted = static_cast<PostedMessage*>(event);
        window_.DeliverPosted(posted->message_, posted->wParam_, posted->lParam_);
        return true;
    }
    if (event->type() == PaintRequestType()) {
        window_.PaintPass();
        return true;
    }
    return QObject::event(event);
}

} // namespace lumet
