#pragma once

#include "PropertyPanel.h"

namespace morvane {

// The panel of a countdown: background picture, end date and time with the
// unit word after each number, and the look of the digits, all kept in the
// countdown's settings file.
class CountdownPanel : public PropertyPanel {
    Q_OBJECT
public:
    static const QString DefaultBackgroundAddress;

    explicit CountdownPanel(const PanelHost& host);

private:
    std::vector<PanelField*> restored_;
};

} // namespace morvane
