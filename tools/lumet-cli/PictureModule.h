#pragma once

#include "tools/lumet-cli/PictureReportWriter.h"

#include <filesystem>
#include <memory>
#include <string>

namespace lumet::cli {

// The picture writer from its module (lumet-cli-picture.so), loaded on the first
// Write. A module that is missing or broken fails that Write with the path and the
// loader's reason.
class PictureModule final : public PictureReportWriter {
public:
    explicit PictureModule(std::filesystem::path modulePath);
    ~PictureModule() override;
    PictureModule(const PictureModule&) = delete;
    PictureModule& operator=(const PictureModule&) = delete;

    // The module beside the running program, else in the installed modules folder.
    static std::filesystem::path Locate();

    bool Write(const ReportData& data, const std::filesystem::path& file, MessageBoxes& messages,
               std::error_code& why) override;

private:
    bool Load(std::string& why);

    std::filesystem::path modulePath_;
    void* handle_ = nullptr;
    std::unique_ptr<PictureReportWriter> writer_;
};

} // namespace lumet::cli
