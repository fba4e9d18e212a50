#pragma once

#include "PropertyPanel.h"

namespace morvane {

// The panel of a text: everything goes to the text's settings file, and
// caption, font, size, weight, alignment and colour show on its label.
class TextPanel : public PropertyPanel {
    Q_OBJECT
public:
    explicit TextPanel(const PanelHost& host);

private:
    void ShowCaption(const QString& content);
    // The label's look with one aspect changed, as one step of this
    // panel's edit; nothing while the panel loads.
    void ChangeLook(const std::function<void(TextLook&)>& change);
};

} // namespace morvane
