#include "platform/export/TextViewerWindow.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

namespace lumet {

TextViewerWindow::TextViewerWindow(const QString& title, const QString& text)
    : editor_(new QPlainTextEdit(this)) {
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    editor_->setReadOnly(true);
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Tab stops every eight characters, as the report's tab-separated columns assume.
    editor_->setTabStopDistance(8 * editor_->fontMetrics().horizontalAdvance(QLatin1Char(' ')));
    editor_->setPlainText(text);
    setCentralWidget(editor_);

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Print..."), QKeySequence::Print, this,
                    &TextViewerWindow::Print);
    file->addSeparator();
    file->addAction(QStringLiteral("&Close"), QKeySequence::Close, this, &QWidget::close);
}

void TextViewerWindow::SetText(const QString& text) {
    editor_->setPlainText(text);
}

QString TextViewerWindow::Text() const {
    return editor_->toPlainText();
}

void TextViewerWindow::PlaceFrame(const QRect& frame) {
    // The window manager draws the frame around the client area; before the window
    // is first shown its extent is unknown and taken as none.
    const QSize decoration = frameGeometry().size() - geometry().size();
    move(frame.topLeft());
    resize(std::max(1, frame.width() - decoration.width()),
           std::max(1, frame.height() - decoration.height()));
}

void TextViewerWindow::PrintText(QPrinter& printer) const {
    editor_->print(&printer);
}

void TextViewerWindow::Print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) {
        PrintText(printer);
    }
}

} // namespace lumet
