// The header block and the control's reading of header text: no parsed value
// ever holds a CR or LF, a text never gives more headers than it has CR LF
// ended lines, and a block whose XID and tag hold no line break gives at most
// its two headers, X-XID and Accept-Language. (A CR LF inside the XID would be
// a line of its own: ValidateXID keeps every such XID out of the block.)
#include "browser/HeaderLines.h"
#include "core/ExtraHeaders.h"
#include "core/Xid.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void CheckFields(const std::vector<quorlane::HeaderField> &fields)
{
    for (const auto &field : fields) {
        if (field.name.empty() || field.value.find_first_of("\r\n", 0) != std::string::npos)
            std::abort();
        if (field.value.find('\0') != std::string::npos)
            std::abort();
    }
}

std::size_t CrLfLines(const std::string &text)
{
    std::size_t lines = 1;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
        ++lines;
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char *>(data), size);

    // Arbitrary header text.
    const auto anyFields = quorlane::ParseHeaderLines(input);
    CheckFields(anyFields);
    if (anyFields.size() > CrLfLines(input))
        std::abort();

    // A block built from any XID and tag.
    const std::size_t split = size == 0 ? 0 : data[0] % (size + 1);
    const std::string xid = input.substr(0, split);
    const std::string tag = input.substr(split);
    const std::string block = quorlane::BuildExtraHeaders(xid, tag);
    const auto fields = quorlane::ParseHeaderLines(block);
    CheckFields(fields);
    if (fields.size() > CrLfLines(block))
        std::abort();
    const bool lineBreakFree = (xid + tag).find_first_of("\r\n") == std::string::npos;
    if (lineBreakFree) {
        if (fields.size() > 2)
            std::abort();
        for (const auto &field : fields) {
            if (field.name != "X-XID" && field.name != "Accept-Language")
                std::abort();
        }
    }
    // A valid XID with a listed tag gives exactly the two headers, values intact.
    bool validXid = true;
    try {
        quorlane::ValidateXID(xid);
    } catch (const quorlane::EXidError &) {
        validXid = false;
    }
    const bool listedTag = std::find(quorlane::kLanguageTags.begin(), quorlane::kLanguageTags.end(), tag)
        != quorlane::kLanguageTags.end();
    if (validXid && listedTag) {
        if (fields.size() != 2 || fields[0].value != xid || fields[1].value != tag)
            std::abort();
    }
    return 0;
}
