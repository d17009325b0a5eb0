#pragma once

#include "HResult.h"

#include <cstdint>

class QWidget;

namespace quorlane {

using ModuleHandle = const void *;
using ProcAddress = void (*)();
using WindowHandle = QWidget *;

// "SHAutoComplete" of "Shlwapi.dll": attaches URL completion to a single-line edit.
using SHAutoCompleteProc = HRESULT (*)(WindowHandle window, std::uint32_t flags);
inline constexpr std::uint32_t kSHACF_URLHISTORY = 2;
inline constexpr std::uint32_t kSHACF_URLMRU = 4;

// Loading a library by name at run time and looking up its entry points.
// A null handle or address means failure.
class LibraryLoader {
public:
    virtual ~LibraryLoader() = default;
    virtual ModuleHandle LoadLibraryA(const char *fileName) = 0;
    virtual ProcAddress GetProcAddress(ModuleHandle module, const char *procName) = 0;
    virtual void FreeLibrary(ModuleHandle module) = 0;
};

// The libraries this platform provides itself: "Shlwapi.dll" with an
// "SHAutoComplete" that completes addresses from this run's history.
class BuiltinLibraryLoader : public LibraryLoader {
public:
    ModuleHandle LoadLibraryA(const char *fileName) override;
    ProcAddress GetProcAddress(ModuleHandle module, const char *procName) override;
    void FreeLibrary(ModuleHandle module) override;
    int LoadCount() const { return loadCount_; }

private:
    int loadCount_ = 0;
};

// The built-in shell completion: a completer on the edit, fed with this run's
// visited (flag 2) and typed (flag 4) addresses, most recent first.
HRESULT ShellAutoComplete(WindowHandle window, std::uint32_t flags);

} // namespace quorlane
