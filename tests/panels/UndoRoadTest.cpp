// Undo and redo, and the canvas keys, through the real window and panels.
#include "PanelTestFixture.h"

#include "CanvasKeys.h"
#include "CodeGenerator.h"
#include "ComponentRecord.h"
#include "KindTable.h"
#include "PageSettings.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>

namespace morvane {
namespace {

class UndoRoadTest : public PanelTest {
protected:
    void SetUp() override
    {
        PanelTest::SetUp();
        // Undo and redo are shortcuts of the window, which works with the
        // keyboard once it is active.
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        document.SetPageSettings(
            {{PageSettings::Width, "950"}, {PageSettings::Height, "500"}, {PageSettings::HorizontalPos, "center"}});
    }

    std::string Code()
    {
        TemplateTexts texts;
        texts.pageFrame = "<div>宽度 高度</div><div><div>";
        texts.marketPreview = "527304816";
        RandomSource random(3);
        return CodeGenerator::GenerateCode(document.Components(), document.Background(), document.Settings(), texts,
                                           random)
            .code;
    }

    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(&window, key, modifiers); }

    void RemoveWithMenu(CanvasElement* element)
    {
        QTest::mousePress(element, Qt::RightButton);
        QTest::mouseRelease(element, Qt::RightButton);
        auto* menu = Find<QMenu>(&window, "菜单");
        menu->hide();
        menu->actions()[0]->trigger();
    }
};

// A run of edits of every sort, undone to the start with Ctrl+Z and redone
// to the end with Ctrl+Shift+Z, generates the code of the start and of the
// end again.
TEST_F(UndoRoadTest, ARunOfEditsUndoneAndRedoneGeneratesTheSameCode)
{
    const int start = document.UndoStack().index();
    const std::string startCode = Code();

    CanvasElement* picture = AddAt("超级按钮_图片", {100, 50});
    PropertyPanel* panel = panels.Panel(Kind::Picture);
    Type(panel, "编辑框_提示", QStringLiteral("夏季新品"));
    Type(panel, "编辑框_宽度", QStringLiteral("240"));
    Save(panel);
    CanvasElement* carousel = AddAt("超级按钮_轮播", {300, 100});
    Save(panels.Panel(Kind::Carousel), "按钮2");
    AddAt("超级按钮8", {40, 300});
    panel = panels.Panel(Kind::Text);
    Type(panel, "编辑框_内容", QStringLiteral("新品上市"));
    Save(panel);
    AddAt("超级按钮2", {500, 20});
    Save(panels.Panel(Kind::Countdown));
    Drag(carousel, {30, 10});
    Key(Qt::Key_Right, Qt::ShiftModifier);
    Key(Qt::Key_C, Qt::ControlModifier);
    Key(Qt::Key_V, Qt::ControlModifier);
    RemoveWithMenu(picture);
    ASSERT_EQ(document.Count(Sort::Component), 8);
    const std::string endCode = Code();
    ASSERT_NE(endCode, startCode);
    EXPECT_NE(endCode.find("新品上市"), std::string::npos);

    while (document.UndoStack().index() > start) {
        const int before = document.UndoStack().index();
        Key(Qt::Key_Z, Qt::ControlModifier);
        ASSERT_LT(document.UndoStack().index(), before) << "Ctrl+Z undoes";
    }
    EXPECT_EQ(Code(), startCode);
    EXPECT_EQ(document.Count(Sort::Component), 1);
    EXPECT_EQ(document.Count(Sort::Text), 0);
    EXPECT_TRUE(document.StatusText().startsWith(QStringLiteral("已撤销：添加")))
        << document.StatusText().toStdString();

    while (document.UndoStack().canRedo())
        Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Code(), endCode);
    Key(Qt::Key_Z, Qt::ControlModifier);
    Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Code(), endCode);
}

TEST_F(UndoRoadTest, CanvasKeysRemoveNudgeDuplicateAndPaste)
{
    CanvasElement* picture = AddAt("超级按钮_图片", {100, 50});
    PropertyPanel* panel = panels.Panel(Kind::Picture);
    Type(panel, "编辑框_链接", QStringLiteral("http://shop/1"));
    Save(panel);
    // Right after a press, the keys go to the canvas, not to a field.
    Drag(picture, {0, 0});
    panel = panels.Panel(Kind::Picture);
    Key(Qt::Key_Right);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(document.PlacementOf(document.IdAt(Sort::Component, 2)).left, 101);
    EXPECT_EQ(document.PlacementOf(document.IdAt(Sort::Component, 2)).top, 70);
    EXPECT_EQ(Text(panel, "编辑框_距左"), QStringLiteral("101"));
    EXPECT_EQ(Text(panel, "编辑框_距顶"), QStringLiteral("70"));
    // The run of nudges is one step.
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(document.PlacementOf(document.IdAt(Sort::Component, 2)).left, 100);
    EXPECT_EQ(document.PlacementOf(document.IdAt(Sort::Component, 2)).top, 50);
    EXPECT_EQ(Text(panels.Panel(Kind::Picture), "编辑框_距顶"), QStringLiteral("50"));

    // A duplicate is the next number, 10 right and down, saved at its place.
    Key(Qt::Key_D, Qt::ControlModifier);
    ASSERT_EQ(document.Count(Sort::Component), 3);
    EXPECT_EQ(document.PlacementOf(document.IdAt(Sort::Component, 3)).left, 110);
    EXPECT_EQ(Cell(3, ComponentRecord::Left), "110");
    EXPECT_EQ(Cell(3, ComponentRecord::Link), "http://shop/1");
    EXPECT_EQ(Cell(3, ComponentRecord::Saved), "1");

    // A carousel copied and pasted brings its arrows and its settings file;
    // the generated code on the clipboard is never pasted.
    CanvasElement* carousel = AddAt("超级按钮_轮播", {300, 100});
    Save(panels.Panel(Kind::Carousel), "按钮2");
    Drag(carousel, {0, 0});
    QGuiApplication::clipboard()->setText(QStringLiteral("<div>代码</div>"));
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(document.Count(Sort::Component), 6);
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat(CanvasKeys::ClipboardType));
    EXPECT_FALSE(QGuiApplication::clipboard()->text().isEmpty());
    Key(Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(document.Count(Sort::Component), 9);
    EXPECT_EQ(Cell(7, ComponentRecord::Kind), "轮播");
    EXPECT_EQ(Cell(8, ComponentRecord::Kind), "左箭头");
    EXPECT_EQ(SettingsText(Kind::Carousel, 7).find("距左=310"), SettingsText(Kind::Carousel, 7).find("距左="));
    EXPECT_NE(SettingsText(Kind::Carousel, 7).find("距左=310"), std::string::npos);

    // Delete removes what is selected, as "移除" does; Backspace too.
    Drag(ComponentView(3), {0, 0});
    Key(Qt::Key_Delete);
    EXPECT_EQ(document.Count(Sort::Component), 8);
    EXPECT_EQ(panels.Panel(Kind::Picture), nullptr);
    Drag(ComponentView(2), {0, 0});
    Key(Qt::Key_Backspace);
    EXPECT_EQ(document.Count(Sort::Component), 7);
    EXPECT_EQ(document.StatusText(), QStringLiteral("组件删除完成，点击上方组件名称添加对应组件..."));
    // Nothing selected: the keys do nothing.
    document.ClearSelection();
    Key(Qt::Key_Delete);
    EXPECT_EQ(document.Count(Sort::Component), 7);
}

} // namespace
} // namespace morvane
