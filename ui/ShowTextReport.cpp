#include "ui/ShowTextReport.h"

#include "ui/ReportFiles.h"

namespace lumet {

namespace {

constexpr int kBelowSkin = 118;
constexpr int kWidth = 360;
constexpr int kHeight = 400;

} // namespace

void ShowTextReport(TextViewer& viewer, const Rect& mainWindowRect) {
    if (!viewer.Show(kReportTextFile, kTextReportTitle)) {
        return;
    }
    const int left = mainWindowRect.left;
    const int top = mainWindowRect.top + kBelowSkin;
    viewer.Place(kTextReportTitle, Rect{left, top, left + kWidth, top + kHeight});
}

} // namespace lumet
