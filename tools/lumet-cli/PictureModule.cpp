#include "tools/lumet-cli/PictureModule.h"

#include <dlfcn.h>
#include <system_error>

namespace lumet::cli {

namespace {
constexpr const char* kModuleName = "lumet-cli-picture.so";
} // namespace

PictureModule::PictureModule(std::filesystem::path modulePath)
    : modulePath_(std::move(modulePath)) {}

PictureModule::~PictureModule() {
    // The writer's code lives in the module: it goes first.
    writer_.reset();
    if (handle_ != nullptr) {
        dlclose(handle_);
    }
}

std::filesystem::path PictureModule::Locate() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::filesystem::path folder = error ? std::filesystem::path() : program.parent_path();
    // Built, it lies beside the program; installed, in the modules folder.
    const std::filesystem::path beside = folder / kModuleName;
    if (std::filesystem::exists(beside, error)) {
        return beside;
    }
    return (folder / LUMET_MODULES_FROM_BINDIR / kModuleName).lexically_normal();
}

bool PictureModule::Load(std::string& why) {
    // RTLD_LOCAL: the module's copies of our libraries stay its own.
    handle_ = dlopen(modulePath_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        why = dlerror();
        return false;
    }
    const auto make =
        reinterpret_cast<MakePictureReportWriter>(dlsym(handle_, kMakePictureReportWriter));
    if (make == nullptr) {
        why = modulePath_.string() + ": no " + kMakePictureReportWriter;
        return false;
    }
    writer_.reset(make());
    return true;
}

bool PictureModule::Write(const ReportData& data, const std::filesystem::path& file,
                          MessageBoxes& messages, std::error_code& why) {
    std::string loadFailure;
    if (!writer_ && (handle_ != nullptr || !Load(loadFailure))) {
        messages.ShowApplicationMessage("Failed to create BMP report: " +
                                        (loadFailure.empty() ? modulePath_.string() : loadFailure));
        return false;
    }
    return writer_->Write(data, file, messages, why);
}

} // namespace lumet::cli
