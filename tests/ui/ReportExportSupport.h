#pragma once

#include "platform/dialogs/MessageBoxes.h"
#include "platform/export/TextViewer.h"
#include "platform/qtgdi/QtFontEngine.h"
#include "report/BitmapReport.h"
#include "report/ReportFonts.h"
#include "tests/report/ReportPictureSupport.h"
#include "tests/support/RecordingMessageBoxes.h"

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace lumet::test {

// Runs a test inside a fresh directory of its own, where the report files go, and
// returns to the previous current directory afterwards.
class InTemporaryDirectory {
public:
    InTemporaryDirectory() { std::filesystem::current_path(Path()); }
    ~InTemporaryDirectory() { std::filesystem::current_path(previous_); }

    InTemporaryDirectory(const InTemporaryDirectory&) = delete;
    InTemporaryDirectory& operator=(const InTemporaryDirectory&) = delete;

    std::filesystem::path Path() const { return directory_.path().toStdString(); }

private:
    std::filesystem::path previous_ = std::filesystem::current_path();
    QTemporaryDir directory_;
};

// _report.bmp of a finished 32-probe run, written in the current directory.
inline void WriteReportPicture() {
    RecordingMessageBoxes messages;
    WriteBitmapReport(ThirtyTwoProbeRun(), ReportFonts::Create(QtFontEngine{}), "1.0",
                      "_report.bmp", messages);
}

inline void WriteFile(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

inline std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream input(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
}

// Keeps what the report code asks of the text viewer.
class RecordingTextViewer final : public TextViewer {
public:
    struct Shown {
        std::filesystem::path file;
        std::string title;
    };
    struct Placed {
        std::string title;
        Rect rect;
    };
    std::vector<Shown> shown;
    std::vector<Placed> placed;
    bool fileReadable = true;

    bool Show(const std::filesystem::path& file, const std::string& title) override {
        shown.push_back({file, title});
        return fileReadable;
    }
    void Place(const std::string& title, const Rect& screenRect) override {
        placed.push_back({title, screenRect});
    }
};

} // namespace lumet::test
