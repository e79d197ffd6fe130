#include "platform/files/TemporaryName.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace lumet {

std::filesystem::path TemporaryNameBeside(const std::filesystem::path& file,
                                          std::random_device& entropy) {
    std::uniform_int_distribution<std::uint64_t> digits(0, (std::uint64_t{1} << 48) - 1);
    std::array<char, 16> suffix{};
    std::snprintf(suffix.data(), suffix.size(), "%012llx",
                  static_cast<unsigned long long>(digits(entropy)));
    std::filesystem::path name = file;
    name += std::string(".") + suffix.data() + ".tmp";
    return name;
}

} // namespace lumet
