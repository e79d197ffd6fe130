#pragma once

#include "platform/gdi/Rect.h"
#include "platform/qtwindow/MessageTarget.h"
#include "platform/window/HostWindow.h"
#include "platform/window/InputMessage.h"

#include <QTimer>
#include <QWidget>

class QEventLoop;

namespace lumet {

class DialogWindow;

// The Qt top-level widget of a DialogWindow: it shows the window surface (and the
// caret over it) and hands the window system's input, close and expose events to
// the DialogWindow. It draws nothing of its own.
class HostWidget final : public QWidget, public HostWindow {
public:
    explicit HostWidget(DialogWindow& window);

    // The widget behind a window that a QtWindowSystem made.
    static HostWidget& Of(DialogWindow& window);

    void Show() override;
    void Hide() override { hide(); }
    bool IsVisible() const override { return isVisible(); }
    void Minimize() override { showMinimized(); }
    void SetClientSize(int width, int height) override { setFixedSize(width, height); }
    void MoveTo(Point screenTopLeft) override { move(screenTopLeft.x, screenTopLeft.y); }
    Rect Geometry() const override;
    bool StartSystemMove() override;
    void SetTitle(std::string_view title) override;
    std::string Title() const override { return windowTitle().toStdString(); }
    void SetIcon(const std::vector<std::span<const std::uint8_t>>& pngImages) override;
    void GrabPointer() override { grabMouse(); }
    void ReleasePointer() override { releaseMouse(); }
    void SetCursor(const Cursor& cursor) override;
    Point PointerPosition() const override;
    std::optional<bool> LeftButtonHeld() const override;
    Rect ScreenRect() const override;
    int LogicalDpiX() const override { return logicalDpiX(); }
    int LogicalDpiY() const override { return logicalDpiY(); }
    void UpdateScreen(const Rect& area) override;
    void CaretChanged() override;
    void SetClipboardText(const std::string& utf8) override;
    std::string ClipboardText() const override;
    void Post(int message, std::uintptr_t wParam, std::intptr_t lParam) override {
        target_.Post(message, wParam, lParam);
    }
    void RequestPaintPass() override { target_.PostPaintRequest(); }
    void RunModalLoop() override;
    void ExitModalLoop() override;

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
    MessageTarget target_;
    QTimer caretBlink_;
    bool caretOn_ = false;
    bool exposeFilterInstalled_ = false;
    QEventLoop* modalLoop_ = nullptr;
};

} // namespace lumet
