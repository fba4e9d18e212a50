#include "ComponentLayer.h"

#include "ComponentRecord.h"
#include "KindTable.h"

namespace morvane {

ComponentLayer::ComponentLayer() : TextTable(ComponentRecord::ColumnCount)
{
    Reset();
}

void ComponentLayer::Reset()
{
    Clear();
    for (int i = 0; i < FirstComponentRow; ++i) {
        std::vector<std::string> placeholder(ComponentRecord::ColumnCount - 1, "-1");
        placeholder.emplace_back();
        AppendRow(std::move(placeholder));
    }
}

int ComponentLayer::AppendComponent(Kind kind)
{
    return AppendRow({std::string(KindTable::Word(kind))});
}

} // namespace morvane
