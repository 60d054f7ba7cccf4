#include "uninstaller/messages.h"

#include <windows.h>

#include <string>

namespace uninstaller {

namespace {

const wchar_t kCaption[] = L"Brindlowen卸载程序";

std::wstring ListLines(const std::vector<std::wstring>& items) {
    std::wstring text;
    for (const std::wstring& item : items)
        text += L"\r\n" + item;
    return text;
}

}  // namespace

bool ConfirmRemoval() {
    return MessageBoxW(nullptr, L"确实要完全移除Brindlowen及其所有组件吗？", kCaption,
                       MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2 | MB_SETFOREGROUND) == IDYES;
}

void ShowOutcome(const RemovalReport& report) {
    if (!report.failed.empty()) {
        std::wstring text = L"以下项目未能移除，请手动删除：" + ListLines(report.failed);
        MessageBoxW(nullptr, text.c_str(), kCaption, MB_OK | MB_ICONWARNING | MB_SETFOREGROUND);
        return;
    }
    std::wstring text = L"Brindlowen已成功地从您的计算机中移除。";
    if (!report.kept.empty()) {
        text += L"\r\n\r\n以下文件夹中还有其他文件，已保留：" + ListLines(report.kept);
    }
    MessageBoxW(nullptr, text.c_str(), kCaption, MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
}

}  // namespace uninstaller
