#pragma once

#include <QMainWindow>

class QPlainTextEdit;
class QPrinter;

namespace lumet {

// A read-only window showing one text, with File > Print and File > Close.
class TextViewerWindow final : public QMainWindow {
public:
    TextViewerWindow(const QString& title, const QString& text);

    void SetText(const QString& text);
    QString Text() const;

    // Moves and resizes the window so that its frame covers `frame` (screen pixels).
    void PlaceFrame(const QRect& frame);

    // Prints the text on `printer`, over as many pages as it needs.
    void PrintText(QPrinter& printer) const;

private:
    // File > Print: the print dialog, then the text.
    void Print();

    QPlainTextEdit* editor_;
};

} // namespace lumet
