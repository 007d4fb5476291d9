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

}  // namespace
}  // namespace orvik
