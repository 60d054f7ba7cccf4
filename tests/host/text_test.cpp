// Joining, comparing and cutting texts: byte counts, null as empty, unsigned byte order.
#include <gtest/gtest.h>

#include "host/text.h"

using host::Text;

namespace {

// nullptr in an expectation means a null Text.
void ExpectText(const Text& text, const char* expected, const char* what) {
    if (!expected) {
        EXPECT_TRUE(text.IsNull()) << what << " gave \"" << text.Str() << "\"";
    } else {
        ASSERT_FALSE(text.IsNull()) << what;
        EXPECT_STREQ(text.Get(), expected) << what;
    }
}

TEST(HostText, ConcatJoinsWithoutSeparatorAndNeverGivesNull) {
    struct Case {
        const char* a;
        const char* b;
        const char* c;
        bool three;
        const char* expected;
    } cases[] = {
        {nullptr, "\\", nullptr, false, "\\"},
        {nullptr, nullptr, nullptr, false, ""},
        {"", "", "", true, ""},
        {"C:\\Program Files\\zavrin\\", "Brindlowen.exe", nullptr, false, "C:\\Program Files\\zavrin\\Brindlowen.exe"},
        {"C:\\dir\\", "\\Brindlowen", nullptr, false, "C:\\dir\\\\Brindlowen"},
        {"看美文", nullptr, "，就选Brindlo！", true, "看美文，就选Brindlo！"},
    };
    for (const Case& c : cases) {
        Text joined = c.three ? host::ConcatText(c.a, c.b, c.c) : host::ConcatText(c.a, c.b);
        ExpectText(joined, c.expected, c.expected);
    }
}

TEST(HostText, CompareOrdersBytesAsUnsignedAndTreatsNullAsEmpty) {
    struct Case {
        const char* a;
        const char* b;
        int expected;
    } cases[] = {
        {nullptr, "", 0},  {"", nullptr, 0},  {nullptr, nullptr, 0}, {"a", nullptr, 1},   {nullptr, "a", -1},
        {"abc", "abc", 0}, {"ab", "abc", -1}, {"abc", "ab", 1},      {"abc", "abd", -1},  {"B", "a", -1},
        {"a", "A", 1},     {"\x80", "z", 1},  {"z", "\xFF", -1},     {"中文", "中文", 0}, {"中", "丁", 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(host::CompareText(c.a, c.b), c.expected)
            << "\"" << (c.a ? c.a : "(null)") << "\" vs \"" << (c.b ? c.b : "(null)") << "\"";
    }
}

TEST(HostText, LeftAndRightCountBytesAndGiveNullWhenEmpty) {
    // "中文" is D6 D0 CE C4 in code page 936.
    struct Case {
        bool left;
        const char* text;
        int n;
        const char* expected;
    } cases[] = {
        {true, "abc", 5, "abc"},           {true, "abc", 2, "ab"},          {true, "abc", 0, nullptr},
        {true, "abc", -1, nullptr},        {true, "", 3, nullptr},          {true, nullptr, 3, nullptr},
        {true, "中文", 3, "\xD6\xD0\xCE"}, {false, "abc", 1, "c"},          {false, "abc", 5, "abc"},
        {false, "abc", -1, nullptr},       {false, "abc", 0, nullptr},      {false, "", 2, nullptr},
        {false, "中文", 1, "\xC4"},        {true, "abc", INT_MIN, nullptr}, {false, "abc", INT_MAX, "abc"},
    };
    for (const Case& c : cases) {
        Text cut = c.left ? host::LeftText(c.text, c.n) : host::RightText(c.text, c.n);
        std::string what = std::string(c.left ? "Left" : "Right") + "(\"" + (c.text ? c.text : "(null)") + "\", " +
                           std::to_string(c.n) + ")";
        ExpectText(cut, c.expected, what.c_str());
    }
}

TEST(HostText, CopiesOwnTheirBytesAndMovesLeaveNull) {
    char source[] = "C:\\Program Files\\zavrin\\";
    Text copy = Text::Copy(source);
    source[0] = 'D';
    EXPECT_STREQ(copy.Get(), "C:\\Program Files\\zavrin\\");
    EXPECT_EQ(copy.Size(), 24u);

    Text moved = std::move(copy);
    EXPECT_TRUE(copy.IsNull());
    EXPECT_STREQ(copy.Str(), "");
    EXPECT_STREQ(moved.Get(), "C:\\Program Files\\zavrin\\");
    EXPECT_TRUE(Text::Copy(nullptr).IsNull());

    Text allocated = host::AllocateText(4);
    EXPECT_EQ(allocated.Size(), 0u) << "a new text is all zero";
    host::MutableBytes(allocated)[0] = 'x';
    EXPECT_STREQ(allocated.Get(), "x");
}

}  // namespace
