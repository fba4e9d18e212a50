#pragma once

#include "BackgroundLayer.h"
#include "ComponentLayer.h"
#include "Design.h"
#include "DesignElement.h"
#include "DesignSettings.h"
#include "ElementId.h"
#include "Kind.h"
#include "Placement.h"
#include "SelectionModel.h"
#include "TextLook.h"

#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QString>
#include <QUndoStack>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace morvane {

class SettingsExport;

// The one owner of a design, all of it in memory: both layers (the
// records), every element's id, place, visibility, text look, settings and
// shown picture, and the selection. Every change of the design is a command
// on its undo stack that swaps values in memory; views and panels only read
// it and listen to its signals. Everything addresses an element by its id;
// numbers (badges, record rows, the names of the exported settings files)
// come from the order at the moment they are asked for. The working folder
// "bj" is written from it by its export and never read back. It needs no
// window: tests drive it alone.
class DesignDocument : public QObject {
    Q_OBJECT
public:
    // programDirectory: where "bj" and "yl.htm" live.
    explicit DesignDocument(const QString& programDirectory, QObject* parent = nullptr);
    ~DesignDocument() override;

    const ComponentLayer& Components() const { return componentLayer_; }
    const BackgroundLayer& Background() const { return backgroundLayer_; }
    // The settings of the elements by their numbers, as generation reads
    // them: the shared files themselves, no copy of their bytes.
    DesignSettings Settings() const;
    const SelectionModel& Selection() const { return selection_; }
    SettingsExport& Export() { return *export_; }
    QString ProgramDirectory() const { return programDirectory_; }
    QUndoStack& UndoStack() { return undoStack_; }

    // Elements. Components are numbered from 2, texts from 1, in the order
    // of the design; a number says where an element stands now.
    struct Ref {
        Sort sort = Sort::Component;
        int number = 0;
    };
    // The highest number of the sort (1 for no component: number 1 is the
    // window's prototype).
    int Count(Sort sort) const;
    // The element standing at a number now; 0 for none.
    ElementId IdAt(Sort sort, int number) const;
    // Where an element stands now; nullopt once it is gone.
    std::optional<Ref> Find(ElementId id) const;
    // Its number now; 0 once it is gone.
    int NumberOf(ElementId id) const;
    // From column 0 of its record (Text for texts); nullopt for a record of
    // no kind and for an element that is gone.
    std::optional<Kind> KindOf(ElementId id) const;
    // A cell of its record; empty text outside it.
    QString Cell(ElementId id, int column) const;
    const Placement& PlacementOf(ElementId id) const;
    const TextLook& LookOf(ElementId id) const;
    // Its settings; an empty file before its panel first saved them.
    const SettingsFile& SettingsOf(ElementId id) const;
    // The picture fetched for an element; nullopt while it shows its kind's
    // placeholder, a null pixmap when nothing usable arrived.
    const std::optional<QPixmap>& PictureOf(ElementId id) const;
    // The address the shown picture came from.
    QString PictureAddressOf(ElementId id) const;
    // The element with its record and settings, as copies carry it.
    DesignElement ElementAt(ElementId id) const;
    // The elements that go with an owner (a carousel's arrows), in order;
    // none for anything else.
    std::vector<ElementId> CompanionsOf(ElementId owner) const;
    // The owner of a companion; the element itself for anything else.
    ElementId OwnerOf(ElementId id) const;

    // The page settings as committed (row 0 of the background layer).
    QString PageSetting(int column) const;
    // The page settings the canvas shows: while the page settings panel
    // previews its fields, those; otherwise the committed ones.
    QString ShownPageSetting(int column) const;
    // Not edits: the page settings panel shows its fields on the canvas
    // until it commits or goes.
    void PreviewPage(std::vector<std::pair<int, QString>> cells);
    void EndPagePreview();
    // The background picture that arrived for an address, and the address.
    void SetCanvasPicture(const QString& address, const QPixmap& picture);
    const QPixmap& CanvasPicture() const { return canvasPicture_; }
    const QString& CanvasPictureAddress() const { return canvasPictureAddress_; }

