#pragma once

#include "ElementId.h"
#include "Kind.h"

#include <QObject>

#include <array>
#include <vector>

namespace morvane {

// What is selected: the current component and the current text (each panel
// acts on the current element of its own sort) and which of the two the
// selection frame, the canvas keys and removal act on. The design document
// is its only writer. Every change is signalled, the loss of a selected
// element that went from the design included.
class SelectionModel : public QObject {
    Q_OBJECT
public:
    // The element the frame, the keys and removal act on; 0 for none.
    ElementId Current() const { return CurrentOf(currentSort_); }
    ElementId CurrentOf(Sort sort) const { return current_[Index(sort)]; }

signals:
    // Whatever changed: a selection, no selection, a selected element gone.
    void Changed();
    // An element was selected, also the one already selected: its panel
    // loads again at each.
    void Selected(morvane::ElementId id);

private:
    friend class DesignDocument;

    static size_t Index(Sort sort) { return sort == Sort::Text ? 1 : 0; }
    void Select(Sort sort, ElementId id);
    void Clear();
    // The elements left the design: the selection lets go of them.
    void Forget(const std::vector<ElementId>& gone);

    std::array<ElementId, 2> current_{};
    Sort currentSort_ = Sort::Component;
};

} // namespace morvane
