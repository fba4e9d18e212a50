#pragma once

#include "BackgroundLayer.h"
#include "ComponentLayer.h"
#include "DesignerState.h"
#include "SettingsStore.h"

#include <QString>
#include <QWidget>

#include <memory>

class QLabel;

namespace morvane {

class CanvasElement;
class PanelPresenter;

// The working window: toolbar, canvas, ruler and guides, status bar, and the
// hidden tables of the design. It owns everything of a run. Panels reach the
// design only through the public operations below.
class DesignerWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int CanvasTop = 90;

    // programDirectory: where "bj" and "yl.htm" live (the executable's
    // directory in the program, a temporary directory in tests).
    explicit DesignerWindow(const QString& programDirectory, QWidget* parent = nullptr);
    ~DesignerWindow() override;

    // Lays the window out for a screen of the given size (W = width,
    // H = height - 40). Called on start-up with the real screen; tests call
    // it with chosen sizes.
    void LayOutForScreen(int screenWidth, int screenHeight);

    ComponentLayer& Components() { return components_; }
    BackgroundLayer& Background() { return background_; }
    DesignerState& State() { return state_; }
    const SettingsStore& Settings() const { return settings_; }
    QString ProgramDirectory() const { return programDirectory_; }

    // x of the left guide line; the canvas origin is (CanvasOriginX(), 90).
    int CanvasOriginX() const;
    // The canvas label "标签_背景"; the page settings panel sizes, colours
    // and pictures it.
    QLabel* Canvas() const;

    void ShowStatus(const QString& text);
    QString StatusText() const;
    // Hide the selection frame and close every component panel.
    void Deselect();
    // Re-place the selection frame around the current element (after a
    // panel moved or resized it).
    void UpdateSelectionFrame();

    // The panel set; the window does not own it. nullptr restores the
    // presenter that does nothing.
    void SetPanelPresenter(PanelPresenter* presenter);
    PanelPresenter& Presenter() const;

    // ... the rest is private to the designer.
    struct Private;

private:
    QString programDirectory_;
    ComponentLayer components_;
    BackgroundLayer background_;
    DesignerState state_;
    SettingsStore settings_;
    std::unique_ptr<Private> d_;
};

} // namespace morvane
