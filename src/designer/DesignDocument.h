#pragma once

#include "BackgroundLayer.h"
#include "ComponentLayer.h"
#include "DesignerState.h"
#include "Kind.h"
#include "SettingsStore.h"

#include <QColor>
#include <QObject>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

namespace morvane {

class CanvasElement;

// The one owner of a design: both layers, the settings files, the elements
// with their numbers, and the selection. The window, the panels and the
// generation side all work on it; it tells them of every change through its
// signals, and none of them reaches into another's widgets.
class DesignDocument : public QObject {
    Q_OBJECT
public:
    // The canvas top in window coordinates; "距顶" is measured from it.
    static constexpr int CanvasTop = 90;

    // programDirectory: where "bj" and "yl.htm" live.
    explicit DesignDocument(const QString& programDirectory, QObject* parent = nullptr);
    ~DesignDocument() override;

    const ComponentLayer& Components() const { return components_; }
    const BackgroundLayer& Background() const { return background_; }
    const SettingsStore& Settings() const { return settings_; }
    const DesignerState& State() const { return state_; }
    QString ProgramDirectory() const { return programDirectory_; }

    // Records. Reads outside the tables give empty text.
    QString ComponentCell(int row, int column) const;
    QString TextCell(int row, int column) const;
    QString PageSetting(int column) const;
    void SetComponentCell(int row, int column, const QString& text);
    void SetTextCell(int row, int column, const QString& text);
    // Commits the page settings: every cell given, then one signal.
    void SetPageSettings(const std::vector<std::pair<int, QString>>& cells);
    // The kind of an element: from column 0 of its record, Text for texts;
    // nullopt for the prototype, a removed element or a record holding no
    // kind word.
    std::optional<Kind> KindOf(const CanvasElement* element) const;

    // Elements and their numbers. Number, record row, element tag and list
    // position always agree.
    void SetPrototype(CanvasElement* prototype);
    // Appends the element and a record of the kind; returns its number.
    int AddComponent(Kind kind, CanvasElement* element);
    int AddText(CanvasElement* element);
    struct Removal {
        // Out of the lists and tables; the caller destroys them.
        QList<CanvasElement*> elements;
        // Settings files that could not follow their components.
        std::vector<std::string> unmovedFiles;
    };
    // Removes count components from number on, renumbering the rest. Each
    // later component keeps its own settings file under its new number.
    Removal RemoveComponents(int number, int count);
    Removal RemoveText(int number);

    // Selection.
    void SelectComponent(CanvasElement* element);
    void SelectText(CanvasElement* element);
    void SetPressPosition(QPoint position);

    // The canvas frame of reference, set by the window's layout: "距左" is
    // measured from CanvasOriginX(), "距顶" from CanvasTop.
    int CanvasOriginX() const { return canvasOriginX_; }
    QSize ViewSize() const { return viewSize_; }
    void SetView(int canvasOriginX, QSize viewSize);

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

    // Asks whoever shows the selection to drop it and close the component
    // panels (after a generation run, for instance).
    void RequestDeselect();

signals:
    void SelectionChanged();
    void PageSettingsChanged();
    void RecordChanged(morvane::Sort sort, int row);
    void StatusShown(const QString& text);
    void CanvasChanged();
    void DeselectRequested();

private:
    QString programDirectory_;
    ComponentLayer components_;
    BackgroundLayer background_;
    SettingsStore settings_;
    DesignerState state_;
    int canvasOriginX_ = 136;
    QSize viewSize_{1200, 650};
    CanvasLook canvas_;
    QString status_;
};

} // namespace morvane
