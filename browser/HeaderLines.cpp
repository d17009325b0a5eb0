#include "HeaderLines.h"

#include <algorithm>

namespace quorlane {
namespace {

bool IsTokenChar(unsigned char c)
{
    if (c >= '0' && c <= '9')
        return true;
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
        return true;
    return std::string_view("!#$%&'*+-.^_`|~").find(static_cast<char>(c)) != std::string_view::npos;
}

bool IsValueChar(unsigned char c)
{
    return c == '\t' || (c >= 0x20 && c != 0x7F);
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

void ParseLine(std::string_view line, std::vector<HeaderField> &fields)
{
    const auto colon = line.find(':');
    if (colon == std::string_view::npos || colon == 0)
        return;
    const std::string_view name = line.substr(0, colon);
    const std::string_view value = TrimBlanks(line.substr(colon + 1));
    if (!std::all_of(name.begin(), name.end(), [](char c) { return IsTokenChar(static_cast<unsigned char>(c)); }))
        return;
    if (!std::all_of(value.begin(), value.end(), [](char c) { return IsValueChar(static_cast<unsigned char>(c)); }))
        return;
    fields.push_back({std::string(name), std::string(value)});
}

} // namespace

std::vector<HeaderField> ParseHeaderLines(std::string_view text)
{
    std::vector<HeaderField> fields;
    while (!text.empty()) {
        const auto end = text.find("\r\n");
        ParseLine(text.substr(0, end), fields);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 2);
    }
    return fields;
}

} // namespace quorlane
