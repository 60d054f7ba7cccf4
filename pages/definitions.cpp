// The four pages of the wizard, one table per page, one row per control in stacking order.
#include "pages/definitions.h"

#include "app/handlers.h"

namespace pages {
namespace {

using gui::Page;
using gui::PictureMode;
constexpr ControlKind kPicture = ControlKind::PictureBox;
constexpr ControlKind kEdit = ControlKind::EditBox;
constexpr ControlKind kCheck = ControlKind::CheckBox;
constexpr ControlKind kTransparent = ControlKind::TransparentLabel;
constexpr ControlKind kLabel = ControlKind::Label;
constexpr ControlKind kGroup = ControlKind::GroupBox;
constexpr ControlKind kTimer = ControlKind::Timer;

// Every picture box is a button face or badge: no border, hand pointer, not a tab stop.
constexpr ControlDefinition Button(const char* name,
                                   int left,
                                   int top,
                                   int width,
                                   int height,
                                   const artwork::Bytes& face,
                                   PictureMode mode,
                                   Handler onPress) {
    return Control(kPicture, name, left, top, width, height)
        .Picture(face, mode)
        .HandPointer()
        .OnLeftButtonDown(onPress);
}

// An edit box holding a fixed path off the page, read by the handlers as a parameter.
constexpr ControlDefinition PathField(const char* name, int left, int top, int width, int height, const char* path) {
    return Control(kEdit, name, left, top, width, height).Text(path).Sunken().Colours(kBlack, kWhite).TabStop();
}

constexpr PictureMode kNormal = PictureMode::Normal;
constexpr PictureMode kStretched = PictureMode::Stretched;

const ControlDefinition kWelcomeControls[] = {
    Button("图片框2", 395, 210, 65, 22, artwork::CancelFace, kStretched, handlers::WelcomeCancel),
    Button("图片框1", 320, 210, 65, 22, artwork::NextFace, kStretched, handlers::WelcomeNext),
};

const ControlDefinition kDirectoryControls[] = {
    PathField("编辑框_目录", 776, 80, 144, 32, "C:\\Program Files\\zavrin").Hidden(),
    Button("图片框4", 770, 176, 65, 22, artwork::ChangeFace, kNormal, handlers::DirectoryBrowse),
    Button("图片框3", 395, 210, 65, 22, artwork::CancelFace, kNormal, handlers::DirectoryCancel),
    Button("图片框2", 320, 210, 65, 22, artwork::NextFace, kNormal, handlers::DirectoryNext),
    Button("图片框1", 255, 210, 65, 22, artwork::BackFace, kStretched, handlers::DirectoryBack),
    Control(kEdit, "编辑框1", 30, 80, 420, 24)
        .Text("C:\\Program Files\\zavrin\\")
        .Disabled()
        .ReadOnly()
        .Colours(kBlack, kWhite)
        .YaHei()
        .TabStop(),
};

const ControlDefinition kFollowControls[] = {
    Button("图片框5", 260, 100, 140, 40, artwork::QqBadge, kNormal, handlers::FollowQq).Back(kPageBlue),
    Button("图片框4", 80, 100, 140, 40, artwork::WeiboBadge, kNormal, handlers::FollowWeibo).Back(kPageBlue),
    Control(kTransparent, "透明标签5", 203, 180, 58, 24)
        .Text("许可协议")
        .Colours(kBlack, kDefaultColour)
        .YaHei()
        .HandPointer()
        .OnLeftButtonDown(handlers::FollowAgreementLink),
    Control(kCheck, "选择框1", 20, 180, 180, 24)
        .Text("我已经阅读并同意Brindlowen")
        .Checked(true)
        .Colours(kWhite, kPageBlue)
        .YaHei()
        .OnLeftButtonDown(handlers::FollowAgreementPressed)
        .OnClickChanged(handlers::FollowAgreementClicked),
    Button("图片框3", 395, 210, 65, 22, artwork::CancelFace, kNormal, handlers::FollowCancel),
    Button("图片框2", 320, 210, 65, 22, artwork::InstallFace, kNormal, handlers::FollowNext),
    Button("图片框1", 255, 210, 65, 22, artwork::BackFace, kNormal, handlers::FollowBack),
};

const ControlDefinition kProgressControls[] = {
    Control(kCheck, "选择框3", 656, 208, 88, 24).Text("选择框").Checked(false).TabStop(),
    Control(kLabel, "标签2", 576, 168, 48, 24).Text("目标目录"),
    Control(kLabel, "标签3", 576, 128, 48, 24).Text("源目录"),
    PathField("编辑框2", 624, 168, 192, 24, "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\zavrin\\"),
    PathField("编辑框3", 624, 128, 192, 24, "C:\\Program Files\\zavrin\\"),
    PathField("编辑框1", 600, 48, 168, 32, "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\zavrin")
        .Hidden(),
    Control(kCheck, "选择框2", 184, 180, 112, 24)
        .Text("添加快捷启动项")
        .Checked(true)
        .Colours(kWhite, kPageBlue)
        .TabStop(),
    Control(kCheck, "选择框1", 20, 180, 136, 24)
        .Text("添加到桌面快捷方式")
        .Checked(true)
        .Colours(kWhite, kPageBlue)
        .YaHei(),
    Button("图片框1", 395, 210, 65, 22, artwork::FinishFace, kNormal, handlers::ProgressFinish),
    Control(kTimer, "时钟1", 600, 96, 26, 26).Hidden().Period(0).OnTimerTick(handlers::ProgressTimerTick),
    // The progress bar: a solid white strip that the animation widens.
    Control(kLabel, "标签1", 20, 79, 5, 8).Back(kWhite),
    // The bar's invisible ruler: its Left and Width give the bar's full extent.
    Control(kGroup, "分组框1", 20, 64, 440, 30).Hidden().Colours(kWhite, kPageBlue),
};

const PageDefinition kWelcomePage =
    Page480x240(Page::Welcome, &artwork::WelcomeBackground, handlers::WelcomeCreated, kWelcomeControls);
const PageDefinition kDirectoryPage =
    Page480x240(Page::Directory, &artwork::DirectoryBackground, nullptr, kDirectoryControls);
const PageDefinition kFollowPage = Page480x240(Page::Follow, &artwork::FollowBackground, nullptr, kFollowControls);
const PageDefinition kProgressPage =
    Page480x240(Page::Progress, &artwork::ProgressBackground, handlers::ProgressCreated, kProgressControls);

const PageTable kProgramPages = {&kWelcomePage, &kDirectoryPage, &kFollowPage, &kProgressPage};

}  // namespace

const PageTable& ProgramPages() {
    return kProgramPages;
}

}  // namespace pages
