/* The encoded artwork files, included byte for byte into read-only data, together with the
   artwork::Bytes objects that point at them. The objects are defined here rather than in C++ so
   that they are constant data of the image, ready before any static initialiser runs (a C++
   initialiser could not compute a size from two symbols at compile time). The art directory is
   on the assembler's include path, so the files are named without a directory. */

#define CONCAT2(a, b) a##b
#define CONCAT(a, b) CONCAT2(a, b)
/* i686 C symbols carry a leading underscore, x86_64 ones do not. */
#define SYMBOL(name) CONCAT(__USER_LABEL_PREFIX__, name)

#ifdef __x86_64__
#define POINTER .quad
#define POINTER_ALIGN 8
#else
#define POINTER .long
#define POINTER_ALIGN 4
#endif

/* object: the mangled name of artwork::<Name> (_ZN7artwork<length><Name>E). The object is
   { const unsigned char* data; std::size_t size; }. */
#define ARTWORK(object, label, file)          \
    .balign 16;                               \
    .L##label##_start:                        \
    .incbin file;                             \
    .L##label##_end:                          \
    .balign POINTER_ALIGN;                    \
    .globl SYMBOL(object);                    \
    SYMBOL(object):                           \
    POINTER .L##label##_start;                \
    POINTER .L##label##_end - .L##label##_start

    .section .rdata, "dr"

ARTWORK(_ZN7artwork17WelcomeBackgroundE, welcome_background, "welcome_background.png")
ARTWORK(_ZN7artwork19DirectoryBackgroundE, directory_background, "directory_background.png")
ARTWORK(_ZN7artwork16FollowBackgroundE, follow_background, "follow_background.png")
ARTWORK(_ZN7artwork18ProgressBackgroundE, progress_background, "progress_background.png")
ARTWORK(_ZN7artwork10CancelFaceE, cancel_face, "cancel_face.jpg")
ARTWORK(_ZN7artwork8NextFaceE, next_face, "next_face.jpg")
ARTWORK(_ZN7artwork8BackFaceE, back_face, "back_face.jpg")
ARTWORK(_ZN7artwork10ChangeFaceE, change_face, "change_face.jpg")
ARTWORK(_ZN7artwork11InstallFaceE, install_face, "install_face.jpg")
ARTWORK(_ZN7artwork10FinishFaceE, finish_face, "finish_face.jpg")
ARTWORK(_ZN7artwork7QqBadgeE, qq_badge, "qq_badge.png")
ARTWORK(_ZN7artwork10WeiboBadgeE, weibo_badge, "weibo_badge.png")
