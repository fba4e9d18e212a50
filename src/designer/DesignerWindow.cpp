#include "DesignerWindow.h"

#include "Artwork.h"
#include "CanvasElement.h"
#include "ComponentKind.h"
#include "ComponentRecord.h"
#include "DesignerLayout.h"
#include "Lenient.h"
#include "PanelPresenter.h"
#include "SelectionHandle.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include <array>

namespace morvane {

namespace {

const QString kWelcome = QStringLiteral(
    "欢迎使用 Morvane 店铺装修模块设计器：点击上方组件名称添加组件，拖到画布上进行设置，完成后点击 生成代码。请先配置全局设置...");

class NullPresenter : public PanelPresenter {
public:
    void Present(CanvasElement*, bool) override {}
    void CloseComponentPanels() override {}
    void OpenPageSettings() override {}
};

struct ToolbarButton {
    const char* unit;
    const char* caption;
    int left, top;
};

constexpr std::array<ToolbarButton, 16> kToolbar = {{
    {"超级按钮_图片", "图片", 130, 7},
    {"超级按钮_轮播", "轮播", 183, 7},
    {"超级按钮3", "放大镜", 236, 7},
    {"超级按钮1", "双面图", 289, 7},
    {"超级按钮2", "倒计时", 342, 7},
    {"超级按钮4", "旺旺群", 395, 7},
    {"超级按钮5", "购物车", 448, 7},
    {"超级按钮6", "二维码", 501, 7},
    {"超级按钮_图片2", "客服", 130, 35},
    {"超级按钮_图片3", "视频", 183, 35},
    {"超级按钮7", "搜索", 236, 35},
    {"超级按钮8", "文字", 289, 35},
    {"超级按钮9", "分享", 342, 35},
    {"超级按钮10", "收藏", 395, 35},
    {"超级按钮11", "喜欢", 448, 35},
    {"超级按钮12", "关注", 501, 35},
}};

QWidget* ColouredBox(const QString& unit, QWidget* parent)
{
    auto* box = new QWidget(parent);
    box->setObjectName(unit);
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    box->setAutoFillBackground(true);
    return box;
}

void Paint(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

QPushButton* FlatButton(const QString& unit, const QString& caption, QWidget* parent, const QString& style)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(unit);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(style);
    return button;
}

const QString kToolButtonStyle = QStringLiteral(
    "QPushButton{background:#3a4150;color:#f2f4f8;border:1px solid #4b5366;border-radius:4px;font-size:12px;}"
    "QPushButton:hover{background:#4a5367;border-color:#ff8a3d;}QPushButton:pressed{background:#ff7a2e;}");
const QString kBigButtonStyle = QStringLiteral(
    "QPushButton{background:qlineargradient(x1:0,y1:0,x2:0,y2:1,stop:0 #ff9a4a,stop:1 #f0642c);color:white;"
    "border:none;border-radius:6px;font-size:14px;font-weight:bold;}QPushButton:hover{background:#ff8a3d;}");
const QString kWindowButtonStyle = QStringLiteral(
    "QPushButton{background:transparent;color:#c9ced8;border:none;font-size:14px;}QPushButton:hover{background:#e0483e;color:white;}");
const QString kGuideLabelStyle = QStringLiteral("color:#c9ced8;font-size:11px;background:transparent;");
const QString kCheckStyle = QStringLiteral(
    "QCheckBox{color:#c9ced8;font-size:11px;background:transparent;}"
    "QCheckBox::indicator{width:11px;height:11px;border:1px solid #8890a0;border-radius:2px;background:#2a2f3b;}"
    "QCheckBox::indicator:checked{background:#ff8a3d;border-color:#ff8a3d;}");

} // namespace

struct DesignerWindow::Private {
    NullPresenter nullPresenter;
    PanelPresenter* presenter = &nullPresenter;

