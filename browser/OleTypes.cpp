#include "OleTypes.h"

#include "core/TextConversion.h"

#include <cstdio>
#include <string_view>

namespace quorlane {
namespace {

std::string_view SystemErrorText(HRESULT code)
{
    switch (code) {
    case kE_NOTIMPL: return "Not implemented";
    case kE_POINTER: return "Invalid pointer";
    case kE_ABORT: return "Operation aborted";
    case kE_FAIL: return "Unspecified error";
    case kE_UNEXPECTED: return "Catastrophic failure";
    case kE_OUTOFMEMORY: return "Not enough memory resources are available to complete this operation.";
    case kE_INVALIDARG: return "The parameter is incorrect.";
    default: return {};
    }
}

std::string TrimTrailingStopsAndBlanks(std::string text)
{
    while (!text.empty()) {
        const auto last = static_cast<unsigned char>(text.back());
        if (last > ' ' && last != '.')
            break;
        text.pop_back();
    }
    return text;
}

} // namespace

WideString VariantToWideText(const Variant &value)
{
    struct Visitor {
        WideString operator()(const VariantEmpty &) const { return {}; }
        WideString operator()(const VariantNull &) const
        {
            throw EVariantTypeCastError("Could not convert variant of type (Null) into type (String)");
        }
        WideString operator()(const WideString &text) const { return text; }
        WideString operator()(std::int32_t number) const
        {
            return WideFromNarrow(std::to_string(number));
        }
        WideString operator()(const ByteArray &bytes) const
        {
            return WideFromNarrow(std::string_view(reinterpret_cast<const char *>(bytes.data()), bytes.size()));
        }
    };
    return std::visit(Visitor{}, value.value());
}

std::string VariantToText(const Variant &value)
{
    return NarrowFromWide(VariantToWideText(value));
}

std::string OleErrorMessage(HRESULT code, const WideString &description)
{
    std::string message = TrimTrailingStopsAndBlanks(NarrowFromWide(description));
    if (message.empty())
        message = TrimTrailingStopsAndBlanks(std::string(SystemErrorText(code)));
    if (message.empty()) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "OLE error %.8X", static_cast<unsigned>(code));
        message = buffer;
    }
    return message;
}

} // namespace quorlane
