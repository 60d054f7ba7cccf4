#include "products/product_paths.h"

#include <windows.h>

#include "support/test_support.h"

namespace producttest {

namespace {
std::wstring Widen(const std::string& ascii) {
    return std::wstring(ascii.begin(), ascii.end());
}
}  // namespace

std::wstring TestBuildProgram(const std::string& name) {
    return Widen(testsupport::BuiltExe("products/" + name));
}

std::wstring ShippingProgram(const std::string& name) {
    return Widen(testsupport::WinePath(std::string(BRINDLOWEN_SHIPPING_DIR) + "/products/" + name));
}

std::wstring Utf8(const char* text) {
    int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, -1, nullptr, 0);
    if (length <= 0)
        return std::wstring();
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, -1, &wide[0], length);
    wide.resize(static_cast<std::size_t>(length - 1));
    return wide;
}

std::string Narrow(const std::wstring& text) {
    int length = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return std::string();
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &narrow[0], length, nullptr, nullptr);
    narrow.resize(static_cast<std::size_t>(length - 1));
    return narrow;
}

}  // namespace producttest
