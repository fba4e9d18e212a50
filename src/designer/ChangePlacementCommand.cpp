#include "ChangePlacementCommand.h"

#include "DesignDocument.h"

#include <algorithm>

namespace morvane {

namespace {
constexpr int kId = 1;
} // namespace

ChangePlacementCommand::ChangePlacementCommand(DesignDocument& document, std::vector<Change> changes,
                                               std::uint64_t merge, const QString& text)
    : QUndoCommand(text), document_(document), changes_(std::move(changes)), merge_(merge)
{
}

void ChangePlacementCommand::redo()
{
    for (const Change& change : changes_)
        document_.ApplyPlacement(change.id, change.after);
}

void ChangePlacementCommand::undo()
{
    for (auto it = changes_.rbegin(); it != changes_.rend(); ++it)
        document_.ApplyPlacement(it->id, it->before);
}

int ChangePlacementCommand::id() const
{
    return merge_ == 0 ? -1 : kId;
}

bool ChangePlacementCommand::mergeWith(const QUndoCommand* other)
{
    const auto* next = static_cast<const ChangePlacementCommand*>(other);
    if (next->merge_ != merge_)
        return false;
    // A carousel moved first only by its size, then by its place, brings
    // its arrows in later: every element keeps its first "before".
    for (const Change& change : next->changes_) {
        auto mine =
            std::find_if(changes_.begin(), changes_.end(), [&change](const Change& c) { return c.id == change.id; });
        if (mine == changes_.end())
            changes_.push_back(change);
        else
            mine->after = change.after;
    }
    const bool unchanged =
        std::all_of(changes_.begin(), changes_.end(), [](const Change& c) { return c.before == c.after; });
    setObsolete(unchanged);
    return true;
}

} // namespace morvane