    // The whole design, as a design file keeps it.
    Design Snapshot() const;
    // Puts a whole design in place of the open one, with a fresh undo
    // history: opening a file, 新建 (an empty design) and restoring an
    // autosave. Not an edit: it cannot be undone.
    void Replace(const Design& design);
    // Changes since the design was started, opened or saved.
    bool IsModified() const { return !undoStack_.isClean(); }
    void MarkSaved() { undoStack_.setClean(); }
    // Values the page settings take before the user has set them (the
    // panel's defaults): part of starting a design, not an edit of it.
    void SetPageDefaults(const std::vector<std::pair<int, QString>>& cells);

    // Where a component or text starts, in canvas coordinates: beside the
    // canvas, as the window's prototypes stand. The window sets it.
    void SetStartPlaces(QPoint component, QPoint text);

    // Edits, each one command (or one step of the edit under way), each
    // telling the status bar what it did.
    // Appends a component of the kind with its companions; 0 for a kind
    // that only comes with its owner.
    ElementId AddComponent(Kind kind);
    ElementId AddText();
    // "移除": a companion only hides its owner's companions; anything else
    // goes with its companions, the later elements renumbered.
    void Remove(ElementId id);
    // A copy 10 pixels right and down, as the last element, with its record
    // and settings; a saved copy stores its new place. 0 when there is
    // nothing to copy.
    ElementId Duplicate(ElementId id);
    // Appends copies of elements (each with its companions, as given),
    // 10 pixels right and down from where they stood, and selects the first;
    // returns how many were added. None added is told as a failed paste.
    int Paste(const std::vector<DesignElement>& elements);
    // Several cells of one record in one step. Row 0 of the texts' layer is
    // the page settings, which only SetPageSettings writes.
    void SetCells(ElementId id, const std::vector<std::pair<int, QString>>& cells);
    // Commits the page settings: every cell given, one step.
    void SetPageSettings(const std::vector<std::pair<int, QString>>& cells);
    // Edits that arrive in steps (a drag, a handle, typing into a panel's
    // geometry fields, a run of nudges) merge into one when they share a
    // merge key; 0 never merges.
    using MergeKey = std::uint64_t;
    static MergeKey NewMergeKey();
    // An owner takes its companions along by the change of its left and top.
    void SetPlacement(ElementId id, Placement placement, MergeKey merge = 0);
    void MoveBy(ElementId id, QPoint delta, MergeKey merge);
    void SetTextLook(ElementId id, const TextLook& look, MergeKey merge = 0);
    // Sets the keys in the element's settings, keeping every other line.
    // False for an element whose kind keeps no settings.
    bool WriteSettings(ElementId id, const std::vector<std::pair<std::string, std::string>>& keys);
    // Several edits as one step, named for the status bar; they nest. A
    // step that changes nothing leaves no step behind.
    void BeginEdit(const QString& text);
    void EndEdit();

    // Not an edit of the design: the picture that arrived for an element,
    // or its kind's placeholder again (nullopt).
    void SetPicture(ElementId id, std::optional<QPixmap> picture, const QString& address);

    // Undo and redo, telling the status bar what was undone or redone.
    void Undo();
    void Redo();

    // Every selection, also of the element already selected, is signalled:
    // panels load again at each.
    void Select(ElementId id);
    // Nothing is selected: the frame hides, the component panels close.
    void ClearSelection();

