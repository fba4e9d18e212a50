#pragma once

#include "BackgroundLayer.h"
#include "ComponentLayer.h"
#include "Design.h"
#include "DesignElement.h"
#include "DesignerState.h"
#include "Kind.h"
#include "Placement.h"
#include "SettingsStore.h"
#include "TextLook.h"

#include <QColor>
#include <QObject>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QUndoStack>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace morvane {

class EditMacro;

// Stays with an element while renumbering moves it: panels and picture
// downloads know their element by it. 0 is no element.
using ElementId = std::uint64_t;

// The one owner of a design: both layers, the settings files (written
// through to the working folder), every element's place, visibility, text
// look and shown picture, and the selection. Every change of the design is
// a command on its undo stack; views and panels only read it and listen to
// its signals, and none of them reaches into another's widgets. It needs no
// window: tests drive it alone.
class DesignDocument : public QObject {
    Q_OBJECT
public:
    // programDirectory: where "bj" and "yl.htm" live.
    explicit DesignDocument(const QString& programDirectory, QObject* parent = nullptr);
    ~DesignDocument() override;

    const ComponentLayer& Components() const { return components_; }
    const BackgroundLayer& Background() const { return background_; }
    const SettingsStore& Settings() const { return settings_; }
    const DesignerState& State() const { return state_; }
    QString ProgramDirectory() const { return programDirectory_; }
    QUndoStack& UndoStack() { return undoStack_; }

    // Records. Reads outside the tables give empty text.
    QString ComponentCell(int row, int column) const;
    QString TextCell(int row, int column) const;
    QString Cell(Sort sort, int row, int column) const;
    QString PageSetting(int column) const;
    void SetComponentCell(int row, int column, const QString& text);
    void SetTextCell(int row, int column, const QString& text);
    // Several cells of one record in one step.
    void SetCells(Sort sort, int row, const std::vector<std::pair<int, QString>>& cells);
    // Commits the page settings: every cell given, then one signal.
    void SetPageSettings(const std::vector<std::pair<int, QString>>& cells);

    // Elements. Components are numbered from 2, texts from 1; number,
    // record row and list position always agree.
    int Count(Sort sort) const;
    bool Exists(Sort sort, int number) const;
    // The kind of an element: from column 0 of its record, Text for texts;
    // nullopt for anything else.
    std::optional<Kind> KindAt(Sort sort, int number) const;
    ElementId IdOf(Sort sort, int number) const;
    struct Ref {
        Sort sort = Sort::Component;
        int number = 0;
    };
    // Where an element stands now; nullopt once it is gone.
    std::optional<Ref> Find(ElementId id) const;
    const Placement& PlacementOf(Sort sort, int number) const;
    const TextLook& LookOf(int textNumber) const;
    // The picture fetched for an element; nullopt while it shows its kind's
    // placeholder, a null pixmap when nothing usable arrived.
    const std::optional<QPixmap>& PictureOf(Sort sort, int number) const;
    // The address the shown picture came from.
    QString PictureAddressOf(Sort sort, int number) const;
    // The element with its record and settings file, as copies carry it.
    DesignElement ElementAt(Sort sort, int number) const;

    // The whole design, as a design file keeps it.
    Design Snapshot() const;
    // Puts a whole design in place of the open one, settings files
    // included, with a fresh undo history: opening a file, 新建 (an empty
    // design) and restoring an autosave. Not an edit: it cannot be undone.
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

    // Edits, each one command (or one step of the edit under way).
    // Appends a component of the kind with its companions; returns its
    // number, 0 for a kind that only comes with its owner.
    int AddComponent(Kind kind);
    int AddText();
    // "移除": a companion only hides its owner's companions; anything else
    // goes with its companions, the later elements renumbered.
    void Remove(Sort sort, int number);
    // A copy 10 pixels right and down, as the next number, with its record
    // and settings file; a saved copy stores its new place. Returns the
    // copy's number, 0 when there is nothing to copy.
    int Duplicate(Sort sort, int number);
    // Appends copies of elements (each with its companions, as given),
    // 10 pixels right and down from where they stood; returns how many
    // elements were added.
    int Paste(const std::vector<DesignElement>& elements);
    // Edits that arrive in steps (a drag, a handle, typing into a panel's
    // geometry fields, a run of nudges) merge into one when they share a
    // merge key; 0 never merges.
    using MergeKey = std::uint64_t;
    static MergeKey NewMergeKey();
    // A carousel takes its arrows along by the change of its left and top.
    void SetPlacement(Sort sort, int number, Placement placement, MergeKey merge = 0);
    void MoveBy(Sort sort, int number, QPoint delta, MergeKey merge);
    void SetTextLook(int number, const TextLook& look, MergeKey merge = 0);
    // Sets the keys in the element's settings file, keeping every other
    // line. False, with nothing changed, when the file cannot be written.
    bool WriteSettings(Sort sort, int number, const std::vector<std::pair<std::string, std::string>>& keys);
    // Several edits as one step, named for the status bar; they nest.
    void BeginEdit(const QString& text);
    void EndEdit();

