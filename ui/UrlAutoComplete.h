#pragma once

#include "platform/Com.h"
#include "platform/LibraryLoader.h"

#include <cstdint>

namespace quorlane {

// Switches the shell's URL completion on for an address box. The shell
// library is loaded by name on first use and kept until the exit clean-up;
// the entry point is looked up in every call. It never throws and never
// shows anything: without the library or its entry point the box simply
// stays a plain text box.
class UrlAutoComplete {
public:
    UrlAutoComplete(LibraryLoader &loader, ComApi &com) : loader_(loader), com_(com) {}
    ~UrlAutoComplete() = default;
    UrlAutoComplete(const UrlAutoComplete &) = delete;
    UrlAutoComplete &operator=(const UrlAutoComplete &) = delete;

    // True exactly when the shell reports S_OK.
    bool EnableUrlAutoComplete(WindowHandle window, std::uint32_t flags) noexcept;
    // Gives back the COM reference, then the library; at the program's end.
    void ExitCleanup() noexcept;

private:
    LibraryLoader &loader_;
    ComApi &com_;
    ModuleHandle library_ = nullptr;
    ProcAddress entryPoint_ = nullptr;
    bool comInitialized_ = false;
};

} // namespace quorlane
