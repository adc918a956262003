#pragma once
// Helpers shared by the fuzz targets: a check that stops the run with a
// message (it must hold in every build type, so no assert), and the test for
// a text that a data file can carry as one field.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// The targets' own checking code, which the fuzzer must not take for code
// under test: left out of the coverage that guides it, and so cheaper too.
#define TERVOK_FUZZ_UNTRACED __attribute__((no_sanitize("coverage")))

namespace tervok::fuzz {

inline void check(bool holds, const char* what)
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

inline std::string bytesOf(const std::uint8_t* data, std::size_t size)
{
    return std::string(reinterpret_cast<const char*>(data), size);
}

// A text that the field reader gives back unchanged when it stands alone on
// a line: no separator or line end inside, and no leading blank or quote
// (the reader drops the one and treats the other as the start of a quoted
// field). Only such texts survive being written and read again.
inline bool isPlainField(std::string_view text)
{
    if (!text.empty() && (text.front() == ' ' || text.front() == '"'))
        return false;
    return text.find_first_of(",\r\n") == std::string_view::npos;
}

template <typename Texts>
bool allPlainFields(const Texts& texts)
{
    for (const auto& text : texts) {
        if (!isPlainField(text))
            return false;
    }
    return true;
}

}  // namespace tervok::fuzz
