#include "BackgroundLayer.h"

#include "KindTable.h"
#include "PageSettings.h"

namespace morvane {

BackgroundLayer::BackgroundLayer() : TextTable(PageSettings::ColumnCount)
{
    Reset();
}

void BackgroundLayer::Reset()
{
    Clear();
    AppendRow({PageSettings::ProEdition, "", "", "", "", "scroll", "no-repeat", "top", "center", "", ""});
}

int BackgroundLayer::AppendText()
{
    return AppendRow({std::string(KindTable::Word(Kind::Text))});
}

} // namespace morvane
