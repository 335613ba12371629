// Inputs the fuzz targets once found faults with, replayed through the same checks.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "InputChecks.h"

namespace {
namespace fs = std::filesystem;

std::string Contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void Replay(const char* folder, std::string (*check)(const std::string&)) {
    const fs::path dir = fs::path(ZK_FOUND_INPUTS) / folder;
    ASSERT_TRUE(fs::is_directory(dir)) << dir;
    for (const auto& entry : fs::directory_iterator(dir))
        EXPECT_EQ(check(Contents(entry.path())), "") << entry.path().filename();
}
} // namespace

TEST(KeptInputs, StreamsAreReadOrRefusedSoundly) {
    Replay("stream", CheckStreamInput);
}

TEST(KeptInputs, TextFormsConvertBackToTheSameBytesOrAreRefused) {
    Replay("text", CheckTextFormInput);
}
