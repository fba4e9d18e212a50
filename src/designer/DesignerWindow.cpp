#include "DesignerWindow.h"

#include "Artwork.h"
#include "CanvasElement.h"
#include "DesignDocument.h"
#include "DesignerChrome.h"
#include "DesignerLayout.h"
#include "Guides.h"
#include "KindTable.h"
#include "KindWords.h"
#include "PanelPresenter.h"
#include "SelectionFrame.h"

#include <QAction>
#include <QCoreApplication>
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

class NullPresenter : public PanelPresenter {
public:
    void Present(CanvasElement*) override {}
    void CloseComponentPanels() override {}
    void OpenPageSettings() override {}
};

} // namespace

DesignerWindow::DesignerWindow(DesignDocument& document, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint), document_(document), nullPresenter_(std::make_unique<NullPresenter>()),
      presenter_(nullPresenter_.get())
{
    setObjectName(QStringLiteral("DesignerWindow"));
    setWindowTitle(QStringLiteral("Morvane"));
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
    frame_ = new SelectionFrame(this);

    prototype_ = new CanvasElement(Sort::Component, this);
    prototype_->setObjectName(QStringLiteral("图片框1"));
    prototype_->setGeometry(9, 247, 120, 120);
    prototype_->SetPicture(Artwork::Placeholder(std::nullopt));
    prototype_->hide();
    textPrototype_ = new CanvasElement(Sort::Text, this);
    textPrototype_->setObjectName(QStringLiteral("透明标签1"));
    textPrototype_->setGeometry(64, 200, 56, 16);
    textPrototype_->hide();
    document_.SetPrototype(prototype_);

    menu_ = new QMenu(QStringLiteral("菜单"), this);
    menu_->setObjectName(QStringLiteral("菜单"));
    connect(menu_->addAction(QStringLiteral("移除")), &QAction::triggered, this, &DesignerWindow::RemoveCurrent);

    connect(chrome_, &DesignerChrome::AddRequested, this, [this](Kind kind) {
        if (kind == Kind::Text)
            AddText();
        else
            AddComponent(kind);
    });
    connect(chrome_, &DesignerChrome::PageSettingsRequested, this, [this] {
        presenter_->OpenPageSettings();
        document_.ShowStatus(QStringLiteral("模块尺寸为必须填写，如果需要透明背景，请删除背景颜色和背景图地址，"
                                            "所有数据修改完成后请点击 保存设置..."));
    });
    connect(chrome_, &DesignerChrome::GenerateRequested, this, &DesignerWindow::GenerateRequested);
    connect(chrome_, &DesignerChrome::PreviewRequested, this, &DesignerWindow::PreviewRequested);
    connect(chrome_, &DesignerChrome::MinimiseRequested, this, [this] {
        Deselect();
        showMinimized();
    });
    connect(chrome_, &DesignerChrome::CloseRequested, this, [this] {
        // Only this button ends the run's settings; other ways of closing
        // leave them for the next start.
        document_.Settings().DeleteStore();
        close();
    });
    connect(guides_, &Guides::StatusShown, &document_, &DesignDocument::ShowStatus);
    connect(frame_, &SelectionFrame::ResizeFinished, this, [this] {
        const DesignerState& state = document_.State();
        if (state.currentIsComponent)
            SelectComponent(state.currentComponent);
        else
            SelectText(state.currentText);
    });

    connect(&document_, &DesignDocument::StatusShown, chrome_, &DesignerChrome::ShowStatus);
    connect(&document_, &DesignDocument::CanvasChanged, this, &DesignerWindow::ApplyCanvas);
    connect(&document_, &DesignDocument::DeselectRequested, this, &DesignerWindow::Deselect);

    ApplyLayout(width(), height());
}

DesignerWindow::~DesignerWindow() = default;

void DesignerWindow::Start()
{
    show();
    document_.Settings().CreateWorkingDirectory();
    const QRect screenArea = screen() ? screen()->geometry() : QRect(0, 0, 1200, 690);
    move(screenArea.topLeft());
    LayOutForScreen(screenArea.width(), screenArea.height());
    presenter_->OpenPageSettings();
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
    document_.SetView(layout.canvasOrigin, {width, height});
    document_.SetCanvasSize({document_.Canvas().size.width(), layout.canvasHeight}, document_.Canvas().moduleWidth);
}

void DesignerWindow::ApplyCanvas()
{
    const DesignDocument::CanvasLook& look = document_.Canvas();
    // A module wider than the platform's standard one is centred in the
    // window; a narrower one starts at the origin positions refer to.
    const int left = look.moduleWidth > kStandardModuleWidth
                         ? static_cast<int>(std::trunc(width() / 2.0 - look.moduleWidth / 2.0))
                         : document_.CanvasOriginX();
    canvas_->setGeometry(left, DesignDocument::CanvasTop, look.size.width(), look.size.height());
    QPalette palette = canvas_->palette();
    palette.setColor(QPalette::Window, look.colour);
    canvas_->setPalette(palette);
    canvas_->setPixmap(look.picture);
    canvas_->setVisible(look.visible);
}

