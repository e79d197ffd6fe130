#pragma once

#include "platform/gdi/Rect.h"
#include "platform/window/InputMessage.h"

#include <QTimer>
#include <QWidget>

namespace lumet {

class DialogWindow;

// The Qt top-level widget of a DialogWindow: it shows the window surface (and the
// caret over it) and hands the window system's input, close and expose events to
// the DialogWindow. It draws nothing of its own.
class HostWidget final : public QWidget {
public:
    explicit HostWidget(DialogWindow& window);

    // Copies the surface to the screen now.
    // Copies an area of the surface (client coordinates) to the screen at once.
    void UpdateScreen(const Rect& area);
    // The caret moved, appeared or went: show it at once and restart its blinking.
    void CaretChanged();
    bool CaretShown() const { return caretOn_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void DeliverMouse(const QMouseEvent* event, InputKind kind);

    DialogWindow& window_;
    QTimer caretBlink_;
    bool caretOn_ = false;
    bool exposeFilterInstalled_ = false;
};

} // namespace lumet
