#include "framework/StringList.h"

#include <gtest/gtest.h>

#include "framework/Exceptions.h"

TEST(StringList, KeepsOrderAndDuplicates)
{
    fw::StringList list;
    EXPECT_EQ(list.Add("b"), 0);
    EXPECT_EQ(list.Add("a"), 1);
    EXPECT_EQ(list.Add("b"), 2);
    EXPECT_EQ(list.lines(), (std::vector<std::string>{"b", "a", "b"}));
    EXPECT_EQ(list[1], "a");

    fw::StringList copy;
    copy.Add("old");
    copy.Assign(list);
    EXPECT_EQ(copy.lines(), list.lines());
    copy.Assign(std::vector<std::string>{"x"});
    EXPECT_EQ(copy.Count(), 1);
    copy.Clear();
    EXPECT_EQ(copy.Count(), 0);
}

TEST(StringList, IndexOutsideIsAListError)
{
    fw::StringList list;
    list.Add("a");
    for (int index : {-1, 1}) {
        SCOPED_TRACE(index);
        try {
            (void)list.Strings(index);
            ADD_FAILURE() << "no error";
        } catch (const fw::EListError& e) {
            EXPECT_EQ(e.Message(), "List index out of bounds (" + std::to_string(index) + ")");
        }
    }
}