void DesignerWindow::SetGuideColour(const QColor& colour)
{
    guides_->SetColour(colour);
}

void DesignerWindow::SetPanelPresenter(PanelPresenter* presenter)
{
    presenter_ = presenter ? presenter : nullPresenter_.get();
}

void DesignerWindow::Deselect()
{
    frame_->Hide();
    presenter_->CloseComponentPanels();
}

CanvasElement* DesignerWindow::NewElement(Sort sort)
{
    const CanvasElement* prototype = sort == Sort::Text ? textPrototype_ : prototype_;
    auto* element = new CanvasElement(sort, this);
    element->setGeometry(prototype->geometry());
    element->SetPicture(prototype->Picture());
    connect(element, &CanvasElement::Pressed, this, &DesignerWindow::OnElementPressed);
    connect(element, &CanvasElement::Moved, this, &DesignerWindow::OnElementMoved);
    connect(element, &CanvasElement::Released, this, &DesignerWindow::OnElementReleased);
    return element;
}

CanvasElement* DesignerWindow::AddElementOf(const KindInfo& kind)
{
    CanvasElement* element = NewElement(Sort::Component);
    if (!kind.art.general)
        element->SetPicture(Artwork::Placeholder(kind.kind));
    element->resize(kind.width, kind.height);
    // Texts lie above every component, as the generated code draws them.
    if (CanvasElement* lowestText = document_.State().TextElement(1))
        element->stackUnder(lowestText);
    element->show();
    document_.AddComponent(kind.kind, element);
    return element;
}

CanvasElement* DesignerWindow::AddComponent(Kind kindToAdd)
{
    const KindInfo& kind = KindTable::Of(kindToAdd);
    if (SortOf(kindToAdd) == Sort::Text || kind.owner)
        return nullptr;
    CanvasElement* element = AddElementOf(kind);
    for (const StartingCell& cell : kind.startingCells)
        document_.SetComponentCell(element->Number(), cell.column,
                                   QString::fromUtf8(cell.text.data(), static_cast<qsizetype>(cell.text.size())));
    for (const Companion& companion : kind.companions) {
        CanvasElement* part = AddElementOf(KindTable::Of(companion.kind));
        const int top = element->y() + element->height() - part->height();
        const int left =
            companion.anchor == Anchor::BottomLeft ? element->x() : element->x() + element->width() - part->width();
        part->move(left, top);
    }
    if (!kind.addedStatus.empty())
        document_.ShowStatus(
            QString::fromUtf8(kind.addedStatus.data(), static_cast<qsizetype>(kind.addedStatus.size())));
    return element;
}

CanvasElement* DesignerWindow::AddText()
{
    CanvasElement* element = NewElement(Sort::Text);
    element->resize(KindTable::Of(Kind::Text).width, KindTable::Of(Kind::Text).height);
    element->show();
    document_.AddText(element);
    return element;
}

void DesignerWindow::RemoveCurrent()
{
    frame_->Hide();
    const DesignerState& state = document_.State();
    if (!state.currentIsComponent) {
        CanvasElement* element = state.currentText;
        if (!element)
            return;
        presenter_->ClosePanelOfKind(Kind::Text);
        DesignDocument::Removal removal = document_.RemoveText(element->Number());
        qDeleteAll(removal.elements);
        ReportRemoval(removal.unmovedFiles);
        return;
    }
    CanvasElement* element = state.currentComponent;
    if (!element)
        return;
    const int number = element->Number();
    const std::optional<Kind> kind = document_.KindOf(element);
    if (kind && KindTable::Of(*kind).owner) {
        // A companion cannot go alone: its owner's companions are hidden,
        // and the records stay as they are.
        const KindInfo& owner = KindTable::Of(*KindTable::Of(*kind).owner);
        const auto it = std::find_if(owner.companions.begin(), owner.companions.end(),
                                     [kind](const Companion& c) { return c.kind == *kind; });
        const int ownerNumber = number - 1 - static_cast<int>(it - owner.companions.begin());
        for (int i = 1; i <= static_cast<int>(owner.companions.size()); ++i) {
            if (CanvasElement* part = state.ComponentElement(ownerNumber + i))
                part->hide();
        }
        presenter_->ArrowsHidden();
    } else if (kind && number >= ComponentLayer::FirstComponentRow) {
        presenter_->ClosePanelOfKind(*kind);
        DesignDocument::Removal removal =
            document_.RemoveComponents(number, 1 + static_cast<int>(KindTable::Of(*kind).companions.size()));
        qDeleteAll(removal.elements);
        ReportRemoval(removal.unmovedFiles);
        return;
    }
    ReportRemoval({});
}

