#include "DesignerChrome.h"

#include "Artwork.h"
#include "DesignerLayout.h"
#include "KindTable.h"
#include "KindWords.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

// The resource lives in a static library, so it is registered by hand, and
// Q_INIT_RESOURCE must stand outside any namespace.
static void InitDesignerResources()
{
    Q_INIT_RESOURCE(designer);
}

namespace morvane {

namespace {

// The buttons' two rows inside the toolbar background: where the first
// stands and how far apart they are.
constexpr int kButtonsLeft = 130;
constexpr int kButtonsTop = 7;
constexpr int kButtonPitchX = 53;
constexpr int kButtonPitchY = 28;
constexpr int kButtonWidth = 48;
constexpr int kButtonHeight = 24;

QWidget* Band(const QString& unit, const QColor& colour, const QRect& geometry, QWidget* parent)
{
    auto* band = new QWidget(parent);
    band->setObjectName(unit);
    band->setAutoFillBackground(true);
    QPalette palette = band->palette();
    palette.setColor(QPalette::Window, colour);
    band->setPalette(palette);
    band->setGeometry(geometry);
    return band;
}

QPushButton* Button(const QString& unit, const QString& caption, const char* role, const QRect& geometry,
                    QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(unit);
    button->setProperty("role", QString::fromLatin1(role));
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(geometry);
    return button;
}

QString StyleSheet()
{
    QFile file(QStringLiteral(":/designer/designer.qss"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

DesignerChrome::DesignerChrome(QWidget* window) : QObject(window)
{
    InitDesignerResources();

    topBand_ = Band(QStringLiteral("外形框10"), QColor(38, 43, 54), {0, 0, 1200, 90}, window);
    topBand_->setStyleSheet(StyleSheet());

    logo_ = new QLabel(topBand_);
    logo_->setObjectName(QStringLiteral("图片框_logo"));
    logo_->setPixmap(Artwork::Logo());
    logo_->setGeometry(16, 0, 66, 66);

    toolbar_ = new QLabel(topBand_);
    toolbar_->setObjectName(QStringLiteral("图片框_顶背景"));
    toolbar_->setProperty("role", QStringLiteral("toolbar"));
    toolbar_->setGeometry(140, 0, 950, 66);

    global_ = Button(QStringLiteral("超级按钮_全局"), QStringLiteral("全局设置 ☆"), "tool", {92, 24, 76, 24}, topBand_);
    connect(global_, &QPushButton::clicked, this, &DesignerChrome::PageSettingsRequested);
    // Above "全局设置", where the band is free at every window width.
    file_ = Button(QStringLiteral("超级按钮_文件"), QStringLiteral("文件"), "tool", {92, 0, 76, 22}, topBand_);

    for (const KindInfo& kind : KindTable::All()) {
        const ToolbarSlot& slot = kind.toolbar;
        if (!slot.Exists())
            continue;
        const QRect geometry(kButtonsLeft + slot.column * kButtonPitchX, kButtonsTop + slot.row * kButtonPitchY,
                             kButtonWidth, kButtonHeight);
        auto* button = Button(QString::fromUtf8(slot.unit.data(), static_cast<qsizetype>(slot.unit.size())),
                              KindWords::Of(kind.kind), "tool", geometry, toolbar_);
        connect(button, &QPushButton::clicked, this, [this, k = kind.kind] { emit AddRequested(k); });
    }

    generate_ =
        Button(QStringLiteral("超级按钮_生成"), QStringLiteral("生成\n代码"), "generate", {1006, 0, 54, 66}, topBand_);
    connect(generate_, &QPushButton::clicked, this, &DesignerChrome::GenerateRequested);
    preview_ =
        Button(QStringLiteral("超级按钮_预览"), QStringLiteral("预览\n效果"), "preview", {1066, 0, 54, 66}, topBand_);
    connect(preview_, &QPushButton::clicked, this, &DesignerChrome::PreviewRequested);
    minimise_ = Button(QStringLiteral("超级按钮_最小化"), QStringLiteral("–"), "window", {1133, 2, 24, 20}, topBand_);
    connect(minimise_, &QPushButton::clicked, this, &DesignerChrome::MinimiseRequested);
    close_ = Button(QStringLiteral("超级按钮_关闭"), QStringLiteral("✕"), "window", {1166, 2, 24, 20}, topBand_);
    connect(close_, &QPushButton::clicked, this, &DesignerChrome::CloseRequested);

    rulerBand_ = Band(QStringLiteral("外形框11"), QColor(226, 229, 235), {0, 66, 1200, 24}, topBand_);
    ruler_ = new QLabel(rulerBand_);
    ruler_->setObjectName(QStringLiteral("图片框_刻度"));
    ruler_->setPixmap(Artwork::Ruler());
    ruler_->setGeometry(133, 4, 980, 18);
    designName_ = new QLabel(rulerBand_);
    designName_->setObjectName(QStringLiteral("标签_设计名"));
    designName_->setGeometry(8, 3, 120, 18);
    designName_->setStyleSheet(QStringLiteral("color: rgb(70, 76, 88);"));

    status_ =
        Band(QStringLiteral("状态提示"), QColor(38, 43, 54), {0, 608, 1200, DesignerLayout::StatusHeight}, window);
    status_->setStyleSheet(StyleSheet());
    auto* title = new QLabel(QStringLiteral("提示:"), status_);
    title->setProperty("role", QStringLiteral("statusTitle"));
    title->setGeometry(0, 0, 50, DesignerLayout::StatusHeight);
    title->setAlignment(Qt::AlignCenter);
    statusText_ = new QLabel(status_);
    statusText_->setProperty("role", QStringLiteral("statusText"));
    statusText_->setGeometry(50, 0, 1150, DesignerLayout::StatusHeight);
}

QWidget* DesignerChrome::Toolbar() const
{
    return toolbar_;
}

QWidget* DesignerChrome::StatusBar() const
{
    return status_;
}

void DesignerChrome::ShowStatus(const QString& text)
{
    statusText_->setText(text);
}

void DesignerChrome::ShowDesignName(const QString& text)
{
    designName_->setText(text);
    designName_->setToolTip(text);
}

void DesignerChrome::ShowRecoveryOffer()
{
    if (recoveryOffer_)
        return;
    recoveryOffer_ = new QWidget(status_);
    recoveryOffer_->setObjectName(QStringLiteral("恢复提示"));
    recoveryOffer_->setAttribute(Qt::WA_StyledBackground);
    recoveryOffer_->setStyleSheet(QStringLiteral("#恢复提示 { background: rgb(255, 236, 179); }"
                                                 "QLabel { color: rgb(60, 45, 0); }"
                                                 "QPushButton { padding: 0 8px; }"));
    auto* layout = new QHBoxLayout(recoveryOffer_);
    layout->setContentsMargins(8, 1, 4, 1);
    layout->setSpacing(6);
    layout->addWidget(new QLabel(QStringLiteral("上次运行未正常结束，可以恢复自动保存的设计"), recoveryOffer_));
    auto* accept = new QPushButton(QStringLiteral("恢复"), recoveryOffer_);
    accept->setObjectName(QStringLiteral("按钮_恢复"));
    auto* decline = new QPushButton(QStringLiteral("忽略"), recoveryOffer_);
    decline->setObjectName(QStringLiteral("按钮_忽略"));
    layout->addWidget(accept);
    layout->addWidget(decline);
    connect(accept, &QPushButton::clicked, this, &DesignerChrome::RecoveryAccepted);
    connect(decline, &QPushButton::clicked, this, &DesignerChrome::RecoveryDeclined);
    PlaceRecoveryOffer();
    recoveryOffer_->show();
}

void DesignerChrome::HideRecoveryOffer()
{
    delete recoveryOffer_;
    recoveryOffer_ = nullptr;
}

void DesignerChrome::PlaceRecoveryOffer()
{
    if (!recoveryOffer_)
        return;
    recoveryOffer_->resize(recoveryOffer_->sizeHint().width(), status_->height());
    recoveryOffer_->move(status_->width() - recoveryOffer_->width(), 0);
    recoveryOffer_->raise();
}

void DesignerChrome::LayOut(const DesignerLayout& l)
{
    designName_->resize(std::max(0, l.rulerLeft - 16), designName_->height());
    file_->move(l.globalButtonLeft, file_->y());
    topBand_->resize(l.width, 90);
    rulerBand_->resize(l.width, 24);
    close_->move(l.closeLeft, close_->y());
    minimise_->move(l.minimiseLeft, minimise_->y());
    ruler_->move(l.rulerLeft, ruler_->y());
    generate_->move(l.generateLeft, generate_->y());
    preview_->move(l.previewLeft, preview_->y());
    status_->setGeometry(0, l.statusTop, l.width, DesignerLayout::StatusHeight);
    statusText_->resize(l.statusPaneWidth, DesignerLayout::StatusHeight);
    logo_->move(0, logo_->y());
    toolbar_->move(l.toolbarLeft, toolbar_->y());
    global_->move(l.globalButtonLeft, global_->y());
    PlaceRecoveryOffer();
}

} // namespace morvane
