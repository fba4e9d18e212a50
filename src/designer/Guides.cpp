#include "Guides.h"

#include "DesignerLayout.h"
#include "Lenient.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include <algorithm>

namespace morvane {

namespace {

QWidget* Line(const QString& unit, QWidget* parent)
{
    auto* line = new QWidget(parent);
    line->setObjectName(unit);
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    line->setAutoFillBackground(true);
    return line;
}

QLabel* ToolbarLabel(const QString& unit, const QString& text, const QRect& geometry, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(unit);
    label->setProperty("role", QStringLiteral("guide"));
    label->setGeometry(geometry);
    return label;
}

} // namespace

Guides::Guides(QWidget* window, QWidget* toolbar) : QObject(window)
{
    leftLine_ = Line(QStringLiteral("外形框_左边线"), window);
    leftLine_->setGeometry(136, DesignerLayout::CanvasTop, 1, 408);
    rightLine_ = Line(QStringLiteral("外形框_右边线"), window);
    rightLine_->setGeometry(1088, DesignerLayout::CanvasTop, 1, 408);
    centreLine_ = Line(QStringLiteral("外形框_中心线"), window);
    centreLine_->hide();
    horizontalLine_ = Line(QStringLiteral("外形框_水平线"), window);
    horizontalLine_->setGeometry(15, 471, 1200, 1);
    horizontalLine_->hide();
    grip_ = new QLabel(window);
    grip_->setObjectName(QStringLiteral("透明标签_水平线"));
    grip_->setGeometry(0, 471 - GripOffset, 16, 16);
    grip_->setAutoFillBackground(true);
    grip_->setCursor(Qt::SizeVerCursor);
    grip_->installEventFilter(this);
    grip_->hide();

    showHorizontal_ = new QCheckBox(QStringLiteral("显示水平线"), toolbar);
    showHorizontal_->setObjectName(QStringLiteral("选择框_水平线"));
    showHorizontal_->setGeometry(612, 8, 84, 24);
    showHorizontal_->setProperty("role", QStringLiteral("guide"));
    ToolbarLabel(QStringLiteral("透明标签_水平线距顶"), QStringLiteral("水平线距顶"), {708, 11, 64, 16}, toolbar);
    distance_ = new QLineEdit(toolbar);
    distance_->setObjectName(QStringLiteral("编辑框_水平线顶边"));
    // The field has the keyboard only once clicked into, so Delete and the
    // arrows go to the canvas.
    distance_->setFocusPolicy(Qt::ClickFocus);
    distance_->setGeometry(780, 6, 48, 24);
    showCentre_ = new QCheckBox(QStringLiteral("显示中心线"), toolbar);
    showCentre_->setObjectName(QStringLiteral("选择框_中心线"));
    showCentre_->setGeometry(611, 37, 84, 24);
    showCentre_->setProperty("role", QStringLiteral("guide"));
    ToolbarLabel(QStringLiteral("透明标签_辅助线颜色"), QStringLiteral("辅助线颜色"), {708, 41, 64, 16}, toolbar);
    picker_ = new QPushButton(toolbar);
    picker_->setObjectName(QStringLiteral("颜色选择器1"));
    picker_->setGeometry(780, 36, 48, 24);
    picker_->setFocusPolicy(Qt::NoFocus);
    Paint();

    connect(picker_, &QPushButton::clicked, this, [this, window] {
        const QColor chosen = QColorDialog::getColor(colour_, window, QStringLiteral("选择颜色：辅助线颜色"));
        if (chosen.isValid())
            SetColour(chosen);
    });
    connect(showCentre_, &QCheckBox::clicked, this, [this](bool ticked) {
        centreLine_->setVisible(ticked);
        emit StatusShown(QStringLiteral("中心线已显示，再次点击可隐藏，也可设置所有辅助线的颜色..."));
    });
    connect(showHorizontal_, &QCheckBox::clicked, this, [this](bool ticked) {
        grip_->setVisible(ticked);
        horizontalLine_->setVisible(ticked);
        if (ticked) {
            grip_->raise();
            horizontalLine_->raise();
            distance_->setText(QString::number(horizontalLine_->y() - DesignerLayout::CanvasTop));
        }
        emit StatusShown(
            QStringLiteral("水平线已显示，可拖动左侧方形框或设置水平线距顶值移动水平线位置，再次点击可隐藏水平线...."));
    });
    connect(distance_, &QLineEdit::textChanged, this, [this] { PlaceHorizontalLine(); });
}

void Guides::LayOut(const DesignerLayout& layout)
{
    leftLine_->setGeometry(layout.canvasOrigin, DesignerLayout::CanvasTop, 1, layout.guideHeight);
    rightLine_->setGeometry(layout.rightGuide, DesignerLayout::CanvasTop, 1, layout.guideHeight);
    centreLine_->setGeometry(layout.centreGuide, DesignerLayout::CanvasTop, 1, layout.guideHeight);
    horizontalLine_->resize(layout.width, 1);
    showCentre_->move(611, showCentre_->y());
}

void Guides::SetColour(const QColor& colour)
{
    colour_ = colour;
    Paint();
    emit StatusShown(QStringLiteral("所有辅助线颜色值已修改...."));
}

void Guides::Paint()
{
    for (QWidget* guide : {leftLine_, rightLine_, centreLine_, horizontalLine_, static_cast<QWidget*>(grip_)}) {
        QPalette palette = guide->palette();
        palette.setColor(QPalette::Window, colour_);
        guide->setPalette(palette);
    }
    picker_->setStyleSheet(
        QStringLiteral("QPushButton{background:%1;border:1px solid #8890a0;border-radius:3px;}").arg(colour_.name()));
}

void Guides::PlaceHorizontalLine()
{
    const int distance = Lenient::ToInt(distance_->text().toStdString());
    if (distance < 0) {
        distance_->setText(QStringLiteral("0")); // runs this rule again
        return;
    }
    // A typed distance may be as large as an int holds; the line goes no
    // further than a widget can be placed.
    const int lineTop = std::min(distance, QWIDGETSIZE_MAX - DesignerLayout::CanvasTop) + DesignerLayout::CanvasTop;
    horizontalLine_->move(horizontalLine_->x(), lineTop);
    grip_->move(grip_->x(), lineTop - GripOffset);
}

bool Guides::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched != grip_ ||
        (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease))
        return QObject::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint global = mouse->globalPosition().toPoint();
    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
        gripDragging_ = true;
        gripPressGlobal_ = global;
        gripStart_ = grip_->pos();
    } else if (type == QEvent::MouseMove && gripDragging_) {
        grip_->move(gripStart_ + global - gripPressGlobal_);
    } else if (type == QEvent::MouseButtonRelease && gripDragging_ && mouse->button() == Qt::LeftButton) {
        gripDragging_ = false;
        // Only the vertical travel counts; the square goes back to the edge.
        grip_->move(0, (gripStart_ + global - gripPressGlobal_).y());
        const int lineTop = grip_->y() + GripOffset;
        horizontalLine_->move(horizontalLine_->x(), lineTop);
        distance_->setText(QString::number(lineTop - DesignerLayout::CanvasTop));
    }
    return true;
}

} // namespace morvane
