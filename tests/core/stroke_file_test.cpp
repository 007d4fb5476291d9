// The stroke file format: the reader, the writer, and the two together.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "clean_stroke.h"
#include "core/read_report.h"
#include "core/save_check.h"
#include "core/stroke_catalogue.h"
#include "core/stroke_reader.h"
#include "core/stroke_writer.h"

namespace orvik {
namespace {

// The text with each "\n" turned into the files' CR LF.
std::string Crlf(std::string_view text) {
    std::string out;
    for (char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

// The record as the editor holds it after start-up and a load.
StrokeFile LoadedStroke() {
    StrokeFile stroke;
    for (int j = TrailingLineArray::First; j < 0; ++j) stroke.TrailingLines.at(j) = "43";
    return stroke;
}

// Written with WellFormed's stroke type and bowler class unless the window says otherwise.
std::string Written(const StrokeFile& stroke, std::string_view type = "Defensive", std::int32_t code = 6) {
    return StrokeFileText(stroke, type, code);
}

StrokeFile Read(std::istream&& in, StrokeFile stroke = LoadedStroke()) {
    ReadStrokeFile(in, stroke);
    return stroke;
}
StrokeFile ReadText(const std::string& text, StrokeFile stroke = LoadedStroke()) {
    return Read(std::istringstream(text), std::move(stroke));
}

// Every field: the record written with all its key frames, then every tag and trailing line.
std::string Dump(const StrokeFile& s) {
    StrokeFile all = s;
    for (int k = NormalKeyFrameCount; k < KeyFrameCount; ++k) all.KeyFrames[k].KeyFrameTag = "0";
    std::string out = Written(all, s.Type, s.BowlerTypes);
    for (const KeyFrame& frame : s.KeyFrames) out += "|" + frame.KeyFrameTag;
    for (int j = TrailingLineArray::First; j <= TrailingLineArray::Last; ++j) out += "|" + s.TrailingLines.at(j);
    return out;
}

// The text with the first occurrence of each `from` replaced in turn; empty when one does
// not occur, so that a mistyped test line shows up as a failure.
std::string Edited(std::string text, std::initializer_list<std::pair<std::string_view, std::string_view>> edits) {
    for (const auto& [from, to] : edits) {
        const auto at = text.find(from);
        if (at == std::string::npos) return {};
        text.replace(at, from.size(), to);
    }
    return text;
}

// Two six-hit key frames (tags "2", "0") and two trailing lines, as the writer writes it.
const std::string WellFormed = Crlf(
    "StrokeAttr\n\nType Defensive\nFaceing 1\nDifficulty 5 Reward 3\nDifficulty6 6 Reward6 4\n"
    "Difficulty3 7 Reward3 2\nEdgeProb 0.1 EdgeProb6 0.2 EdgeProb3 0.3\nBowlerTypes 6\n"
    "StumpPosition 10\nBatsmanPosition -20\nPitchPosition 30\nName drive Variation 2\n\n"
    "Mode Normal KeyFrame 0\n Frame 10\n Vertical 20000000\n Direction 0 Range 3750000\n Power 1.5 Range 0.25\n\n"
    "Mode Normal KeyFrame 1\n Frame 11\n Vertical 21000000\n Direction 7500000 Range 3750000\n Power 2.5 Range 0.25\n\n"
    "Mode Normal KeyFrame 2\n Frame 12\n Vertical 3E+16\n Direction 15000000 Range 3750000\n Power 3.5 Range 0.25\n\n"
    "Mode Normal KeyFrame 3\n Frame 13\n Vertical 23000000\n Direction 22500000 Range 3750000\n Power 4.5 Range "
    "0.25\n\n"
    "Mode Normal KeyFrame 4\n Frame 14\n Vertical 24000000\n Direction -7500000 Range 3750000\n Power 5.5 Range "
    "0.25\n\n"
    "Mode 6Hit KeyFrame 2\n Frame 15\n Vertical 25000000\n Direction 37500000 Range 3750000\n Power 1E-05 Range "
    "0.25\n\n"
    "Mode 6Hit KeyFrame 0\n Frame -3\n Vertical 26000000\n Direction 45000000 Range 3750000\n Power 7.5 Range 0.25\n\n"
    "43\nnote\n\n\n\n\n");

// The record that WellFormed holds: the clean stroke with numbers the writer writes in exponent form
// and negative ones, and "43" before its note. Normal key frames' tags are neither written nor read.
StrokeFile WellFormedStroke() {
    StrokeFile s = CleanStroke("2 0");
    for (int k = 0; k < NormalKeyFrameCount; ++k) s.KeyFrames[k].KeyFrameTag = "3";
    s.KeyFrames[2].Vertical = 3e16;
    s.KeyFrames[4].Direction = -7.5e6;
    s.KeyFrames[5].Power = 1e-5;
    s.KeyFrames[6].Frame = -3;
    s.TrailingLines.at(0) = "";
    s.TrailingLines.at(1) = "43";
    s.TrailingLines.at(2) = "note";
    return s;
}

// A record full of values from an earlier file, to see which ones a read keeps.
StrokeFile EarlierStroke() {
    StrokeFile s = WellFormedStroke();
    for (auto& frame : s.KeyFrames) frame = {7, 1, 2, 3, 4, 5, "3"};
    s.TrailingLines.at(0) = "43";
    s.TrailingLines.at(30) = "old";
    return s;
}

TEST(StrokeFile, AWellFormedRecordWritesAsTheWellFormedFile) { EXPECT_EQ(Written(WellFormedStroke()), WellFormed); }

// Without trailing text the file ends in three empty lines: the start-up "43"s keep the writer from
// stopping before index 3. Text after a run of four empty entries is written too, not dropped.
TEST(StrokeFile, TheWriterEndsAfterTheLastTrailingText) {
    StrokeFile s = WellFormedStroke();
    s.TrailingLines.at(1) = s.TrailingLines.at(2) = "";
    EXPECT_EQ(Written(s), Edited(WellFormed, {{"43\r\nnote\r\n\r\n\r\n\r\n\r\n", "\r\n\r\n\r\n"}}));
    s.TrailingLines.at(6) = "b";
    EXPECT_EQ(Written(s), Edited(WellFormed, {{"43\r\nnote\r\n", "\r\n"}}) + Crlf("b\n\n\n\n\n"));
}

// Type and bowler class come from the window, not the record; empty texts keep their key's space.
TEST(StrokeFile, TheWriterTakesTheWindowsTypeAndBowlerClass) {
    StrokeFile s = WellFormedStroke();
    s.Type = "ignored";
    s.BowlerTypes = 3;
    s.Faceing.clear();
    EXPECT_EQ(Written(s, "Aggressive", 1),
              Edited(WellFormed, {{"Defensive\r\nFaceing 1", "Aggressive\r\nFaceing "}, {"Types 6", "Types 1"}}));
}

// Trailing text after fewer than five six-hit blocks stays trailing text. Six-hit key frames the
// file lacks keep their numbers and lose their tags; TrailingLines 0 to 65 are emptied.
TEST(StrokeFile, AWellFormedFileReadsAsItsRecord) {
    StrokeFile s = WellFormedStroke();
    for (int k = 7; k < KeyFrameCount; ++k) s.KeyFrames[k] = {7, 1, 2, 3, 4, 5, ""};
    EXPECT_EQ(Dump(ReadText(WellFormed, EarlierStroke())), Dump(s));
    // A file that ends after the normal key frames holds no valid six-hit key frame.
    s.KeyFrames[5] = s.KeyFrames[6] = {7, 1, 2, 3, 4, 5, ""};
    s.TrailingLines.at(1) = s.TrailingLines.at(2) = "";
    EXPECT_EQ(Dump(ReadText(WellFormed.substr(0, WellFormed.find("Mode 6Hit")), EarlierStroke())), Dump(s));
}

// The first line is never looked at; a lone LF (or CR, see the field rules) ends a line too.
TEST(StrokeFile, TheFirstLineIsNotLookedAtAndALoneLineFeedEndsALine) {
    std::string lf = Edited(WellFormed, {{"StrokeAttr", "Anything"}});
    std::erase(lf, '\r');
    EXPECT_EQ(Dump(ReadText(lf)), Dump(ReadText(WellFormed)));
}

TEST(StrokeFile, MissingEmptyAndShortFilesKeepWhatTheReadersStepsCannotSet) {
    StrokeFile e = EarlierStroke();  // what a read that finds nothing leaves
    for (std::string* t : {&e.Type, &e.Faceing, &e.Reward, &e.Reward6, &e.Reward3, &e.EdgeProb3, &e.Variation})
        t->clear();
    for (int k = 5; k < KeyFrameCount; ++k) e.KeyFrames[k].KeyFrameTag.clear();
    for (int j = 0; j <= TrailingLineArray::Last; ++j) e.TrailingLines.at(j).clear();
    EXPECT_EQ(Dump(Read(std::ifstream("/nonexistent/orvik/a-Cc017c.atr"), EarlierStroke())), Dump(e));
    EXPECT_EQ(Dump(ReadText("", EarlierStroke())), Dump(e));
    e.Type = "Moderate";
    e.Faceing = "0";
    EXPECT_EQ(Dump(ReadText(Crlf("StrokeAttr\n\nType Moderate\nFaceing 0\n"), EarlierStroke())), Dump(e));
}

// Bytes in memory are read where they lie, to their last byte, as a stream of the same bytes reads;
// a read that reports what it finds puts the same in the record.
TEST(StrokeFile, FilesCutShortAnywhereOrWithOddBytesInOddPlacesReadTheSameEveryWay) {
    for (std::size_t length = 0; length <= WellFormed.size(); ++length) {
        std::string text = WellFormed.substr(0, length);
        for (std::size_t i = length % 7; i < text.size(); i += 23) text[i] = "RVE\" ,\r\n.-E\0\xff"[(i + length) % 13];
        StrokeFile inMemory = EarlierStroke(), reported = EarlierStroke();
        ReadStrokeText(text, inMemory);
        ReadReport report;
        std::istringstream in(text);
        ReadStrokeFile(in, reported, &report);
        const std::string streamed = Dump(ReadText(text, EarlierStroke()));
        ASSERT_EQ(Dump(inMemory), streamed) << "length " << length;
        ASSERT_EQ(Dump(reported), streamed) << "length " << length;
    }
}

// Values holding their keys' letters ("R2", "1E-05", "V2") do not move the split. Without a Reward the
// difficulty keeps its value; a line without the whole key is split at the key's last letter, as the
// game's files always were. Numbers round half to even; a failed conversion keeps the old value.
TEST(StrokeFile, TheReaderSplitsLinesAtTheirKeys) {
    std::string text = Edited(WellFormed, {{"Reward 3", "Reward R2"},
                                           {"Difficulty6 6 Reward6 4", "Difficulty6 8"},
                                           {"Difficulty3 7 Reward3 2", "Difficulty3 7 Rewardx 4"},
                                           {"EdgeProb3 0.3", "EdgeProb3 1E-05"},
                                           {"Variation 2", "Variation V2"},
                                           {"Frame 11", "Frame 40000"},
                                           {"Frame 10", "Frame 12.5"},
                                           {"Vertical 21000000", "Vertical 1e400"},
                                           {"Power 1.5 Range 0.25", "Power -1.5 Range .25"}});
    EXPECT_EQ(Written(ReadText(text, EarlierStroke())), Edited(text, {{"Difficulty6 8", "Difficulty6 6 Reward6 "},
                                                                      {"Rewardx", "Reward3"},
                                                                      {"40000", "7"},
                                                                      {"12.5", "12"},
                                                                      {"1e400", "1"},
                                                                      {".25", "0.25"}}));
}

// Any tag is read; a "Mode 6Hit KeyFrame" line without the empty line before it is trailing text.
TEST(StrokeFile, TheReaderTakesSixHitBlocksOnlyAfterAnEmptyLine) {
    const StrokeFile s = ReadText(Edited(WellFormed, {{"Mode 6Hit KeyFrame 2", "Mode 6Hit KeyFrame X"},
                                                      {"Range 0.25\r\n\r\n43", "Range 0.25\r\nMode 6Hit KeyFrame 1"}}));
    const auto& k = s.KeyFrames;
    EXPECT_EQ((std::vector<std::string>{k[5].KeyFrameTag, k[6].KeyFrameTag, k[7].KeyFrameTag, s.TrailingLines.at(1)}),
              (std::vector<std::string>{"X", "0", "", "Mode 6Hit KeyFrame 1"}));
}

// The empty line that closes the last block is not a trailing line; one more is. Fields split at
// commas and line ends (LF CR is two), lose leading spaces only, and unquote. 65 trailing fields are
// read; the rest of the file is lost.
TEST(StrokeFile, TheReaderTakesTrailingFieldsByTheFieldRules) {
    const StrokeFile s =
        ReadText(Edited(WellFormed, {{"Range 0.25\r\n\r\n43\r\nnote\r\n",
                                      "Range 0.25\r\n\r\n\r\nx, y\r\n  spaced \n\r\tz\r\"a, "
                                      "b\"junk,\"line\r\nbreak\"\r\nq\"u\"\r\n\"open, to the end\r\n"}}));
    std::string fields;
    for (int j = 1; j <= 11; ++j) fields += s.TrailingLines.at(j) + "|";
    EXPECT_EQ(fields, "|x|y|spaced ||\tz|a, b|line\r\nbreak|q\"u\"|open, to the end\r\n\r\n\r\n\r\n\r\n||");

    std::string text = WellFormed.substr(0, WellFormed.find("43\r\nnote"));
    for (int j = 1; j <= 70; ++j) text += "t" + std::to_string(j) + "\r\n";
    EXPECT_EQ(ReadText(text).TrailingLines.at(65), "t65");

    // A field keeps as many bytes as the largest stroke file holds; the rest of it is passed over.
    const std::size_t limit = MaxStrokeFileSize;
    const StrokeFile longField =
        ReadText(Edited(WellFormed, {{"43\r\nnote", std::string(limit + 1, 'x') + "\r\nnote"}}));
    EXPECT_EQ(longField.TrailingLines.at(1).size(), limit);
    EXPECT_EQ(longField.TrailingLines.at(2), "note");
}

// The strongest check: whatever the record, either its file reads back to the same record and
// bytes, or the save check says which fields would not come back.
TEST(StrokeFile, WrittenFilesReadBackUnchangedOrTheCheckSaysSo) {
    std::mt19937 random(4711);
    const auto below = [&](std::size_t n) { return static_cast<int>(random() % n); };
    const auto int16 = [&] { return static_cast<std::int16_t>(below(65536) - 32768); };
    const auto number = [&] {  // eighths, any magnitude, or now and then one the format cannot carry
        const double any = std::uniform_real_distribution<double>(-10, 10)(random) * std::pow(10.0, below(60) - 30);
        if (below(400) == 0) return below(2) ? DBL_MAX : -std::nextafter(DBL_MAX, 0.0);
        return below(2) ? (below(2000001) - 1000000) / 8.0 : any;
    };
    // The keys' marker letters, signs, tabs, spaces, other bytes and, now and then, what ends a field
    // (a comma, a line break) or a line's start (a double quote, a space); without "w", "g" and "M" no
    // key ("Reward", "Range", "EdgeProb", "Variation", "Mode 6Hit") can form.
    const auto text = [&] {
        static const char symbols[] = "RVEerdabxyz0123456789.-+_ \t\x01\x7f\xe9\xff\0";
        static const char breaking[] = ",\"\r\n ";
        std::string t;
        for (int length = below(9); length > 0; --length)
            t += below(150) == 0 ? breaking[below(5)] : symbols[below(sizeof symbols - 1)];
        return t;
    };
    // Six-hit tags that name no timing, near misses of "0" to "4" among them.
    static const char* const invalidTags[] = {"", "5", "00", " 0", "X", "Very Late", "-1"};
    int refused = 0;
    for (int round = 0; round < 2000; ++round) {
        StrokeFile s = LoadedStroke();
        for (std::string* t :
             {&s.Type, &s.Faceing, &s.Difficulty, &s.Reward, &s.Difficulty6, &s.Reward6, &s.Difficulty3, &s.Reward3,
              &s.EdgeProb, &s.EdgeProb6, &s.EdgeProb3, &s.Name, &s.Variation})
            *t = text();
        for (std::int16_t* n : {&s.BowlerTypes, &s.StumpPosition, &s.BatsmanPosition, &s.PitchPosition}) *n = int16();
        for (auto& f : s.KeyFrames) f = {int16(), number(), number(), number(), number(), number(), ""};
        // `valid` valid six-hit tags, then an invalid one (now and then an empty one, which ends
        // the six-hit key frames unless a tag follows), then anything.
        const int valid = below(6);
        for (int k = 0; k < 5; ++k)
            s.KeyFrames[5 + k].KeyFrameTag = k < valid ? std::string(1, static_cast<char>('0' + below(5)))
                                             : k == valid || below(2) == 0 ? invalidTags[below(7)]
                                                                           : "2";
        for (int j = 1, last = below(4) == 0 ? 65 : below(12); j <= last; ++j)
            s.TrailingLines.at(j) = below(3) == 0 ? text() : "";

        // The writer writes every six-hit key frame up to the last one with a tag, valid or not;
        // the key frames after it read back as new.
        const std::string written = Written(s, s.Type, s.BowlerTypes);
        const bool checkFindsNothing = FieldsThatWouldNotReadBack(s, s.Type, s.BowlerTypes, written).empty();
        const StrokeFile read = ReadText(written);
        for (int k = 5 + SixHitKeyFrameCount(s); k < KeyFrameCount; ++k) s.KeyFrames[k] = {};
        if (checkFindsNothing) {
            ASSERT_EQ(Dump(read), Dump(s)) << "round " << round;
            ASSERT_EQ(Written(read, read.Type, read.BowlerTypes), written) << "round " << round;
        } else {
            ASSERT_NE(Dump(read), Dump(s)) << "round " << round;
            ++refused;
        }
    }
    // Both kinds of record came up often enough to count.
    EXPECT_GT(refused, 200);
    EXPECT_LT(refused, 1800);
}

TEST(StrokeFile, EverySampleStrokeReadsAndWritesBackUnchanged) {
    std::vector<std::string> files = {"practice-drive.atr", "A-CC018.ATR"};
    for (const auto& entry : StrokeCatalogue()) files.emplace_back(entry.FileName);
    for (const auto& file : files) {
        std::ifstream in(std::string(ORVIK_SAMPLES_DIR) + "/strokes/" + file, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        const StrokeFile read = ReadText(bytes);
        EXPECT_NE(bytes, "") << file;
        EXPECT_EQ(Written(read, read.Type, read.BowlerTypes), bytes) << file;
    }
}

}  // namespace
}  // namespace orvik
