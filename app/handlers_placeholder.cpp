// TEMPORARY: empty handler bodies so the program links until the real handlers land.
#include "app/handlers.h"

namespace handlers {

void WelcomeCreated() {}
void WelcomeNext() {}
void WelcomeCancel() {}
void DirectoryBack() {}
void DirectoryNext() {}
void DirectoryCancel() {}
void DirectoryBrowse() {}
void FollowBack() {}
void FollowNext() {}
void FollowCancel() {}
void FollowWeibo() {}
void FollowQq() {}
void FollowAgreementLink() {}
void FollowAgreementPressed() {}
void FollowAgreementClicked() {}
void ProgressCreated() {}
void ProgressTimerTick() {}
void ProgressFinish() {}

}  // namespace handlers
