// Handlers of the first three pages: moving forward and back, Cancel with its confirmation, the
// install directory check, the hidden folder browser, the agreement gate and the three web links.
#include <windows.h>

#include <utility>

#include "app/handlers.h"
#include "app/shared_state.h"
#include "app/web_addresses.h"
#include "gui/runtime.h"
#include "host/shell.h"
#include "host/text.h"
#include "install/path_text.h"

using gui::Page;
using gui::Property;
using gui::TextProperty;

namespace handlers {

namespace {

// Every page change builds and shows the target first, then asks for the current page's
// destruction, which happens only after the handler has returned.
void GoTo(Page target, Page current) {
    gui::LoadPage(target);
    gui::DestroyPage(current);
}

void ConfirmCancel() {
    const int kYesNo = 4, kYes = 5;
    if (gui::ShowMessageBox("您确定要退出安装?", kYesNo, "提示") == kYes)
        gui::ExitProgram(0);
}

}  // namespace

void WelcomeCreated() {}

void WelcomeNext() {
    GoTo(Page::Directory, Page::Welcome);
}

void WelcomeCancel() {
    ConfirmCancel();
}

void DirectoryBack() {
    GoTo(Page::Welcome, Page::Directory);
}

void DirectoryNext() {
    // All fields zero, nLength included: the directory gets the default security.
    SECURITY_ATTRIBUTES security;
    ZeroMemory(&security, sizeof(security));

    const bool empty =
        host::CompareText(gui::ReadProperty(Page::Directory, "编辑框1", TextProperty::Text).Get(), "") == 0;
    if (empty) {
        gui::ShowMessageBox("请先输入安装地址", 0, "提示");
        return;
    }
    // Stored as read: no trimming, no separator added or removed.
    app::InstallDirectory = gui::ReadProperty(Page::Directory, "编辑框1", TextProperty::Text);

    host::Text fixedDirectory = gui::ReadProperty(Page::Directory, "编辑框_目录", TextProperty::Text);
    CreateDirectoryA(fixedDirectory.Str(), &security);  // an existing directory is fine
    GoTo(Page::Follow, Page::Directory);
}

void DirectoryCancel() {
    ConfirmCancel();
}

void DirectoryBrowse() {
    host::Text chosen = host::BrowseForFolder("");
    if (chosen.Empty())
        return;  // cancelled: the edit box keeps its text
    // A drive root ("D:\") already ends with the separator; a folder gets one.
    host::Text directory =
        pathtext::EndsWithBackslash(chosen.Str()) ? std::move(chosen) : host::ConcatText(chosen.Str(), "\\");
    gui::WriteProperty(Page::Directory, "编辑框1", TextProperty::Text, directory.Str());
}

void FollowBack() {
    GoTo(Page::Directory, Page::Follow);
}

void FollowNext() {
    if (gui::ReadProperty(Page::Follow, "选择框1", Property::Checked) == 0) {
        // Reached only when the box was unticked from the keyboard: close the gate now.
        gui::WriteProperty(Page::Follow, "图片框2", Property::Disabled, 1);
    }
    if (gui::ReadProperty(Page::Follow, "选择框1", Property::Checked) == 1)
        GoTo(Page::Progress, Page::Follow);
}

void FollowCancel() {
    ConfirmCancel();
}

void FollowWeibo() {
    host::OpenUrl(web::kWeiboPage);
}

void FollowQq() {
    host::OpenUrl(web::kQqContact);
}

void FollowAgreementLink() {
    host::OpenUrl(web::kAgreement);
}

void FollowAgreementPressed() {
    // The press arrives before the box has changed; the gate follows in FollowAgreementClicked,
    // once the click is complete, so a press released outside the box changes nothing.
}

void FollowAgreementClicked() {
    const int ticked = gui::ReadProperty(Page::Follow, "选择框1", Property::Checked);
    gui::WriteProperty(Page::Follow, "图片框2", Property::Disabled, ticked ? 0 : 1);
}

}  // namespace handlers
