#pragma once

#include "PropertyPanel.h"

namespace morvane {

// The panel of a customer service block: a Wangwang account with an
// optional avatar and status icon, linked to a chat address. Lists and boxes
// choose among fixed texts kept in hidden fields, exactly as the generated
// code takes them; "旺旺" in an address stands for the account.
class CustomerServicePanel : public PropertyPanel {
    Q_OBJECT
public:
    static const QString BigStatusIcon;
    static const QString SmallStatusIcon;
    static const QString GetcidLink;
    static const QString WebChatLink;
    static const QString DefaultAvatar;
    static const QString IconInsideAvatar;

    explicit CustomerServicePanel(const PanelHost& host);
};

} // namespace morvane
