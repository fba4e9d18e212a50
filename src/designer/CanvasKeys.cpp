#include "CanvasKeys.h"

#include "DesignDocument.h"
#include "DesignJson.h"
#include "KindTable.h"
#include "KindWords.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>

namespace morvane {

const QString CanvasKeys::ClipboardType = QStringLiteral("application/x-morvane-elements");

namespace {
constexpr int kNudge = 1;
constexpr int kShiftNudge = 10;
} // namespace

CanvasKeys::CanvasKeys(DesignDocument& document) : document_(document)
{
}

bool CanvasKeys::Handle(const QKeyEvent& event)
{
    const ElementId current = document_.Selection().Current();
    const int step = event.modifiers() & Qt::ShiftModifier ? kShiftNudge : kNudge;
    if (event.matches(QKeySequence::Copy))
        Copy();
    else if (event.matches(QKeySequence::Paste))
        Paste();
    else if (event.keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_D))
        document_.Duplicate(current);
    else if ((event.key() == Qt::Key_Delete || event.key() == Qt::Key_Backspace) && current)
        document_.Remove(current);
    else if (event.key() == Qt::Key_Left)
        Nudge({-step, 0});
    else if (event.key() == Qt::Key_Right)
        Nudge({step, 0});
    else if (event.key() == Qt::Key_Up)
        Nudge({0, -step});
    else if (event.key() == Qt::Key_Down)
        Nudge({0, step});
    else
        return false;
    return true;
}

void CanvasKeys::Nudge(QPoint delta)
{
    const ElementId id = document_.Selection().Current();
    if (!id)
        return;
    if (id != nudged_ || !nudgeMerge_) {
        nudged_ = id;
        nudgeMerge_ = DesignDocument::NewMergeKey();
    }
    document_.MoveBy(id, delta, nudgeMerge_);
}

void CanvasKeys::Copy()
{
    const ElementId current = document_.Selection().Current();
    const std::optional<Kind> kind = document_.KindOf(current);
    if (!kind || KindTable::Of(*kind).owner)
        return;
    std::vector<DesignElement> elements{document_.ElementAt(current)};
    for (const ElementId part : document_.CompanionsOf(current))
        elements.push_back(document_.ElementAt(part));
    auto* data = new QMimeData;
    data->setData(ClipboardType, QByteArray::fromStdString(DesignJson::ElementsToText(elements)));
    data->setText(QStringLiteral("Morvane 组件：%1").arg(KindWords::Of(*kind)));
    QGuiApplication::clipboard()->setMimeData(data);
    document_.ShowStatus(QStringLiteral("已复制%1组件，按 Ctrl+V 粘贴...").arg(KindWords::Of(*kind)));
}

void CanvasKeys::Paste()
{
    // Only components of this program are pasted; any other text on the
    // clipboard, the generated code included, stays as it is.
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(ClipboardType))
        return;
    document_.Paste(
        DesignJson::ElementsFromText(data->data(ClipboardType).toStdString()).value_or(std::vector<DesignElement>{}));
}

} // namespace morvane
