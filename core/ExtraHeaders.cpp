#include "ExtraHeaders.h"

namespace quorlane {

std::string BuildExtraHeaders(std::string_view xid, std::string_view languageTag)
{
    std::string block;
    block.reserve(28 + xid.size() + languageTag.size());
    block.append("X-XID: ").append(xid).append("\r\n");
    block.append("Accept-Language: ").append(languageTag).append("\r\n");
    return block;
}

} // namespace quorlane
