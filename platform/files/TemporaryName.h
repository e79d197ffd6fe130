#pragma once

#include <filesystem>
#include <random>

namespace lumet {

// A name beside `file` for writing its next contents: the file's name, a dot,
// twelve random hex digits and ".tmp". Nobody can plant such a name in advance, so
// neither names left by interrupted writes nor ones another user made on purpose
// block a write.
std::filesystem::path TemporaryNameBeside(const std::filesystem::path& file,
                                          std::random_device& entropy);

} // namespace lumet
