// The artwork embedded in the program decodes to pictures of the sizes the pages expect, in the
// page colour where no text is drawn, and the badges take on their box's back colour.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "gui/picture.h"
#include "pages/artwork.h"
#include "png_fixture.h"

using namespace fixture;

namespace {

const COLORREF kPageBlue = RGB(106, 186, 223);

struct ArtCase {
    const char* name;
    const artwork::Bytes& bytes;
    bool png;
    int width, height;
    POINT blank;  // a place without text or shape
};

const ArtCase kArt[] = {
    {"WelcomeBackground", artwork::WelcomeBackground, true, 480, 240, {300, 145}},
    {"DirectoryBackground", artwork::DirectoryBackground, true, 480, 240, {240, 90}},
    {"FollowBackground", artwork::FollowBackground, true, 480, 240, {240, 150}},
    {"ProgressBackground", artwork::ProgressBackground, true, 480, 240, {240, 120}},
    {"CancelFace", artwork::CancelFace, false, 65, 22, {2, 11}},
    {"NextFace", artwork::NextFace, false, 65, 22, {1, 11}},
    {"BackFace", artwork::BackFace, false, 65, 22, {1, 11}},
    {"ChangeFace", artwork::ChangeFace, false, 65, 22, {2, 11}},
    {"InstallFace", artwork::InstallFace, false, 65, 22, {2, 11}},
    {"FinishFace", artwork::FinishFace, false, 65, 22, {2, 11}},
    {"QqBadge", artwork::QqBadge, true, 140, 40, {139, 0}},
    {"WeiboBadge", artwork::WeiboBadge, true, 140, 40, {139, 39}},
};

bool Near(COLORREF a, COLORREF b, int tolerance) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

int WhitePixels(const gui::Picture& picture) {
    int count = 0;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x)
            count += Near(PixelAt(picture, x, y), RGB(255, 255, 255), 8);
    }
    return count;
}

// Read by a static initialiser of this file, before main: page tables built the same way must
// find the pictures already in place.
const artwork::Bytes kBadgeSeenBeforeMain = artwork::QqBadge;

TEST(ArtworkEmbedded, PicturesAreInPlaceBeforeStaticInitialisersRun) {
    EXPECT_EQ(kBadgeSeenBeforeMain.data, artwork::QqBadge.data);
    EXPECT_EQ(kBadgeSeenBeforeMain.size, artwork::QqBadge.size);
    EXPECT_NE(kBadgeSeenBeforeMain.data, nullptr);
}

TEST(ArtworkEmbedded, EveryPictureDecodesToItsSizeWithTextOnPageBlue) {
    for (const ArtCase& art : kArt) {
        SCOPED_TRACE(art.name);
        ASSERT_NE(art.bytes.data, nullptr);
        ASSERT_GT(art.bytes.size, 100u);
        EXPECT_EQ(art.bytes.data[0], art.png ? 0x89 : 0xFF);
        gui::Picture picture = gui::DecodePicture(art.bytes.data, art.bytes.size, kPageBlue);
        ASSERT_NE(picture.bitmap, nullptr);
        EXPECT_EQ(picture.width, art.width);
        EXPECT_EQ(picture.height, art.height);
        const COLORREF blank = PixelAt(picture, art.blank.x, art.blank.y);
        // Backgrounds are exactly the page colour; JPEG faces only up to compression noise.
        EXPECT_TRUE(Near(blank, kPageBlue, art.png ? 0 : 4)) << Describe(blank);
        EXPECT_GT(WhitePixels(picture), 20) << "no white text drawn";
        gui::FreePicture(picture);
    }
}

