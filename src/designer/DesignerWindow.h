#pragma once

#include "BackgroundLayer.h"
#include "ComponentLayer.h"
#include "DesignerState.h"
#include "SettingsStore.h"

#include <QColor>
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

    // Start-up after construction: show, create the working directory,
    // maximise and lay out for the screen, open the page settings.
    void Start();

    // Lays the window out for a screen of the given size (W = width,
    // H = height - 40). Called on start-up with the real screen; tests call
    // it with chosen sizes.
    void LayOutForScreen(int screenWidth, int screenHeight);

    // Toolbar actions, also callable directly.
    CanvasElement* AddComponent(const QString& kind);
    CanvasElement* AddText();
    // The menu item "移除": removes the current element.
    void RemoveCurrent();

    // The four hidden template boxes, 0 to 3: page frame, basic-edition
    // wrapper, Tmall preview, market preview.
    void SetTemplateText(int index, const QString& text);
    QString TemplateText(int index) const;

    void SetGuideColour(const QColor& colour);
    QColor GuideColour() const;

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

    struct Private;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplyLayout(int width, int height);
    void OnElementPressed(CanvasElement* element, QMouseEvent* event);
    void OnElementMoved(CanvasElement* element, QMouseEvent* event);
    void OnElementReleased(CanvasElement* element, QMouseEvent* event);
    void SelectComponent();
    void SelectText();
    void PlaceHandles(const CanvasElement* element);
    CanvasElement* NewElement(bool text);
    void Renumber(QList<CanvasElement*>& list);
    void PlaceHorizontalLine();
    void PaintGuides();

    QString programDirectory_;
    ComponentLayer components_;
    BackgroundLayer background_;
    DesignerState state_;
    SettingsStore settings_;
    std::unique_ptr<Private> d_;
};

} // namespace morvane
