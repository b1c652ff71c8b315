#include "document/cArchive.h"

#include <gtest/gtest.h>
#include <string>

namespace {

std::string Bytes(std::initializer_list<int> values)
{
    std::string out;
    for (const int v : values) {
        out.push_back(static_cast<char>(v));
    }
    return out;
}

TEST(cArchive, TextLengthPrefixes)
{
    struct cCase
    {
        std::size_t length;
        std::string prefix;
    };
    const cCase cases[] = {
        {0, Bytes({0})},
        {254, Bytes({254})},
        {255, Bytes({255, 255, 0})},
        {65533, Bytes({255, 0xFD, 0xFF})},
        {65534, Bytes({255, 0xFF, 0xFF, 0xFE, 0xFF, 0, 0})},
        {70000, Bytes({255, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0})},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.length);
        const std::string text(c.length, 'x');
        cArchiveOut out;
        out.Text(text);
        ASSERT_EQ(out.Data().size(), c.prefix.size() + c.length);
        EXPECT_EQ(out.Data().substr(0, c.prefix.size()), c.prefix);
        cArchiveIn in(out.Data());
        EXPECT_EQ(in.Text(), text);
        EXPECT_FALSE(in.Failed());
        EXPECT_EQ(in.Remaining(), 0u);
    }
}

TEST(cArchive, CodePageTextIsOneBytePerCharacter)
{
    cArchiveOut out;
    out.Text("Ål €");
    EXPECT_EQ(out.Data(), Bytes({4, 0xC5, 'l', ' ', 0x80}));
    cArchiveIn in(out.Data());
    EXPECT_EQ(in.Text(), "Ål €");
}

TEST(cArchive, TextOutsideTheCodePageKeepsEveryCharacter)
{
    const std::string text = "Zoë Ψ 🏐";
    cArchiveOut out;
    out.Text(text);
    // BYTE 255, WORD 65534, then 8 UTF-16 units (the ball takes two).
    EXPECT_EQ(out.Data().substr(0, 4), Bytes({255, 0xFE, 0xFF, 8}));
    EXPECT_EQ(out.Data().size(), 4u + 16u);
    cArchiveIn in(out.Data());
    EXPECT_EQ(in.Text(), text);
    EXPECT_FALSE(in.Failed());
}

TEST(cArchive, ReadingPastTheEndIsStickyAndAnswersZero)
{
    cArchiveIn in(Bytes({1, 2, 3}));
    EXPECT_EQ(in.Int(), 0);
    EXPECT_TRUE(in.Failed());
    EXPECT_EQ(in.Byte(), 0);
    EXPECT_EQ(in.Text(), "");
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(cArchive, TextLongerThanTheFileFails)
{
    for (const std::string& data :
         {Bytes({10, 'a'}), Bytes({255, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}),
          Bytes({255, 0xFE, 0xFF, 2, 'a', 0}), Bytes({255, 0xFE, 0xFF, 255, 0xFE, 0xFF})}) {
        cArchiveIn in(data);
        (void)in.Text();
        EXPECT_TRUE(in.Failed());
    }
}

TEST(cArchive, SecondObjectOfAClassUsesItsClassNumber)
{
    cArchiveOut out;
    out.WriteObjectHeader("cCourt");
    out.WriteObjectHeader("cCourt");
    out.WriteObjectHeader("cLeague");
    out.WriteObjectHeader("cLeague");
    EXPECT_EQ(out.Data(), Bytes({0xFF, 0xFF, 1, 0, 6, 0,   'c', 'C', 'o', 'u', 'r', 't', 0x01, 0x80, 0xFF,
                                 0xFF, 1,    0, 7, 0, 'c', 'L', 'e', 'a', 'g', 'u', 'e', 0x04, 0x80}));
    cArchiveIn in(out.Data());
    EXPECT_EQ(in.ReadObjectHeader(), "cCourt");
    EXPECT_EQ(in.ReadObjectHeader(), "cCourt");
    EXPECT_EQ(in.ReadObjectHeader(), "cLeague");
    EXPECT_EQ(in.ReadObjectHeader(), "cLeague");
    EXPECT_FALSE(in.Failed());
}

TEST(cArchive, LargeClassNumbersUseTheLongTag)
{
    cArchiveOut out;
    for (int i = 0; i < 40000; ++i) {
        out.WriteObjectHeader("cIllDate");
    }
    out.WriteObjectHeader("cIllTeam"); // class number 40002
    out.WriteObjectHeader("cIllTeam");
    const std::string& data = out.Data();
    EXPECT_EQ(data.substr(data.size() - 6), Bytes({0xFF, 0x7F, 0x42, 0x9C, 0x00, 0x80}));
    cArchiveIn in(data);
    for (int i = 0; i < 40000; ++i) {
        ASSERT_EQ(in.ReadObjectHeader(), "cIllDate");
    }
    EXPECT_EQ(in.ReadObjectHeader(), "cIllTeam");
    EXPECT_EQ(in.ReadObjectHeader(), "cIllTeam");
    EXPECT_FALSE(in.Failed());
}

TEST(cArchive, MalformedObjectHeadersFail)
{
    const std::string court = Bytes({0xFF, 0xFF, 1, 0, 6, 0, 'c', 'C', 'o', 'u', 'r', 't'});
    struct cCase
    {
        const char* name;
        std::string data;
    };
    const cCase cases[] = {
        {"null", Bytes({0, 0})},
        {"reference to an object", court + Bytes({2, 0})},
        {"class number never given", court + Bytes({0x05, 0x80})},
        {"class number of an object", court + Bytes({0x02, 0x80})},
        {"class number zero", Bytes({0x00, 0x80})},
        {"schema 2", Bytes({0xFF, 0xFF, 2, 0, 1, 0, 'c'})},
        {"name of 64", Bytes({0xFF, 0xFF, 1, 0, 64, 0}) + std::string(64, 'c')},
        {"name past the end", Bytes({0xFF, 0xFF, 1, 0, 9, 0, 'c'})},
        {"long reference", court + Bytes({0xFF, 0x7F, 2, 0, 0, 0})},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cArchiveIn in(c.data);
        std::string_view name;
        do {
            name = in.ReadObjectHeader();
        } while (!in.Failed() && in.Remaining() > 0);
        EXPECT_TRUE(in.Failed());
    }
}

TEST(cArchive, CountsAreCheckedAgainstTheBytesLeft)
{
    cArchiveIn in(std::string(100, '\0'));
    EXPECT_TRUE(in.CheckCount(10, 10));
    EXPECT_FALSE(in.Failed());
    EXPECT_FALSE(in.CheckCount(11, 10));
    EXPECT_TRUE(in.Failed());
    cArchiveIn negative(std::string(100, '\0'));
    EXPECT_FALSE(negative.CheckCount(-1, 1));
}

} // namespace
