#include "DesignerWindow.h"

#include "Artwork.h"
#include "CanvasElement.h"
#include "CanvasKeys.h"
#include "DesignDocument.h"
#include "DesignerChrome.h"
#include "DesignerLayout.h"
#include "Guides.h"
#include "Lenient.h"
#include "PageSettings.h"
#include "PanelPresenter.h"
#include "SelectionFrame.h"
#include "SettingsExport.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace morvane {

namespace {

// However far an element is dragged, this much of it stays in the window
// to be grabbed again.
constexpr int kGrabbable = 16;
constexpr int kStandardModuleWidth = 950;
// Where the prototypes stand, in window coordinates: every new element
// starts there, beside the canvas.
constexpr QPoint kComponentStart{9, 247};
constexpr QPoint kTextStart{64, 200};

int ToInt(const QString& text)
{
    return Lenient::ToInt(text.toStdString());
}

class NullPresenter : public PanelPresenter {
public:
    void OpenPageSettings() override {}
};

} // namespace

DesignerWindow::DesignerWindow(DesignDocument& document, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint), document_(document), nullPresenter_(std::make_unique<NullPresenter>()),
      presenter_(nullPresenter_.get()), keys_(std::make_unique<CanvasKeys>(document))
{
    setObjectName(QStringLiteral("DesignerWindow"));
    setWindowTitle(QStringLiteral("Morvane"));
    // The keys of the canvas (Delete, arrows, copy and paste) reach the
    // window unless the user has clicked into a field.
    setFocusPolicy(Qt::StrongFocus);
    resize(1200, 650);

    // Creation order is stacking order: chrome, canvas and guides lie below
    // every element added later.
    chrome_ = new DesignerChrome(this);
    chrome_->ShowStatus(document_.StatusText());
    canvas_ = new QLabel(this);
    canvas_->setObjectName(QStringLiteral("标签_背景"));
    canvas_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    canvas_->setAutoFillBackground(true);
    guides_ = new Guides(this, chrome_->Toolbar());
    chrome_->StatusBar()->raise();

    prototype_ = new CanvasElement(Sort::Component, 0, this);
    prototype_->setObjectName(QStringLiteral("图片框1"));
    prototype_->setGeometry(QRect(kComponentStart, QSize(120, 120)));
    prototype_->SetNumber(1);
    prototype_->SetPicture(Artwork::Placeholder(std::nullopt));
    prototype_->hide();
    textPrototype_ = new CanvasElement(Sort::Text, 0, this);
    textPrototype_->setObjectName(QStringLiteral("透明标签1"));
    textPrototype_->setGeometry(QRect(kTextStart, QSize(56, 16)));
    textPrototype_->hide();
    componentViews_ = {prototype_};

    menu_ = new QMenu(QStringLiteral("菜单"), this);
    menu_->setObjectName(QStringLiteral("菜单"));
    connect(menu_->addAction(QStringLiteral("移除")), &QAction::triggered, this, &DesignerWindow::RemoveCurrent);

    // Undo and redo wherever the focus is, in the designer or a panel; a
    // text field takes them for its own typing.
    auto* undo = new QAction(QStringLiteral("撤销"), this);
    undo->setObjectName(QStringLiteral("动作_撤销"));
    undo->setShortcut(QKeySequence::Undo);
    undo->setShortcutContext(Qt::ApplicationShortcut);
    connect(undo, &QAction::triggered, &document_, &DesignDocument::Undo);
    addAction(undo);
    auto* redo = new QAction(QStringLiteral("重做"), this);
    redo->setObjectName(QStringLiteral("动作_重做"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    redo->setShortcutContext(Qt::ApplicationShortcut);
    connect(redo, &QAction::triggered, &document_, &DesignDocument::Redo);
    addAction(redo);

    connect(chrome_, &DesignerChrome::AddRequested, this, [this](Kind kind) {
        if (kind == Kind::Text)
            document_.AddText();
        else
            document_.AddComponent(kind);
    });
    connect(chrome_, &DesignerChrome::PageSettingsRequested, this, [this] {
        presenter_->OpenPageSettings();
        document_.ShowStatus(QStringLiteral("模块尺寸为必须填写，如果需要透明背景，请删除背景颜色和背景图地址，"
                                            "所有数据修改完成后请点击 保存设置..."));
    });
    connect(chrome_, &DesignerChrome::GenerateRequested, this, &DesignerWindow::GenerateRequested);
    connect(chrome_, &DesignerChrome::PreviewRequested, this, &DesignerWindow::PreviewRequested);
    connect(chrome_, &DesignerChrome::MinimiseRequested, this, [this] {
        document_.ClearSelection();
        showMinimized();
    });
    connect(chrome_, &DesignerChrome::CloseRequested, this, [this] {
        // Only this button ends the run's settings; other ways of closing
        // leave them for the next start.
        if (closeGuard_ && !closeGuard_())
            return;
        closeAllowed_ = true;
        document_.Export().DeleteWorkingFolder();
        close();
    });
    connect(guides_, &Guides::StatusShown, &document_, &DesignDocument::ShowStatus);

    // The views follow the document; the frame, made after these, follows
    // the views.
    connect(&document_, &DesignDocument::ElementsInserted, this, &DesignerWindow::OnInserted);
    connect(&document_, &DesignDocument::ElementsRemoved, this, &DesignerWindow::OnRemoved);
    connect(&document_, &DesignDocument::PlacementChanged, this, &DesignerWindow::Sync);
    connect(&document_, &DesignDocument::LookChanged, this, &DesignerWindow::Sync);
    // A record's kind word decides its placeholder.
    connect(&document_, &DesignDocument::RecordChanged, this, [this](ElementId id, int column) {
        if (column == 0)
            Sync(id);
    });
    connect(&document_, &DesignDocument::StatusShown, chrome_, &DesignerChrome::ShowStatus);
    connect(&document_, &DesignDocument::PageSettingsChanged, this, &DesignerWindow::ApplyCanvas);
    connect(&document_, &DesignDocument::CanvasChanged, this, &DesignerWindow::ApplyCanvas);
    frame_ = new SelectionFrame(this, document_, [this](ElementId id) { return View(id); });

    ApplyLayout(width(), height());
}

DesignerWindow::~DesignerWindow() = default;

void DesignerWindow::Start()
{
    show();
    const QRect screenArea = screen() ? screen()->geometry() : QRect(0, 0, 1200, 690);
    move(screenArea.topLeft());
    LayOutForScreen(screenArea.width(), screenArea.height());
    presenter_->OpenPageSettings();
    setFocus();
}

void DesignerWindow::LayOutForScreen(int screenWidth, int screenHeight)
{
    resize(screenWidth, screenHeight - 40);
    ApplyLayout(screenWidth, screenHeight - 40);
}

void DesignerWindow::resizeEvent(QResizeEvent*)
{
    ApplyLayout(width(), height());
}

void DesignerWindow::ApplyLayout(int width, int height)
{
    const DesignerLayout layout = DesignerLayout::Compute(width, height);
    chrome_->LayOut(layout);
    guides_->LayOut(layout);
    canvasOriginX_ = layout.canvasOrigin;
    canvasHeight_ = layout.canvasHeight;
    document_.SetStartPlaces(kComponentStart - CanvasOrigin(), kTextStart - CanvasOrigin());
    presenter_->SetCanvasOrigin(CanvasOrigin());
    SyncAll();
    ApplyCanvas();
}

void DesignerWindow::ApplyCanvas()
{
    using P = PageSettings;
    const auto shown = [this](int column) { return document_.ShownPageSetting(column); };
    // Sizes not yet set take the values the page settings panel fills in.
    const QString widthText = shown(P::Width).isEmpty() ? QString::number(kStandardModuleWidth) : shown(P::Width);
    const int moduleWidth = ToInt(widthText);
    const int height = shown(P::Height).isEmpty() ? canvasHeight_ : ToInt(shown(P::Height));
    // A module wider than the platform's standard one is centred in the
    // window; a narrower one starts at the origin positions refer to.
    const int left = moduleWidth > kStandardModuleWidth
                         ? static_cast<int>(std::trunc(width() / 2.0 - moduleWidth / 2.0))
                         : canvasOriginX_;
    canvas_->setGeometry(left, CanvasTop, std::max(moduleWidth, 0), std::max(height, 0));
    if (const QColor named(shown(P::BackColour)); named.isValid())
        canvasColour_ = named;
    QPalette palette = canvas_->palette();
    palette.setColor(QPalette::Window, canvasColour_);
    canvas_->setPalette(palette);
    const QString picture = shown(P::BackPicture);
    canvas_->setPixmap(!picture.isEmpty() && document_.CanvasPictureAddress() == picture ? document_.CanvasPicture()
                                                                                         : QPixmap());
    // Neither colour nor picture: a transparent module, no canvas.
    canvas_->setVisible(!shown(P::BackColour).isEmpty() || !picture.isEmpty());
}

void DesignerWindow::SetPanelPresenter(PanelPresenter* presenter)
{
    presenter_ = presenter ? presenter : nullPresenter_.get();
    presenter_->SetCanvasOrigin(CanvasOrigin());
}

CanvasElement* DesignerWindow::View(ElementId id) const
{
    return views_.value(id, nullptr);
}

void DesignerWindow::OnInserted(Sort sort, int first, int count)
{
    QList<CanvasElement*>& views = ViewsOf(sort);
    const CanvasElement* prototype = sort == Sort::Text ? textPrototype_ : prototype_;
    for (int i = 0; i < count; ++i) {
        const ElementId id = document_.IdAt(sort, first + i);
        auto* view = new CanvasElement(sort, id, this);
        view->setFont(prototype->font());
        connect(view, &CanvasElement::Pressed, this, &DesignerWindow::OnElementPressed);
        connect(view, &CanvasElement::Moved, this, &DesignerWindow::OnElementMoved);
        connect(view, &CanvasElement::Released, this, &DesignerWindow::OnElementReleased);
        views.insert(first - 1 + i, view);
        views_.insert(id, view);
    }
    Renumber(sort, first);
    // The stacking is the generated code's: components in their order, and
    // every text above every component.
    for (int i = count - 1; i >= 0; --i) {
        CanvasElement* view = views[first - 1 + i];
        if (first + i < views.size())
            view->stackUnder(views[first + i]);
        else if (sort == Sort::Component && !textViews_.isEmpty())
            view->stackUnder(textViews_.first());
        else
            view->raise();
        view->Sync(document_, CanvasOrigin());
    }
    frame_->Follow();
}

void DesignerWindow::OnRemoved(Sort sort, int first, int count)
{
    QList<CanvasElement*>& views = ViewsOf(sort);
    for (int i = 0; i < count && first - 1 < views.size(); ++i) {
        CanvasElement* view = views.takeAt(first - 1);
        views_.remove(view->Id());
        if (view == dragged_)
            dragged_ = nullptr;
        delete view;
    }
    Renumber(sort, first);
    frame_->Follow();
}

void DesignerWindow::Renumber(Sort sort, int from)
{
    QList<CanvasElement*>& views = ViewsOf(sort);
    for (int i = std::max(from - 1, 0); i < views.size(); ++i)
        views[i]->SetNumber(i + 1);
}

void DesignerWindow::Sync(ElementId id)
{
    if (CanvasElement* view = View(id))
        view->Sync(document_, CanvasOrigin());
}

void DesignerWindow::SyncAll()
{
    for (CanvasElement* view : std::as_const(views_))
        view->Sync(document_, CanvasOrigin());
    if (frame_)
        frame_->Follow();
}

void DesignerWindow::RemoveCurrent()
{
    document_.Remove(document_.Selection().Current());
}

void DesignerWindow::OnElementPressed(CanvasElement* element, QMouseEvent* event)
{
    const bool left = event->button() == Qt::LeftButton;
    if (!left && event->button() != Qt::RightButton)
        return;
    // The canvas keys act on what was just pressed, whatever field had the
    // focus before.
    setFocus();
    if (!element->IsText()) {
        if (left) {
            document_.ClearSelection();
            document_.ShowStatus(QStringLiteral("可拖动图片四周方格或设置左侧属性值对图片尺寸进行缩放调节，"
                                                "在图片中间按住鼠标左键拖动或设置左侧对应属性值可移动图片位置..."));
        } else {
            document_.Select(element->Id());
            return;
        }
    } else if (!left) {
        document_.Select(element->Id());
        menu_->popup(event->globalPosition().toPoint());
        return;
    }
    // Pressing does not raise the element: the stacking stays the one the
    // generated code will have.
    dragged_ = element;
    dragPressGlobal_ = event->globalPosition().toPoint();
    dragStart_ = element->pos();
    dragMerge_ = DesignDocument::NewMergeKey();
}

QPoint DesignerWindow::KeepGrabbable(QPoint position, QSize size) const
{
    const int grabX = std::min(kGrabbable, size.width());
    const int grabY = std::min(kGrabbable, size.height());
    return {std::clamp(position.x(), std::min(grabX - size.width(), width() - grabX), width() - grabX),
            std::clamp(position.y(), std::min(grabY - size.height(), height() - grabY), height() - grabY)};
}

void DesignerWindow::DragTo(CanvasElement* element, QMouseEvent* event)
{
    const QPoint target =
        KeepGrabbable(dragStart_ + event->globalPosition().toPoint() - dragPressGlobal_, element->size());
    Placement placement = document_.PlacementOf(element->Id());
    placement.left = target.x() - canvasOriginX_;
    placement.top = target.y() - CanvasTop;
    document_.SetPlacement(element->Id(), placement, dragMerge_);
}

void DesignerWindow::OnElementMoved(CanvasElement* element, QMouseEvent* event)
{
    if (dragged_ == element)
        DragTo(element, event);
}

void DesignerWindow::OnElementReleased(CanvasElement* element, QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && dragged_ == element) {
        DragTo(element, event);
        dragged_ = nullptr;
        document_.Select(element->Id());
        return;
    }
    if (event->button() == Qt::RightButton && !element->IsText())
        menu_->popup(event->globalPosition().toPoint());
}

void DesignerWindow::keyPressEvent(QKeyEvent* event)
{
    if (!keys_->Handle(*event))
        QWidget::keyPressEvent(event);
}

void DesignerWindow::mouseReleaseEvent(QMouseEvent* event)
{
    // Only the background and the canvas deselect; the toolbar, the logo,
    // the ruler and the status bar are no place to lose a panel's edits.
    if (event->button() != Qt::LeftButton)
        return;
    QWidget* under = childAt(event->position().toPoint());
    if (!under || under == canvas_) {
        document_.ClearSelection();
        setFocus();
    }
}

void DesignerWindow::closeEvent(QCloseEvent* event)
{
    if (!closeAllowed_ && closeGuard_ && !closeGuard_()) {
        event->ignore();
        return;
    }
    closeAllowed_ = false;
    QWidget::closeEvent(event);
    // However the window is closed, the program ends with it, panels open
    // or not.
    QCoreApplication::exit(0);
}

void DesignerWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QLinearGradient g(0, 90, 0, height());
    g.setColorAt(0, QColor(232, 235, 240));
    g.setColorAt(1, QColor(214, 219, 227));
    p.fillRect(rect(), g);
    // A light dot grid outside the canvas, so the work area reads as a desk.
    p.setPen(QColor(200, 205, 214));
    for (int y = 100; y < height() - 20; y += 20)
        for (int x = 10; x < width(); x += 20)
            p.drawPoint(x, y);
}

} // namespace morvane
