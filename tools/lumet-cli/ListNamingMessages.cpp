#include "tools/lumet-cli/ListNamingMessages.h"

#include <string_view>

namespace lumet::cli {

namespace {
constexpr std::string_view kWindowListName = "RANDOM.LST";
} // namespace

std::string ListNamingMessages::Named(std::string text) const {
    if (listFile_.empty()) {
        return text;
    }
    for (std::size_t at = text.find(kWindowListName); at != std::string::npos;
         at = text.find(kWindowListName, at + listFile_.size())) {
        text.replace(at, kWindowListName.size(), listFile_);
    }
    return text;
}

void ListNamingMessages::ShowApplicationMessage(const std::string& text) {
    messages_.ShowApplicationMessage(Named(text));
}

void ListNamingMessages::ShowMessage(const std::string& caption, MessageIcon icon,
                                     const std::string& text) {
    messages_.ShowMessage(caption, icon, Named(text));
}

} // namespace lumet::cli
