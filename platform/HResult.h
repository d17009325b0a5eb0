#pragma once

#include <cstdint>

namespace quorlane {

// Result codes of the platform's component and shell calls: negative is failure.
using HRESULT = std::int32_t;

inline constexpr HRESULT kS_OK = 0;
inline constexpr HRESULT kS_FALSE = 1;
inline constexpr HRESULT kE_NOTIMPL = static_cast<HRESULT>(0x80004001u);
inline constexpr HRESULT kE_POINTER = static_cast<HRESULT>(0x80004003u);
inline constexpr HRESULT kE_ABORT = static_cast<HRESULT>(0x80004004u);
inline constexpr HRESULT kE_FAIL = static_cast<HRESULT>(0x80004005u);
inline constexpr HRESULT kE_UNEXPECTED = static_cast<HRESULT>(0x8000FFFFu);
inline constexpr HRESULT kE_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);
inline constexpr HRESULT kE_INVALIDARG = static_cast<HRESULT>(0x80070057u);

constexpr bool Failed(HRESULT hr) { return hr < 0; }

} // namespace quorlane
