#include "PageSettingsPanel.h"

#include "DesignDocument.h"
#include "PageSettings.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QPushButton>

namespace morvane {

namespace {

QGroupBox* Frame(const QString& title, QWidget* parent, int y)
{
    auto* frame = new QGroupBox(title, parent);
    frame->setGeometry(12, y, 279, 54);
    return frame;
}

} // namespace

PageSettingsPanel::PageSettingsPanel(const PanelHost& host) : PanelForm(host, QStringLiteral("背景设置"), {303, 403})
{
    setAttribute(Qt::WA_DeleteOnClose);
    using P = PageSettings;

    PanelField* edition = AddHiddenField(QStringLiteral("编辑框_版本"), QStringLiteral("专业版"));
    AddLabel(this, QStringLiteral("店铺版本"), {16, 16, 60, 20});
    AddChoiceList(this, QStringLiteral("组合框1"), edition,
                  Choices({QString::fromUtf8(P::TmallEdition), QString::fromUtf8(P::ProEdition),
                           QString::fromUtf8(P::BasicEdition)}),
                  QString::fromUtf8(P::ProEdition), {80, 14, 90, 24});
    AddLabel(this, QStringLiteral("上间距"), {182, 16, 44, 20});
    spacing_ = AddField(this, QStringLiteral("编辑框_上间距"), {228, 14, 60, 22}, QStringLiteral("0"));

    AddLabel(this, QStringLiteral("模块尺寸"), {16, 50, 60, 20});
    width_ = AddField(this, QStringLiteral("编辑框_宽度"), {80, 48, 80, 22}, QStringLiteral("950"));
    AddLabel(this, QStringLiteral("×"), {164, 50, 14, 20});
    height_ = AddField(this, QStringLiteral("编辑框_高度"), {180, 48, 80, 22});
    AddLabel(this, QStringLiteral("PX"), {264, 50, 24, 20});

    AddLabel(this, QStringLiteral("背景颜色"), {16, 84, 60, 20});
    PanelField* colour = AddField(this, QStringLiteral("编辑框_背景色"), {80, 82, 160, 22});
    AddColourPicker(this, QStringLiteral("颜色选择器1"), colour, {246, 79, 30, 28});

    AddLabel(this, QStringLiteral("背景图片"), {16, 118, 60, 20});
    PanelField* picture = AddField(this, QStringLiteral("编辑框_背景图"), {80, 116, 192, 22});

    PanelField* attachment = AddHiddenField(QStringLiteral("编辑框_固定"), QStringLiteral("scroll"));
    AddLabel(this, QStringLiteral("背景固定"), {16, 152, 60, 20});
    AddRadioGroup(
        this, attachment,
        {{QStringLiteral("单选框1"), QStringLiteral("是"), QStringLiteral("fixed"), QRect(80, 150, 50, 22)},
         {QStringLiteral("单选框2"), QStringLiteral("否"), QStringLiteral("scroll"), QRect(140, 150, 50, 22)}});
    PanelField* repeat = AddHiddenField(QStringLiteral("编辑框_平铺"), QStringLiteral("no-repeat"));
    AddRadioGroup(
        Frame(QStringLiteral("平铺方式"), this, 182), repeat,
        {{QStringLiteral("单选框3"), QStringLiteral("平铺"), QStringLiteral("repeat"), QRect(6, 22, 52, 22)},
         {QStringLiteral("单选框4"), QStringLiteral("横向平铺"), QStringLiteral("repeat-x"), QRect(58, 22, 76, 22)},
         {QStringLiteral("单选框6"), QStringLiteral("不平铺"), QStringLiteral("no-repeat"), QRect(134, 22, 64, 22)},
         {QStringLiteral("单选框5"), QStringLiteral("纵向平铺"), QStringLiteral("repeat-y"), QRect(198, 22, 76, 22)}});
    PanelField* vertical = AddHiddenField(QStringLiteral("编辑框_上下"), QStringLiteral("top"));
    AddRadioGroup(
        Frame(QStringLiteral("上下位置"), this, 242), vertical,
        {{QStringLiteral("单选框7"), QStringLiteral("上"), QStringLiteral("top"), QRect(8, 22, 50, 22)},
         {QStringLiteral("单选框8"), QStringLiteral("中"), QStringLiteral("center"), QRect(80, 22, 50, 22)},
         {QStringLiteral("单选框9"), QStringLiteral("下"), QStringLiteral("bottom"), QRect(152, 22, 50, 22)}});
    PanelField* horizontal = AddHiddenField(QStringLiteral("编辑框_左右"), QStringLiteral("center"));
    AddRadioGroup(
        Frame(QStringLiteral("左右位置"), this, 302), horizontal,
        {{QStringLiteral("单选框12"), QStringLiteral("左"), QStringLiteral("left"), QRect(8, 22, 50, 22)},
         {QStringLiteral("单选框11"), QStringLiteral("中"), QStringLiteral("center"), QRect(80, 22, 50, 22)},
         {QStringLiteral("单选框10"), QStringLiteral("右"), QStringLiteral("right"), QRect(152, 22, 50, 22)}});

    auto* save = AddButton(this, QStringLiteral("按钮1"), QStringLiteral("保存设置"), {(303 - 90) / 2, 366, 90, 28});
    connect(save, &QPushButton::clicked, this, [this] { close(); });

    columns_ = {{P::Edition, edition},    {P::Width, width_},         {P::Height, height_},
                {P::BackColour, colour},  {P::BackPicture, picture},  {P::Attachment, attachment},
                {P::Repeat, repeat},      {P::VerticalPos, vertical}, {P::HorizontalPos, horizontal},
                {P::TopSpacing, spacing_}};
    // The canvas shows the fields as they are, a typed colour as a picked
    // one; the record waits for the commit.
    for (const auto& [column, field] : columns_)
        OnChange(field, [this](const QString&) { document_.PreviewPage(Cells()); });
}

PageSettingsPanel::~PageSettingsPanel()
{
    document_.EndPagePreview();
}

void PageSettingsPanel::Place()
{
    move(10, 100);
}

void PageSettingsPanel::Fill()
{
    for (const auto& [column, field] : columns_)
        field->Write(document_.PageSetting(column));
    if (width_->text().isEmpty())
        width_->Write(QStringLiteral("950"));
    if (height_->text().isEmpty())
        height_->Write(QString::number(ViewSize().height() - 110));
    if (spacing_->text().isEmpty())
        spacing_->Write(QStringLiteral("0"));
    // A design nobody has touched closes without asking: what the panel
    // fills in for it is where it starts, not a change.
    document_.SetPageDefaults({{PageSettings::Width, width_->text()},
                               {PageSettings::Height, height_->text()},
                               {PageSettings::TopSpacing, spacing_->text()}});
}

std::vector<std::pair<int, QString>> PageSettingsPanel::Cells() const
{
    std::vector<std::pair<int, QString>> cells;
    for (const auto& [column, field] : columns_)
        cells.emplace_back(column, field->text());
    return cells;
}

void PageSettingsPanel::Commit()
{
    document_.SetPageSettings(Cells());
    document_.EndPagePreview();
    document_.ShowStatus(QStringLiteral("全局设置属性值保存完成,如需修改，请重新打开配置窗口...."));
}

void PageSettingsPanel::closeEvent(QCloseEvent* event)
{
    Commit();
    event->accept();
}

} // namespace morvane
