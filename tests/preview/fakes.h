#pragma once
// Test doubles for the window: a surface that records what the arc passes do
// to it, and the controls the timer tick reads and writes.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "preview/drawing_surface.h"
#include "preview/mouse_editing.h"

namespace orvik::testing {

inline constexpr Colour White = 0x00FFFFFF;

class RecordingSurface : public DrawingSurface {
public:
    struct Plot {
        float x, y;
        bool foreColour;  // otherwise the background colour
        int penWidth;
    };
    std::vector<int> penWidths;  // every SetDrawWidth in order
    std::vector<Plot> plots;
    int penWidth = 1;

    Colour BackColor() const override { return White; }
    void SetDrawWidth(int pixels) override {
        penWidth = pixels;
        penWidths.push_back(pixels);
    }
    void PlotPoint(float x, float y, Colour colour) override {
        plots.push_back({x, y, false, penWidth});
        EXPECT_EQ(colour, White);
    }
    void PlotPointInForeColor(float x, float y) override { plots.push_back({x, y, true, penWidth}); }

    std::vector<Plot> Erased() const { return Filter(false); }
    std::vector<Plot> Drawn() const { return Filter(true); }
    void Clear() {
        penWidths.clear();
        plots.clear();
    }
    bool Untouched() const { return penWidths.empty() && plots.empty(); }

private:
    std::vector<Plot> Filter(bool fore) const {
        std::vector<Plot> out;
        for (const Plot& p : plots)
            if (p.foreColour == fore) out.push_back(p);
        return out;
    }
};

class FakeControls : public EditorControls {
public:
    int timingIndex = 0;
    mutable std::deque<int> timingIndexSequence;  // when not empty, each read takes the next one
    std::string rangeText = "0";
    // Text2(1), Label3(1), Text2(2), Label3(2) as the window starts them.
    std::string verticalText = "Text2", verticalCaption, directionText = "Text2", directionCaption;
    mutable int reads = 0;
    int writes = 0;

    int TimingIndex() const override {
        ++reads;
        if (timingIndexSequence.empty()) return timingIndex;
        const int k = timingIndexSequence.front();
        timingIndexSequence.pop_front();
        return k;
    }
    std::string DirectionRangeText() const override {
        ++reads;
        return rangeText;
    }
    void SetVerticalText(const std::string& s) override { Write(verticalText, s); }
    void SetVerticalCaption(const std::string& s) override { Write(verticalCaption, s); }
    void SetDirectionText(const std::string& s) override { Write(directionText, s); }
    void SetDirectionCaption(const std::string& s) override { Write(directionCaption, s); }

private:
    void Write(std::string& target, const std::string& s) {
        ++writes;
        target = s;
    }
};

}  // namespace orvik::testing