    // Every message to the user goes through here.
    void ShowStatus(const QString& text);
    QString StatusText() const { return status_; }

signals:
    // Elements put in at, or taken out from, consecutive numbers.
    void ElementsInserted(morvane::Sort sort, int first, int count);
    void ElementsRemoved(morvane::Sort sort, int first, int count);
    void RecordChanged(morvane::ElementId id, int column);
    // Place or visibility.
    void PlacementChanged(morvane::ElementId id);
    // A text's look or an element's picture.
    void LookChanged(morvane::ElementId id);
    void SettingsChanged(morvane::ElementId id);
    // The page settings as committed.
    void PageSettingsChanged();
    // What the canvas shows besides them: the page settings panel's
    // preview, or the background picture.
    void CanvasChanged();
    void StatusShown(const QString& text);
    // An undo or redo has put the design back: whoever shows a part of it
    // shows it again.
    void Restored();
    // Another design has taken the open one's place.
    void Replaced();

private:
    friend class AddElementsCommand;
    friend class RemoveElementsCommand;
    friend class ChangeCellsCommand;
    friend class ChangePageSettingsCommand;
    friend class ChangePlacementCommand;
    friend class ChangeSettingsCommand;
    friend class ChangeTextLookCommand;

    struct Element {
        ElementId id = 0;
        Placement placement;
        TextLook look;
        // Null before the panel first saves.
        DesignSettings::File settings;
        std::optional<QPixmap> picture;
        QString pictureAddress;
    };
    // An element out of the design, with the number it had and its record:
    // what a removal takes away and an undo puts back.
    struct Taken {
        Ref at;
        std::vector<std::string> cells;
        Element element;
    };

    std::vector<Element>& ElementsOf(Sort sort) { return sort == Sort::Text ? texts_ : components_; }
    const std::vector<Element>& ElementsOf(Sort sort) const { return sort == Sort::Text ? texts_ : components_; }
    TextTable& LayerOf(Sort sort);
    const TextTable& LayerOf(Sort sort) const;
    static int FirstNumber(Sort sort);
    const Element* Get(ElementId id) const;
    Element* Get(ElementId id);
    // The index from ids to numbers, for the elements of the sort from a
    // number on.
    void Reindex(Sort sort, int from);

    // The steps commands take; each tells the listeners. Elements go back
    // in the order of their numbers, each at its number.
    void PutBack(const std::vector<Taken>& elements);
    std::vector<Taken> Take(const std::vector<ElementId>& ids);
    void ApplyCell(ElementId id, int column, const std::string& text);
    void ApplyPageSettings(const std::vector<std::pair<int, std::string>>& cells);
    void ApplyPlacement(ElementId id, const Placement& placement);
    void ApplyLook(ElementId id, const TextLook& look);
    void ApplySettings(ElementId id, const DesignSettings::File& settings);

    // A new command goes on the stack, inside the edit under way if any.
    void Commit(QUndoCommand* command);
    Taken NewElement(Sort sort, int number, const DesignElement& element);
    // The ids of an element and its companions.
    std::vector<ElementId> WithCompanions(ElementId id) const;
    // Copies of the elements appended, 10 pixels right and down, as one
    // edit; the first one is selected.
    int AppendCopies(const std::vector<DesignElement>& elements, const QString& text);
    void AfterUndoOrRedo(const QString& verb, const QString& text);

    QString programDirectory_;
    ComponentLayer componentLayer_;
    BackgroundLayer backgroundLayer_;
    // By number; the entries before the first number are unused.
    std::vector<Element> components_;
    std::vector<Element> texts_;
    std::unordered_map<ElementId, Ref> index_;
    SelectionModel selection_;
    ElementId nextId_ = 1;
    QPoint componentStart_{-127, 157};
    QPoint textStart_{-72, 110};
    QUndoStack undoStack_;
    // Edits under way, and the name of the one that has not yet made a step.
    int editDepth_ = 0;
    bool macroOpen_ = false;
    QString editText_;
    std::optional<std::vector<std::string>> pagePreview_;
    QPixmap canvasPicture_;
    QString canvasPictureAddress_;
    QString status_;
    std::unique_ptr<SettingsExport> export_;
};

} // namespace morvane
