#pragma once

#include "platform/window/HelpViewer.h"

#include <QPointer>
#include <QString>

class QDialog;
class QTextEdit;
class QWidget;

namespace lumet {

// The help window as a Qt dialog with a read-only text view in a fixed-pitch font.
class QtHelpViewer final : public HelpViewer {
public:
    using HelpViewer::HelpViewer;
    ~QtHelpViewer() override;

    bool IsShown() const;
    QString Text() const;
    QWidget* Owner() const;

protected:
    void Show(const std::string& text, HostWindow* owner) override;

private:
    void Create(QWidget* owner);

    QPointer<QDialog> dialog_;
    QPointer<QTextEdit> text_;
};

} // namespace lumet