    QWidget* topBand = nullptr;
    QLabel* logo = nullptr;
    QPushButton* global = nullptr;
    QLabel* toolbar = nullptr;
    QPushButton* generate = nullptr;
    QPushButton* preview = nullptr;
    QPushButton* minimise = nullptr;
    QPushButton* close = nullptr;
    QWidget* rulerBand = nullptr;
    QLabel* ruler = nullptr;
    QLabel* canvas = nullptr;
    QWidget* leftGuide = nullptr;
    QWidget* rightGuide = nullptr;
    QWidget* centreGuide = nullptr;
    QWidget* horizontalLine = nullptr;
    QLabel* grip = nullptr;
    QWidget* status = nullptr;
    QLabel* statusPane0 = nullptr;
    QLabel* statusPane1 = nullptr;
    QCheckBox* showHorizontal = nullptr;
    QCheckBox* showCentre = nullptr;
    QLineEdit* horizontalTop = nullptr;
    QPushButton* colourPicker = nullptr;
    CanvasElement* prototype = nullptr;
    CanvasElement* textPrototype = nullptr;
    QMenu* menu = nullptr;
    std::array<SelectionHandle*, 8> handles{};
    QWidget* frameRect = nullptr;
    std::array<QString, 4> templates;
    QColor guideColour{0, 224, 128};

