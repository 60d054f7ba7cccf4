// The version resources of both programs, read back as Windows reads them, in the test build and
// in the shipping 32-bit build.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "products/product_paths.h"

using namespace producttest;

namespace {

struct ProgramVersion {
    const char* file;
    const char* productName;
    const char* fileDescription;
    const char* comments;
};

const ProgramVersion kPrograms[] = {
    {"Brindlowen.exe", u8"Brindlowen", u8"Brindlo是国内文学类网站首个推出美文文章阅读软件的网站。",
     u8"Brindlo为用户体验而生！"},
    {"uninst.exe", u8"uninst", u8"Brindlowen卸载程序", u8"Brindlowen卸载程序"},
};

std::vector<unsigned char> ReadVersionInfo(const std::wstring& path) {
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    std::vector<unsigned char> data(size);
    if (size == 0 || !GetFileVersionInfoW(path.c_str(), 0, size, data.data()))
        data.clear();
    return data;
}

std::wstring StringEntry(std::vector<unsigned char>& data, const wchar_t* name) {
    std::wstring query = std::wstring(L"\\StringFileInfo\\080404B0\\") + name;
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), query.c_str(), &value, &length) || !value)
        return L"<missing>";
    return static_cast<const wchar_t*>(value);
}

void ExpectVersion(const std::wstring& path, const ProgramVersion& program) {
    SCOPED_TRACE(Narrow(path));
    std::vector<unsigned char> data = ReadVersionInfo(path);
    ASSERT_FALSE(data.empty()) << "no version resource";

    EXPECT_EQ(Narrow(StringEntry(data, L"ProductName")), program.productName);
    EXPECT_EQ(Narrow(StringEntry(data, L"CompanyName")), "Brindlo");
    EXPECT_EQ(Narrow(StringEntry(data, L"FileVersion")), "1.3.0.0");
    EXPECT_EQ(Narrow(StringEntry(data, L"ProductVersion")), "1.3.0.0");
    EXPECT_EQ(Narrow(StringEntry(data, L"FileDescription")), program.fileDescription);
    EXPECT_EQ(Narrow(StringEntry(data, L"Comments")), program.comments);

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(3, 1));
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(3, 1));
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    // Chinese (Simplified, PRC) in the Unicode code page, matching the string block's name.
    WORD* translation = nullptr;
    ASSERT_TRUE(
        VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
    ASSERT_GE(length, 4u);
    EXPECT_EQ(translation[0], 0x0804);
    EXPECT_EQ(translation[1], 1200);
}

}  // namespace

TEST(ProductVersionInfo, TestBuildProgramsCarryTheirVersionEntries) {
    for (const ProgramVersion& program : kPrograms)
        ExpectVersion(TestBuildProgram(program.file), program);
}

TEST(ProductVersionInfo, ShippingProgramsCarryTheirVersionEntries) {
    for (const ProgramVersion& program : kPrograms)
        ExpectVersion(ShippingProgram(program.file), program);
}
