#include "DesignDocument.h"

#include "AddRemoveElements.h"
#include "ChangeCellsCommand.h"
#include "ChangePageSettingsCommand.h"
#include "ChangePlacementCommand.h"
#include "ChangeSettingsCommand.h"
#include "ChangeTextLookCommand.h"
#include "ComponentRecord.h"
#include "KindTable.h"
#include "KindWords.h"
#include "PageSettings.h"
#include "SettingsExport.h"
#include "SettingsKeys.h"

#include <QWidget>

#include <algorithm>
#include <atomic>

namespace morvane {

namespace {

const QString kWelcome =
    QStringLiteral("欢迎使用 Morvane 店铺装修模块设计器：点击上方组件名称添加组件，拖到画布上进行设置，"
                   "完成后点击 生成代码。请先配置全局设置...");
const QString kRemoved = QStringLiteral("组件删除完成，点击上方组件名称添加对应组件...");
const QString kDuplicated = QStringLiteral("组件已复制，可拖动到需要的位置...");
const QString kPasted = QStringLiteral("组件已粘贴，可拖动到需要的位置...");
const QString kNotPasted = QStringLiteral("剪切板中的组件无法读取，未能粘贴...");

// Every kind with settings keeps its place under the same two keys.
static_assert(TextKey::Left == CarouselKey::Left && TextKey::Left == CountdownKey::Left &&
              TextKey::Left == SearchKey::Left);
static_assert(TextKey::Top == CarouselKey::Top && TextKey::Top == CountdownKey::Top && TextKey::Top == SearchKey::Top);

QString FromStd(const std::string& text)
{
    return QString::fromStdString(text);
}

// However far a typed number goes, an element stays where a window can
// still place a widget.
int Clamped(int value, int low)
{
    return std::clamp(value, low, QWIDGETSIZE_MAX);
}

Placement Clamped(Placement placement)
{
    placement.left = Clamped(placement.left, -QWIDGETSIZE_MAX);
    placement.top = Clamped(placement.top, -QWIDGETSIZE_MAX);
    placement.width = Clamped(placement.width, 0);
    placement.height = Clamped(placement.height, 0);
    return placement;
}

DesignSettings::File SettingsFrom(const std::optional<std::string>& bytes)
{
    return bytes ? DesignSettings::FromBytes(*bytes) : nullptr;
}

} // namespace

DesignDocument::DesignDocument(const QString& programDirectory, QObject* parent)
    : QObject(parent), programDirectory_(programDirectory), components_(ComponentLayer::FirstComponentRow), texts_(1),
      status_(kWelcome), export_(std::make_unique<SettingsExport>(*this, programDirectory.toStdString() + "/bj"))
{
}

DesignDocument::~DesignDocument() = default;

TextTable& DesignDocument::LayerOf(Sort sort)
{
    return sort == Sort::Text ? static_cast<TextTable&>(backgroundLayer_) : componentLayer_;
}

const TextTable& DesignDocument::LayerOf(Sort sort) const
{
    return sort == Sort::Text ? static_cast<const TextTable&>(backgroundLayer_) : componentLayer_;
}

int DesignDocument::FirstNumber(Sort sort)
{
    return sort == Sort::Text ? 1 : ComponentLayer::FirstComponentRow;
}

DesignSettings DesignDocument::Settings() const
{
    DesignSettings settings;
    for (const Sort sort : {Sort::Component, Sort::Text}) {
        const std::vector<Element>& elements = ElementsOf(sort);
        settings.Reserve(sort, static_cast<int>(elements.size()));
        for (int number = FirstNumber(sort); number < static_cast<int>(elements.size()); ++number) {
            if (const DesignSettings::File& file = elements[static_cast<size_t>(number)].settings) {
                if (const std::optional<Kind> kind = KindOf(elements[static_cast<size_t>(number)].id))
                    settings.Set(*kind, number, file);
            }
        }
    }
    return settings;
}

int DesignDocument::Count(Sort sort) const
{
    return static_cast<int>(ElementsOf(sort).size()) - 1;
}

ElementId DesignDocument::IdAt(Sort sort, int number) const
{
    if (number < FirstNumber(sort) || number > Count(sort))
        return 0;
    return ElementsOf(sort)[static_cast<size_t>(number)].id;
}

std::optional<DesignDocument::Ref> DesignDocument::Find(ElementId id) const
{
    const auto found = index_.find(id);
    if (found == index_.end())
        return std::nullopt;
    return found->second;
}

int DesignDocument::NumberOf(ElementId id) const
{
    const std::optional<Ref> ref = Find(id);
    return ref ? ref->number : 0;
}

const DesignDocument::Element* DesignDocument::Get(ElementId id) const
{
    const std::optional<Ref> ref = Find(id);
    return ref ? &ElementsOf(ref->sort)[static_cast<size_t>(ref->number)] : nullptr;
}

DesignDocument::Element* DesignDocument::Get(ElementId id)
{
    const std::optional<Ref> ref = Find(id);
    return ref ? &ElementsOf(ref->sort)[static_cast<size_t>(ref->number)] : nullptr;
}

void DesignDocument::Reindex(Sort sort, int from)
{
    const std::vector<Element>& elements = ElementsOf(sort);
    for (int number = std::max(from, FirstNumber(sort)); number < static_cast<int>(elements.size()); ++number)
        index_[elements[static_cast<size_t>(number)].id] = Ref{sort, number};
}

std::optional<Kind> DesignDocument::KindOf(ElementId id) const
{
    const std::optional<Ref> ref = Find(id);
    if (!ref)
        return std::nullopt;
    if (ref->sort == Sort::Text)
        return Kind::Text;
    const std::optional<Kind> kind = KindTable::FromWord(componentLayer_.Cell(ref->number, ComponentRecord::Kind));
    return kind == Kind::Text ? std::nullopt : kind;
}

QString DesignDocument::Cell(ElementId id, int column) const
{
    const std::optional<Ref> ref = Find(id);
    return ref ? FromStd(LayerOf(ref->sort).Cell(ref->number, column)) : QString();
}

const Placement& DesignDocument::PlacementOf(ElementId id) const
{
    static const Placement none;
    const Element* element = Get(id);
    return element ? element->placement : none;
}

const TextLook& DesignDocument::LookOf(ElementId id) const
{
    static const TextLook none;
    const Element* element = Get(id);
    return element ? element->look : none;
}

const SettingsFile& DesignDocument::SettingsOf(ElementId id) const
{
    static const SettingsFile none;
    const Element* element = Get(id);
    return element && element->settings ? *element->settings : none;
}

const std::optional<QPixmap>& DesignDocument::PictureOf(ElementId id) const
{
    static const std::optional<QPixmap> none;
    const Element* element = Get(id);
    return element ? element->picture : none;
}

QString DesignDocument::PictureAddressOf(ElementId id) const
{
    const Element* element = Get(id);
    return element ? element->pictureAddress : QString();
}

DesignElement DesignDocument::ElementAt(ElementId id) const
{
    DesignElement made;
    const std::optional<Ref> ref = Find(id);
    if (!ref)
        return made;
    const Element& element = ElementsOf(ref->sort)[static_cast<size_t>(ref->number)];
    made.cells = LayerOf(ref->sort).Row(ref->number);
    made.placement = element.placement;
    if (ref->sort == Sort::Text)
        made.look = element.look;
    if (element.settings)
        made.settings = element.settings->Bytes();
    return made;
}

std::vector<ElementId> DesignDocument::CompanionsOf(ElementId owner) const
{
    std::vector<ElementId> companions;
    const std::optional<Kind> kind = KindOf(owner);
    if (!kind)
        return companions;
    const std::optional<Ref> ref = Find(owner);
    const std::span<const Companion> parts = KindTable::Of(*kind).companions;
    for (size_t i = 0; i < parts.size(); ++i) {
        const ElementId part = IdAt(ref->sort, ref->number + 1 + static_cast<int>(i));
        if (!part || KindOf(part) != parts[i].kind)
            break;
        companions.push_back(part);
    }
    return companions;
}

ElementId DesignDocument::OwnerOf(ElementId id) const
{
    const std::optional<Kind> kind = KindOf(id);
    if (!kind || !KindTable::Of(*kind).owner)
        return id;
    const std::span<const Companion> parts = KindTable::Of(*KindTable::Of(*kind).owner).companions;
    const auto part = std::find_if(parts.begin(), parts.end(), [kind](const Companion& c) { return c.kind == *kind; });
    const std::optional<Ref> ref = Find(id);
    const ElementId owner = IdAt(ref->sort, ref->number - 1 - static_cast<int>(part - parts.begin()));
    return KindOf(owner) == KindTable::Of(*kind).owner ? owner : id;
}

std::vector<ElementId> DesignDocument::WithCompanions(ElementId id) const
{
    std::vector<ElementId> ids{id};
    for (const ElementId part : CompanionsOf(id))
        ids.push_back(part);
    return ids;
}

QString DesignDocument::PageSetting(int column) const
{
    return FromStd(backgroundLayer_.Cell(PageSettings::Row, column));
}

QString DesignDocument::ShownPageSetting(int column) const
{
    if (pagePreview_)
        return column >= 0 && static_cast<size_t>(column) < pagePreview_->size()
                   ? FromStd((*pagePreview_)[static_cast<size_t>(column)])
                   : QString();
    return PageSetting(column);
}

void DesignDocument::PreviewPage(std::vector<std::pair<int, QString>> cells)
{
    std::vector<std::string> shown = backgroundLayer_.Row(PageSettings::Row);
    for (const auto& [column, text] : cells) {
        if (column < 0)
            continue;
        shown.resize(std::max(shown.size(), static_cast<size_t>(column) + 1));
        shown[static_cast<size_t>(column)] = text.toStdString();
    }
    pagePreview_ = std::move(shown);
    emit CanvasChanged();
}

void DesignDocument::EndPagePreview()
{
    if (!pagePreview_)
        return;
    pagePreview_.reset();
    emit CanvasChanged();
}

void DesignDocument::SetCanvasPicture(const QString& address, const QPixmap& picture)
{
    canvasPictureAddress_ = address;
    canvasPicture_ = picture;
    emit CanvasChanged();
}

Design DesignDocument::Snapshot() const
{
    Design design;
    design.page = backgroundLayer_.Row(PageSettings::Row);
    for (const Sort sort : {Sort::Component, Sort::Text}) {
        std::vector<DesignElement>& list = sort == Sort::Text ? design.texts : design.components;
        for (int number = FirstNumber(sort); number <= Count(sort); ++number)
            list.push_back(ElementAt(IdAt(sort, number)));
    }
    return design;
}

void DesignDocument::Replace(const Design& design)
{
    if (editDepth_ > 0)
        return;
    ClearSelection();
    undoStack_.clear();
    for (const Sort sort : {Sort::Component, Sort::Text}) {
        std::vector<ElementId> ids;
        for (int number = FirstNumber(sort); number <= Count(sort); ++number)
            ids.push_back(IdAt(sort, number));
        Take(ids);
    }
    std::vector<std::pair<int, std::string>> page;
    for (int column = 0; column < PageSettings::ColumnCount && !design.page.empty(); ++column)
        page.emplace_back(column, static_cast<size_t>(column) < design.page.size()
                                      ? design.page[static_cast<size_t>(column)]
                                      : std::string());
    backgroundLayer_.Reset();
    ApplyPageSettings(page);
    for (const auto& [sort, elements] : {std::pair{Sort::Component, &design.components}, {Sort::Text, &design.texts}}) {
        std::vector<Taken> taken;
        taken.reserve(elements->size());
        for (const DesignElement& element : *elements)
            taken.push_back(NewElement(sort, FirstNumber(sort) + static_cast<int>(taken.size()), element));
        PutBack(taken);
    }
    undoStack_.clear();
    undoStack_.setClean();
    emit Replaced();
}

void DesignDocument::SetPageDefaults(const std::vector<std::pair<int, QString>>& cells)
{
    std::vector<std::pair<int, std::string>> defaults;
    for (const auto& [column, text] : cells) {
        if (backgroundLayer_.Cell(PageSettings::Row, column).empty())
            defaults.emplace_back(column, text.toStdString());
    }
    if (!defaults.empty())
        ApplyPageSettings(defaults);
}

void DesignDocument::SetStartPlaces(QPoint component, QPoint text)
{
    componentStart_ = component;
    textStart_ = text;
}

DesignDocument::Taken DesignDocument::NewElement(Sort sort, int number, const DesignElement& element)
{
    Taken taken;
    taken.at = Ref{sort, number};
    taken.cells = element.cells;
    taken.element.id = nextId_++;
    taken.element.placement = element.placement;
    taken.element.look = element.look;
    taken.element.settings = SettingsFrom(element.settings);
    return taken;
}

ElementId DesignDocument::AddComponent(Kind kind)
{
    const KindInfo& info = KindTable::Of(kind);
    if (SortOf(kind) == Sort::Text || info.owner)
        return 0;
    DesignElement owner;
    owner.cells = {std::string(info.word)};
    for (const StartingCell& cell : info.startingCells) {
        owner.cells.resize(std::max(owner.cells.size(), static_cast<size_t>(cell.column) + 1));
        owner.cells[static_cast<size_t>(cell.column)] = std::string(cell.text);
    }
    owner.placement = {componentStart_.x(), componentStart_.y(), info.width, info.height};
    const int number = Count(Sort::Component) + 1;
    std::vector<Taken> added{NewElement(Sort::Component, number, owner)};
    for (const Companion& companion : info.companions) {
        const KindInfo& part = KindTable::Of(companion.kind);
        DesignElement made;
        made.cells = {std::string(part.word)};
        const Placement& at = owner.placement;
        made.placement = {companion.anchor == Anchor::BottomLeft ? at.left : at.left + at.width - part.width,
                          at.top + at.height - part.height, part.width, part.height};
        added.push_back(NewElement(Sort::Component, number + static_cast<int>(added.size()), made));
    }
    const ElementId id = added.front().element.id;
    Commit(new AddElementsCommand(*this, std::move(added), QStringLiteral("添加") + KindWords::Of(kind)));
    if (!info.addedStatus.empty())
        ShowStatus(QString::fromUtf8(info.addedStatus.data(), static_cast<qsizetype>(info.addedStatus.size())));
    return id;
}

ElementId DesignDocument::AddText()
{
    const KindInfo& info = KindTable::Of(Kind::Text);
    DesignElement text;
    text.cells = {std::string(info.word)};
    text.placement = {textStart_.x(), textStart_.y(), info.width, info.height};
    std::vector<Taken> added{NewElement(Sort::Text, Count(Sort::Text) + 1, text)};
    const ElementId id = added.front().element.id;
    Commit(new AddElementsCommand(*this, std::move(added), QStringLiteral("添加文字")));
    return id;
}

void DesignDocument::Remove(ElementId id)
{
    if (!Find(id))
        return;
    const std::optional<Kind> kind = KindOf(id);
    if (kind && KindTable::Of(*kind).owner) {
        // A companion cannot go alone: its owner's companions are hidden,
        // and the records stay as they are.
        BeginEdit(QStringLiteral("隐藏") + KindWords::Of(*kind));
        for (const ElementId part : CompanionsOf(OwnerOf(id))) {
            Placement hidden = PlacementOf(part);
            hidden.visible = false;
            SetPlacement(part, hidden);
        }
        EndEdit();
    } else if (kind) {
        Commit(new RemoveElementsCommand(*this, WithCompanions(id), QStringLiteral("移除") + KindWords::Of(*kind)));
    }
    ShowStatus(kRemoved);
}

ElementId DesignDocument::Duplicate(ElementId id)
{
    const std::optional<Kind> kind = KindOf(id);
    if (!kind || KindTable::Of(*kind).owner)
        return 0;
    std::vector<DesignElement> elements;
    for (const ElementId part : WithCompanions(id))
        elements.push_back(ElementAt(part));
    const int copy = Count(SortOf(*kind)) + 1;
    if (AppendCopies(elements, QStringLiteral("复制") + KindWords::Of(*kind)) == 0)
        return 0;
    ShowStatus(kDuplicated);
    return IdAt(SortOf(*kind), copy);
}

int DesignDocument::Paste(const std::vector<DesignElement>& elements)
{
    const int count = AppendCopies(elements, QStringLiteral("粘贴%1个组件").arg(elements.size()));
    ShowStatus(count > 0 ? kPasted : kNotPasted);
    return count;
}

int DesignDocument::AppendCopies(const std::vector<DesignElement>& elements, const QString& text)
{
    constexpr int kOffset = 10;
    std::vector<Taken> components;
    std::vector<Taken> texts;
    for (const DesignElement& element : elements) {
        const std::optional<Kind> kind =
            element.cells.empty() ? std::nullopt : KindTable::FromWord(element.cells[ComponentRecord::Kind]);
        if (!kind)
            continue;
        const Sort sort = SortOf(*kind);
        std::vector<Taken>& list = sort == Sort::Text ? texts : components;
        Taken copy = NewElement(sort, Count(sort) + 1 + static_cast<int>(list.size()), element);
        Placement& placement = copy.element.placement;
        placement.left = Clamped(placement.left + kOffset, -QWIDGETSIZE_MAX);
        placement.top = Clamped(placement.top + kOffset, -QWIDGETSIZE_MAX);
        // A saved copy generates at its own place at once.
        std::vector<std::string>& cells = copy.cells;
        const bool saved =
            cells.size() > static_cast<size_t>(ComponentRecord::Saved) && cells[ComponentRecord::Saved] == "1";
        const KindInfo& info = KindTable::Of(*kind);
        if (saved && !info.owner) {
            const std::string left = std::to_string(placement.left);
            const std::string top = std::to_string(placement.top);
            if (!info.settingsPrefix.empty() && copy.element.settings) {
                copy.element.settings = DesignSettings::WithValues(
                    copy.element.settings, {{std::string(TextKey::Left), left}, {std::string(TextKey::Top), top}});
            } else if (info.settingsPrefix.empty()) {
                cells[ComponentRecord::Left] = left;
                cells[ComponentRecord::Top] = top;
            }
        }
        list.push_back(std::move(copy));
    }
    const int count = static_cast<int>(components.size() + texts.size());
    if (count == 0)
        return 0;
    const ElementId first = (components.empty() ? texts : components).front().element.id;
    BeginEdit(text);
    for (std::vector<Taken>* list : {&components, &texts}) {
        if (!list->empty())
            Commit(new AddElementsCommand(*this, std::move(*list), text));
    }
    EndEdit();
    Select(first);
    return count;
}

DesignDocument::MergeKey DesignDocument::NewMergeKey()
{
    static std::atomic<MergeKey> next{1};
    return next++;
}

void DesignDocument::SetCells(ElementId id, const std::vector<std::pair<int, QString>>& cells)
{
    const std::optional<Ref> ref = Find(id);
    if (!ref)
        return;
    const TextTable& layer = LayerOf(ref->sort);
    std::vector<ChangeCellsCommand::Cell> changes;
    for (const auto& [column, text] : cells) {
        if (column < 0 || column >= layer.ColumnCount())
            continue;
        const std::string after = text.toStdString();
        if (layer.Cell(ref->number, column) != after)
            changes.push_back({column, layer.Cell(ref->number, column), after});
    }
    if (!changes.empty())
        Commit(new ChangeCellsCommand(*this, id, std::move(changes), QStringLiteral("修改设置")));
}

void DesignDocument::SetPageSettings(const std::vector<std::pair<int, QString>>& cells)
{
    ChangePageSettingsCommand::Cells before;
    ChangePageSettingsCommand::Cells after;
    bool changed = false;
    for (const auto& [column, text] : cells) {
        before.emplace_back(column, backgroundLayer_.Cell(PageSettings::Row, column));
        after.emplace_back(column, text.toStdString());
        changed = changed || before.back().second != after.back().second;
    }
    if (changed)
        Commit(new ChangePageSettingsCommand(*this, std::move(before), std::move(after)));
}

void DesignDocument::SetPlacement(ElementId id, Placement placement, MergeKey merge)
{
    if (!Find(id))
        return;
    placement = Clamped(placement);
    const Placement before = PlacementOf(id);
    if (before == placement)
        return;
    std::vector<ChangePlacementCommand::Change> changes{{id, before, placement}};
    const QPoint shift(placement.left - before.left, placement.top - before.top);
    if (!shift.isNull()) {
        // The companions keep their place relative to their owner.
        for (const ElementId part : CompanionsOf(id)) {
            const Placement was = PlacementOf(part);
            Placement moved = was;
            moved.left = Clamped(was.left + shift.x(), -QWIDGETSIZE_MAX);
            moved.top = Clamped(was.top + shift.y(), -QWIDGETSIZE_MAX);
            changes.push_back({part, was, moved});
        }
    }
    const std::optional<Kind> kind = KindOf(id);
    const QString word = kind ? KindWords::Of(*kind) : QString();
    QString text;
    if (before.visible != placement.visible)
        text = (placement.visible ? QStringLiteral("显示") : QStringLiteral("隐藏")) + word;
    else if (before.width != placement.width || before.height != placement.height)
        text = QStringLiteral("调整") + word + QStringLiteral("大小");
    else
        text = QStringLiteral("移动") + word;
    Commit(new ChangePlacementCommand(*this, std::move(changes), merge, text));
}

void DesignDocument::MoveBy(ElementId id, QPoint delta, MergeKey merge)
{
    Placement placement = PlacementOf(id);
    placement.left = Clamped(placement.left + delta.x(), -QWIDGETSIZE_MAX);
    placement.top = Clamped(placement.top + delta.y(), -QWIDGETSIZE_MAX);
    SetPlacement(id, placement, merge);
}

void DesignDocument::SetTextLook(ElementId id, const TextLook& look, MergeKey merge)
{
    const std::optional<Ref> ref = Find(id);
    if (!ref || ref->sort != Sort::Text || LookOf(id) == look)
        return;
    Commit(new ChangeTextLookCommand(*this, id, LookOf(id), look, merge));
}

bool DesignDocument::WriteSettings(ElementId id, const std::vector<std::pair<std::string, std::string>>& keys)
{
    const std::optional<Kind> kind = KindOf(id);
    if (!kind || KindTable::Of(*kind).settingsPrefix.empty())
        return false;
    const DesignSettings::File& before = Get(id)->settings;
    DesignSettings::File after = DesignSettings::WithValues(before, keys);
    if (!before || before->Bytes() != after->Bytes())
        Commit(new ChangeSettingsCommand(*this, id, before, std::move(after)));
    return true;
}

void DesignDocument::BeginEdit(const QString& text)
{
    if (editDepth_++ == 0)
        editText_ = text;
}

void DesignDocument::EndEdit()
{
    if (editDepth_ == 0 || --editDepth_ > 0)
        return;
    if (macroOpen_)
        undoStack_.endMacro();
    macroOpen_ = false;
}

void DesignDocument::Commit(QUndoCommand* command)
{
    // The edit under way becomes a step with its first change, so an edit
    // that changes nothing leaves none.
    if (editDepth_ > 0 && !macroOpen_) {
        undoStack_.beginMacro(editText_);
        macroOpen_ = true;
    }
    undoStack_.push(command);
}

void DesignDocument::SetPicture(ElementId id, std::optional<QPixmap> picture, const QString& address)
{
    Element* element = Get(id);
    if (!element)
        return;
    element->picture = std::move(picture);
    element->pictureAddress = address;
    emit LookChanged(id);
}

void DesignDocument::Undo()
{
    if (!undoStack_.canUndo()) {
        ShowStatus(QStringLiteral("没有可以撤销的操作..."));
        return;
    }
    const QString text = undoStack_.undoText();
    undoStack_.undo();
    AfterUndoOrRedo(QStringLiteral("已撤销"), text);
}

void DesignDocument::Redo()
{
    if (!undoStack_.canRedo()) {
        ShowStatus(QStringLiteral("没有可以重做的操作..."));
        return;
    }
    const QString text = undoStack_.redoText();
    undoStack_.redo();
    AfterUndoOrRedo(QStringLiteral("已重做"), text);
}

void DesignDocument::AfterUndoOrRedo(const QString& verb, const QString& text)
{
    emit Restored();
    ShowStatus(verb + QStringLiteral("：") + text + QStringLiteral("..."));
}

void DesignDocument::PutBack(const std::vector<Taken>& elements)
{
    // Runs of consecutive numbers go in, and are told, as one.
    size_t begin = 0;
    while (begin < elements.size()) {
        const Ref first = elements[begin].at;
        size_t end = begin + 1;
        while (end < elements.size() && elements[end].at.sort == first.sort &&
               elements[end].at.number == first.number + static_cast<int>(end - begin))
            ++end;
        TextTable& layer = LayerOf(first.sort);
        std::vector<Element>& list = ElementsOf(first.sort);
        const int number = std::clamp(first.number, FirstNumber(first.sort), Count(first.sort) + 1);
        for (size_t i = begin; i < end; ++i) {
            layer.InsertRow(number + static_cast<int>(i - begin), elements[i].cells);
            list.insert(list.begin() + number + static_cast<std::ptrdiff_t>(i - begin), elements[i].element);
        }
        Reindex(first.sort, number);
        emit ElementsInserted(first.sort, number, static_cast<int>(end - begin));
        begin = end;
    }
}

std::vector<DesignDocument::Taken> DesignDocument::Take(const std::vector<ElementId>& ids)
{
    std::vector<Taken> taken;
    for (const ElementId id : ids) {
        if (const std::optional<Ref> ref = Find(id))
            taken.push_back(Taken{*ref, {}, {}});
    }
    std::sort(taken.begin(), taken.end(), [](const Taken& a, const Taken& b) {
        return a.at.sort != b.at.sort ? a.at.sort < b.at.sort : a.at.number < b.at.number;
    });
    taken.erase(std::unique(taken.begin(), taken.end(),
                            [](const Taken& a, const Taken& b) {
                                return a.at.sort == b.at.sort && a.at.number == b.at.number;
                            }),
                taken.end());
    std::vector<ElementId> gone;
    // From the last run back, so every number told still stands where it
    // was when the next run goes.
    size_t end = taken.size();
    while (end > 0) {
        size_t begin = end - 1;
        while (begin > 0 && taken[begin - 1].at.sort == taken[end - 1].at.sort &&
               taken[begin - 1].at.number + 1 == taken[begin].at.number)
            --begin;
        const Sort sort = taken[begin].at.sort;
        const int first = taken[begin].at.number;
        TextTable& layer = LayerOf(sort);
        std::vector<Element>& list = ElementsOf(sort);
        for (size_t i = begin; i < end; ++i) {
            Taken& one = taken[i];
            one.cells = layer.Row(one.at.number);
            one.element = std::move(list[static_cast<size_t>(one.at.number)]);
            index_.erase(one.element.id);
            gone.push_back(one.element.id);
        }
        for (size_t i = begin; i < end; ++i)
            layer.DeleteRow(first);
        list.erase(list.begin() + first, list.begin() + first + static_cast<std::ptrdiff_t>(end - begin));
        Reindex(sort, first);
        emit ElementsRemoved(sort, first, static_cast<int>(end - begin));
        end = begin;
    }
    selection_.Forget(gone);
    return taken;
}

void DesignDocument::ApplyCell(ElementId id, int column, const std::string& text)
{
    const std::optional<Ref> ref = Find(id);
    if (!ref)
        return;
    LayerOf(ref->sort).SetCell(ref->number, column, text);
    emit RecordChanged(id, column);
}

void DesignDocument::ApplyPageSettings(const std::vector<std::pair<int, std::string>>& cells)
{
    for (const auto& [column, text] : cells)
        backgroundLayer_.SetCell(PageSettings::Row, column, text);
    emit PageSettingsChanged();
}

void DesignDocument::ApplyPlacement(ElementId id, const Placement& placement)
{
    Element* element = Get(id);
    if (!element)
        return;
    element->placement = placement;
    emit PlacementChanged(id);
}

void DesignDocument::ApplyLook(ElementId id, const TextLook& look)
{
    Element* element = Get(id);
    if (!element)
        return;
    element->look = look;
    emit LookChanged(id);
}

void DesignDocument::ApplySettings(ElementId id, const DesignSettings::File& settings)
{
    Element* element = Get(id);
    if (!element)
        return;
    element->settings = settings;
    emit SettingsChanged(id);
}

void DesignDocument::Select(ElementId id)
{
    if (const std::optional<Ref> ref = Find(id))
        selection_.Select(ref->sort, id);
}

void DesignDocument::ClearSelection()
{
    selection_.Clear();
}

void DesignDocument::ShowStatus(const QString& text)
{
    status_ = text;
    emit StatusShown(text);
}

} // namespace morvane
