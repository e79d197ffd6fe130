#pragma once

#include <QObject>
#include <cstdint>

namespace lumet {

class DialogWindow;

// Receives the window's posted messages and paint requests as Qt events. Paint
// requests have low priority, so they are handled after the events posted before
// them, as the window system makes WM_PAINT wait for posted messages.
class MessageTarget final : public QObject {
public:
    explicit MessageTarget(DialogWindow& window) : window_(window) {}

    void Post(int message, std::uintptr_t wParam, std::intptr_t lParam);
    void PostPaintRequest();

protected:
    bool event(QEvent* event) override;

private:
    DialogWindow& window_;
};

} // namespace lumet
