#include "platform/qtwindow/HostWidget.h"

#include "platform/qtgdi/BitmapImage.h"
#include "platform/qtwindow/LeftButtonHeld.h"
#include "platform/window/DialogWindow.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QWindow>
#include <cmath>

namespace lumet {

namespace {

// The window system's caret blink period.
constexpr int kCaretBlinkMs = 530;

Key KeyOf(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Key::Return;
    case Qt::Key_Escape:
        return Key::Escape;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return Key::Tab;
    case Qt::Key_Backspace:
        return Key::Backspace;
    case Qt::Key_Delete:
        return Key::Delete;
    case Qt::Key_Left:
        return Key::Left;
    case Qt::Key_Right:
        return Key::Right;
    case Qt::Key_Up:
        return Key::Up;
    case Qt::Key_Down:
        return Key::Down;
    case Qt::Key_Home:
        return Key::Home;
    case Qt::Key_End:
        return Key::End;
    case Qt::Key_Space:
        return Key::Space;
    case Qt::Key_F1:
        return Key::F1;
    default:
        return Key::Other;
    }
}

KeyModifiers ModifiersOf(Qt::KeyboardModifiers modifiers) {
    return KeyModifiers{modifiers.testFlag(Qt::ShiftModifier),
                        modifiers.testFlag(Qt::ControlModifier),
                        modifiers.testFlag(Qt::AltModifier)};
}

KeyModifiers ModifiersOf(const QKeyEvent* event) {
    KeyModifiers modifiers = ModifiersOf(event->modifiers());
    modifiers.shift = modifiers.shift || event->key() == Qt::Key_Backtab;
    return modifiers;
}

// The character the window system's key translation makes of a key press.
char32_t CharacterOf(const QKeyEvent* event, Key key, const KeyModifiers& modifiers) {
    switch (key) {
    case Key::Backspace:
        return 8;
    case Key::Return:
        return U'\r';
    case Key::Escape:
        return 0x1B;
    case Key::Tab:
        return U'\t';
    case Key::Delete:
    case Key::Left:
    case Key::Right:
    case Key::Up:
    case Key::Down:
    case Key::Home:
    case Key::End:
    case Key::F1:
        return 0;
    default:
        break;
    }
    const int qtKey = event->key();
    if (modifiers.control && qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
        return static_cast<char32_t>(qtKey - Qt::Key_A + 1);
    }
    const QString text = event->text();
    if (text.isEmpty()) {
        return 0;
    }
    const QList<uint> characters = text.toUcs4();
    return characters.isEmpty() ? 0 : static_cast<char32_t>(characters.front());
}

QCursor QtCursorOf(const Cursor& cursor) {
    switch (cursor.GetShape()) {
    case Cursor::Shape::IBeam:
        return QCursor(Qt::IBeamCursor);
    case Cursor::Shape::Picture: {
        const std::span<const std::uint8_t> png = cursor.Png();
        QPixmap pixmap;
        if (pixmap.loadFromData(png.data(), static_cast<uint>(png.size()), "PNG")) {
            return QCursor(pixmap, cursor.HotSpot().x, cursor.HotSpot().y);
        }
        break;
    }
    case Cursor::Shape::Arrow:
        break;
    }
    return QCursor(Qt::ArrowCursor);
}

Point Floor(const QPointF& point) {
    return Point{static_cast<int>(std::floor(point.x())), static_cast<int>(std::floor(point.y()))};
}

} // namespace

HostWidget::HostWidget(DialogWindow& window)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), window_(window), target_(window) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(DialogWindow::kClientWidth, DialogWindow::kCollapsedHeight);
    caretBlink_.setInterval(kCaretBlinkMs);
    connect(&caretBlink_, &QTimer::timeout, this, [this] {
        caretOn_ = !caretOn_;
        update();
    });
}

HostWidget& HostWidget::Of(DialogWindow& window) {
    return static_cast<HostWidget&>(window.Host());
}

void HostWidget::Show() {
    show();
    raise();
    activateWindow();
}

Rect HostWidget::Geometry() const {
    const QRect placed = geometry();
    return Rect{placed.left(), placed.top(), placed.left() + placed.width(),
                placed.top() + placed.height()};
}

bool HostWidget::StartSystemMove() {
    QWindow* const handle = windowHandle();
    return handle != nullptr && handle->startSystemMove();
}

