#pragma once

#include "platform/dialogs/MessageBoxes.h"

#include <QPointer>
#include <QString>
#include <filesystem>

class QDialog;
class QTextEdit;
class QWidget;

namespace lumet {

// The program's help window: a small reader for the plain-text help file. It stays
// open beside the main window and is reused by the next request.
class HelpViewer {
public:
    static constexpr const char* kCaption = "Lumet Help";

    explicit HelpViewer(MessageBoxes& messages) : messages_(messages) {}
    ~HelpViewer();

    HelpViewer(const HelpViewer&) = delete;
    HelpViewer& operator=(const HelpViewer&) = delete;

    // Shows the file's text from its beginning; with an owner the viewer stays above
    // it and closes with it. A file that cannot be read is reported in a message box
    // that names the file and the directory it was looked for in. Returns whether the
    // viewer shows the file.
    bool Open(const std::filesystem::path& file, QWidget* owner);

    bool IsShown() const;
    QString Text() const;
    QWidget* Owner() const;

private:
    void Create(QWidget* owner);

    MessageBoxes& messages_;
    QPointer<QDialog> dialog_;
    QPointer<QTextEdit> text_;
};

} // namespace lumet
