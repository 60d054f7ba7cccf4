// The built wizard's program file carries the icon, the version strings and the manifest.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "support/test_support.h"

namespace {

std::wstring Wide(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), &wide[0],
                                    static_cast<int>(wide.size())));
    return wide;
}

const std::wstring kExe = Wide(testsupport::BuiltExe("app/BrindlowenSetup.exe"));

TEST(ArtworkProgramFile, VersionResourceCarriesTheProductStrings) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(kExe.c_str(), &ignored);
    ASSERT_GT(size, 0u) << "no version resource, error " << GetLastError();
    std::vector<unsigned char> block(size);
    ASSERT_TRUE(GetFileVersionInfoW(kExe.c_str(), 0, size, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010003u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010003u);

    WORD* translation = nullptr;
    ASSERT_TRUE(
        VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
    ASSERT_GE(length, 4u);
    EXPECT_EQ(translation[0], 0x0804);
    EXPECT_EQ(translation[1], 0x04B0);

    const struct {
        const wchar_t* name;
        const wchar_t* value;
    } strings[] = {
        {L"FileVersion", L"1.3.0.0"},
        {L"ProductVersion", L"1.3.0.0"},
        {L"ProductName", L"Brindlowen"},
        {L"CompanyName", L"Brindlo"},
        {L"FileDescription", L"Brindlo是国内文学类网站首个推出美文文章阅读软件的网站。"},
        {L"Comments", L"Brindlo 为用户体验而生！"},
    };
    for (const auto& s : strings) {
        const std::wstring path = std::wstring(L"\\StringFileInfo\\080404B0\\") + s.name;
        wchar_t* value = nullptr;
        ASSERT_TRUE(VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length))
            << "missing " << testing::PrintToString(std::wstring(s.name));
        EXPECT_EQ(std::wstring(value), std::wstring(s.value)) << testing::PrintToString(std::wstring(s.name));
    }
}

TEST(ArtworkProgramFile, IconOneIsA64PixelIconAndTheManifestAsksForAdministrator) {
    HMODULE module = LoadLibraryExW(kExe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr) << GetLastError();

    HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(1), reinterpret_cast<LPCWSTR>(RT_GROUP_ICON));
    ASSERT_NE(group, nullptr);
    auto* directory = static_cast<BYTE*>(LockResource(LoadResource(module, group)));
    ASSERT_NE(directory, nullptr);
    const int iconId = LookupIconIdFromDirectoryEx(directory, TRUE, 64, 64, LR_DEFAULTCOLOR);
    ASSERT_NE(iconId, 0);
    HRSRC image = FindResourceW(module, MAKEINTRESOURCEW(iconId), reinterpret_cast<LPCWSTR>(RT_ICON));
    ASSERT_NE(image, nullptr);
    // BITMAPINFOHEADER, 64 x 64 x 3 bytes of colour and a 64 x 64 1-bit mask.
    EXPECT_EQ(SizeofResource(module, image), 40u + 64 * 64 * 3 + 64 * 8);
    auto* bits = static_cast<BYTE*>(LockResource(LoadResource(module, image)));
    HICON icon = CreateIconFromResourceEx(bits, SizeofResource(module, image), TRUE, 0x00030000, 0, 0, 0);
    ASSERT_NE(icon, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP colour = {};
    GetObject(info.hbmColor, sizeof(colour), &colour);
    EXPECT_EQ(colour.bmWidth, 64);
    EXPECT_EQ(colour.bmHeight, 64);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);

    HRSRC manifest = FindResourceW(module, MAKEINTRESOURCEW(1), reinterpret_cast<LPCWSTR>(RT_MANIFEST));
    ASSERT_NE(manifest, nullptr);
    const char* text = static_cast<const char*>(LockResource(LoadResource(module, manifest)));
    const std::string xml(text, SizeofResource(module, manifest));
    EXPECT_NE(xml.find("level=\"requireAdministrator\""), std::string::npos);
    EXPECT_NE(xml.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    FreeLibrary(module);
}

}  // namespace
