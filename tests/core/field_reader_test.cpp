#include "core/field_reader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace orvik {
namespace {

// Every field of the text, read until the end of the file.
std::vector<std::string> Fields(const std::string& text) {
    std::istringstream in(text);
    FieldReader reader(in);
    std::vector<std::string> fields;
    for (int guard = 0; guard < 1000; ++guard) {
        try {
            fields.push_back(reader.Read());
        } catch (const EndOfFileError&) {
            return fields;
        }
    }
    ADD_FAILURE() << "the reader did not reach the end of the file";
    return fields;
}

using F = std::vector<std::string>;

TEST(FieldReader, SplitsAtCommasAndLineEndsOfEveryKind) {
    EXPECT_EQ(Fields("a,b\r\nc"), (F{"a", "b", "c"}));
    EXPECT_EQ(Fields("a\nb\rc\r\n"), (F{"a", "b", "c"}));
    EXPECT_EQ(Fields("a\r\n"), (F{"a"}));  // a final line end starts no field
    EXPECT_EQ(Fields("a\r\n\r\n\n\rb"), (F{"a", "", "", "", "b"}));  // LF CR is two line ends
    EXPECT_EQ(Fields("\r\n"), (F{""}));
    EXPECT_EQ(Fields("x, y"), (F{"x", "y"}));
    EXPECT_EQ(Fields("a,\r\nb"), (F{"a", "", "b"}));
    EXPECT_EQ(Fields(""), F{});
}

TEST(FieldReader, SkipsLeadingSpacesOnlyAndKeepsEveryOtherByte) {
    EXPECT_EQ(Fields("   Frame 12\r\n"), (F{"Frame 12"}));
    EXPECT_EQ(Fields("Type \r\n"), (F{"Type "}));  // trailing spaces stay
    EXPECT_EQ(Fields("  \r\nb"), (F{"", "b"}));
    EXPECT_EQ(Fields("\tx"), (F{"\tx"}));
    const std::string bytes("a\0b\xe9\xff\x1a", 6);
    EXPECT_EQ(Fields(bytes + "\r\n"), (F{bytes}));
}

TEST(FieldReader, QuotedFieldsRunToTheClosingQuoteOrTheEndOfTheFile) {
    EXPECT_EQ(Fields("\"a, b\"\r\nc"), (F{"a, b", "c"}));
    EXPECT_EQ(Fields("  \"line\r\nbreak\",next"), (F{"line\r\nbreak", "next"}));
    EXPECT_EQ(Fields("\"a\"junk, more\r\nc"), (F{"a", "more", "c"}));
    EXPECT_EQ(Fields("\"\"\r\n"), (F{""}));
    EXPECT_EQ(Fields("\"open, to the end\r\n"), (F{"open, to the end\r\n"}));
    EXPECT_EQ(Fields("x\"y\"\r\n"), (F{"x\"y\""}));  // a quote inside a field is a character
}

TEST(FieldReader, PeekedFieldsAreReturnedByTheFollowingReads) {
    std::istringstream in("a\r\n\r\nb");
    FieldReader reader(in);
    ASSERT_NE(reader.Peek(1), nullptr);
    EXPECT_EQ(*reader.Peek(1), "");
    EXPECT_EQ(*reader.Peek(0), "a");
    EXPECT_EQ(reader.Peek(3), nullptr);
    EXPECT_EQ(reader.Read(), "a");
    EXPECT_EQ(reader.Read(), "");
    EXPECT_EQ(reader.Read(), "b");
    EXPECT_THROW(reader.Read(), EndOfFileError);
    EXPECT_THROW(reader.Read(), EndOfFileError);
}

TEST(FieldReader, TakesNoMoreFromTheStreamThanItsReadsNeed) {
    std::istringstream in("a,b\r\nrest\r\n");
    FieldReader reader(in);
    reader.Read();
    reader.Peek(0);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "rest\r\n");
}

TEST(FieldReader, AFailedStreamReadsAsAMissingFile) {
    std::ifstream missing("/nonexistent/orvik/missing.atr");
    FieldReader reader(missing);
    EXPECT_EQ(reader.Peek(0), nullptr);
    EXPECT_THROW(reader.Read(), EndOfFileError);

    std::istringstream failed("a\r\n");
    failed.setstate(std::ios::failbit);
    EXPECT_THROW(FieldReader(failed).Read(), EndOfFileError);
}

}  // namespace
}  // namespace orvik
