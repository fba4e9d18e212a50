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
    // The label's font with one aspect changed.
    void ChangeFont(const std::function<void(QFont&)>& change);
};

} // namespace morvane