void HostWidget::SetTitle(std::string_view title) {
    setWindowTitle(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
}

void HostWidget::SetIcon(const std::vector<std::span<const std::uint8_t>>& pngImages) {
    QIcon icon;
    for (const std::span<const std::uint8_t> png : pngImages) {
        QPixmap pixmap;
        if (pixmap.loadFromData(png.data(), static_cast<uint>(png.size()), "PNG")) {
            icon.addPixmap(pixmap);
        }
    }
    setWindowIcon(icon);
}

void HostWidget::SetCursor(const Cursor& cursor) {
    setCursor(QtCursorOf(cursor));
}

Point HostWidget::PointerPosition() const {
    const QPoint client = mapFromGlobal(QCursor::pos());
    return Point{client.x(), client.y()};
}

std::optional<bool> HostWidget::LeftButtonHeld() const {
    return LeftButtonHeldNow();
}

Rect HostWidget::ScreenRect() const {
    const QScreen* const screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {};
    }
    const QRect area = screen->geometry();
    return Rect{area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
}

void HostWidget::SetClipboardText(const std::string& utf8) {
    if (QGuiApplication::clipboard() != nullptr) {
        QGuiApplication::clipboard()->setText(QString::fromStdString(utf8));
    }
}

std::string HostWidget::ClipboardText() const {
    return QGuiApplication::clipboard() != nullptr
               ? QGuiApplication::clipboard()->text().toStdString()
               : std::string();
}

void HostWidget::RunModalLoop() {
    QEventLoop loop;
    QEventLoop* const outer = modalLoop_;
    modalLoop_ = &loop;
    loop.exec();
    modalLoop_ = outer;
}

void HostWidget::ExitModalLoop() {
    if (modalLoop_ != nullptr) {
        modalLoop_->exit(0);
    }
}

void HostWidget::UpdateScreen(const Rect& area) {
    if (isVisible()) {
        update(QRect(area.left, area.top, area.Width(), area.Height()));
    }
}

void HostWidget::CaretChanged() {
    caretOn_ = window_.Caret().has_value();
    if (caretOn_) {
        caretBlink_.start();
    } else {
        caretBlink_.stop();
    }
    update();
}

void HostWidget::paintEvent(QPaintEvent* event) {
    static_cast<void>(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRect client(0, 0, width(), height());
    painter.drawImage(client, ImageView(window_.SurfacePixels()), client);
    const std::optional<Rect> caret = window_.Caret();
    if (caretOn_ && caret) {
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.fillRect(QRect(caret->left, caret->top, caret->Width(), caret->Height()),
                         Qt::white);
    }
}

void HostWidget::DeliverMouse(const QMouseEvent* event, InputKind kind) {
    window_.DeliverMouse(kind, Floor(event->position()), Floor(event->globalPosition()),
                         ModifiersOf(event->modifiers()));
}

void HostWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        DeliverMouse(event, InputKind::LeftButtonDown);
    }
}

void HostWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        DeliverMouse(event, InputKind::LeftButtonUp);
    }
}

void HostWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        DeliverMouse(event, InputKind::LeftButtonDoubleClick);
    }
}

void HostWidget::mouseMoveEvent(QMouseEvent* event) {
    DeliverMouse(event, InputKind::MouseMove);
}

void HostWidget::keyPressEvent(QKeyEvent* event) {
    // Window managers usually take Alt+F4 themselves; without one it arrives here.
    if (event->key() == Qt::Key_F4 && event->modifiers().testFlag(Qt::AltModifier)) {
        window_.DeliverClose();
        return;
    }
    const Key key = KeyOf(event->key());
    const KeyModifiers modifiers = ModifiersOf(event);
    window_.DeliverKeyPress(key, CharacterOf(event, key, modifiers), modifiers);
}

void HostWidget::keyReleaseEvent(QKeyEvent* event) {
    // A held key repeats its key-down only.
    if (event->isAutoRepeat()) {
        return;
    }
    window_.DeliverKeyRelease(KeyOf(event->key()), ModifiersOf(event));
}

void HostWidget::closeEvent(QCloseEvent* event) {
    // The dialog decides; the window stays until its modal run ends.
    event->ignore();
    window_.DeliverClose();
}

void HostWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!exposeFilterInstalled_ && windowHandle() != nullptr) {
        windowHandle()->installEventFilter(this);
        exposeFilterInstalled_ = true;
    }
}

bool HostWidget::focusNextPrevChild(bool next) {
    // Tab belongs to the dialog's own keyboard handling.
    static_cast<void>(next);
    return false;
}

bool HostWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Expose && watched == windowHandle() &&
        windowHandle()->isExposed()) {
        window_.DeliverExpose();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace lumet
