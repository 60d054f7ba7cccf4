#include "gui/display_text.h"

#include <windows.h>

#include <cstring>

namespace gui {

namespace {
constexpr UINT kWizardCodePage = 936;
}

host::WideText DisplayText(const char* cp936) {
    if (!cp936 || !*cp936)
        return host::WideText();
    const int length = static_cast<int>(std::strlen(cp936));
    const int wide = MultiByteToWideChar(kWizardCodePage, 0, cp936, length, nullptr, 0);
    if (wide <= 0)
        return host::WideText();
    host::WideText result(static_cast<std::size_t>(wide));
    MultiByteToWideChar(kWizardCodePage, 0, cp936, length, result.MutableChars(), wide);
    return result;
}

host::Text WizardText(const wchar_t* utf16) {
    if (!utf16 || !*utf16)
        return host::Text();
    const int length = static_cast<int>(std::wcslen(utf16));
    const int bytes = WideCharToMultiByte(kWizardCodePage, 0, utf16, length, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return host::Text();
    host::Text text = host::AllocateText(static_cast<std::size_t>(bytes));
    WideCharToMultiByte(kWizardCodePage, 0, utf16, length, host::MutableBytes(text), bytes, nullptr, nullptr);
    return text;
}

host::WideText WindowText(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    if (length <= 0)
        return host::WideText();
    host::WideText text(static_cast<std::size_t>(length));
    GetWindowTextW(hwnd, text.MutableChars(), length + 1);
    return text;
}

}  // namespace gui
