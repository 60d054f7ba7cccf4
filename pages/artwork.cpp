// Placeholder until the artwork files are embedded: every picture is empty.
#include "pages/artwork.h"

namespace artwork {

const Bytes WelcomeBackground = {nullptr, 0};
const Bytes DirectoryBackground = {nullptr, 0};
const Bytes FollowBackground = {nullptr, 0};
const Bytes ProgressBackground = {nullptr, 0};
const Bytes CancelFace = {nullptr, 0};
const Bytes NextFace = {nullptr, 0};
const Bytes BackFace = {nullptr, 0};
const Bytes ChangeFace = {nullptr, 0};
const Bytes InstallFace = {nullptr, 0};
const Bytes FinishFace = {nullptr, 0};
const Bytes QqBadge = {nullptr, 0};
const Bytes WeiboBadge = {nullptr, 0};

}  // namespace artwork
