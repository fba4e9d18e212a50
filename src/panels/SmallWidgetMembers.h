#pragma once

#include "SmallWidgetPanel.h"

#include <QString>

#include <array>
#include <vector>

namespace morvane {

// The eight small widget panels, each a declaration over the one shape, and
// the fixed addresses on the platform's hosts that they stand in for or
// compose.
class SmallWidgetMembers {
public:
    static const std::vector<SmallWidgetPanel::Member>& All();
    // The member of a kind; nullptr for kinds with a panel of their own.
    static const SmallWidgetPanel::Member* Of(Kind kind);

    // What stands in a picture or video field until the user gives another.
    static const QString GroupIcon;
    static const QString CartIcon;
    static const QString Video;
    static const QString ShareIcon;
    static const QString FavouritePicture;
    static const QString FollowIcon;

    // The QR code's address template of each type index "0" to "4"; "数字"
    // stands for the ID.
    static const std::array<QString, 5> QrTemplates;
    // A newly opened window's template: type "2" at the size of the code.
    static const QString QrFirstTemplate;
};

} // namespace morvane
