// The test framework's temporary folder with forward slashes. On Windows it ends in backslashes
// ("C:\users\me\Temp\"), which are escapes inside JSON text and break fixtures that name files
// there. Windows accepts forward slashes in every path, so one spelling serves both systems.
#pragma once

#include <algorithm>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

namespace velkor::test {

inline std::string TempDir() {
    std::string dir = testing::TempDir();
    std::replace(dir.begin(), dir.end(), '\\', '/');
    std::filesystem::create_directories(dir);  // a folder named through TEST_TMPDIR may not exist yet
    return dir;
}

}  // namespace velkor::test