    // Dragging an element: where the mouse and the element were at the press.
    QPointer<CanvasElement> dragged;
    QPoint dragPressGlobal;
    QPoint dragStart;
    bool dragIsLeft = false;
    // Dragging the grip of the horizontal line.
    bool gripDragging = false;
    QPoint gripPressGlobal;
    QPoint gripStart;
    // Resizing through a handle.
    QRect resizeStart;
};

DesignerWindow::DesignerWindow(const QString& programDirectory, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint), programDirectory_(programDirectory),
      settings_(programDirectory.toStdString()), d_(std::make_unique<Private>())
{
    setObjectName(QStringLiteral("DesignerWindow"));
    setWindowTitle(QStringLiteral("Morvane"));
    resize(1200, 650);

    // Top band with logo, toolbar, the big buttons and the ruler band.
    d_->topBand = ColouredBox(QStringLiteral("外形框10"), this);
    d_->topBand->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    Paint(d_->topBand, QColor(38, 43, 54));
    d_->topBand->setGeometry(0, 0, 1200, 90);

    d_->logo = new QLabel(d_->topBand);
    d_->logo->setObjectName(QStringLiteral("图片框_logo"));
    d_->logo->setPixmap(Artwork::Logo());
    d_->logo->setGeometry(16, 0, 66, 66);

    d_->toolbar = new QLabel(d_->topBand);
    d_->toolbar->setObjectName(QStringLiteral("图片框_顶背景"));
    d_->toolbar->setGeometry(140, 0, 950, 66);
    d_->toolbar->setStyleSheet(QStringLiteral(
        "QLabel#图片框_顶背景{background:qlineargradient(x1:0,y1:0,x2:0,y2:1,stop:0 #323846,stop:1 #2a2f3b);border-radius:6px;}"));

    d_->global =
        FlatButton(QStringLiteral("超级按钮_全局"), QStringLiteral("全局设置 ☆"), d_->topBand, kToolButtonStyle);
    d_->global->setGeometry(92, 24, 76, 24);
    connect(d_->global, &QPushButton::clicked, this, [this] {
        Presenter().OpenPageSettings();
        ShowStatus(QStringLiteral(
            "模块尺寸为必须填写，如果需要透明背景，请删除背景颜色和背景图地址，所有数据修改完成后请点击 保存设置..."));
    });

    for (const auto& b : kToolbar) {
        auto* button =
            FlatButton(QString::fromUtf8(b.unit), QString::fromUtf8(b.caption), d_->toolbar, kToolButtonStyle);
        button->setGeometry(b.left, b.top, 48, 24);
        const QString kind = QString::fromUtf8(b.caption);
        connect(button, &QPushButton::clicked, this, [this, kind] {
            if (kind == QString::fromUtf8(ComponentKind::Text.data(), ComponentKind::Text.size()))
                AddText();
            else
                AddComponent(kind);
        });
    }

    d_->generate =
        FlatButton(QStringLiteral("超级按钮_生成"), QStringLiteral("生成\n代码"), d_->topBand, kBigButtonStyle);
    d_->generate->setGeometry(1006, 0, 54, 66);
    d_->preview = FlatButton(QStringLiteral("超级按钮_预览"), QStringLiteral("预览\n效果"), d_->topBand,
                             QString(kBigButtonStyle)
                                 .replace("#ff9a4a", "#5aa0ff")
                                 .replace("#f0642c", "#3a78e0")
                                 .replace("#ff8a3d", "#4d8ff5"));
    d_->preview->setGeometry(1066, 0, 54, 66);
    d_->minimise = FlatButton(QStringLiteral("超级按钮_最小化"), QStringLiteral("–"), d_->topBand, kWindowButtonStyle);
    d_->minimise->setGeometry(1133, 2, 24, 20);
    connect(d_->minimise, &QPushButton::clicked, this, [this] {
        Deselect();
        showMinimized();
    });
    d_->close = FlatButton(QStringLiteral("超级按钮_关闭"), QStringLiteral("✕"), d_->topBand, kWindowButtonStyle);
    d_->close->setGeometry(1166, 2, 24, 20);
    connect(d_->close, &QPushButton::clicked, this, [this] {
        settings_.DeleteStore();
        close();
        QCoreApplication::quit();
    });

    d_->rulerBand = ColouredBox(QStringLiteral("外形框11"), d_->topBand);
    Paint(d_->rulerBand, QColor(226, 229, 235));
    d_->rulerBand->setGeometry(0, 66, 1200, 24);
    d_->ruler = new QLabel(d_->rulerBand);
    d_->ruler->setObjectName(QStringLiteral("图片框_刻度"));
    d_->ruler->setPixmap(Artwork::Ruler());
    d_->ruler->setGeometry(133, 4, 980, 18);

    // Guide controls in the toolbar.
    d_->showHorizontal = new QCheckBox(QStringLiteral("显示水平线"), d_->toolbar);
    d_->showHorizontal->setObjectName(QStringLiteral("选择框_水平线"));
    d_->showHorizontal->setGeometry(612, 8, 84, 24);
    d_->showHorizontal->setStyleSheet(kCheckStyle);
    auto* topLabel = new QLabel(QStringLiteral("水平线距顶"), d_->toolbar);
    topLabel->setObjectName(QStringLiteral("透明标签_水平线距顶"));
    topLabel->setGeometry(708, 11, 64, 16);
    topLabel->setStyleSheet(kGuideLabelStyle);
    d_->horizontalTop = new QLineEdit(d_->toolbar);
    d_->horizontalTop->setObjectName(QStringLiteral("编辑框_水平线顶边"));
    d_->horizontalTop->setGeometry(780, 6, 48, 24);
    d_->showCentre = new QCheckBox(QStringLiteral("显示中心线"), d_->toolbar);
    d_->showCentre->setObjectName(QStringLiteral("选择框_中心线"));
    d_->showCentre->setGeometry(611, 37, 84, 24);
    d_->showCentre->setStyleSheet(kCheckStyle);
    auto* colourLabel = new QLabel(QStringLiteral("辅助线颜色"), d_->toolbar);
    colourLabel->setObjectName(QStringLiteral("透明标签_辅助线颜色"));
    colourLabel->setGeometry(708, 41, 64, 16);
    colourLabel->setStyleSheet(kGuideLabelStyle);
    d_->colourPicker = new QPushButton(d_->toolbar);
    d_->colourPicker->setObjectName(QStringLiteral("颜色选择器1"));
    d_->colourPicker->setGeometry(780, 36, 48, 24);
    d_->colourPicker->setFocusPolicy(Qt::NoFocus);
    connect(d_->colourPicker, &QPushButton::clicked, this, [this] {
        const QColor chosen = QColorDialog::getColor(d_->guideColour, this, QStringLiteral("辅助线颜色"));
        if (chosen.isValid())
            SetGuideColour(chosen);
    });

    // The canvas and the guides lie below every element.
    d_->canvas = new QLabel(this);
    d_->canvas->setObjectName(QStringLiteral("标签_背景"));
    d_->canvas->setGeometry(136, 90, 950, 510);
    d_->canvas->setAutoFillBackground(true);
    Paint(d_->canvas, Qt::white);
    d_->leftGuide = ColouredBox(QStringLiteral("外形框_左边线"), this);
    d_->leftGuide->setGeometry(136, 90, 1, 408);
    d_->rightGuide = ColouredBox(QStringLiteral("外形框_右边线"), this);
    d_->rightGuide->setGeometry(1088, 90, 1, 408);
    d_->centreGuide = ColouredBox(QStringLiteral("外形框_中心线"), this);
    d_->centreGuide->hide();
    d_->horizontalLine = ColouredBox(QStringLiteral("外形框_水平线"), this);
    d_->horizontalLine->setGeometry(15, 471, 1200, 1);
    d_->horizontalLine->hide();
    d_->grip = new QLabel(this);
    d_->grip->setObjectName(QStringLiteral("透明标签_水平线"));
    d_->grip->setGeometry(0, 464, 16, 16);
    d_->grip->setAutoFillBackground(true);
    d_->grip->setCursor(Qt::SizeVerCursor);
    d_->grip->installEventFilter(this);
    d_->grip->hide();
    PaintGuides();

    connect(d_->showCentre, &QCheckBox::clicked, this, [this](bool ticked) {
        d_->centreGuide->setVisible(ticked);
        ShowStatus(QStringLiteral("中心线已显示，再次点击可隐藏，也可设置所有辅助线的颜色..."));
    });
    connect(d_->showHorizontal, &QCheckBox::clicked, this, [this](bool ticked) {
        d_->grip->setVisible(ticked);
        d_->horizontalLine->setVisible(ticked);
        if (ticked) {
            d_->grip->raise();
            d_->horizontalLine->raise();
            d_->horizontalTop->setText(QString::number(d_->horizontalLine->y() - CanvasTop));
        }
        ShowStatus(
            QStringLiteral("水平线已显示，可拖动左侧方形框或设置水平线距顶值移动水平线位置，再次点击可隐藏水平线...."));
    });
    connect(d_->horizontalTop, &QLineEdit::textChanged, this, [this] { PlaceHorizontalLine(); });

    // Status bar: "提示:" and the message pane.
    d_->status = new QWidget(this);
    d_->status->setObjectName(QStringLiteral("状态提示"));
    d_->status->setAutoFillBackground(true);
    Paint(d_->status, QColor(38, 43, 54));
    d_->statusPane0 = new QLabel(QStringLiteral("提示:"), d_->status);
    d_->statusPane0->setGeometry(0, 0, 50, DesignerLayout::StatusHeight);
    d_->statusPane0->setAlignment(Qt::AlignCenter);
    d_->statusPane0->setStyleSheet(QStringLiteral("color:#ff9a4a;font-weight:bold;"));
    d_->statusPane1 = new QLabel(kWelcome, d_->status);
    d_->statusPane1->setStyleSheet(QStringLiteral("color:#e6e9ef;"));
    d_->statusPane1->setGeometry(50, 0, 1150, DesignerLayout::StatusHeight);

    // Hidden parts: prototypes, the arrow buttons, the frame, the menu.
    d_->prototype = new CanvasElement(CanvasElement::Shape::PictureBox, this);
    d_->prototype->setObjectName(QStringLiteral("图片框1"));
    d_->prototype->setGeometry(9, 247, 120, 120);
    d_->prototype->SetPicture(Artwork::Placeholder(QString()));
    d_->prototype->SetTag(QStringLiteral("1"));
    d_->prototype->hide();
    d_->textPrototype = new CanvasElement(CanvasElement::Shape::TextLabel, this);
    d_->textPrototype->setObjectName(QStringLiteral("透明标签1"));
    d_->textPrototype->setGeometry(64, 200, 56, 16);
    d_->textPrototype->hide();
    for (const char* unit : {"超级按钮_左箭头", "超级按钮_右箭头"}) {
        auto* hidden = new QPushButton(this);
        hidden->setObjectName(QString::fromUtf8(unit));
        hidden->hide();
    }

    const struct {
        const char* unit;
        SelectionHandle::Edges edges;
        Qt::CursorShape cursor;
    } handles[8] = {
        {"外形框1", {false, false, true, true}, Qt::SizeFDiagCursor},
        {"外形框2", {true, true, false, false}, Qt::SizeFDiagCursor},
        {"外形框3", {true, false, false, true}, Qt::SizeBDiagCursor},
        {"外形框4", {true, false, false, false}, Qt::SizeHorCursor},
        {"外形框5", {false, true, false, false}, Qt::SizeVerCursor},
        {"外形框6", {false, true, true, false}, Qt::SizeBDiagCursor},
        {"外形框7", {false, false, true, false}, Qt::SizeHorCursor},
        {"外形框8", {false, false, false, true}, Qt::SizeVerCursor},
    };
    for (int i = 0; i < 8; ++i) {
        auto* handle =
            new SelectionHandle(QString::fromUtf8(handles[i].unit), handles[i].edges, handles[i].cursor, this);
        d_->handles[static_cast<size_t>(i)] = handle;
        connect(handle, &SelectionHandle::DragStarted, this, [this] {
            if (CanvasElement* element = State().Current())
                d_->resizeStart = element->geometry();
        });
        connect(handle, &SelectionHandle::Dragged, this, [this](SelectionHandle* h, QPoint travel) {
            CanvasElement* element = State().Current();
            if (!element)
                return;
            const auto edges = h->GetEdges();
            QRect r = d_->resizeStart;
            int left = r.left(), top = r.top(), right = r.left() + r.width(), bottom = r.top() + r.height();
            if (edges.left)
                left = std::min(left + travel.x(), right - 1);
            if (edges.right)
                right = std::max(right + travel.x(), left + 1);
            if (edges.top)
                top = std::min(top + travel.y(), bottom - 1);
            if (edges.bottom)
                bottom = std::max(bottom + travel.y(), top + 1);
            element->setGeometry(left, top, right - left, bottom - top);
        });
        connect(handle, &SelectionHandle::DragEnded, this, [this] {
            if (State().currentIsComponent)
                SelectComponent();
            else
                SelectText();
        });
    }
    d_->frameRect = new QWidget(this);
    d_->frameRect->setObjectName(QStringLiteral("外形框9"));
    d_->frameRect->resize(83, 73);
    d_->frameRect->hide();

    d_->menu = new QMenu(QStringLiteral("菜单"), this);
    d_->menu->setObjectName(QStringLiteral("菜单"));
    QAction* remove = d_->menu->addAction(QStringLiteral("移除"));
    connect(remove, &QAction::triggered, this, &DesignerWindow::RemoveCurrent);

    state_.componentElements = {d_->prototype};
    state_.componentCounter = 1;
    state_.textCounter = 0;
    ApplyLayout(width(), height());
}

DesignerWindow::~DesignerWindow() = default;

void DesignerWindow::Start()
{
    show();
    settings_.CreateWorkingDirectory();
    const QRect screenArea = screen() ? screen()->geometry() : QRect(0, 0, 1200, 690);
    move(screenArea.topLeft());
    LayOutForScreen(screenArea.width(), screenArea.height());
    Presenter().OpenPageSettings();
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
    const DesignerLayout l = DesignerLayout::Compute(width, height);
    d_->topBand->resize(width, 90);
    d_->rulerBand->resize(width, 24);
    d_->horizontalLine->resize(width, 1);
    d_->close->move(l.closeLeft, d_->close->y());
    d_->minimise->move(l.minimiseLeft, d_->minimise->y());
    d_->ruler->move(l.rulerLeft, d_->ruler->y());
    d_->leftGuide->setGeometry(l.canvasOrigin, CanvasTop, 1, l.guideHeight);
    d_->rightGuide->setGeometry(l.rightGuide, CanvasTop, 1, l.guideHeight);
    d_->centreGuide->setGeometry(l.centreGuide, CanvasTop, 1, l.guideHeight);
    d_->showCentre->move(611, d_->showCentre->y());
    d_->generate->move(l.generateLeft, d_->generate->y());
    d_->preview->move(l.previewLeft, d_->preview->y());
    d_->status->setGeometry(0, l.statusTop, width, DesignerLayout::StatusHeight);
    d_->statusPane1->resize(l.statusPaneWidth, DesignerLayout::StatusHeight);
    d_->canvas->setGeometry(l.canvasOrigin, CanvasTop, d_->canvas->width(), l.canvasHeight);
    d_->logo->move(0, d_->logo->y());
    d_->toolbar->move(l.toolbarLeft, d_->toolbar->y());
    d_->global->move(l.globalButtonLeft, d_->global->y());
}

int DesignerWindow::CanvasOriginX() const
{
    return d_->leftGuide->x();
}

QLabel* DesignerWindow::Canvas() const
{
    return d_->canvas;
}

void DesignerWindow::ShowStatus(const QString& text)
{
    d_->statusPane1->setText(text);
}

QString DesignerWindow::StatusText() const
{
    return d_->statusPane1->text();
}

void DesignerWindow::Deselect()
{
    for (auto* handle : d_->handles)
        handle->hide();
    d_->frameRect->hide();
    Presenter().CloseComponentPanels();
}

void DesignerWindow::UpdateSelectionFrame()
{
    if (d_->handles[0]->isVisible())
        PlaceHandles(State().Current());
}

void DesignerWindow::SetPanelPresenter(PanelPresenter* presenter)
{
    d_->presenter = presenter ? presenter : &d_->nullPresenter;
}

PanelPresenter& DesignerWindow::Presenter() const
{
    return *d_->presenter;
}

void DesignerWindow::SetTemplateText(int index, const QString& text)
{
    if (index >= 0 && index < 4)
        d_->templates[static_cast<size_t>(index)] = text;
}

QString DesignerWindow::TemplateText(int index) const
{
    return index >= 0 && index < 4 ? d_->templates[static_cast<size_t>(index)] : QString();
}

void DesignerWindow::SetGuideColour(const QColor& colour)
{
    d_->guideColour = colour;
    PaintGuides();
    ShowStatus(QStringLiteral("所有辅助线颜色值已修改...."));
}

void DesignerWindow::PaintGuides()
{
    const QColor colour = d_->guideColour;
    for (QWidget* guide :
         {d_->leftGuide, d_->rightGuide, d_->centreGuide, d_->horizontalLine, static_cast<QWidget*>(d_->grip)})
        Paint(guide, colour);
    d_->colourPicker->setStyleSheet(
        QStringLiteral("QPushButton{background:%1;border:1px solid #8890a0;border-radius:3px;}").arg(colour.name()));
}

QColor DesignerWindow::GuideColour() const
{
    return d_->guideColour;
}

void DesignerWindow::PlaceHorizontalLine()
{
    const int distance = Lenient::ToInt(d_->horizontalTop->text().toStdString());
    if (distance < 0) {
        d_->horizontalTop->setText(QStringLiteral("0")); // runs this rule again
        return;
    }
    const int lineTop = distance + CanvasTop;
    d_->horizontalLine->move(d_->horizontalLine->x(), lineTop);
    d_->grip->move(d_->grip->x(), lineTop - 7);
}

bool DesignerWindow::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched != d_->grip ||
        (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease))
        return QWidget::eventFilter(watched, event);
    auto* mouse = static_cast<QMouseEvent*>(event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (mouse->button() == Qt::LeftButton) {
            d_->gripDragging = true;
            d_->gripPressGlobal = mouse->globalPosition().toPoint();
            d_->gripStart = d_->grip->pos();
        }
        return true;
    case QEvent::MouseMove:
        if (d_->gripDragging)
            d_->grip->move(d_->gripStart + mouse->globalPosition().toPoint() - d_->gripPressGlobal);
        return true;
    case QEvent::MouseButtonRelease:
        if (d_->gripDragging && mouse->button() == Qt::LeftButton) {
            d_->gripDragging = false;
            d_->grip->move(0, (d_->gripStart + mouse->globalPosition().toPoint() - d_->gripPressGlobal).y());
            const int lineTop = d_->grip->y() + 7;
            d_->horizontalLine->move(d_->horizontalLine->x(), lineTop);
            d_->horizontalTop->setText(QString::number(lineTop - CanvasTop));
        }
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

CanvasElement* DesignerWindow::NewElement(bool text)
{
    const CanvasElement* prototype = text ? d_->textPrototype : d_->prototype;
    auto* element = new CanvasElement(text ? CanvasElement::Shape::TextLabel : CanvasElement::Shape::PictureBox, this);
    element->setGeometry(prototype->geometry());
    element->SetPicture(prototype->Picture());
    connect(element, &CanvasElement::Pressed, this, &DesignerWindow::OnElementPressed);
    connect(element, &CanvasElement::Moved, this, &DesignerWindow::OnElementMoved);
    connect(element, &CanvasElement::Released, this, &DesignerWindow::OnElementReleased);
    return element;
}

CanvasElement* DesignerWindow::AddComponent(const QString& kind)
{
    const std::string word = kind.toStdString();
    auto add = [this](const QString& k, bool ownPicture, bool ownSize) {
        ++state_.componentCounter;
        CanvasElement* element = NewElement(false);
        if (ownPicture)
            element->SetPicture(Artwork::Placeholder(k));
        if (ownSize)
            element->resize(Artwork::DefaultSize(k));
        state_.componentElements.append(element);
        element->SetTag(QString::number(state_.componentCounter));
        element->show();
        components_.AppendComponent(k.toStdString());
        return element;
    };
    if (word == ComponentKind::Carousel) {
        CanvasElement* carousel = add(kind, true, true);
        components_.SetCell(state_.componentCounter, ComponentRecord::Left, "真");
        CanvasElement* left = add(QString::fromUtf8(ComponentKind::LeftArrow.data()), true, true);
        left->move(carousel->x(), carousel->y() + carousel->height() - left->height());
        CanvasElement* right = add(QString::fromUtf8(ComponentKind::RightArrow.data()), true, true);
        right->move(carousel->x() + carousel->width() - right->width(),
                    carousel->y() + carousel->height() - right->height());
        return carousel;
    }
    const bool isPicture = word == ComponentKind::Picture;
    CanvasElement* element = add(kind, !isPicture, !isPicture && word != ComponentKind::TwoSided);
    if (isPicture)
        ShowStatus(QStringLiteral(
            "添加一张图片成完，鼠标右键点击图片可删除，鼠标左键点击图片可进行属性设置，设置完成请务必点击 保存配置..."));
    return element;
}

CanvasElement* DesignerWindow::AddText()
{
    ++state_.textCounter;
    CanvasElement* element = NewElement(true);
    element->resize(75, 22);
    state_.textElements.append(element);
    element->SetTag(QString::number(state_.textCounter));
    element->show();
    background_.AppendText();
    return element;
}

void DesignerWindow::Renumber(QList<CanvasElement*>& list)
{
    for (int i = 0; i < list.size(); ++i)
        list[i]->SetTag(QString::number(i + 1));
}

void DesignerWindow::RemoveCurrent()
{
    for (auto* handle : d_->handles)
        handle->hide();
    d_->frameRect->hide();
    if (state_.currentIsComponent) {
        CanvasElement* element = state_.currentComponent;
        if (!element)
            return;
        const int n = element->Number();
        const std::string kind = components_.Cell(n, ComponentRecord::Kind);
        const QString kindText = QString::fromStdString(kind);
        if (kind == ComponentKind::Carousel) {
            Presenter().ClosePanelOfKind(kindText);
            for (int i = 0; i < 3 && n - 1 < state_.componentElements.size(); ++i) {
                delete state_.componentElements.takeAt(n - 1);
                components_.DeleteRow(n);
            }
            state_.componentCounter -= 3;
        } else if (kind == ComponentKind::LeftArrow || kind == ComponentKind::RightArrow) {
            const int other = kind == ComponentKind::LeftArrow ? n + 1 : n - 1;
            for (int number : {n, other})
                if (CanvasElement* arrow = state_.ComponentElement(number))
                    arrow->hide();
            Presenter().ArrowsHidden();
        } else if (n >= 2 && !kind.empty() && kind != ComponentKind::Text) {
            Presenter().ClosePanelOfKind(kindText);
            delete state_.componentElements.takeAt(n - 1);
            components_.DeleteRow(n);
            state_.componentCounter -= 1;
        }
        Renumber(state_.componentElements);
    } else {
        CanvasElement* element = state_.currentText;
        if (!element)
            return;
        const int n = element->Number();
        Presenter().ClosePanelOfKind(QString::fromUtf8(ComponentKind::Text.data()));
        if (n >= 1 && n <= state_.textElements.size()) {
            delete state_.textElements.takeAt(n - 1);
            state_.textCounter -= 1;
            background_.DeleteRow(n);
            Renumber(state_.textElements);
        }
    }
    ShowStatus(QStringLiteral("组件删除完成，点击上方组件名称添加对应组件..."));
}

void DesignerWindow::OnElementPressed(CanvasElement* element, QMouseEvent* event)
{
    const bool left = event->button() == Qt::LeftButton;
    if (!left && event->button() != Qt::RightButton)
        return;
    if (!element->IsText()) {
        if (left) {
            Deselect();
            ShowStatus(QStringLiteral(
                "可拖动图片四周方格或设置左侧属性值对图片尺寸进行缩放调节，在图片中间按住鼠标左键拖动或设置左侧对应属性值可移动图片位置..."));
        }
        state_.currentComponent = element;
        state_.pressPosition = element->pos();
        if (!left) {
            SelectComponent();
            return;
        }
    } else {
        state_.currentText = element;
        if (!left) {
            SelectText();
            d_->menu->popup(event->globalPosition().toPoint());
            return;
        }
    }
    d_->dragged = element;
    d_->dragIsLeft = true;
    d_->dragPressGlobal = event->globalPosition().toPoint();
    d_->dragStart = element->pos();
    element->raise();
}

void DesignerWindow::OnElementMoved(CanvasElement* element, QMouseEvent* event)
{
    if (d_->dragged == element)
        element->move(d_->dragStart + event->globalPosition().toPoint() - d_->dragPressGlobal);
}

void DesignerWindow::OnElementReleased(CanvasElement* element, QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && d_->dragged == element) {
        element->move(d_->dragStart + event->globalPosition().toPoint() - d_->dragPressGlobal);
        d_->dragged = nullptr;
        if (element->IsText())
            SelectText();
        else
            SelectComponent();
        return;
    }
    if (event->button() == Qt::RightButton && !element->IsText())
        d_->menu->popup(event->globalPosition().toPoint());
}

