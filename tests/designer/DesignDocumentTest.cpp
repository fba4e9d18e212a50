#include "DesignDocument.h"
#include "CanvasElement.h"
#include "ComponentRecord.h"
#include "DesignJson.h"
#include "DesignerWindow.h"
#include "KindTable.h"
#include "PageSettings.h"
#include "PanelPresenter.h"
#include "TempDir.h"
#include "WidgetDriver.h"

#include <QLabel>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <functional>

using namespace morvane;

namespace {

class NoPanels : public PanelPresenter {
public:
    void OpenPageSettings() override {}
};

class DesignDocumentTest : public ::testing::Test {
protected:
    TempDir dir;
    DesignDocument document{QString::fromStdString(dir.Path())};
    DesignerWindow window{document};
    NoPanels presenter;

    void SetUp() override
    {
        window.SetPanelPresenter(&presenter);
        window.LayOutForScreen(1920, 1080);
        window.show();
    }
};

} // namespace

TEST_F(DesignDocumentTest, EveryRecordChangeIsSignalledWithItsElement)
{
    QSignalSpy inserted(&document, &DesignDocument::ElementsInserted);
    QSignalSpy records(&document, &DesignDocument::RecordChanged);
    QSignalSpy pages(&document, &DesignDocument::PageSettingsChanged);
    const ElementId picture = document.AddComponent(Kind::Picture);
    const ElementId text = document.AddText();
    document.SetCells(picture, {{ComponentRecord::Tip, QStringLiteral("tip")}});
    document.SetCells(text, {{ComponentRecord::Saved, QStringLiteral("1")}});
    ASSERT_EQ(inserted.size(), 2);
    ASSERT_EQ(records.size(), 2);
    const std::vector<std::pair<Sort, int>> expected{{Sort::Component, 2}, {Sort::Text, 1}};
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(inserted[static_cast<qsizetype>(i)][0].value<Sort>(), expected[i].first);
        EXPECT_EQ(inserted[static_cast<qsizetype>(i)][1].toInt(), expected[i].second);
    }
    EXPECT_EQ(records[0][0].value<ElementId>(), picture);
    EXPECT_EQ(records[1][0].value<ElementId>(), text);
    EXPECT_EQ(records[0][1].toInt(), ComponentRecord::Tip);
    EXPECT_EQ(document.Cell(picture, ComponentRecord::Tip), QStringLiteral("tip"));
    // Row 0 of the background layer belongs to the page settings alone.
    EXPECT_EQ(document.PageSetting(PageSettings::Edition), QStringLiteral("专业版"));
    EXPECT_TRUE(pages.isEmpty());

    document.SetPageSettings({{PageSettings::Edition, QStringLiteral("天猫版")}, {PageSettings::Width, "800"}});
    EXPECT_EQ(pages.size(), 1);
    EXPECT_EQ(document.PageSetting(PageSettings::Edition), QStringLiteral("天猫版"));
}

TEST_F(DesignDocumentTest, SelectionStatusCanvasAndDeselectReachTheWindow)
{
    QSignalSpy selection(&document.Selection(), &SelectionModel::Changed);
    CanvasElement* picture = window.View(document.AddComponent(Kind::Picture));
    WidgetDriver::Drag(picture, QPoint(300, 0));
    // The press drops the selection, the release selects.
    ASSERT_EQ(selection.size(), 2);
    EXPECT_EQ(document.Selection().Current(), picture->Id());
    EXPECT_EQ(document.Selection().CurrentOf(Sort::Component), picture->Id());

    QSignalSpy status(&document, &DesignDocument::StatusShown);
    document.ShowStatus(QStringLiteral("状态"));
    EXPECT_EQ(status.size(), 1);
    EXPECT_EQ(document.StatusText(), QStringLiteral("状态"));
    QLabel* statusPane = nullptr;
    for (QLabel* label : window.findChild<QWidget*>(QStringLiteral("状态提示"))->findChildren<QLabel*>())
        if (label->text() == QStringLiteral("状态"))
            statusPane = label;
    EXPECT_NE(statusPane, nullptr);

    // The canvas is what the page settings say, the panel's preview first,
    // and an undo of the committed settings puts it back.
    auto* canvas = WidgetDriver::Find<QLabel>(&window, "标签_背景");
    document.SetPageSettings({{PageSettings::Width, "1200"}, {PageSettings::Height, "300"}});
    EXPECT_EQ(canvas->geometry(), QRect(960 - 600, 90, 1200, 300));
    EXPECT_FALSE(canvas->isVisible()) << "neither colour nor picture";
    document.PreviewPage({{PageSettings::Width, "800"}, {PageSettings::BackColour, "#0000FF"}});
    EXPECT_EQ(canvas->geometry(), QRect(window.CanvasOrigin().x(), 90, 800, 300));
    EXPECT_TRUE(canvas->isVisible());
    EXPECT_EQ(canvas->palette().color(QPalette::Window), QColor(0, 0, 255));
    document.EndPagePreview();
    EXPECT_EQ(canvas->width(), 1200);
    document.Undo();
    EXPECT_EQ(canvas->geometry(), QRect(window.CanvasOrigin().x(), 90, 950, window.height() - 110));

    ASSERT_TRUE(window.findChild<QWidget*>(QStringLiteral("外形框1"))->isVisible());
    const qsizetype changes = selection.size();
    document.ClearSelection();
    EXPECT_EQ(selection.size(), changes + 1);
    EXPECT_FALSE(window.findChild<QWidget*>(QStringLiteral("外形框1"))->isVisible());
}

