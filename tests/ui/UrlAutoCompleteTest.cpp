#include "ui/UrlAutoComplete.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorlane {
namespace {

std::vector<std::string> *g_calls = nullptr; // the scripted entry point has no context argument
HRESULT g_result = kS_OK;

HRESULT ScriptedAutoComplete(WindowHandle, std::uint32_t flags)
{
    g_calls->push_back("SHAutoComplete(" + std::to_string(flags) + ")");
    return g_result;
}

// A loader and COM that record every call into one log.
class ScriptedPlatform : public LibraryLoader, public ComApi {
public:
    ModuleHandle LoadLibraryA(const char *name) override
    {
        calls.push_back(std::string("LoadLibraryA(") + name + ")");
        return hasLibrary ? &library : nullptr;
    }
    ProcAddress GetProcAddress(ModuleHandle, const char *name) override
    {
        calls.push_back(std::string("GetProcAddress(") + name + ")");
        return hasEntryPoint ? reinterpret_cast<ProcAddress>(&ScriptedAutoComplete) : nullptr;
    }
    void FreeLibrary(ModuleHandle module) override
    {
        calls.push_back(module == &library ? "FreeLibrary" : "FreeLibrary(unknown)");
    }
    HRESULT CoInitialize(void *) override
    {
        calls.push_back("CoInitialize");
        return comResult;
    }
    void CoUninitialize() override { calls.push_back("CoUninitialize"); }

    bool hasLibrary = true;
    bool hasEntryPoint = true;
    HRESULT comResult = kS_OK;
    int library = 0;
    std::vector<std::string> calls;
};

class UrlAutoCompleteTest : public ::testing::Test {
protected:
    UrlAutoCompleteTest() { g_calls = &platform.calls; g_result = kS_OK; }
    ~UrlAutoCompleteTest() override { g_calls = nullptr; }
    ScriptedPlatform platform;
    using Calls = std::vector<std::string>;
};

TEST_F(UrlAutoCompleteTest, AttachesOnceLoadedAndCleansUpComThenLibrary)
{
    UrlAutoComplete module(platform, platform);
    EXPECT_TRUE(module.EnableUrlAutoComplete(nullptr, 6));
    module.ExitCleanup();
    EXPECT_EQ(platform.calls, (Calls{"LoadLibraryA(Shlwapi.dll)", "GetProcAddress(SHAutoComplete)", "CoInitialize",
                                     "SHAutoComplete(6)", "CoUninitialize", "FreeLibrary"}));
}

TEST_F(UrlAutoCompleteTest, WithoutTheLibraryNothingElseHappensAndTheNextCallTriesAgain)
{
    platform.hasLibrary = false;
    UrlAutoComplete module(platform, platform);
    EXPECT_FALSE(module.EnableUrlAutoComplete(nullptr, 6));
    EXPECT_FALSE(module.EnableUrlAutoComplete(nullptr, 6));
    module.ExitCleanup();
    EXPECT_EQ(platform.calls, (Calls{"LoadLibraryA(Shlwapi.dll)", "LoadLibraryA(Shlwapi.dll)"}));
}

TEST_F(UrlAutoCompleteTest, WithoutTheEntryPointComIsUntouchedAndOnlyTheLibraryIsFreed)
{
    platform.hasEntryPoint = false;
    UrlAutoComplete module(platform, platform);
    EXPECT_FALSE(module.EnableUrlAutoComplete(nullptr, 6));
    module.ExitCleanup();
    EXPECT_EQ(platform.calls,
              (Calls{"LoadLibraryA(Shlwapi.dll)", "GetProcAddress(SHAutoComplete)", "FreeLibrary"}));
}

TEST_F(UrlAutoCompleteTest, TwoCallsLoadOnceLookUpTwiceAndInitialiseComOnce)
{
    UrlAutoComplete module(platform, platform);
    EXPECT_TRUE(module.EnableUrlAutoComplete(nullptr, 6));
    EXPECT_TRUE(module.EnableUrlAutoComplete(nullptr, 2));
    EXPECT_EQ(platform.calls, (Calls{"LoadLibraryA(Shlwapi.dll)", "GetProcAddress(SHAutoComplete)", "CoInitialize",
                                     "SHAutoComplete(6)", "GetProcAddress(SHAutoComplete)", "SHAutoComplete(2)"}));
}

TEST_F(UrlAutoCompleteTest, OnlyExactlySOkCountsAsSuccess)
{
    UrlAutoComplete module(platform, platform);
    for (const HRESULT result : {kS_FALSE, HRESULT{2}, kE_FAIL, kE_NOTIMPL}) {
        g_result = result;
        EXPECT_FALSE(module.EnableUrlAutoComplete(nullptr, 6)) << result;
    }
}

TEST_F(UrlAutoCompleteTest, AFailingCoInitializeIsNotChecked)
{
    platform.comResult = kE_UNEXPECTED;
    UrlAutoComplete module(platform, platform);
    EXPECT_TRUE(module.EnableUrlAutoComplete(nullptr, 6));
    module.ExitCleanup();
    EXPECT_EQ(platform.calls.back(), "FreeLibrary");
    EXPECT_EQ(platform.calls[platform.calls.size() - 2], "CoUninitialize");
}

TEST_F(UrlAutoCompleteTest, CleanupWithoutAnyCallDoesNothing)
{
    UrlAutoComplete module(platform, platform);
    module.ExitCleanup();
    EXPECT_TRUE(platform.calls.empty());
}

TEST(BuiltinLibraryLoaderTest, ProvidesTheShellLibraryByNameOnly)
{
    BuiltinLibraryLoader loader;
    EXPECT_EQ(loader.LoadLibraryA("kernel32.dll"), nullptr);
    const ModuleHandle shell = loader.LoadLibraryA("SHLWAPI.DLL");
    ASSERT_NE(shell, nullptr);
    EXPECT_NE(loader.GetProcAddress(shell, "SHAutoComplete"), nullptr);
    EXPECT_EQ(loader.GetProcAddress(shell, "SHAutoCompleteW"), nullptr);
    EXPECT_EQ(ShellAutoComplete(nullptr, 6), kE_INVALIDARG); // not an edit box
    loader.FreeLibrary(shell);
    EXPECT_EQ(loader.LoadCount(), 0);
}

} // namespace
} // namespace quorlane
