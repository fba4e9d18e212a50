#pragma once

#include "ComponentRecord.h"

namespace morvane {

// What each kind keeps in the cells of its component record. The panel that
// writes a cell and the emitter that reads it both name it from here. Every
// kind's save flag is ComponentRecord::Saved; geometry columns not listed
// are not used by the kind.

struct PictureColumn {
    static constexpr int Left = ComponentRecord::Left;
    static constexpr int Top = ComponentRecord::Top;
    static constexpr int Width = ComponentRecord::Width;
    static constexpr int Height = ComponentRecord::Height;
    static constexpr int Open = 5;    // "_blank" or "_self"
    static constexpr int Picture = 6; // picture address
    static constexpr int Link = 7;    // link address
    static constexpr int Tip = 8;     // tip text
};

struct CarouselColumn {
    static constexpr int ArrowSwitch = 1; // "真" arrows shown, "假" hidden
    static constexpr const char* ArrowsShown = "真";
    static constexpr const char* ArrowsHidden = "假";
};

struct MagnifierColumn {
    static constexpr int Left = ComponentRecord::Left;
    static constexpr int Top = ComponentRecord::Top;
    static constexpr int Side = ComponentRecord::Width; // the square's side
    static constexpr int Open = 5;
    static constexpr int BasePicture = 6;
    static constexpr int ZoomPicture = 7;
    static constexpr int Link = 8;
    static constexpr int ZoomWidth = 10; // width of the enlarged picture, pixels
    static constexpr int BorderColour = 11;
};

// The two-sided image keeps link and back picture the other way round from
// the magnifier.
struct TwoSidedColumn {
    static constexpr int Left = ComponentRecord::Left;
    static constexpr int Top = ComponentRecord::Top;
    static constexpr int Width = ComponentRecord::Width;
    static constexpr int Height = ComponentRecord::Height;
    static constexpr int Open = 5;
    static constexpr int FrontPicture = 6;
    static constexpr int Link = 7;
    static constexpr int BackPicture = 8;
};

struct WangwangGroupColumn {
    static constexpr int Group = 5; // group number
    static constexpr int Icon = 6;  // group icon address
};

struct CartColumn {
    static constexpr int Icon = 5; // cart icon address
    static constexpr int Item = 6; // item address
};

// The QR code's size is fixed by its code; columns 3 and 4 hold its type.
struct QrCodeColumn {
    static constexpr int Type = 3;     // "0" to "4"
    static constexpr int Template = 4; // address template holding "数字"
    static constexpr int Number = 5;   // the numeric ID
};

struct CustomerServiceColumn {
    static constexpr int Account = 5;  // Wangwang account
    static constexpr int ChatLink = 6; // address template holding "旺旺"
    static constexpr int Avatar = 7;   // avatar picture address or empty
    static constexpr int Icon = 8;     // status icon template or empty
    static constexpr int IconBox = 10; // class of the icon box or empty
    static constexpr int Align = 11;   // "left", "center" or "right"
};

struct VideoColumn {
    static constexpr int Video = 5; // video address
};

struct ShareColumn {
    static constexpr int Item = 5; // item ID
    static constexpr int Icon = 6; // share icon address
};

struct FavouriteColumn {
    static constexpr int Picture = 5; // favourite picture address
    static constexpr int Shop = 6;    // shop address
};

// The like button's size is fixed by its code; columns 3 and 4 hold its data.
struct LikeColumn {
    static constexpr int Style = 3; // "1" orange, "2" blue
    static constexpr int Item = 4;  // item ID
};

struct FollowColumn {
    static constexpr int Shop = 5; // shop ID
    static constexpr int Icon = 6; // follow icon address
};

} // namespace morvane
