#include "Xid.h"

#include <cstdio>

namespace quorlane {

void ValidateXID(std::string_view text)
{
    if (text.size() != kXidLength)
        throw EXidError();
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        const bool digit = code >= 48 && code <= 57;
        const bool upperHex = code >= 65 && code <= 70;
        if (!digit && !upperHex)
            throw EXidError();
    }
}

std::uint32_t XidSeed(const TimeOfDay &utc)
{
    const auto seconds = (static_cast<std::uint32_t>(utc.hour) * 60u + static_cast<std::uint32_t>(utc.minute)) * 60u
        + static_cast<std::uint32_t>(utc.second);
    return seconds * 1000u + static_cast<std::uint32_t>(utc.millisecond);
}

std::uint32_t XidGenerator::Draw()
{
    // The top 31 bits are uniform over 0 .. 2^31 - 1; rejecting the one value
    // at the top leaves a uniform draw over the range with no bias.
    for (;;) {
        const std::uint32_t candidate = static_cast<std::uint32_t>(engine_()) >> 1;
        if (candidate < kRange)
            return candidate;
    }
}

std::string JoinXidDraws(std::uint32_t a, std::uint32_t b)
{
    char buffer[24];
    const int written = std::snprintf(buffer, sizeof buffer, "%.8X%.4X", static_cast<unsigned>(a), static_cast<unsigned>(b));
    return std::string(buffer, static_cast<std::size_t>(written));
}

std::string GenerateXidText(std::uint32_t seed)
{
    XidGenerator generator(seed);
    const std::uint32_t a = generator.Draw();
    const std::uint32_t b = generator.Draw();
    return JoinXidDraws(a, b);
}

std::string FirstXidPositions(std::string_view text)
{
    return std::string(text.substr(0, kXidLength));
}

} // namespace quorlane
