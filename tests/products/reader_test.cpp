// The reader runs as its own process: its window lists the pieces, and choosing one with the mouse
// or the keyboard shows that piece's text.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "products/product_paths.h"
#include "support/test_support.h"

using namespace producttest;
using namespace testsupport;

namespace {

const int kPieceListId = 101;
const int kPieceTextId = 102;

struct ExpectedPiece {
    const char* title;
    const char* author;
    const char* phrase;  // a sentence from the body
};

const ExpectedPiece kPieces[] = {
    {u8"桃花源记", u8"陶渊明", u8"芳草鲜美，落英缤纷。"},
    {u8"爱莲说", u8"周敦颐", u8"予独爱莲之出淤泥而不染，濯清涟而不妖"},
    {u8"陋室铭", u8"刘禹锡", u8"斯是陋室，惟吾德馨。"},
    {u8"小石潭记", u8"柳宗元", u8"潭中鱼可百许头，皆若空游无所依。"},
    {u8"记承天寺夜游", u8"苏轼", u8"但少闲人如吾两人者耳。"},
};
const int kPieceCount = sizeof(kPieces) / sizeof(kPieces[0]);

std::wstring ListItem(HWND list, int index) {
    LRESULT length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR)
        return L"<none>";
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

// The control's own text (GetWindowText would give only the caption of another process's control),
// read in one message so that a change in between cannot cut it short.
std::wstring ControlText(HWND control) {
    std::wstring text(16384, L'\0');
    LRESULT copied = SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

// Polls until the text control shows the given piece (the change arrives through the reader's queue).
::testing::AssertionResult ShowsPiece(HWND text, const ExpectedPiece& piece) {
    std::wstring expectedStart = Utf8(piece.title) + L"\r\n";
    std::wstring shown;
    for (int i = 0; i < 100; ++i) {
        shown = ControlText(text);
        if (shown.compare(0, expectedStart.size(), expectedStart) == 0)
            break;
        Sleep(20);
    }
    if (shown.compare(0, expectedStart.size(), expectedStart) != 0) {
        return ::testing::AssertionFailure() << "shown text begins: " << Narrow(shown.substr(0, 40));
    }
    if (shown.find(Utf8(piece.author)) == std::wstring::npos) {
        return ::testing::AssertionFailure() << "no author " << piece.author;
    }
    if (shown.find(Utf8(piece.phrase)) == std::wstring::npos) {
        return ::testing::AssertionFailure() << "no phrase " << piece.phrase;
    }
    return ::testing::AssertionSuccess();
}

class ProductReader : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(reader_.Start(Narrow(TestBuildProgram("Brindlowen.exe"))));
        window_ = reader_.WaitForWindow("Brindlowen", 20000);
        ASSERT_NE(window_, nullptr) << "the reader window did not appear";
        list_ = GetDlgItem(window_, kPieceListId);
        text_ = GetDlgItem(window_, kPieceTextId);
        ASSERT_NE(list_, nullptr);
        ASSERT_NE(text_, nullptr);
    }

    ChildProcess reader_;
    HWND window_ = nullptr;
    HWND list_ = nullptr;
    HWND text_ = nullptr;
};

}  // namespace

TEST_F(ProductReader, ListsEveryPieceAndStartsWithTheFirst) {
    ASSERT_EQ(SendMessageW(list_, LB_GETCOUNT, 0, 0), kPieceCount);
    for (int i = 0; i < kPieceCount; ++i) {
        EXPECT_EQ(Narrow(ListItem(list_, i)), kPieces[i].title) << "item " << i;
    }
    EXPECT_EQ(SendMessageW(list_, LB_GETCURSEL, 0, 0), 0);
    EXPECT_TRUE(ShowsPiece(text_, kPieces[0]));
    // The text is for reading only.
    EXPECT_NE(GetWindowLongW(text_, GWL_STYLE) & ES_READONLY, 0);

    PostAltF4(window_);
    EXPECT_EQ(reader_.WaitForExit(20000), 0u);
}

TEST_F(ProductReader, ClickingAPieceShowsItsText) {
    LRESULT itemHeight = SendMessageW(list_, LB_GETITEMHEIGHT, 0, 0);
    ASSERT_GT(itemHeight, 0);
    for (int index : {2, 4, 1}) {
        LPARAM point = MAKELPARAM(20, static_cast<int>(itemHeight) * index + static_cast<int>(itemHeight) / 2);
        PostMessageW(list_, WM_LBUTTONDOWN, MK_LBUTTON, point);
        PostMessageW(list_, WM_LBUTTONUP, 0, point);
        EXPECT_TRUE(ShowsPiece(text_, kPieces[index])) << "after clicking item " << index;
    }
}

TEST_F(ProductReader, ArrowKeysStepThroughThePieces) {
    for (int index = 1; index < kPieceCount; ++index) {
        PostMessageW(list_, WM_KEYDOWN, VK_DOWN, 1);
        PostMessageW(list_, WM_KEYUP, VK_DOWN, 1 | (1u << 30) | (1u << 31));
        EXPECT_TRUE(ShowsPiece(text_, kPieces[index])) << "after step " << index;
    }
}