void DesignerWindow::ReportRemoval(const std::vector<std::string>& unmovedFiles)
{
    if (unmovedFiles.empty()) {
        document_.ShowStatus(QStringLiteral("组件删除完成，点击上方组件名称添加对应组件..."));
        return;
    }
    QStringList names;
    for (const std::string& name : unmovedFiles)
        names << QString::fromStdString(name);
    document_.ShowStatus(QStringLiteral("组件删除完成，但设置文件 %1 未能随组件重新编号，请重新保存相关组件的设置...")
                             .arg(names.join(QStringLiteral("、"))));
}

void DesignerWindow::OnElementPressed(CanvasElement* element, QMouseEvent* event)
{
    const bool left = event->button() == Qt::LeftButton;
    if (!left && event->button() != Qt::RightButton)
        return;
    if (!element->IsText()) {
        if (left) {
            Deselect();
            document_.ShowStatus(QStringLiteral("可拖动图片四周方格或设置左侧属性值对图片尺寸进行缩放调节，"
                                                "在图片中间按住鼠标左键拖动或设置左侧对应属性值可移动图片位置..."));
        }
        document_.SetPressPosition(element->pos());
        if (!left) {
            SelectComponent(element);
            return;
        }
    } else if (!left) {
        SelectText(element);
        menu_->popup(event->globalPosition().toPoint());
        return;
    }
    // Pressing does not raise the element: the stacking stays the one the
    // generated code will have.
    dragged_ = element;
    dragPressGlobal_ = event->globalPosition().toPoint();
    dragStart_ = element->pos();
}

QPoint DesignerWindow::KeepGrabbable(QPoint position, QSize size) const
{
    const int grabX = std::min(kGrabbable, size.width());
    const int grabY = std::min(kGrabbable, size.height());
    return {std::clamp(position.x(), std::min(grabX - size.width(), width() - grabX), width() - grabX),
            std::clamp(position.y(), std::min(grabY - size.height(), height() - grabY), height() - grabY)};
}

void DesignerWindow::OnElementMoved(CanvasElement* element, QMouseEvent* event)
{
    if (dragged_ == element)
        element->move(
            KeepGrabbable(dragStart_ + event->globalPosition().toPoint() - dragPressGlobal_, element->size()));
}

void DesignerWindow::OnElementReleased(CanvasElement* element, QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && dragged_ == element) {
        element->move(
            KeepGrabbable(dragStart_ + event->globalPosition().toPoint() - dragPressGlobal_, element->size()));
        dragged_ = nullptr;
        if (element->IsText())
            SelectText(element);
        else
            SelectComponent(element);
        return;
    }
    if (event->button() == Qt::RightButton && !element->IsText())
        menu_->popup(event->globalPosition().toPoint());
}

void DesignerWindow::SelectComponent(CanvasElement* element)
{
    if (!element)
        return;
    document_.SelectComponent(element);
    const int number = element->Number();
    const std::optional<Kind> kindOf = document_.KindOf(element);
    const KindInfo* kind = kindOf ? &KindTable::Of(*kindOf) : nullptr;
    if (kind && !kind->companions.empty()) {
        // The companions keep their place relative to their owner.
        const QPoint shift = element->pos() - document_.State().pressPosition;
        for (int i = 1; i <= static_cast<int>(kind->companions.size()); ++i) {
            if (CanvasElement* part = document_.State().ComponentElement(number + i))
                part->move(part->pos() + shift);
        }
        document_.SetPressPosition(element->pos());
    }
    presenter_->Present(element);
    // Kinds whose size their code fixes are never resized with the mouse,
    // so they get no handles, and no handles of an earlier selection either.
    if (!kind || kind->framed)
        frame_->Attach(element);
    else
        frame_->Hide();
}

void DesignerWindow::SelectText(CanvasElement* element)
{
    if (!element)
        return;
    document_.SelectText(element);
    presenter_->Present(element);
    frame_->Attach(element);
}

void DesignerWindow::mouseReleaseEvent(QMouseEvent* event)
{
    // Only the background and the canvas deselect; the toolbar, the logo,
    // the ruler and the status bar are no place to lose a panel's edits.
    if (event->button() != Qt::LeftButton)
        return;
    QWidget* under = childAt(event->position().toPoint());
    if (!under || under == canvas_)
        Deselect();
}

void DesignerWindow::closeEvent(QCloseEvent* event)
{
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
