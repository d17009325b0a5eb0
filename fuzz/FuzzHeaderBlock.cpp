// The header block and the control's reading of header text: whatever the
// XID and tag hold, the block never turns into more or other headers than
// X-XID and Accept-Language, and no parsed value ever holds a CR or LF.
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char *>(data), size);

    // Arbitrary header text.
    const auto anyFields = quorlane::ParseHeaderLines(input);
    CheckFields(anyFields);
    const auto lines = static_cast<std::size_t>(std::count(input.begin(), input.end(), '\n')) + 1;
    if (anyFields.size() > lines)
        std::abort();

    // A block built from any XID and tag.
    const std::size_t split = size == 0 ? 0 : data[0] % (size + 1);
    const std::string xid = input.substr(0, split);
    const std::string tag = input.substr(split);
    const std::string block = quorlane::BuildExtraHeaders(xid, tag);
    const auto fields = quorlane::ParseHeaderLines(block);
    CheckFields(fields);
    if (fields.size() > 2)
        std::abort();
    for (const auto &field : fields) {
        if (field.name != "X-XID" && field.name != "Accept-Language")
            std::abort();
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