// Each kind of edit, made on a document without any window, is undone to
// exactly the design that was there, settings included, and redone to
// exactly the design it made.
TEST(DesignDocumentCommands, EveryEditIsUndoneAndRedoneExactly)
{
    TempDir dir;
    DesignDocument document(QString::fromStdString(dir.Path()));
    // A picture, a carousel with its arrows, a countdown and two texts,
    // saved with settings.
    const ElementId picture = document.AddComponent(Kind::Picture);
    const ElementId carousel = document.AddComponent(Kind::Carousel);
    const ElementId countdown = document.AddComponent(Kind::Countdown);
    ASSERT_EQ(document.NumberOf(countdown), 6);
    const ElementId firstText = document.AddText();
    const ElementId secondText = document.AddText();
    document.SetCells(picture, {{1, "10"}, {6, "http://p/a.jpg"}, {9, "1"}});
    ASSERT_TRUE(document.WriteSettings(carousel, {{"宽度", "300"}, {"图片1", "a"}}));
    ASSERT_TRUE(document.WriteSettings(countdown, {{"宽度", "360"}}));
    ASSERT_TRUE(document.WriteSettings(secondText, {{"内容", "二"}, {"距左", "5"}}));
    EXPECT_FALSE(document.WriteSettings(picture, {{"宽度", "1"}})) << "a picture keeps everything in its record";
    document.SetCells(secondText, {{9, "1"}});

    const auto moved = [&](ElementId id, int left) {
        Placement place = document.PlacementOf(id);
        place.left = left;
        return place;
    };
    const DesignDocument::MergeKey drag = DesignDocument::NewMergeKey();
    const std::vector<std::pair<const char*, std::function<void()>>> edits{
        {"cells",
         [&] {
             document.SetCells(picture, {{7, "http://shop"}, {8, "提示"}});
         }},
        {"carousel moved, arrows along", [&] { document.SetPlacement(carousel, moved(carousel, 200)); }},
        {"a drag of three steps",
         [&] {
             for (const int left : {1, 2, 3})
                 document.SetPlacement(picture, moved(picture, left), drag);
         }},
        {"component added", [&] { document.AddComponent(Kind::Search); }},
        {"arrow removed: both hidden", [&] { document.Remove(document.CompanionsOf(carousel).front()); }},
        {"carousel and text pasted",
         [&] {
             std::vector<DesignElement> copied{document.ElementAt(carousel)};
             for (const ElementId arrow : document.CompanionsOf(carousel))
                 copied.push_back(document.ElementAt(arrow));
             copied.push_back(document.ElementAt(secondText));
             document.Paste(*DesignJson::ElementsFromText(DesignJson::ElementsToText(copied)));
         }},
        {"saved picture duplicated", [&] { document.Duplicate(picture); }},
        {"carousel removed, the later ones renumbered", [&] { document.Remove(carousel); }},
        {"first text removed", [&] { document.Remove(firstText); }},
        {"settings written",
         [&] {
             document.WriteSettings(countdown, {{"字号", "18"}});
         }},
        {"page settings",
         [&] {
             document.SetPageSettings({{PageSettings::Width, "800"}});
         }},
        {"text look",
         [&] {
             TextLook look = document.LookOf(secondText);
             look.caption = "二";
             look.bold = true;
             document.SetTextLook(secondText, look);
         }},
        {"one edit of several steps",
         [&] {
             document.BeginEdit(QStringLiteral("保存设置"));
             document.WriteSettings(secondText, {{"内容", "一"}});
             document.SetCells(secondText, {{9, "1"}});
             document.EndEdit();
         }},
    };
    for (const auto& [name, edit] : edits) {
        const Design before = document.Snapshot();
        const int steps = document.UndoStack().count();
        edit();
        const Design after = document.Snapshot();
        EXPECT_NE(after, before) << name;
        EXPECT_EQ(document.UndoStack().count(), steps + 1) << name;
        document.Undo();
        EXPECT_EQ(document.Snapshot(), before) << name;
        document.Redo();
        EXPECT_EQ(document.Snapshot(), after) << name;
        EXPECT_TRUE(document.StatusText().startsWith(QStringLiteral("已重做："))) << name;
    }
    // An edit of several steps that changes nothing leaves no step.
    const int steps = document.UndoStack().count();
    document.BeginEdit(QStringLiteral("保存设置"));
    document.WriteSettings(secondText, {{"内容", "一"}});
    document.EndEdit();
    EXPECT_EQ(document.UndoStack().count(), steps);
    // The ids stayed with their elements through it all: the countdown is
    // number 3 by now, the carousel having gone before it, and the copy of
    // the saved picture, the last component, generates at its own place.
    EXPECT_EQ(document.NumberOf(countdown), 3);
    EXPECT_EQ(document.SettingsOf(countdown).Value("字号"), "18");
    const ElementId copy = document.IdAt(Sort::Component, document.Count(Sort::Component));
    EXPECT_EQ(document.Cell(copy, 0), QStringLiteral("图片"));
    EXPECT_EQ(document.Cell(copy, 1), QString::number(document.PlacementOf(copy).left));
    // The pasted carousel (now 5) brought its arrows and its settings.
    const ElementId pasted = document.IdAt(Sort::Component, 5);
    EXPECT_EQ(document.KindOf(document.CompanionsOf(pasted).front()), Kind::LeftArrow);
    EXPECT_EQ(document.SettingsOf(pasted).Value("图片1"), "a");
}
