#include "PageSettingsPanel.h"

#include "DesignDocument.h"
#include "Lenient.h"
#include "PageSettings.h"
#include "PictureDownload.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <cmath>

namespace morvane {

namespace {

const QString kEdition = QStringLiteral("编辑框_版本");
const QString kWidth = QStringLiteral("编辑框_宽度");
const QString kHeight = QStringLiteral("编辑框_高度");
const QString kColour = QStringLiteral("编辑框_背景色");
const QString kPicture = QStringLiteral("编辑框_背景图");
const QString kAttachment = QStringLiteral("编辑框_固定");
const QString kRepeat = QStringLiteral("编辑框_平铺");
const QString kVertical = QStringLiteral("编辑框_上下");
const QString kHorizontal = QStringLiteral("编辑框_左右");
const QString kSpacing = QStringLiteral("编辑框_上间距");

// Record column and field, in the order of filling and committing.
const std::vector<PropertyPanel::Binding>& Columns()
{
    static const std::vector<PropertyPanel::Binding> columns{{PageSettings::Edition, kEdition},
                                                             {PageSettings::Width, kWidth},
                                                             {PageSettings::Height, kHeight},
                                                             {PageSettings::BackColour, kColour},
                                                             {PageSettings::BackPicture, kPicture},
                                                             {PageSettings::Attachment, kAttachment},
                                                             {PageSettings::Repeat, kRepeat},
                                                             {PageSettings::VerticalPos, kVertical},
                                                             {PageSettings::HorizontalPos, kHorizontal},
                                                             {PageSettings::TopSpacing, kSpacing}};
    return columns;
}

int ToInt(const QString& text)
{
    return Lenient::ToInt(text.toStdString());
}

QGroupBox* Frame(const QString& title, QWidget* parent, int y)
{
    auto* frame = new QGroupBox(title, parent);
    frame->setGeometry(12, y, 279, 54);
    return frame;
}

} // namespace

PageSettingsPanel::PageSettingsPanel(DesignDocument& document, QWidget* owner)
    : PropertyPanel(document, owner, QStringLiteral("背景设置"), 303, 403)
{
    setAttribute(Qt::WA_DeleteOnClose);

    AddLabel(QStringLiteral("店铺版本"), 16, 16, 60);
    AddWordList(QStringLiteral("组合框1"), kEdition,
                {QStringLiteral("天猫版"), QStringLiteral("专业版"), QStringLiteral("基础版")},
                {QStringLiteral("天猫版"), QStringLiteral("专业版"), QStringLiteral("基础版")},
                QStringLiteral("专业版"), 80, 14, 90);
    AddLabel(QStringLiteral("上间距"), 182, 16, 44);
    AddField(kSpacing, 228, 14, 60, QStringLiteral("0"));

    AddLabel(QStringLiteral("模块尺寸"), 16, 50, 60);
    auto* width = AddField(kWidth, 80, 48, 80, QStringLiteral("950"));
    AddLabel(QStringLiteral("×"), 164, 50, 14);
    auto* height = AddField(kHeight, 180, 48, 80);
    AddLabel(QStringLiteral("PX"), 264, 50, 24);
    connect(width, &PanelField::Changed, this, [this] { OnSize(true); });
    connect(height, &PanelField::Changed, this, [this] { OnSize(false); });

    AddLabel(QStringLiteral("背景颜色"), 16, 84, 60);
    connect(AddField(kColour, 80, 82, 160), &PanelField::Changed, this, [this] { OnColour(); });
    AddColourPicker(QStringLiteral("颜色选择器1"), kColour, 246, 79,
                    [this](const QColor& colour) { document_.SetCanvasColour(colour); });

    AddLabel(QStringLiteral("背景图片"), 16, 118, 60);
    connect(AddField(kPicture, 80, 116, 192), &PanelField::Changed, this, &PageSettingsPanel::OnPicture);

    AddLabel(QStringLiteral("背景固定"), 16, 152, 60);
    AddRadioGroup(
        this, kAttachment, QStringLiteral("scroll"),
        {{QStringLiteral("单选框1"), QStringLiteral("是"), QStringLiteral("fixed"), QRect(80, 150, 50, 22)},
         {QStringLiteral("单选框2"), QStringLiteral("否"), QStringLiteral("scroll"), QRect(140, 150, 50, 22)}});

    AddRadioGroup(
        Frame(QStringLiteral("平铺方式"), this, 182), kRepeat, QStringLiteral("no-repeat"),
        {{QStringLiteral("单选框3"), QStringLiteral("平铺"), QStringLiteral("repeat"), QRect(6, 22, 52, 22)},
         {QStringLiteral("单选框4"), QStringLiteral("横向平铺"), QStringLiteral("repeat-x"), QRect(58, 22, 76, 22)},
         {QStringLiteral("单选框6"), QStringLiteral("不平铺"), QStringLiteral("no-repeat"), QRect(134, 22, 64, 22)},
         {QStringLiteral("单选框5"), QStringLiteral("纵向平铺"), QStringLiteral("repeat-y"), QRect(198, 22, 76, 22)}});
    AddRadioGroup(
        Frame(QStringLiteral("上下位置"), this, 242), kVertical, QStringLiteral("top"),
        {{QStringLiteral("单选框7"), QStringLiteral("上"), QStringLiteral("top"), QRect(8, 22, 50, 22)},
         {QStringLiteral("单选框8"), QStringLiteral("中"), QStringLiteral("center"), QRect(80, 22, 50, 22)},
         {QStringLiteral("单选框9"), QStringLiteral("下"), QStringLiteral("bottom"), QRect(152, 22, 50, 22)}});
    AddRadioGroup(
        Frame(QStringLiteral("左右位置"), this, 302), kHorizontal, QStringLiteral("center"),
        {{QStringLiteral("单选框12"), QStringLiteral("左"), QStringLiteral("left"), QRect(8, 22, 50, 22)},
         {QStringLiteral("单选框11"), QStringLiteral("中"), QStringLiteral("center"), QRect(80, 22, 50, 22)},
         {QStringLiteral("单选框10"), QStringLiteral("右"), QStringLiteral("right"), QRect(152, 22, 50, 22)}});

    auto* save = AddButton(QStringLiteral("按钮1"), QStringLiteral("保存设置"), (303 - 90) / 2, 366);
    connect(save, &QPushButton::clicked, this, [this] { close(); });
}

void PageSettingsPanel::Place()
{
    move(10, 100);
}

void PageSettingsPanel::Fill()
{
    for (const Binding& binding : Columns())
        WriteField(binding.field, document_.PageSetting(binding.column));
    if (Field(kWidth)->text().isEmpty())
        WriteField(kWidth, QStringLiteral("950"));
    if (Field(kHeight)->text().isEmpty())
        WriteField(kHeight, QString::number(document_.ViewSize().height() - 110));
    if (Field(kSpacing)->text().isEmpty())
        WriteField(kSpacing, QStringLiteral("0"));
}

void PageSettingsPanel::OnSize(bool widthChanged)
{
    const int width = ToInt(Field(kWidth)->text());
    const int height = ToInt(Field(kHeight)->text());
    const QSize canvas = document_.Canvas().size;
    document_.SetCanvasSize({widthChanged ? width : canvas.width(), height}, width);
}

bool PageSettingsPanel::NoBackground() const
{
    return Field(kColour)->text().isEmpty() && Field(kPicture)->text().isEmpty();
}

void PageSettingsPanel::OnColour()
{
    document_.SetCanvasVisible(!NoBackground());
}

void PageSettingsPanel::OnPicture(const QString& text)
{
    const int moduleWidth = document_.Canvas().moduleWidth;
    if (text.contains(QLatin1String("http"))) {
        document_.SetCanvasPicture(PictureDownload::Fetch(text));
        document_.SetCanvasSize(
            {static_cast<int>(Lenient::IntegerFromReal(Lenient::ToReal(Field(kWidth)->text().toStdString()))),
             ToInt(Field(kHeight)->text())},
            moduleWidth);
    } else {
        document_.SetCanvasPicture(QPixmap());
    }
    if (NoBackground())
        document_.SetCanvasSize({document_.ViewSize().width(), document_.ViewSize().height() - 110}, moduleWidth);
}

void PageSettingsPanel::Commit()
{
    std::vector<std::pair<int, QString>> cells;
    for (const Binding& binding : Columns())
        cells.emplace_back(binding.column, Field(binding.field)->text());
    document_.SetPageSettings(cells);
    document_.ShowStatus(QStringLiteral("全局设置属性值保存完成,如需修改，请重新打开配置窗口...."));
}

void PageSettingsPanel::closeEvent(QCloseEvent* event)
{
    Commit();
    event->accept();
}

} // namespace morvane
