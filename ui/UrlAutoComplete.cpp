#include "UrlAutoComplete.h"

namespace quorlane {

bool UrlAutoComplete::EnableUrlAutoComplete(WindowHandle window, std::uint32_t flags) noexcept
{
    try {
        if (!library_)
            library_ = loader_.LoadLibraryA("Shlwapi.dll");
        if (!library_)
            return false;
        entryPoint_ = loader_.GetProcAddress(library_, "SHAutoComplete");
        if (!entryPoint_)
            return false;
        if (!comInitialized_) {
            com_.CoInitialize(nullptr); // its result decides nothing: the shell's call does
            comInitialized_ = true;
        }
        const auto shAutoComplete = reinterpret_cast<SHAutoCompleteProc>(entryPoint_);
        return shAutoComplete(window, flags) == kS_OK;
    } catch (...) {
        return false;
    }
}

void UrlAutoComplete::ExitCleanup() noexcept
{
    if (comInitialized_)
        com_.CoUninitialize();
    if (library_)
        loader_.FreeLibrary(library_);
}

} // namespace quorlane