    // Not edits of the design: the picture that arrived for an element, or
    // its kind's placeholder again (nullopt).
    void SetPicture(ElementId id, std::optional<QPixmap> picture, const QString& address);

    // Undo and redo, telling the status bar what was undone or redone.
    void Undo();
    void Redo();

    // Selection. Every selection, also of the element already selected,
    // is signalled: panels load again at each.
    void Select(Sort sort, int number);
    // Nothing is selected: the frame hides, the component panels close.
    void ClearSelection();

    // What the canvas shows while the page settings are edited.
    struct CanvasLook {
        QSize size{950, 510};
        // The module width the page settings show; a module wider than 950
        // pixels is centred in the window.
        int moduleWidth = 950;
        QColor colour{Qt::white};
        QPixmap picture;
        bool visible = true;
    };
    const CanvasLook& Canvas() const { return canvas_; }
    void SetCanvasSize(QSize size, int moduleWidth);
    void SetCanvasColour(const QColor& colour);
    void SetCanvasPicture(const QPixmap& picture);
    void SetCanvasVisible(bool visible);

    // Every message to the user goes through here.
    void ShowStatus(const QString& text);
    QString StatusText() const { return status_; }

    // Drops the selection and closes the component panels (after a
    // generation run, for instance).
    void RequestDeselect();

signals:
    void ElementsInserted(morvane::Sort sort, int first, int count);
    void ElementsRemoved(morvane::Sort sort, int first, int count);
    // A cell of a record; row 0 of the texts' layer is the page settings.
    void RecordChanged(morvane::Sort sort, int row, int column);
    // Place or visibility.
    void PlacementChanged(morvane::Sort sort, int number);
    // A text's look or an element's picture.
    void LookChanged(morvane::Sort sort, int number);
    void SettingsChanged(morvane::Sort sort, int number);
    void SelectionChanged();
    void PageSettingsChanged();
    void StatusShown(const QString& text);
    void CanvasChanged();
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
    friend class ChangeTextLookCommand;
    friend class WriteSettingsCommand;

    struct Element {
        ElementId id = 0;
        Placement placement;
        TextLook look;
        std::optional<QPixmap> picture;
        QString pictureAddress;
    };
    // What a removal takes away and an undo puts back.
    struct Taken {
        ElementId id = 0;
        DesignElement element;
        std::optional<QPixmap> picture;
        QString pictureAddress;
    };

    std::vector<Element>& ElementsOf(Sort sort) { return sort == Sort::Text ? textElements_ : componentElements_; }
    const std::vector<Element>& ElementsOf(Sort sort) const
    {
        return sort == Sort::Text ? textElements_ : componentElements_;
    }
    TextTable& LayerOf(Sort sort);
    const TextTable& LayerOf(Sort sort) const;
    static int FirstNumber(Sort sort);
    std::vector<std::optional<Kind>> KindsOf(Sort sort) const;

    // The steps commands take; each tells the listeners.
    void InsertElements(Sort sort, int first, const std::vector<Taken>& elements);
    std::vector<Taken> TakeElements(Sort sort, int first, int count);
    void ApplyCell(Sort sort, int row, int column, const std::string& text);
    void ApplyPageSettings(const std::vector<std::pair<int, std::string>>& cells);
    void ApplyPlacement(Sort sort, int number, const Placement& placement);
    void ApplyLook(int number, const TextLook& look);
    bool ApplySettings(Sort sort, int number, const std::optional<std::string>& bytes);

    // A new command goes on the stack, or into the edit under way, which
    // applies it at once.
    void Commit(QUndoCommand* command);
    QUndoCommand* EditParent() const;
    Taken NewElement(Sort sort, std::vector<std::string> cells, Placement placement);
    void ReportUnmoved(const std::vector<std::string>& unmovedFiles);
    // Numbers of the selection and the counters after the lists changed.
    void UpdateState();
    // Copies of the elements appended, 10 pixels right and down, as one
    // edit; the first one is selected.
    int AppendCopies(const std::vector<DesignElement>& elements, const QString& text);
    void AfterUndoOrRedo(const QString& verb, const QString& text);

    QString programDirectory_;
    ComponentLayer components_;
    BackgroundLayer background_;
    SettingsStore settings_;
    DesignerState state_;
    // By number; the entries before the first number are unused.
    std::vector<Element> componentElements_;
    std::vector<Element> textElements_;
    ElementId nextId_ = 1;
    ElementId currentComponentId_ = 0;
    ElementId currentTextId_ = 0;
    QPoint componentStart_{-127, 157};
    QPoint textStart_{-72, 110};
    QUndoStack undoStack_;
    EditMacro* macro_ = nullptr;
    // What the last renumbering could not move.
    std::vector<std::string> lastUnmoved_;
    int macroDepth_ = 0;
    CanvasLook canvas_;
    QString status_;
};

} // namespace morvane
