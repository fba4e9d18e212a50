#pragma once

#include "DesignerLayout.h"
#include "ElementId.h"
#include "Kind.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>

class QLabel;
class QMenu;

namespace morvane {

class CanvasElement;
class CanvasKeys;
class DesignDocument;
class DesignerChrome;
class Guides;
class PanelPresenter;
class SelectionFrame;

// The working window: it shows the document's elements on the canvas, one
// view each, and turns the user's clicks, presses, drags and keys into
// edits and selections of the document. The document owns the design; the
// window listens to it.
class DesignerWindow : public QWidget {
    Q_OBJECT
public:
    // The canvas top in window coordinates; "距顶" is measured from it.
    static constexpr int CanvasTop = DesignerLayout::CanvasTop;

    explicit DesignerWindow(DesignDocument& document, QWidget* parent = nullptr);
    ~DesignerWindow() override;

    // Start-up after construction: show, take the screen, open the page
    // settings.
    void Start();
    // Lays the window out for a screen of the given size (W = width,
    // H = height - 40). Tests call it with chosen sizes.
    void LayOutForScreen(int screenWidth, int screenHeight);

    // Where the canvas's 0, 0 lies in the window: "距左" is measured from
    // the left guide line, "距顶" from CanvasTop.
    QPoint CanvasOrigin() const { return {canvasOriginX_, CanvasTop}; }

    // The view of an element; nullptr for none.
    CanvasElement* View(ElementId id) const;

    // The panel set; the window does not own it. nullptr restores the
    // presenter that does nothing.
    void SetPanelPresenter(PanelPresenter* presenter);

    DesignDocument& Document() const { return document_; }
    DesignerChrome& Chrome() const { return *chrome_; }

    // Asked before the window closes, by its button or the window manager;
    // false keeps it open. A termination signal does not ask.
    void SetCloseGuard(std::function<bool()> guard) { closeGuard_ = std::move(guard); }

signals:
    void GenerateRequested();
    void PreviewRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ApplyLayout(int width, int height);
    // The canvas as the page settings shown make it.
    void ApplyCanvas();
    QList<CanvasElement*>& ViewsOf(Sort sort) { return sort == Sort::Text ? textViews_ : componentViews_; }
    void OnInserted(Sort sort, int first, int count);
    void OnRemoved(Sort sort, int first, int count);
    void Renumber(Sort sort, int from);
    void Sync(ElementId id);
    void SyncAll();
    // The menu item "移除": removes the selected element.
    void RemoveCurrent();
    void OnElementPressed(CanvasElement* element, QMouseEvent* event);
    void OnElementMoved(CanvasElement* element, QMouseEvent* event);
    void OnElementReleased(CanvasElement* element, QMouseEvent* event);
    // The dragged element to the window position the mouse gives it.
    void DragTo(CanvasElement* element, QMouseEvent* event);
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
    std::unique_ptr<CanvasKeys> keys_;
    int canvasOriginX_ = 136;
    int canvasHeight_ = 510;
    // The last colour the page settings shown named; a text that names
    // none leaves the canvas in it.
    QColor canvasColour_{Qt::white};
    // In the order of the design: position n (counted from 1) holds the
    // view of number n; position 1 of the components is the hidden
    // prototype.
    QList<CanvasElement*> componentViews_;
    QList<CanvasElement*> textViews_;
    QHash<ElementId, CanvasElement*> views_;
    // Dragging an element: where the mouse and the element were at the press.
    QPointer<CanvasElement> dragged_;
    QPoint dragPressGlobal_;
    QPoint dragStart_;
    std::uint64_t dragMerge_ = 0;
    std::function<bool()> closeGuard_;
    // The guard has been asked for this close already.
    bool closeAllowed_ = false;
};

} // namespace morvane
