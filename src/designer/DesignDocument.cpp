#include "DesignDocument.h"

#include "AddRemoveElements.h"
#include "ChangeCellsCommand.h"
#include "ChangePageSettingsCommand.h"
#include "ChangePlacementCommand.h"
#include "ChangeTextLookCommand.h"
#include "ComponentRecord.h"
#include "EditMacro.h"
#include "KindTable.h"
#include "KindWords.h"
#include "PageSettings.h"
#include "SettingsFile.h"
#include "SettingsKeys.h"
#include "TextRecord.h"
#include "WriteSettingsCommand.h"

#include <QWidget>

#include <algorithm>
#include <atomic>

namespace morvane {

namespace {

const QString kWelcome =
    QStringLiteral("欢迎使用 Morvane 店铺装修模块设计器：点击上方组件名称添加组件，拖到画布上进行设置，"
                   "完成后点击 生成代码。请先配置全局设置...");
const QString kRemoved = QStringLiteral("组件删除完成，点击上方组件名称添加对应组件...");
const QString kRemovedUnmoved =
    QStringLiteral("组件删除完成，但设置文件 %1 未能随组件重新编号，请重新保存相关组件的设置...");
const QString kSettingsNotRestored =
    QStringLiteral("设置文件写入失败，该组件的设置未能恢复，请检查程序目录是否可写以及磁盘空间....");

// Every kind with a settings file keeps its place under the same two keys.
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

} // namespace

DesignDocument::DesignDocument(const QString& programDirectory, QObject* parent)
    : QObject(parent), programDirectory_(programDirectory), settings_(programDirectory.toStdString()),
      componentElements_(ComponentLayer::FirstComponentRow), textElements_(1), status_(kWelcome)
{
}

DesignDocument::~DesignDocument()
{
    delete macro_;
}

TextTable& DesignDocument::LayerOf(Sort sort)
{
    return sort == Sort::Text ? static_cast<TextTable&>(background_) : components_;
}

const TextTable& DesignDocument::LayerOf(Sort sort) const
{
    return sort == Sort::Text ? static_cast<const TextTable&>(background_) : components_;
}

int DesignDocument::FirstNumber(Sort sort)
{
    return sort == Sort::Text ? 1 : ComponentLayer::FirstComponentRow;
}

QString DesignDocument::ComponentCell(int row, int column) const
{
    return FromStd(components_.Cell(row, column));
}

QString DesignDocument::TextCell(int row, int column) const
{
    return FromStd(background_.Cell(row, column));
}

QString DesignDocument::Cell(Sort sort, int row, int column) const
{
    return FromStd(LayerOf(sort).Cell(row, column));
}

QString DesignDocument::PageSetting(int column) const
{
    return FromStd(background_.Cell(PageSettings::Row, column));
}

void DesignDocument::SetComponentCell(int row, int column, const QString& text)
{
    SetCells(Sort::Component, row, {{column, text}});
}

void DesignDocument::SetTextCell(int row, int column, const QString& text)
{
    SetCells(Sort::Text, row, {{column, text}});
}

void DesignDocument::SetCells(Sort sort, int row, const std::vector<std::pair<int, QString>>& cells)
{
    const TextTable& layer = LayerOf(sort);
    // Row 0 of the texts' layer is the page settings, which only
    // SetPageSettings writes.
    if (row < 0 || row >= layer.RowCount() || (sort == Sort::Text && row == PageSettings::Row))
        return;
    std::vector<ChangeCellsCommand::Cell> changes;
    for (const auto& [column, text] : cells) {
        if (column < 0 || column >= layer.ColumnCount())
            continue;
        const std::string after = text.toStdString();
        if (layer.Cell(row, column) != after)
            changes.push_back({column, layer.Cell(row, column), after});
    }
    if (changes.empty())
        return;
    Commit(new ChangeCellsCommand(*this, sort, row, std::move(changes), QStringLiteral("修改设置"), EditParent()));
}

void DesignDocument::SetPageSettings(const std::vector<std::pair<int, QString>>& cells)
{
    ChangePageSettingsCommand::Cells before;
    ChangePageSettingsCommand::Cells after;
    bool changed = false;
    for (const auto& [column, text] : cells) {
        before.emplace_back(column, background_.Cell(PageSettings::Row, column));
        after.emplace_back(column, text.toStdString());
        changed = changed || before.back().second != after.back().second;
    }
    if (!changed) {
        emit PageSettingsChanged();
        return;
    }
    Commit(new ChangePageSettingsCommand(*this, std::move(before), std::move(after), EditParent()));
}

int DesignDocument::Count(Sort sort) const
{
    return static_cast<int>(ElementsOf(sort).size()) - 1;
}

bool DesignDocument::Exists(Sort sort, int number) const
{
    return number >= FirstNumber(sort) && number <= Count(sort);
}

std::optional<Kind> DesignDocument::KindAt(Sort sort, int number) const
{
    if (!Exists(sort, number))
        return std::nullopt;
    if (sort == Sort::Text)
        return Kind::Text;
    const std::optional<Kind> kind = KindTable::FromWord(components_.Cell(number, ComponentRecord::Kind));
    return kind == Kind::Text ? std::nullopt : kind;
}

ElementId DesignDocument::IdOf(Sort sort, int number) const
{
    return Exists(sort, number) ? ElementsOf(sort)[static_cast<size_t>(number)].id : 0;
}

std::optional<DesignDocument::Ref> DesignDocument::Find(ElementId id) const
{
    if (id == 0)
        return std::nullopt;
    for (const Sort sort : {Sort::Component, Sort::Text}) {
        const std::vector<Element>& elements = ElementsOf(sort);
        for (size_t number = static_cast<size_t>(FirstNumber(sort)); number < elements.size(); ++number) {
            if (elements[number].id == id)
                return Ref{sort, static_cast<int>(number)};
        }
    }
    return std::nullopt;
}

const Placement& DesignDocument::PlacementOf(Sort sort, int number) const
{
    static const Placement none;
    return Exists(sort, number) ? ElementsOf(sort)[static_cast<size_t>(number)].placement : none;
}

const TextLook& DesignDocument::LookOf(int textNumber) const
{
    static const TextLook none;
    return Exists(Sort::Text, textNumber) ? textElements_[static_cast<size_t>(textNumber)].look : none;
}

const std::optional<QPixmap>& DesignDocument::PictureOf(Sort sort, int number) const
{
    static const std::optional<QPixmap> none;
    return Exists(sort, number) ? ElementsOf(sort)[static_cast<size_t>(number)].picture : none;
}

QString DesignDocument::PictureAddressOf(Sort sort, int number) const
{
    return Exists(sort, number) ? ElementsOf(sort)[static_cast<size_t>(number)].pictureAddress : QString();
}

DesignElement DesignDocument::ElementAt(Sort sort, int number) const
{
    DesignElement element;
    if (!Exists(sort, number))
        return element;
    element.cells = LayerOf(sort).Row(number);
    element.placement = PlacementOf(sort, number);
    if (sort == Sort::Text)
        element.look = LookOf(number);
    if (const std::optional<Kind> kind = KindAt(sort, number))
        element.settings = settings_.ReadBytes(*kind, number);
    return element;
}

Design DesignDocument::Snapshot() const
{
    Design design;
    design.page = background_.Row(PageSettings::Row);
    for (int number = FirstNumber(Sort::Component); number <= Count(Sort::Component); ++number)
        design.components.push_back(ElementAt(Sort::Component, number));
    for (int number = FirstNumber(Sort::Text); number <= Count(Sort::Text); ++number)
        design.texts.push_back(ElementAt(Sort::Text, number));
    return design;
}

void DesignDocument::Replace(const Design& design)
{
    if (macroDepth_ > 0)
        return;
    currentComponentId_ = 0;
    currentTextId_ = 0;
    UpdateState();
    emit SelectionChanged();
    undoStack_.clear();
    for (const Sort sort : {Sort::Component, Sort::Text}) {
        if (Count(sort) >= FirstNumber(sort))
            TakeElements(sort, FirstNumber(sort), Count(sort) - FirstNumber(sort) + 1);
    }
    // Whatever the old design left in the working folder goes with it.
    settings_.DeleteStore();
    settings_.CreateWorkingDirectory();
    std::vector<std::pair<int, std::string>> page;
    for (int column = 0; column < PageSettings::ColumnCount; ++column)
        page.emplace_back(column, static_cast<size_t>(column) < design.page.size()
                                      ? design.page[static_cast<size_t>(column)]
                                      : std::string());
    if (design.page.empty())
        page.clear();
    background_.Reset();
    ApplyPageSettings(page);
    for (const auto& [sort, elements] : {std::pair{Sort::Component, &design.components}, {Sort::Text, &design.texts}}) {
        std::vector<Taken> taken;
        taken.reserve(elements->size());
        for (const DesignElement& element : *elements) {
            Taken one;
            one.id = nextId_++;
            one.element = element;
            taken.push_back(std::move(one));
        }
        if (!taken.empty())
            InsertElements(sort, FirstNumber(sort), taken);
    }
    undoStack_.clear();
    undoStack_.setClean();
    emit Replaced();
}

void DesignDocument::SetPageDefaults(const std::vector<std::pair<int, QString>>& cells)
{
    std::vector<std::pair<int, std::string>> defaults;
    for (const auto& [column, text] : cells) {
        if (background_.Cell(PageSettings::Row, column).empty())
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

std::vector<std::optional<Kind>> DesignDocument::KindsOf(Sort sort) const
{
    std::vector<std::optional<Kind>> kinds;
    const TextTable& layer = LayerOf(sort);
    for (int row = 0; row < layer.RowCount(); ++row)
        kinds.push_back(row < FirstNumber(sort) ? std::nullopt : KindAt(sort, row));
    return kinds;
}

DesignDocument::Taken DesignDocument::NewElement(Sort, std::vector<std::string> cells, Placement placement)
{
    Taken taken;
    taken.id = nextId_++;
    taken.element.cells = std::move(cells);
    taken.element.placement = placement;
    return taken;
}

int DesignDocument::AddComponent(Kind kind)
{
    const KindInfo& info = KindTable::Of(kind);
    if (SortOf(kind) == Sort::Text || info.owner)
        return 0;
    std::vector<Taken> added;
    std::vector<std::string> cells{std::string(info.word)};
    for (const StartingCell& cell : info.startingCells) {
        cells.resize(std::max(cells.size(), static_cast<size_t>(cell.column) + 1));
        cells[static_cast<size_t>(cell.column)] = std::string(cell.text);
    }
    const Placement owner{componentStart_.x(), componentStart_.y(), info.width, info.height};
    added.push_back(NewElement(Sort::Component, std::move(cells), owner));
    for (const Companion& companion : info.companions) {
        const KindInfo& part = KindTable::Of(companion.kind);
        const int left = companion.anchor == Anchor::BottomLeft ? owner.left : owner.left + owner.width - part.width;
        const int top = owner.top + owner.height - part.height;
        added.push_back(NewElement(Sort::Component, {std::string(part.word)}, {left, top, part.width, part.height}));
    }
    const int number = Count(Sort::Component) + 1;
    Commit(new AddElementsCommand(*this, Sort::Component, number, std::move(added),
                                  QStringLiteral("添加") + KindWords::Of(kind), EditParent()));
    if (!info.addedStatus.empty())
        ShowStatus(QString::fromUtf8(info.addedStatus.data(), static_cast<qsizetype>(info.addedStatus.size())));
    return number;
}

int DesignDocument::AddText()
{
    const KindInfo& info = KindTable::Of(Kind::Text);
    const int number = Count(Sort::Text) + 1;
    std::vector<Taken> added{
        NewElement(Sort::Text, {std::string(info.word)}, {textStart_.x(), textStart_.y(), info.width, info.height})};
    Commit(
        new AddElementsCommand(*this, Sort::Text, number, std::move(added), QStringLiteral("添加文字"), EditParent()));
    return number;
}

void DesignDocument::Remove(Sort sort, int number)
{
    if (!Exists(sort, number))
        return;
    const std::optional<Kind> kind = KindAt(sort, number);
    if (!kind) {
        // A record of no kind: nothing to remove.
        ReportUnmoved({});
        return;
    }
    const KindInfo& info = KindTable::Of(*kind);
    if (info.owner) {
        // A companion cannot go alone: its owner's companions are hidden,
        // and the records stay as they are.
        const KindInfo& owner = KindTable::Of(*info.owner);
        const auto it = std::find_if(owner.companions.begin(), owner.companions.end(),
                                     [kind](const Companion& c) { return c.kind == *kind; });
        const int ownerNumber = number - 1 - static_cast<int>(it - owner.companions.begin());
        BeginEdit(QStringLiteral("隐藏") + KindWords::Of(*kind));
        for (int i = 1; i <= static_cast<int>(owner.companions.size()); ++i) {
            Placement hidden = PlacementOf(sort, ownerNumber + i);
            hidden.visible = false;
            SetPlacement(sort, ownerNumber + i, hidden);
        }
        EndEdit();
        ReportUnmoved({});
        return;
    }
    Commit(new RemoveElementsCommand(*this, sort, number, 1 + static_cast<int>(info.companions.size()),
                                     QStringLiteral("移除") + KindWords::Of(*kind), EditParent()));
    ReportUnmoved(lastUnmoved_);
}

int DesignDocument::Duplicate(Sort sort, int number)
{
    const std::optional<Kind> kind = KindAt(sort, number);
    if (!kind || KindTable::Of(*kind).owner)
        return 0;
    std::vector<DesignElement> elements{ElementAt(sort, number)};
    for (int i = 1; i <= static_cast<int>(KindTable::Of(*kind).companions.size()); ++i)
        elements.push_back(ElementAt(sort, number + i));
    const int copy = Count(sort) + 1;
    return AppendCopies(elements, QStringLiteral("复制") + KindWords::Of(*kind)) > 0 ? copy : 0;
}

int DesignDocument::Paste(const std::vector<DesignElement>& elements)
{
    return AppendCopies(elements, QStringLiteral("粘贴%1个组件").arg(elements.size()));
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
        Taken copy = NewElement(SortOf(*kind), element.cells, element.placement);
        copy.element.look = element.look;
        copy.element.settings = element.settings;
        Placement& placement = copy.element.placement;
        placement.left = Clamped(placement.left + kOffset, -QWIDGETSIZE_MAX);
        placement.top = Clamped(placement.top + kOffset, -QWIDGETSIZE_MAX);
        // A saved copy generates at its own place at once.
        std::vector<std::string>& cells = copy.element.cells;
        const bool saved =
            cells.size() > static_cast<size_t>(ComponentRecord::Saved) && cells[ComponentRecord::Saved] == "1";
        const KindInfo& info = KindTable::Of(*kind);
        if (saved && !info.owner) {
            const std::string left = std::to_string(placement.left);
            const std::string top = std::to_string(placement.top);
            if (!info.settingsPrefix.empty() && copy.element.settings) {
                SettingsFile file = SettingsFile::FromBytes(*copy.element.settings);
                file.SetValue(TextKey::Left, left);
                file.SetValue(TextKey::Top, top);
                copy.element.settings = file.ToBytes();
            } else if (info.settingsPrefix.empty()) {
                cells[ComponentRecord::Left] = left;
                cells[ComponentRecord::Top] = top;
            }
        }
        (SortOf(*kind) == Sort::Text ? texts : components).push_back(std::move(copy));
    }
    const int count = static_cast<int>(components.size() + texts.size());
    if (count == 0)
        return 0;
    const int firstComponent = Count(Sort::Component) + 1;
    const int firstText = Count(Sort::Text) + 1;
    const bool anyComponent = !components.empty();
    BeginEdit(text);
    if (anyComponent)
        Commit(
            new AddElementsCommand(*this, Sort::Component, firstComponent, std::move(components), text, EditParent()));
    if (!texts.empty())
        Commit(new AddElementsCommand(*this, Sort::Text, firstText, std::move(texts), text, EditParent()));
    EndEdit();
    if (anyComponent)
        Select(Sort::Component, firstComponent);
    else
        Select(Sort::Text, firstText);
    return count;
}

void DesignDocument::ReportUnmoved(const std::vector<std::string>& unmovedFiles)
{
    if (unmovedFiles.empty()) {
        ShowStatus(kRemoved);
        return;
    }
    QStringList names;
    for (const std::string& name : unmovedFiles)
        names << FromStd(name);
    ShowStatus(kRemovedUnmoved.arg(names.join(QStringLiteral("、"))));
}

DesignDocument::MergeKey DesignDocument::NewMergeKey()
{
    static std::atomic<MergeKey> next{1};
    return next++;
}

void DesignDocument::SetPlacement(Sort sort, int number, Placement placement, MergeKey merge)
{
    if (!Exists(sort, number))
        return;
    placement = Clamped(placement);
    const Placement before = PlacementOf(sort, number);
    if (before == placement)
        return;
    std::vector<ChangePlacementCommand::Change> changes{{sort, number, before, placement}};
    const std::optional<Kind> kind = KindAt(sort, number);
    const QPoint shift(placement.left - before.left, placement.top - before.top);
    if (kind && !shift.isNull()) {
        // The companions keep their place relative to their owner.
        for (int i = 1; i <= static_cast<int>(KindTable::Of(*kind).companions.size()); ++i) {
            if (!Exists(sort, number + i))
                break;
            const Placement part = PlacementOf(sort, number + i);
            Placement moved = part;
            moved.left = Clamped(part.left + shift.x(), -QWIDGETSIZE_MAX);
            moved.top = Clamped(part.top + shift.y(), -QWIDGETSIZE_MAX);
            changes.push_back({sort, number + i, part, moved});
        }
    }
    const QString word = kind ? KindWords::Of(*kind) : QString();
    QString text;
    if (before.visible != placement.visible)
        text = (placement.visible ? QStringLiteral("显示") : QStringLiteral("隐藏")) + word;
    else if (before.width != placement.width || before.height != placement.height)
        text = QStringLiteral("调整") + word + QStringLiteral("大小");
    else
        text = QStringLiteral("移动") + word;
    Commit(new ChangePlacementCommand(*this, std::move(changes), merge, text, EditParent()));
}

void DesignDocument::MoveBy(Sort sort, int number, QPoint delta, MergeKey merge)
{
    Placement placement = PlacementOf(sort, number);
    placement.left = Clamped(placement.left + delta.x(), -QWIDGETSIZE_MAX);
    placement.top = Clamped(placement.top + delta.y(), -QWIDGETSIZE_MAX);
    SetPlacement(sort, number, placement, merge);
}

void DesignDocument::SetTextLook(int number, const TextLook& look, MergeKey merge)
{
    if (!Exists(Sort::Text, number) || LookOf(number) == look)
        return;
    Commit(new ChangeTextLookCommand(*this, number, LookOf(number), look, merge, EditParent()));
}

bool DesignDocument::WriteSettings(Sort sort, int number, const std::vector<std::pair<std::string, std::string>>& keys)
{
    const std::optional<Kind> kind = KindAt(sort, number);
    // Writing over a file too large to be read would lose it unseen.
    if (!kind || settings_.PathFor(*kind, number).empty() || settings_.Load(*kind, number)->TooLarge())
        return false;
    const std::optional<std::string> before = settings_.ReadBytes(*kind, number);
    SettingsFile file = before ? SettingsFile::FromBytes(*before) : SettingsFile();
    for (const auto& [key, value] : keys)
        file.SetValue(key, value);
    std::string after = file.ToBytes();
    if (!settings_.WriteBytes(*kind, number, after))
        return false;
    if (before != after)
        Commit(new WriteSettingsCommand(*this, sort, number, before, std::move(after), EditParent()));
    emit SettingsChanged(sort, number);
    return true;
}

void DesignDocument::BeginEdit(const QString& text)
{
    if (macroDepth_++ == 0)
        macro_ = new EditMacro(text);
}

void DesignDocument::EndEdit()
{
    if (macroDepth_ == 0 || --macroDepth_ > 0)
        return;
    EditMacro* macro = macro_;
    macro_ = nullptr;
    if (macro->childCount() > 0)
        undoStack_.push(macro);
    else
        delete macro;
}

QUndoCommand* DesignDocument::EditParent() const
{
    return macro_;
}

void DesignDocument::Commit(QUndoCommand* command)
{
    // A step of an edit under way was made as its child: it applies now and
    // goes on the stack with the whole edit.
    if (macro_)
        command->redo();
    else
        undoStack_.push(command);
}

void DesignDocument::SetPicture(ElementId id, std::optional<QPixmap> picture, const QString& address)
{
    const std::optional<Ref> ref = Find(id);
    if (!ref)
        return;
    Element& element = ElementsOf(ref->sort)[static_cast<size_t>(ref->number)];
    element.picture = std::move(picture);
    element.pictureAddress = address;
    emit LookChanged(ref->sort, ref->number);
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

void DesignDocument::InsertElements(Sort sort, int first, const std::vector<Taken>& elements)
{
    TextTable& layer = LayerOf(sort);
    std::vector<Element>& list = ElementsOf(sort);
    const int count = static_cast<int>(elements.size());
    for (int i = 0; i < count; ++i) {
        const Taken& taken = elements[static_cast<size_t>(i)];
        layer.InsertRow(first + i, taken.element.cells);
        Element element;
        element.id = taken.id;
        element.placement = taken.element.placement;
        element.look = taken.element.look;
        element.picture = taken.picture;
        element.pictureAddress = taken.pictureAddress;
        list.insert(list.begin() + first + i, std::move(element));
    }
    lastUnmoved_ = settings_.FollowInsertion(KindsOf(sort), first, count);
    for (int i = 0; i < count; ++i) {
        // The renumbering moved away what stood at these numbers; an
        // element without a file of its own writes none.
        const std::optional<std::string>& bytes = elements[static_cast<size_t>(i)].element.settings;
        if (const std::optional<Kind> kind = KindAt(sort, first + i);
            kind && bytes && !settings_.WriteBytes(*kind, first + i, bytes))
            ShowStatus(kSettingsNotRestored);
    }
    UpdateState();
    emit ElementsInserted(sort, first, count);
}

std::vector<DesignDocument::Taken> DesignDocument::TakeElements(Sort sort, int first, int count)
{
    std::vector<Taken> taken;
    count = std::min(count, Count(sort) - first + 1);
    if (first < FirstNumber(sort) || count <= 0)
        return taken;
    const std::vector<std::optional<Kind>> kinds = KindsOf(sort);
    TextTable& layer = LayerOf(sort);
    std::vector<Element>& list = ElementsOf(sort);
    for (int i = 0; i < count; ++i) {
        Taken one;
        one.element = ElementAt(sort, first + i);
        const Element& element = list[static_cast<size_t>(first + i)];
        one.id = element.id;
        one.picture = element.picture;
        one.pictureAddress = element.pictureAddress;
        taken.push_back(std::move(one));
    }
    for (int i = 0; i < count; ++i)
        layer.DeleteRow(first);
    list.erase(list.begin() + first, list.begin() + first + count);
    lastUnmoved_ = settings_.FollowRemoval(kinds, first, count);
    UpdateState();
    emit ElementsRemoved(sort, first, count);
    return taken;
}

void DesignDocument::UpdateState()
{
    state_.componentCounter = Count(Sort::Component);
    state_.textCounter = Count(Sort::Text);
    const auto numberOf = [this](ElementId& id) {
        const std::optional<Ref> ref = Find(id);
        if (!ref)
            id = 0;
        return ref ? ref->number : 0;
    };
    state_.currentComponent = numberOf(currentComponentId_);
    state_.currentText = numberOf(currentTextId_);
}

void DesignDocument::ApplyCell(Sort sort, int row, int column, const std::string& text)
{
    LayerOf(sort).SetCell(row, column, text);
    emit RecordChanged(sort, row, column);
}

void DesignDocument::ApplyPageSettings(const std::vector<std::pair<int, std::string>>& cells)
{
    for (const auto& [column, text] : cells)
        background_.SetCell(PageSettings::Row, column, text);
    emit PageSettingsChanged();
}

void DesignDocument::ApplyPlacement(Sort sort, int number, const Placement& placement)
{
    if (!Exists(sort, number))
        return;
    ElementsOf(sort)[static_cast<size_t>(number)].placement = placement;
    emit PlacementChanged(sort, number);
}

void DesignDocument::ApplyLook(int number, const TextLook& look)
{
    if (!Exists(Sort::Text, number))
        return;
    textElements_[static_cast<size_t>(number)].look = look;
    emit LookChanged(Sort::Text, number);
}

bool DesignDocument::ApplySettings(Sort sort, int number, const std::optional<std::string>& bytes)
{
    const std::optional<Kind> kind = KindAt(sort, number);
    const bool written = kind && settings_.WriteBytes(*kind, number, bytes);
    if (!written)
        ShowStatus(kSettingsNotRestored);
    emit SettingsChanged(sort, number);
    return written;
}

void DesignDocument::Select(Sort sort, int number)
{
    if (!Exists(sort, number))
        return;
    if (sort == Sort::Text)
        currentTextId_ = IdOf(sort, number);
    else
        currentComponentId_ = IdOf(sort, number);
    state_.currentIsComponent = sort == Sort::Component;
    UpdateState();
    emit SelectionChanged();
}

void DesignDocument::ClearSelection()
{
    currentComponentId_ = 0;
    currentTextId_ = 0;
    state_.currentIsComponent = true;
    UpdateState();
    emit SelectionChanged();
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
    ClearSelection();
}

} // namespace morvane
