#pragma once

namespace morvane {

// Column indices of a row of the component layer. The captions are the
// system's own names for the cells; what a kind keeps in each one is given
// by the kind's panel.
struct ComponentRecord {
    static constexpr int Kind = 0;    // "识别"
    static constexpr int Left = 1;    // "距左"
    static constexpr int Top = 2;     // "距顶"
    static constexpr int Width = 3;   // "宽度"
    static constexpr int Height = 4;  // "高度"
    static constexpr int Open = 5;    // "打开"
    static constexpr int Picture = 6; // "图片"
    static constexpr int Link = 7;    // "链接"
    static constexpr int Tip = 8;     // "提示"
    static constexpr int Saved = 9;   // "保存"
    static constexpr int Extra1 = 10; // "附加1"
    static constexpr int Extra2 = 11; // "附加2"
    static constexpr int ColumnCount = 12;
};

} // namespace morvane
