#pragma once

namespace morvane {

// Where the window's controls go for a window of W x H pixels. A plain
// calculation, so the numbers can be checked without a screen. Every
// division is cut toward zero.
struct DesignerLayout {
    int width = 0;
    int height = 0;
    int closeLeft = 0;
    int minimiseLeft = 0;
    int rulerLeft = 0;
    int canvasOrigin = 0; // left guide line
    int rightGuide = 0;
    int centreGuide = 0;
    int guideHeight = 0;
    int generateLeft = 0;
    int previewLeft = 0;
    int statusTop = 0;
    int statusPaneWidth = 0;
    int canvasHeight = 0;
    int toolbarLeft = 0;
    int globalButtonLeft = 0;

    // The canvas top in window coordinates; "距顶" is measured from it.
    static constexpr int CanvasTop = 90;
    static constexpr int ButtonWidth = 24;
    static constexpr int StatusHeight = 20;
    static constexpr int RulerWidth = 980;

    static DesignerLayout Compute(int width, int height);
};

} // namespace morvane
