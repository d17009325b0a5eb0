#pragma once

#include "Exception.h"

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

namespace quorlane {

inline constexpr std::size_t kXidLength = 12;
inline constexpr std::string_view kXidErrorMessage = "XID must be a 12 hexadecimal character string!";

class EXidError : public Exception {
public:
    EXidError() : Exception(std::string(kXidErrorMessage)) {}
    const char *ClassName() const noexcept override { return "EXidError"; }
};

// Returns when text is exactly 12 characters of 0-9 or A-F; throws EXidError otherwise.
void ValidateXID(std::string_view text);

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// Milliseconds since midnight: the generator's seed.
std::uint32_t XidSeed(const TimeOfDay &utc);

// Draws uniformly over 0 .. 2^31 - 2. Built on std::mt19937, whose output the
// C++ standard fixes, with our own rejection step rather than a standard
// distribution, so the same seed gives the same draws with every library.
class XidGenerator {
public:
    static constexpr std::uint32_t kRange = 2147483647u; // draws lie below this

    explicit XidGenerator(std::uint32_t seed) : engine_(seed) {}
    std::uint32_t Draw();

private:
    std::mt19937 engine_;
};

// A as at least 8 and B as at least 4 upper-case hex digits, A first: 12 to 16 characters.
std::string JoinXidDraws(std::uint32_t a, std::uint32_t b);

// Seeds a generator, draws A then B and joins them; the XID field keeps the first 12 characters.
std::string GenerateXidText(std::uint32_t seed);

// What a 12-position field keeps of a text set by the program.
std::string FirstXidPositions(std::string_view text);

} // namespace quorlane
