// A file the writer wrote, read and written again, comes out byte for byte the
// same, as long as no text holds a leading space, a comma, a double quote, a
// line end or one of the keys itself.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "core/stroke_catalogue.h"
#include "stroke_test_support.h"

namespace orvik {
namespace {

using testing::LoadedStroke;
using testing::ReadText;
using testing::StrokeDump;
using testing::Written;

class StrokeGenerator {
public:
    explicit StrokeGenerator(unsigned seed) : random_(seed) {}

    StrokeFile Next() {
        StrokeFile s = LoadedStroke();
        for (std::string* t : {&s.Type, &s.Faceing, &s.Difficulty, &s.Reward, &s.Difficulty6, &s.Reward6,
                               &s.Difficulty3, &s.Reward3, &s.EdgeProb, &s.EdgeProb6, &s.EdgeProb3, &s.Name,
                               &s.Variation})
            *t = Text();
        s.BowlerTypes = Int16();
        s.StumpPosition = Int16();
        s.BatsmanPosition = Int16();
        s.PitchPosition = Int16();
        for (auto& f : s.KeyFrames) {
            f.Frame = Int16();
            f.Vertical = Double();
            f.Direction = Double();
            f.DirectionRange = Double();
            f.Power = Double();
            f.PowerRange = Double();
        }
        const int validSixHits = Below(6);
        for (int k = 0; k < 5; ++k) {
            auto& tag = s.KeyFrames[static_cast<std::size_t>(5 + k)].KeyFrameTag;
            if (k < validSixHits)
                tag = std::string(1, static_cast<char>('0' + Below(5)));
            else
                tag = k == validSixHits ? InvalidTag() : (Below(2) == 0 ? InvalidTag() : "2");
        }
        const int trailing = Below(4) == 0 ? 65 : Below(12);
        for (int j = 1; j <= trailing; ++j) s.TrailingLines.at(j) = Below(3) == 0 ? Text() : "";
        return s;
    }

private:
    int Below(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
    std::int16_t Int16() { return static_cast<std::int16_t>(Below(65536) - 32768); }

    // Letters, digits, signs, the keys' marker letters, tabs, inner and
    // trailing spaces and bytes outside ASCII; without "w", "g" and "M" no key
    // ("Reward", "Range", "EdgeProb", "Variation", "Mode 6Hit") can form.
    std::string Text() {
        static const char symbols[] = "RVEerdabxyz0123456789.-+_ \t\x01\x7f\xe9\xff";
        std::string t;
        const int length = Below(9);
        for (int i = 0; i < length; ++i) t += symbols[Below(sizeof symbols - 1)];
        if (!t.empty() && t[0] == ' ') t[0] = 'x';
        return t;
    }

    std::string InvalidTag() {
        static const char* const tags[] = {"", "5", "00", "X", "Very Late", "-1"};
        return tags[Below(6)];
    }

    double Double() {
        switch (Below(4)) {
            case 0: return Below(2001) - 1000;
            case 1: return (Below(2001) - 1000) / 8.0;
            case 2: return Below(260000001) - 130000000;
            default: {
                const double mantissa = std::uniform_real_distribution<double>(-10, 10)(random_);
                return mantissa * std::pow(10.0, Below(60) - 30);
            }
        }
    }

    std::mt19937 random_;
};

TEST(StrokeRoundTrip, WrittenFilesReadAndWriteBackUnchanged) {
    StrokeGenerator generator(4711);
    for (int round = 0; round < 2000; ++round) {
        const StrokeFile original = generator.Next();
        const std::string typeText = original.Type;
        const std::int32_t code = original.BowlerTypes;
        const std::string first = Written(original, typeText, code);
        const StrokeFile read = ReadText(first);
        ASSERT_EQ(Written(read, read.Type, read.BowlerTypes), first) << "round " << round;

        // The read record holds the original values, apart from the six-hit
        // key frames that were not written: their tags are empty, their numbers untouched.
        StrokeFile expected = original;
        bool written = true;
        for (int k = 5; k < KeyFrameCount; ++k) {
            auto& frame = expected.KeyFrames[static_cast<std::size_t>(k)];
            written = written && IsValidSixHitTag(frame.KeyFrameTag);
            if (!written) frame = KeyFrame{};
        }
        ASSERT_EQ(StrokeDump(read), StrokeDump(expected)) << "round " << round;
    }
}

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(StrokeRoundTrip, EverySampleStrokeReadsAndWritesBackUnchanged) {
    const std::string folder = std::string(ORVIK_SAMPLES_DIR) + "/strokes/";
    std::vector<std::string> files;
    for (const auto& entry : StrokeCatalogue()) files.emplace_back(entry.FileName);
    files.insert(files.end(), {"practice-drive.atr", "A-CC018.ATR"});
    for (const auto& file : files) {
        const std::string bytes = FileBytes(folder + file);
        ASSERT_FALSE(bytes.empty()) << file;
        const StrokeFile read = ReadText(bytes);
        EXPECT_EQ(Written(read, read.Type, read.BowlerTypes), bytes) << file;
        EXPECT_TRUE(read.Type == "Aggressive" || read.Type == "Defensive" || read.Type == "Moderate") << file;
        int sixHits = 0;
        while (sixHits < 5 && IsValidSixHitTag(read.KeyFrames[static_cast<std::size_t>(5 + sixHits)].KeyFrameTag))
            ++sixHits;
        const bool sixHitStroke = StrokeNameForFile(file).value_or("").find("6-Hit") != std::string::npos;
        EXPECT_EQ(sixHits > 0, sixHitStroke) << file;
    }
}

}  // namespace
}  // namespace orvik
