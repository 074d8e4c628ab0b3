// The setup program as a file a person downloads: its version, maker and name,
// as the system's file properties show them.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SetupProgram.h"

namespace testing_install {
namespace {

// One string of the file's version resource, in its first language (as the
// file's properties show it), or "".
std::wstring versionText(const std::vector<BYTE>& info, const wchar_t* name) {
    const WORD* translation = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(const_cast<WORD**>(&translation)), &length) ||
        length < 2 * sizeof(WORD))
        return std::wstring();
    wchar_t path[128];
    swprintf(path, 128, L"\\StringFileInfo\\%04x%04x\\%ls", translation[0], translation[1], name);
    void* text = nullptr;
    if (!VerQueryValueW(info.data(), path, &text, &length) || !length) return std::wstring();
    return static_cast<const wchar_t*>(text);
}

TEST(SetupFile, CarriesTheProductVersionAndMaker) {
    const std::wstring setup = SetupProgram::path();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(setup.c_str(), &ignored);
    ASSERT_GT(size, 0u) << "no version resource in " << testing::PrintToString(setup);
    std::vector<BYTE> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(setup.c_str(), 0, size, info.data()));

    EXPECT_EQ(L"Tuvo HueSnap", versionText(info, L"ProductName"));
    EXPECT_EQ(L"Tuvo", versionText(info, L"CompanyName"));
    EXPECT_EQ(HUESNAP_VERSION_TEXT, versionText(info, L"ProductVersion"));
    EXPECT_EQ(HUESNAP_VERSION_TEXT, versionText(info, L"FileVersion"));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) && fixed);
    wchar_t numbers[64];
    swprintf(numbers, 64, L"%u.%u.%u", HIWORD(fixed->dwProductVersionMS), LOWORD(fixed->dwProductVersionMS),
             HIWORD(fixed->dwProductVersionLS));
    EXPECT_EQ(HUESNAP_VERSION_TEXT, std::wstring(numbers));
}

}  // namespace
}  // namespace testing_install
