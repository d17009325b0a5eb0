#pragma once

// The value types the browser control speaks: result codes, variants, wide
// text and the Boolean of its events.

#include "core/Exception.h"
#include "platform/HResult.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace quorlane {

using VARIANT_BOOL = std::int16_t;
inline constexpr VARIANT_BOOL kVariantTrue = -1; // 0xFFFF
inline constexpr VARIANT_BOOL kVariantFalse = 0;

using WideString = std::u16string;
using ByteArray = std::vector<std::uint8_t>;

struct VariantEmpty {
    bool operator==(const VariantEmpty &) const = default;
};
struct VariantNull {
    bool operator==(const VariantNull &) const = default;
};

// A variant holds nothing (empty), null, wide text, a 32-bit integer or bytes.
// Assigning a new value drops the old one.
class Variant {
public:
    using Value = std::variant<VariantEmpty, VariantNull, WideString, std::int32_t, ByteArray>;

    Variant() = default;
    Variant(WideString text) : value_(std::move(text)) {}
    Variant(const char16_t *text) : value_(WideString(text)) {}
    Variant(std::int32_t number) : value_(number) {}
    Variant(ByteArray bytes) : value_(std::move(bytes)) {}
    static Variant Null() { Variant v; v.value_ = VariantNull{}; return v; }

    bool IsEmpty() const { return std::holds_alternative<VariantEmpty>(value_); }
    bool IsNull() const { return std::holds_alternative<VariantNull>(value_); }
    const Value &value() const { return value_; }
    bool operator==(const Variant &) const = default;

private:
    Value value_;
};

class EVariantTypeCastError : public Exception {
public:
    using Exception::Exception;
    const char *ClassName() const noexcept override { return "EVariantTypeCastError"; }
};

// The text form of a variant: empty gives "", bytes are taken as 8-bit text,
// an integer its decimal form. A null has no text form and throws.
WideString VariantToWideText(const Variant &value);
std::string VariantToText(const Variant &value);

class EOleException : public Exception {
public:
    EOleException(std::string message, HRESULT code) : Exception(std::move(message)), code_(code) {}
    HRESULT ErrorCode() const noexcept { return code_; }
    const char *ClassName() const noexcept override { return "EOleException"; }

private:
    HRESULT code_;
};

// The message for a failed call: the control's own description, else the
// system's text for the code (both without trailing full stops, blanks or
// control characters), else "OLE error XXXXXXXX".
std::string OleErrorMessage(HRESULT code, const WideString &description);

} // namespace quorlane
