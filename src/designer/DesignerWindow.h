#pragma once

#include "Kind.h"

#include <QColor>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

class QLabel;
class QMenu;

namespace morvane {

class CanvasElement;
class DesignDocument;
class DesignerChrome;
class Guides;
class PanelPresenter;
class SelectionFrame;
struct KindInfo;

// The working window: it shows the document's elements on the canvas and
// turns the user's clicks, presses and drags into additions, removals and
// selections. The document owns the design; the window listens to it.
class DesignerWindow : public QWidget {
    Q_OBJECT
public:
    explicit DesignerWindow(DesignDocument& document, QWidget* parent = nullptr);
    ~DesignerWindow() override;

    // Start-up after construction: show, create the working directory,
    // take the screen, open the page settings.
    void Start();
    // Lays the window out for a screen of the given size (W = width,
    // H = height - 40). Tests call it with chosen sizes.
    void LayOutForScreen(int screenWidth, int screenHeight);

    // The toolbar's actions, also callable directly. A kind added only with
    // its owner (an arrow) is refused: nullptr.
    CanvasElement* AddComponent(Kind kind);
    CanvasElement* AddText();
    // The menu item "移除": removes the current element.
    void RemoveCurrent();
    // Hides the selection frame and closes every component panel.
    void Deselect();

    void SetGuideColour(const QColor& colour);

    // The panel set; the window does not own it. nullptr restores the
    // presenter that does nothing.
    void SetPanelPresenter(PanelPresenter* presenter);

    DesignDocument& Document() const { return document_; }

signals:
    void GenerateRequested();
    void PreviewRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ApplyLayout(int width, int height);
    void ApplyCanvas();
    CanvasElement* NewElement(Sort sort);
    CanvasElement* AddElementOf(const KindInfo& kind);
    void OnElementPressed(CanvasElement* element, QMouseEvent* event);
    void OnElementMoved(CanvasElement* element, QMouseEvent* event);
    void OnElementReleased(CanvasElement* element, QMouseEvent* event);
    void SelectComponent(CanvasElement* element);
    void SelectText(CanvasElement* element);
    void ReportRemoval(const std::vector<std::string>& unmovedFiles);
    // Where a dragged element may go: somewhere a part of it can still be
    // grabbed.
    QPoint KeepGrabbable(QPoint position, QSize size) const;

    DesignDocument& document_;
    std::unique_ptr<PanelPresenter> nullPresenter_;
    PanelPresenter* presenter_ = nullptr;
    DesignerChrome* chrome_ = nullptr;
    Guides* guides_ = nullptr;
    SelectionFrame* frame_ = nullptr;
    QLabel* canvas_ = nullptr;
    CanvasElement* prototype_ = nullptr;
    CanvasElement* textPrototype_ = nullptr;
    QMenu* menu_ = nullptr;
    // Dragging an element: where the mouse and the element were at the press.
    QPointer<CanvasElement> dragged_;
    QPoint dragPressGlobal_;
    QPoint dragStart_;
};

} // namespace morvane
