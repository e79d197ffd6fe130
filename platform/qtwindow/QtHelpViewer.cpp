#include "platform/qtwindow/QtHelpViewer.h"

#include <QDialog>
#include <QFontDatabase>
#include <QTextEdit>
#include <QVBoxLayout>

namespace lumet {

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 560;

} // namespace

QtHelpViewer::~QtHelpViewer() {
    delete dialog_.data();
}

void QtHelpViewer::Show(const std::string& text, HostWindow* owner) {
    // The Qt host windows are widgets.
    QWidget* const ownerWidget = dynamic_cast<QWidget*>(owner);
    if (dialog_.isNull() || dialog_->parentWidget() != ownerWidget) {
        Create(ownerWidget);
    }
    text_->setPlainText(QString::fromStdString(text));
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
}

bool QtHelpViewer::IsShown() const {
    return !dialog_.isNull() && dialog_->isVisible();
}

QString QtHelpViewer::Text() const {
    return text_.isNull() ? QString() : text_->toPlainText();
}

QWidget* QtHelpViewer::Owner() const {
    return dialog_.isNull() ? nullptr : dialog_->parentWidget();
}

void QtHelpViewer::Create(QWidget* owner) {
    delete dialog_.data();
    auto* const dialog = new QDialog(owner);
    dialog->setWindowTitle(QString::fromLatin1(kCaption));
    dialog->resize(kWidth, kHeight);
    auto* const text = new QTextEdit(dialog);
    text->setReadOnly(true);
    text->setLineWrapMode(QTextEdit::NoWrap);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* const layout = new QVBoxLayout(dialog);
    layout->addWidget(text);
    dialog_ = dialog;
    text_ = text;
}

} // namespace lumet