void DesignerWindow::SelectComponent()
{
    state_.currentIsComponent = true;
    CanvasElement* element = state_.currentComponent;
    if (!element)
        return;
    const int n = element->Number();
    const std::string kind = components_.Cell(n, ComponentRecord::Kind);
    if (kind == ComponentKind::Carousel) {
        const QPoint shift = element->pos() - state_.pressPosition;
        for (int number : {n + 1, n + 2})
            if (CanvasElement* arrow = state_.ComponentElement(number))
                arrow->move(arrow->pos() + shift);
        state_.pressPosition = element->pos();
    }
    Presenter().Present(element, false);
    if (kind == ComponentKind::QrCode || kind == ComponentKind::Like)
        return;
    PlaceHandles(element);
}

void DesignerWindow::SelectText()
{
    state_.currentIsComponent = false;
    CanvasElement* element = state_.currentText;
    if (!element)
        return;
    Presenter().Present(element, true);
    PlaceHandles(element);
}

void DesignerWindow::PlaceHandles(const CanvasElement* element)
{
    if (!element)
        return;
    const int L = element->x(), T = element->y(), W = element->width(), H = element->height();
    constexpr int w = 8, h = 8;
    const QPoint positions[8] = {
        {L + W, T + H},             // 外形框1
        {L - w, T - h},             // 外形框2
        {L - w, T + H},             // 外形框3
        {L - w, T + H / 2 - h},     // 外形框4
        {L + W / 2 - w, T - h},     // 外形框5
        {L + W, T - h},             // 外形框6
        {L + W, T + H / 2 - h / 2}, // 外形框7
        {L + W / 2 - w, T + H},     // 外形框8
    };
    for (size_t i = 0; i < 8; ++i) {
        d_->handles[i]->move(positions[i]);
        d_->handles[i]->show();
        d_->handles[i]->raise();
    }
}

void DesignerWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Deselect();
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
