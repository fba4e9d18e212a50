#pragma once

#include "PropertyPanel.h"

namespace morvane {

// The panel of a search box: sizes, keyword, shop address and five colours,
// all kept in the component's settings file.
class SearchPanel : public PropertyPanel {
    Q_OBJECT
public:
    explicit SearchPanel(const PanelHost& host);

private:
    // Two size fields on one row: "width × height PX".
    std::pair<PanelField*, PanelField*> AddSizeRow(QWidget* page, const QString& label, const QString& widthName,
                                                   const QString& width, const QString& heightName,
                                                   const QString& height, int y);
};

} // namespace morvane
