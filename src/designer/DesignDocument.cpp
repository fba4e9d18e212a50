#include "DesignDocument.h"

#include "CanvasElement.h"
#include "ComponentRecord.h"
#include "KindTable.h"
#include "PageSettings.h"

namespace morvane {

namespace {

const QString kWelcome =
    QStringLiteral("欢迎使用 Morvane 店铺装修模块设计器：点击上方组件名称添加组件，拖到画布上进行设置，"
                   "完成后点击 生成代码。请先配置全局设置...");

QString FromStd(const std::string& text)
{
    return QString::fromStdString(text);
}

// Number, row and tag agree again after a removal.
void Renumber(QList<CanvasElement*>& list)
{
    for (int i = 0; i < list.size(); ++i)
        list[i]->SetNumber(i + 1);
}

} // namespace

DesignDocument::DesignDocument(const QString& programDirectory, QObject* parent)
    : QObject(parent), programDirectory_(programDirectory), settings_(programDirectory.toStdString()), status_(kWelcome)
{
}

DesignDocument::~DesignDocument() = default;

QString DesignDocument::ComponentCell(int row, int column) const
{
    return FromStd(components_.Cell(row, column));
}

QString DesignDocument::TextCell(int row, int column) const
{
    return FromStd(background_.Cell(row, column));
}

QString DesignDocument::PageSetting(int column) const
{
    return FromStd(background_.Cell(PageSettings::Row, column));
}

void DesignDocument::SetComponentCell(int row, int column, const QString& text)
{
    components_.SetCell(row, column, text.toStdString());
    emit RecordChanged(Sort::Component, row);
}

void DesignDocument::SetTextCell(int row, int column, const QString& text)
{
    // Row 0 is the page settings, which only SetPageSettings writes.
    if (row < 1)
        return;
    background_.SetCell(row, column, text.toStdString());
    emit RecordChanged(Sort::Text, row);
}

void DesignDocument::SetPageSettings(const std::vector<std::pair<int, QString>>& cells)
{
    for (const auto& [column, text] : cells)
        background_.SetCell(PageSettings::Row, column, text.toStdString());
    emit PageSettingsChanged();
}

std::optional<Kind> DesignDocument::KindOf(const CanvasElement* element) const
{
    if (!element)
        return std::nullopt;
    if (element->IsText())
        return Kind::Text;
    const std::optional<Kind> kind = KindTable::FromWord(components_.Cell(element->Number(), ComponentRecord::Kind));
    return kind == Kind::Text ? std::nullopt : kind;
}

void DesignDocument::SetPrototype(CanvasElement* prototype)
{
    prototype->SetNumber(1);
    state_.componentElements = {prototype};
    state_.componentCounter = 1;
}

int DesignDocument::AddComponent(Kind kind, CanvasElement* element)
{
    const int number = ++state_.componentCounter;
    state_.componentElements.append(element);
    element->SetNumber(number);
    components_.AppendComponent(kind);
    emit RecordChanged(Sort::Component, number);
    return number;
}

int DesignDocument::AddText(CanvasElement* element)
{
    const int number = ++state_.textCounter;
    state_.textElements.append(element);
    element->SetNumber(number);
    background_.AppendText();
    emit RecordChanged(Sort::Text, number);
    return number;
}

DesignDocument::Removal DesignDocument::RemoveComponents(int number, int count)
{
    Removal removal;
    count = std::min(count, static_cast<int>(state_.componentElements.size()) - number + 1);
    if (number < ComponentLayer::FirstComponentRow || count <= 0)
        return removal;
    std::vector<std::optional<Kind>> kinds;
    for (int row = 0; row < components_.RowCount(); ++row) {
        const std::optional<Kind> kind = KindTable::FromWord(components_.Cell(row, ComponentRecord::Kind));
        kinds.push_back(kind == Kind::Text ? std::nullopt : kind);
    }
    for (int i = 0; i < count; ++i) {
        removal.elements.append(state_.componentElements.takeAt(number - 1));
        components_.DeleteRow(number);
    }
    state_.componentCounter -= count;
    Renumber(state_.componentElements);
    removal.unmovedFiles = settings_.FollowRemoval(kinds, number, count);
    emit RecordChanged(Sort::Component, number);
    return removal;
}

DesignDocument::Removal DesignDocument::RemoveText(int number)
{
    Removal removal;
    if (number < 1 || number > state_.textElements.size())
        return removal;
    std::vector<std::optional<Kind>> kinds;
    for (int row = 0; row < background_.RowCount(); ++row)
        kinds.push_back(row == PageSettings::Row ? std::nullopt : std::optional<Kind>(Kind::Text));
    removal.elements.append(state_.textElements.takeAt(number - 1));
    state_.textCounter -= 1;
    background_.DeleteRow(number);
    Renumber(state_.textElements);
    removal.unmovedFiles = settings_.FollowRemoval(kinds, number, 1);
    emit RecordChanged(Sort::Text, number);
    return removal;
}

void DesignDocument::SelectComponent(CanvasElement* element)
{
    state_.currentComponent = element;
    state_.currentIsComponent = true;
    emit SelectionChanged();
}

void DesignDocument::SelectText(CanvasElement* element)
{
    state_.currentText = element;
    state_.currentIsComponent = false;
    emit SelectionChanged();
}

void DesignDocument::SetPressPosition(QPoint position)
{
    state_.pressPosition = position;
}

void DesignDocument::SetView(int canvasOriginX, QSize viewSize)
{
    canvasOriginX_ = canvasOriginX;
    viewSize_ = viewSize;
}

void DesignDocument::SetCanvasSize(QSize size, int moduleWidth)
{
    canvas_.size = size;
    canvas_.moduleWidth = moduleWidth;
    emit CanvasChanged();
}

void DesignDocument::SetCanvasColour(const QColor& colour)
{
    canvas_.colour = colour;
    emit CanvasChanged();
}

void DesignDocument::SetCanvasPicture(const QPixmap& picture)
{
    canvas_.picture = picture;
    emit CanvasChanged();
}

void DesignDocument::SetCanvasVisible(bool visible)
{
    canvas_.visible = visible;
    emit CanvasChanged();
}

void DesignDocument::ShowStatus(const QString& text)
{
    status_ = text;
    emit StatusShown(text);
}

void DesignDocument::RequestDeselect()
{
    emit DeselectRequested();
}

} // namespace morvane
