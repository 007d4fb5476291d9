// A text as messages show it: escaped as the checker prints it, cut at 60
// bytes without splitting a character.
#include "core/shown_text.h"

#include <gtest/gtest.h>

#include <string>

namespace orvik {
namespace {

TEST(ShownText, QuotedEscapesAndCutsBetweenCharacters) {
    const std::string fits(60, 'a');
    EXPECT_EQ(Quoted(fits), "\"" + fits + "\"");
    EXPECT_EQ(Quoted(fits + "b"), "\"" + fits + "...\"");
    // A two-byte character that would end past byte 60 is left out whole.
    EXPECT_EQ(Quoted(std::string(59, 'a') + "\xc3\xa9"), "\"" + std::string(59, 'a') + "...\"");
    EXPECT_EQ(Quoted(std::string(58, 'a') + "\xc3\xa9"), "\"" + std::string(58, 'a') + "\xc3\xa9\"");
    // The cut counts the bytes of the text, not of its escapes.
    EXPECT_EQ(Quoted(std::string(60, '\x01')).size(), 2 + 60 * 4u);
    EXPECT_EQ(Quoted("a\r\n\t\x1b\x7f\xe9\xc2\x9b\\\"z"), "\"a\\r\\n\\t\\x1B\\x7F\\xE9\\xC2\\x9B\\\"z\"");
    EXPECT_EQ(Quoted(""), "\"\"");
}

// Each character in its shortest form only: the longer forms of "/" and of
// U+07FF and U+FFFF are bytes that are not UTF-8, each escaped; the first
// three- and four-byte characters are shown as they are.
TEST(ShownText, OverlongFormsAreNoUtf8) {
    EXPECT_EQ(Escaped("\xe0\x80\xaf"), "\\xE0\\x80\\xAF");
    EXPECT_EQ(Escaped("\xe0\x9f\xbf"), "\\xE0\\x9F\\xBF");
    EXPECT_EQ(Escaped("\xf0\x80\x80\xaf"), "\\xF0\\x80\\x80\\xAF");
    EXPECT_EQ(Escaped("\xf0\x8f\xbf\xbf"), "\\xF0\\x8F\\xBF\\xBF");
    EXPECT_FALSE(IsValidUtf8("\xe0\x80\xaf"));
    EXPECT_FALSE(IsValidUtf8("\xf0\x80\x80\xaf"));
    EXPECT_EQ(Escaped("\xe0\xa0\x80"), "\xe0\xa0\x80");
    EXPECT_EQ(Escaped("\xf0\x90\x80\x80"), "\xf0\x90\x80\x80");
}

}  // namespace
}  // namespace orvik
