#include "platform/export/QtTextViewer.h"

#include <QFile>
#include <algorithm>

namespace lumet {

QtTextViewer::~QtTextViewer() {
    for (const QPointer<TextViewerWindow>& window : windows_) {
        delete window.data();
    }
}

bool QtTextViewer::Show(const std::filesystem::path& file, const std::string& title) {
    const std::optional<QString> text = ReadText(file);
    if (TextViewerWindow* window = Window(title)) {
        // The file may have been written again since the window opened.
        if (text) {
            window->SetText(*text);
        }
        window->showNormal();
        window->raise();
        window->activateWindow();
        return true;
    }
    if (!text) {
        return false;
    }
    std::erase_if(windows_,
                  [](const QPointer<TextViewerWindow>& window) { return window.isNull(); });
    auto* window = new TextViewerWindow(QString::fromStdString(title), *text);
    windows_.emplace_back(window);
    window->show();
    window->raise();
    window->activateWindow();
    return true;
}

void QtTextViewer::Place(const std::string& title, const Rect& screenRect) {
    if (TextViewerWindow* window = Window(title)) {
        window->PlaceFrame(
            QRect(screenRect.left, screenRect.top, screenRect.Width(), screenRect.Height()));
    }
}

TextViewerWindow* QtTextViewer::Window(const std::string& title) const {
    const QString wanted = QString::fromStdString(title);
    const auto found =
        std::find_if(windows_.begin(), windows_.end(), [&](const QPointer<TextViewerWindow>& w) {
            return !w.isNull() && w->windowTitle() == wanted;
        });
    return found == windows_.end() ? nullptr : found->data();
}

std::optional<QString> QtTextViewer::ReadText(const std::filesystem::path& file) {
    QFile input(QString::fromStdString(file.string()));
    if (!input.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QString text = QString::fromLatin1(input.readAll());
    text.remove(QLatin1Char('\r'));
    return text;
}

} // namespace lumet
