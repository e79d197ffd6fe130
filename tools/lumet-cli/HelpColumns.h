#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lumet::cli {

// The two columns of a help text: names indented by two spaces and padded to a
// width, then their description, wrapped at the last space that keeps a line
// within 79 columns. Names longer than the width continue on lines of their own.
// Descriptions are ASCII.
class HelpColumns {
public:
    explicit HelpColumns(std::size_t nameWidth) : nameWidth_(nameWidth) {}

    std::string Entry(std::string_view names, std::string_view description) const;

private:
    std::size_t nameWidth_;
};

} // namespace lumet::cli
