#pragma once

namespace lumet {

// The report files, by bare name: they live in the process's current directory.
inline constexpr const char* kReportPictureFile = "_report.bmp";
inline constexpr const char* kReportTextFile = "_report.txt";

} // namespace lumet
