// The encoded artwork embedded in the program: complete PNG or JPEG files, no type tag beside them.
#pragma once

#include <cstddef>

namespace artwork {

struct Bytes {
    const unsigned char* data;
    std::size_t size;
};

extern const Bytes WelcomeBackground;
extern const Bytes DirectoryBackground;
extern const Bytes FollowBackground;
extern const Bytes ProgressBackground;
extern const Bytes CancelFace;
extern const Bytes NextFace;
extern const Bytes BackFace;
extern const Bytes ChangeFace;
extern const Bytes InstallFace;
extern const Bytes FinishFace;
extern const Bytes QqBadge;
extern const Bytes WeiboBadge;

}  // namespace artwork
