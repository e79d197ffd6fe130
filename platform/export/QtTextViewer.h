#pragma once

#include "platform/export/TextViewer.h"
#include "platform/export/TextViewerWindow.h"

#include <QPointer>
#include <optional>
#include <vector>

namespace lumet {

// Text windows of the application's own. A window the user closes is gone; the
// next Show opens a new one.
class QtTextViewer final : public TextViewer {
public:
    QtTextViewer() = default;
    ~QtTextViewer() override;

    QtTextViewer(const QtTextViewer&) = delete;
    QtTextViewer& operator=(const QtTextViewer&) = delete;

    bool Show(const std::filesystem::path& file, const std::string& title) override;
    void Place(const std::string& title, const Rect& screenRect) override;

    // The open window with that title, or nullptr.
    TextViewerWindow* Window(const std::string& title) const;

private:
    // The file as single-byte text with its line ends made plain; nothing when it
    // cannot be read.
    static std::optional<QString> ReadText(const std::filesystem::path& file);

    std::vector<QPointer<TextViewerWindow>> windows_;
};

} // namespace lumet
