#pragma once

namespace morvane {

// Column indices of row 0 of the background layer, the page settings of the
// module, and the values that row holds from start-up.
struct PageSettings {
    static constexpr int Row = 0;
    static constexpr int Edition = 0;       // "版本"
    static constexpr int Width = 1;         // "宽度"
    static constexpr int Height = 2;        // "高度"
    static constexpr int BackColour = 3;    // "背色"
    static constexpr int BackPicture = 4;   // "背图"
    static constexpr int Attachment = 5;    // "固定"
    static constexpr int Repeat = 6;        // "平铺"
    static constexpr int VerticalPos = 7;   // "上下"
    static constexpr int HorizontalPos = 8; // "左右"
    static constexpr int Saved = 9;         // "保存", never written
    static constexpr int TopSpacing = 10;   // "上间距"
    static constexpr int ColumnCount = 11;

    static constexpr const char* TmallEdition = "天猫版";
    static constexpr const char* ProEdition = "专业版";
    static constexpr const char* BasicEdition = "基础版";
};

} // namespace morvane
