#include "SelectionModel.h"

#include <algorithm>

namespace morvane {

void SelectionModel::Select(Sort sort, ElementId id)
{
    current_[Index(sort)] = id;
    currentSort_ = sort;
    emit Changed();
    emit Selected(id);
}

void SelectionModel::Clear()
{
    current_ = {};
    currentSort_ = Sort::Component;
    emit Changed();
}

void SelectionModel::Forget(const std::vector<ElementId>& gone)
{
    bool changed = false;
    for (ElementId& current : current_) {
        if (current && std::find(gone.begin(), gone.end(), current) != gone.end()) {
            current = 0;
            changed = true;
        }
    }
    if (changed)
        emit Changed();
}

} // namespace morvane
