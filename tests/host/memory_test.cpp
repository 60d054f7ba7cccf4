// The program's own containers: order and ownership through growth and removal, stable elements
// after Reserve, and sizes taken from input that fail cleanly instead of ending the program.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "host/memory.h"
#include "host/text.h"

namespace {

std::string Joined(const host::List<host::Text>& list) {
    std::string joined;
    for (const host::Text& item : list)
        joined += std::string(item.Str()) + ",";
    return joined;
}

TEST(HostMemory, ListKeepsOrderAndOwnershipThroughGrowthAndRemoval) {
    host::List<host::Text> list;
    std::string expected;
    for (int i = 0; i < 20; ++i) {  // grows past its first capacity twice
        list.Append(host::DecimalText(static_cast<std::size_t>(i)));
        expected += std::to_string(i) + ",";
    }
    ASSERT_EQ(list.Size(), 20u);
    EXPECT_EQ(Joined(list), expected);

    list.RemoveAt(0);
    list.RemoveAt(9);   // "10"
    list.RemoveAt(17);  // the last one, "19"
    EXPECT_EQ(Joined(list), "1,2,3,4,5,6,7,8,9,11,12,13,14,15,16,17,18,");

    host::List<host::Text> moved = static_cast<host::List<host::Text>&&>(list);
    EXPECT_TRUE(list.Empty());
    EXPECT_EQ(moved.Size(), 17u);
    moved = host::List<host::Text>();
    EXPECT_TRUE(moved.Empty());
}

TEST(HostMemory, ReservedListDoesNotMoveItsElements) {
    host::List<int> list;
    list.Reserve(100);
    list.Append(7);
    const int* first = &list[0];
    for (int i = 0; i < 99; ++i)
        list.Append(i);
    EXPECT_EQ(&list[0], first);
    EXPECT_EQ(list[0], 7);
    EXPECT_EQ(list[99], 98);
}

TEST(HostMemory, ArraySizedFromInputFailsCleanlyWhenItCannotBeHad) {
    struct Case {
        std::size_t count;
        const char* what;
    } cases[] = {
        {SIZE_MAX / 2, "more than the address space"},
        {SIZE_MAX / 4 + 2, "a count whose byte size wraps around"},
    };
    for (const Case& c : cases) {
        host::Array<std::uint32_t> array;
        ASSERT_TRUE(host::Array<std::uint32_t>::TryMake(3, array));
        EXPECT_FALSE(host::Array<std::uint32_t>::TryMake(c.count, array)) << c.what;
        EXPECT_EQ(array.Size(), 3u) << c.what << ": a failed make leaves the target as it was";
    }

    host::Array<unsigned char> bytes;
    ASSERT_TRUE(host::Array<unsigned char>::TryMake(4096, bytes));
    ASSERT_EQ(bytes.Size(), 4096u);
    for (unsigned char b : bytes)
        ASSERT_EQ(b, 0) << "elements start value-initialised";
}

}  // namespace
