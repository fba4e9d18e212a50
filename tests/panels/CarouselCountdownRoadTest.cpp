// A carousel and a countdown from the toolbar to the clipboard, configured
// only through their panels.
#include "KindTable.h"
#include "PanelTestFixture.h"

#include "CarouselPanel.h"
#include "CodeGenerator.h"
#include "ComponentRecord.h"
#include "CountdownPanel.h"
#include "DesignSettings.h"
#include "GenerationController.h"
#include "KindColumns.h"
#include "PageSettings.h"
#include "PageSettingsPanel.h"
#include "RoadController.h"

#include <QClipboard>
#include <QGuiApplication>

#include <regex>

namespace morvane {
namespace {

class CarouselCountdownRoadTest : public PanelTest {};

TEST_F(CarouselCountdownRoadTest, BlocksAreWhatTheGeneratorMakesOfTheSameValues)
{
    auto* controller = StartRoadController(document, dir, &window);
    ASSERT_NE(controller, nullptr);
    QObject::connect(&window, &DesignerWindow::GenerateRequested, controller, &GenerationController::GenerateCode);
    panels.OpenPageSettings();
    QTest::mouseClick(Find<QPushButton>(panels.PageSettings(), "按钮1"), Qt::LeftButton);

    QTest::mouseClick(Find<QPushButton>(&window, "超级按钮_轮播"), Qt::LeftButton);
    Drag(ComponentView(2), QPoint(window.CanvasOrigin().x() + 30, 100) - QPoint(9, 247));
    PropertyPanel* carousel = panels.Panel(Kind::Carousel);
    ASSERT_NE(carousel, nullptr);
    QTest::mouseClick(Find<QPushButton>(carousel, "按钮1"), Qt::LeftButton);
    for (int row = 1; row <= 3; ++row) {
        Type(carousel, QStringLiteral("编辑框_图片%1").arg(row).toUtf8().constData(),
             QStringLiteral("http://127.0.0.1:9/p/%1.jpg").arg(row));
        Type(carousel, QStringLiteral("编辑框_链接%1").arg(row).toUtf8().constData(),
             QStringLiteral("http://l/%1").arg(row));
    }
    Find<QComboBox>(carousel, "组合框3")->activated(1);
    Find<QComboBox>(carousel, "组合框4")->activated(0);
    QTest::mouseClick(Find<QPushButton>(carousel, "按钮2"), Qt::LeftButton);
    ASSERT_EQ(document.Cell(document.IdAt(Sort::Component, 2), ComponentRecord::Saved), QStringLiteral("1"));

    QTest::mouseClick(Find<QPushButton>(&window, "超级按钮2"), Qt::LeftButton);
    Drag(ComponentView(5), QPoint(window.CanvasOrigin().x() + 400, 300) - QPoint(9, 247));
    PropertyPanel* countdown = panels.Panel(Kind::Countdown);
    ASSERT_NE(countdown, nullptr);
    Type(countdown, "编辑框_年数", QStringLiteral("2027"));
    Type(countdown, "编辑框_底图", QStringLiteral("http://127.0.0.1:9/p/bg.png"));
    QTest::mouseClick(Find<QPushButton>(countdown, "按钮1"), Qt::LeftButton);

    QTest::mouseClick(Find<QPushButton>(&window, "超级按钮_生成"), Qt::LeftButton);
    ASSERT_EQ(document.StatusText(), QStringLiteral("代码生成完毕，并已复制到剪切板..."));
    const std::string clipboard = QGuiApplication::clipboard()->text().toStdString();

    // The same design, written directly.
    DesignSettings store;
    ComponentLayer components;
    for (const Kind kind : {Kind::Carousel, Kind::LeftArrow, Kind::RightArrow, Kind::Countdown})
        components.AppendComponent(kind);
    components.SetCell(2, CarouselColumn::ArrowSwitch, CarouselColumn::ArrowsShown);
    components.SetCell(2, ComponentRecord::Saved, "1");
    components.SetCell(5, ComponentRecord::Saved, "1");
    const std::string slide = CarouselPanel::DefaultPictureAddress.toStdString();
    std::vector<std::pair<std::string, std::string>> carouselKeys{
        {"宽度", "300"},
        {"高度", "130"},
        {"距左", "30"},
        {"距顶", "10"},
        {"编辑框数量", "3"},
        {"左箭头", CarouselPanel::DefaultLeftArrowAddress.toStdString()},
        {"右箭头", CarouselPanel::DefaultRightArrowAddress.toStdString()},
        {"左箭头距左", "0"},
        {"左箭头距顶", "90"},
        {"右箭头距左", "260"},
        {"右箭头距顶", "90"},
        {"打开方式", "_blank"},
        {"自动轮播", "true"},
        {"动画效果", "fade"},
        {"切换效果", "easeNone"},
        {"刷新间隔", "0.5"},
        {"箭头开关", "block"}};
    for (int row = 1; row <= 3; ++row) {
        carouselKeys.emplace_back("图片" + std::to_string(row), "http://127.0.0.1:9/p/" + std::to_string(row) + ".jpg");
        carouselKeys.emplace_back("链接" + std::to_string(row), "http://l/" + std::to_string(row));
    }
    store.Set(Kind::Carousel, 2, DesignSettings::Written(carouselKeys));
    store.Set(Kind::Countdown, 5, DesignSettings::Written({{"距左", "400"},
                                                           {"距顶", "210"},
                                                           {"宽度", "360"},
                                                           {"高度", "90"},
                                                           {"底图", "http://127.0.0.1:9/p/bg.png"},
                                                           {"年数", "2027"},
                                                           {"年字", "年"},
                                                           {"月数", "5"},
                                                           {"月字", "月"},
                                                           {"号数", "9"},
                                                           {"号字", "日"},
                                                           {"时数", "20"},
                                                           {"时字", "时"},
                                                           {"分数", "23"},
                                                           {"分字", "分"},
                                                           {"秒数", "18"},
                                                           {"秒字", "秒"},
                                                           {"字距", "89"},
                                                           {"字号", "18"},
                                                           {"字体", "微软雅黑"},
                                                           {"字色", "#fff"}}));
    RandomSource random;
    const GenerationResult reference =
        CodeGenerator::GenerateCode(components, document.Background(), store, controller->Templates(), random);
    // The carousel's class number is random; it follows an underscore.
    const std::regex classNumber("_[0-9]+");
    EXPECT_EQ(std::regex_replace(clipboard, classNumber, "_N"), std::regex_replace(reference.code, classNumber, "_N"));
    EXPECT_NE(clipboard.find("'effect':'fade'"), std::string::npos);
    EXPECT_NE(clipboard.find("2027"), std::string::npos);
}

} // namespace
} // namespace morvane
