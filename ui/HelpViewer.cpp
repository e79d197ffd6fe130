#include "ui/HelpViewer.h"

#include <QDialog>
#include <QFile>
#include <QFontDatabase>
#include <QTextEdit>
#include <QVBoxLayout>

namespace lumet {

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 560;

std::string MissingFileText(const std::filesystem::path& file) {
    const std::filesystem::path absolute = std::filesystem::absolute(file);
    return "The help file " + absolute.filename().string() +
           " could not be opened.\n"
           "It is looked for in the current directory:\n" +
           absolute.parent_path().string() + "\n";
}

} // namespace

HelpViewer::~HelpViewer() {
    delete dialog_.data();
}

bool HelpViewer::Open(const std::filesystem::path& file, QWidget* owner) {
    QFile input(QString::fromStdString(file.string()));
    if (!input.open(QIODevice::ReadOnly | QIODevice::Text)) {
        messages_.ShowMessage(kCaption, MessageIcon::Warning, MissingFileText(file));
        return false;
    }
    const QString text = QString::fromUtf8(input.readAll());
    if (dialog_.isNull() || dialog_->parentWidget() != owner) {
        Create(owner);
    }
    text_->setPlainText(text);
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
    return true;
}

bool HelpViewer::IsShown() const {
    return !dialog_.isNull() && dialog_->isVisible();
}

QString HelpViewer::Text() const {
    return text_.isNull() ? QString() : text_->toPlainText();
}

QWidget* HelpViewer::Owner() const {
    return dialog_.isNull() ? nullptr : dialog_->parentWidget();
}

void HelpViewer::Create(QWidget* owner) {
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
