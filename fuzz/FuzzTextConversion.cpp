// Conversions between 8-bit and wide text, and the text form of variants:
// wide text survives the trip through 8-bit text unchanged, 8-bit text is
// stable after its first decoding, and only a null has no text form.
#include "browser/OleTypes.h"
#include "core/TextConversion.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace quorlane;
    const std::string narrow(reinterpret_cast<const char *>(data), size);

    std::u16string wide;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        wide.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    if (WideFromNarrow(NarrowFromWide(wide)) != wide)
        std::abort();

    const std::u16string decoded = WideFromNarrow(narrow);
    if (WideFromNarrow(NarrowFromWide(decoded)) != decoded)
        std::abort();

    Variant value;
    switch (size == 0 ? 0 : data[0] % 5) {
    case 0: break;
    case 1: value = Variant::Null(); break;
    case 2: value = Variant(wide); break;
    case 3: value = Variant(static_cast<std::int32_t>(size * 2654435761u)); break;
    default: value = Variant(ByteArray(data, data + size)); break;
    }
    try {
        const std::string text = VariantToText(value);
        if (WideFromNarrow(text) != VariantToWideText(value))
            std::abort();
        if (value.IsNull())
            std::abort();
    } catch (const EVariantTypeCastError &) {
        if (!value.IsNull())
            std::abort();
    }
    return 0;
}
