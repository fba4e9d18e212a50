#include "ChangeTextLookCommand.h"

#include "DesignDocument.h"

namespace morvane {

namespace {
constexpr int kId = 2;
} // namespace

ChangeTextLookCommand::ChangeTextLookCommand(DesignDocument& document, ElementId id, TextLook before, TextLook after,
                                             std::uint64_t merge)
    : QUndoCommand(QStringLiteral("修改文字样式")), document_(document), id_(id), before_(std::move(before)),
      after_(std::move(after)), merge_(merge)
{
}

void ChangeTextLookCommand::redo()
{
    document_.ApplyLook(id_, after_);
}

void ChangeTextLookCommand::undo()
{
    document_.ApplyLook(id_, before_);
}

int ChangeTextLookCommand::id() const
{
    return merge_ == 0 ? -1 : kId;
}

bool ChangeTextLookCommand::mergeWith(const QUndoCommand* other)
{
    const auto* next = static_cast<const ChangeTextLookCommand*>(other);
    if (next->merge_ != merge_ || next->id_ != id_)
        return false;
    after_ = next->after_;
    setObsolete(before_ == after_);
    return true;
}

} // namespace morvane