TEST(ArtworkEmbedded, BackgroundsAreOpaqueWhateverTheBackColour) {
    for (const artwork::Bytes* bytes : {&artwork::WelcomeBackground, &artwork::DirectoryBackground,
                                        &artwork::FollowBackground, &artwork::ProgressBackground}) {
        gui::Picture overBlue = gui::DecodePicture(bytes->data, bytes->size, kPageBlue);
        gui::Picture overRed = gui::DecodePicture(bytes->data, bytes->size, RGB(255, 0, 0));
        ASSERT_NE(overBlue.bitmap, nullptr);
        ASSERT_NE(overRed.bitmap, nullptr);
        int differing = 0;
        for (int y = 0; y < overBlue.height; ++y) {
            for (int x = 0; x < overBlue.width; ++x)
                differing += PixelAt(overBlue, x, y) != PixelAt(overRed, x, y);
        }
        EXPECT_EQ(differing, 0);
        gui::FreePicture(overBlue);
        gui::FreePicture(overRed);
    }
}

TEST(ArtworkEmbedded, BadgesBlendIntoTheirBoxsOwnBackColour) {
    const COLORREF buttonFace = GetSysColor(COLOR_BTNFACE);
    ASSERT_NE(buttonFace, kPageBlue);
    struct Badge {
        const char* name;
        const artwork::Bytes& bytes;
        POINT inked;  // inside the mark: the penguin's belly, the eye's pupil
    };
    for (const Badge& badge :
         {Badge{"QqBadge", artwork::QqBadge, {17, 28}}, Badge{"WeiboBadge", artwork::WeiboBadge, {15, 26}}}) {
        const Badge* art = &badge;
        SCOPED_TRACE(art->name);
        for (COLORREF back : {kPageBlue, buttonFace}) {
            gui::Picture picture = gui::DecodePicture(art->bytes.data, art->bytes.size, back);
            ASSERT_NE(picture.bitmap, nullptr);
            // Around the shapes the box's back colour shows exactly, at all four corners.
            for (POINT corner : {POINT{0, 0}, POINT{139, 0}, POINT{0, 39}, POINT{139, 39}}) {
                EXPECT_EQ(Describe(PixelAt(picture, corner.x, corner.y)), Describe(back));
            }
            // Inside the mark the picture's own colour shows, whatever the back colour.
            EXPECT_NE(PixelAt(picture, art->inked.x, art->inked.y), back);
            gui::FreePicture(picture);
        }
        // Opaque pixels decode the same over both backs; soft edges show a part of each back.
        gui::Picture overBlue = gui::DecodePicture(art->bytes.data, art->bytes.size, kPageBlue);
        gui::Picture overFace = gui::DecodePicture(art->bytes.data, art->bytes.size, buttonFace);
        int same = 0, blended = 0;
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 140; ++x) {
                const COLORREF a = PixelAt(overBlue, x, y), b = PixelAt(overFace, x, y);
                if (a == b) {
                    ++same;  // opaque
                } else if (a != kPageBlue && b != buttonFace) {
                    ++blended;  // partly transparent: both backs show through in part
                }
            }
        }
        EXPECT_GT(same, 200);
        EXPECT_GT(blended, 50);
        gui::FreePicture(overBlue);
        gui::FreePicture(overFace);
    }
}

TEST(ArtworkEmbedded, EveryCutOrDamagedCopyOfARealPictureGivesNoPicture) {
    for (const artwork::Bytes* art : {&artwork::QqBadge, &artwork::NextFace}) {
        const Bytes whole(art->data, art->data + art->size);
        // Cut anywhere, down to the last byte of the end marker.
        for (std::size_t length = 0; length < whole.size(); ++length) {
            gui::Picture picture = gui::DecodePicture(whole.data(), length, kPageBlue);
            EXPECT_EQ(picture.bitmap, nullptr) << "first byte " << int(whole[0]) << ", cut to " << length;
            gui::FreePicture(picture);
        }
        // The middle overwritten by a run of 0xFF bytes (bad checksum, bad markers).
        Bytes damaged = whole;
        std::fill(damaged.begin() + damaged.size() / 2, damaged.begin() + damaged.size() / 2 + 64, 0xFF);
        EXPECT_EQ(Decode(damaged, kPageBlue).bitmap, nullptr) << "first byte " << int(whole[0]);
    }
}

}  // namespace
