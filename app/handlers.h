// The event handlers that the page definitions bind. Each takes no arguments and returns nothing.
#pragma once

namespace handlers {

// WelcomePage
void WelcomeCreated();          // page Created: does nothing
void WelcomeNext();             // 图片框1
void WelcomeCancel();           // 图片框2

// DirectoryPage
void DirectoryBack();           // 图片框1
void DirectoryNext();           // 图片框2
void DirectoryCancel();         // 图片框3
void DirectoryBrowse();         // 图片框4

// FollowPage
void FollowBack();              // 图片框1
void FollowNext();              // 图片框2
void FollowCancel();            // 图片框3
void FollowWeibo();             // 图片框4
void FollowQq();                // 图片框5
void FollowAgreementLink();     // 透明标签5
void FollowAgreementPressed();  // 选择框1 LeftButtonDown
void FollowAgreementClicked();  // 选择框1: a mouse click has completed and changed the box

// ProgressPage
void ProgressCreated();         // page Created: the install step
void ProgressTimerTick();       // 时钟1 TimerTick: the progress animation
void ProgressFinish();          // 图片框1: the finish step

}  // namespace handlers
