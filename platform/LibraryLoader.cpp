#include "LibraryLoader.h"

#include "UrlCompleter.h"

#include <QLineEdit>
#include <QString>

namespace quorlane {
namespace {

const char kShellLibraryName[] = "Shlwapi.dll";
const char kShellLibraryTag = 0; // its address is the module's handle

} // namespace

ModuleHandle BuiltinLibraryLoader::LoadLibraryA(const char *fileName)
{
    if (!fileName || QString::fromLatin1(fileName).compare(QLatin1String(kShellLibraryName), Qt::CaseInsensitive) != 0)
        return nullptr;
    ++loadCount_;
    return &kShellLibraryTag;
}

ProcAddress BuiltinLibraryLoader::GetProcAddress(ModuleHandle module, const char *procName)
{
    if (module != &kShellLibraryTag || !procName || QLatin1String(procName) != QLatin1String("SHAutoComplete"))
        return nullptr;
    return reinterpret_cast<ProcAddress>(&ShellAutoComplete);
}

void BuiltinLibraryLoader::FreeLibrary(ModuleHandle module)
{
    if (module == &kShellLibraryTag && loadCount_ > 0)
        --loadCount_;
}

HRESULT ShellAutoComplete(WindowHandle window, std::uint32_t flags)
{
    auto *edit = qobject_cast<QLineEdit *>(window);
    if (!edit)
        return kE_INVALIDARG;
    AttachUrlCompleter(*edit, flags);
    return kS_OK;
}

} // namespace quorlane
