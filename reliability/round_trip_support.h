#pragma once
// Shared pieces of the round-trip tests: the generated sample data and
// random documents that stay within what the text files can hold.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>

namespace reliability {

// Every random document comes from this seed, so a failure reproduces.
constexpr unsigned kRoundTripSeed = 1234567u;
constexpr int kRandomDocuments = 200;

constexpr const char* kNoSampleData = "TERVOK_SAMPLE_DIR names no sample data";

// A file of the sample data drawn at build time; nothing when the tests run
// without it.
inline std::optional<std::string> sampleFile(const std::string& relativePath)
{
    const char* root = std::getenv("TERVOK_SAMPLE_DIR");
    if (!root || !*root)
        return std::nullopt;
    std::ifstream in(std::filesystem::path(root) / relativePath, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A text field reads back as written when it holds no comma, no double
// quote and no line break, and does not begin with a blank. Any other byte,
// Windows-1252 letters and control bytes included, is fair.
inline std::string randomText(std::mt19937& random, std::size_t minLength, std::size_t maxLength)
{
    std::uniform_int_distribution<std::size_t> length(minLength, maxLength);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string text(length(random), '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = '\0';
        do {
            c = static_cast<char>(byte(random));
        } while (c == ',' || c == '"' || c == '\r' || c == '\n' || (i == 0 && c == ' '));
        text[i] = c;
    }
    return text;
}

// Records the seed with every test, and prints it when a test fails.
#define TERVOK_TRACE_SEED()                                                          \
    ::testing::Test::RecordProperty("seed", static_cast<int>(kRoundTripSeed));       \
    SCOPED_TRACE("random documents from seed " + std::to_string(kRoundTripSeed))

}  // namespace reliability
