#include "DesignDocument.h"
#include "CanvasElement.h"
#include "ComponentRecord.h"
#include "DesignJson.h"
#include "DesignerWindow.h"
#include "KindTable.h"
#include "PageSettings.h"
#include "PanelPresenter.h"
#include "SettingsFile.h"
#include "TempDir.h"
#include "WidgetDriver.h"

#include <QLabel>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

using namespace morvane;

namespace {

class CountingPresenter : public PanelPresenter {
public:
    int closed = 0;
    void Present(Sort, int) override {}
    void CloseComponentPanels() override { ++closed; }
    void OpenPageSettings() override {}
};

class DesignDocumentTest : public ::testing::Test {
protected:
    TempDir dir;
    DesignDocument document{QString::fromStdString(dir.Path())};
    DesignerWindow window{document};
    CountingPresenter presenter;
    QMetaObject::Connection follows = QObject::connect(&document, &DesignDocument::SelectionChanged, [this] {
        if (document.State().Current() == 0)
            presenter.CloseComponentPanels();
    });

    void SetUp() override
    {
        window.SetPanelPresenter(&presenter);
        window.LayOutForScreen(1920, 1080);
        window.show();
    }
};

} // namespace

TEST_F(DesignDocumentTest, EveryRecordChangeIsSignalledWithItsSortAndRow)
{
    QSignalSpy inserted(&document, &DesignDocument::ElementsInserted);
    QSignalSpy records(&document, &DesignDocument::RecordChanged);
    QSignalSpy pages(&document, &DesignDocument::PageSettingsChanged);
    window.AddComponent(Kind::Picture);
    window.AddText();
    document.SetComponentCell(2, ComponentRecord::Tip, QStringLiteral("tip"));
    document.SetTextCell(1, ComponentRecord::Saved, QStringLiteral("1"));
    // Row 0 of the background layer belongs to the page settings alone.
    document.SetTextCell(0, 0, QStringLiteral("基础版"));
    ASSERT_EQ(inserted.size(), 2);
    ASSERT_EQ(records.size(), 2);
    const std::vector<std::pair<Sort, int>> expected{
        {Sort::Component, 2}, {Sort::Text, 1}, {Sort::Component, 2}, {Sort::Text, 1}};
    for (size_t i = 0; i < expected.size(); ++i) {
        const QList<QVariant>& signal =
            i < 2 ? inserted[static_cast<qsizetype>(i)] : records[static_cast<qsizetype>(i - 2)];
        EXPECT_EQ(signal[0].value<Sort>(), expected[i].first);
        EXPECT_EQ(signal[1].toInt(), expected[i].second);
    }
    EXPECT_EQ(records[0][2].toInt(), ComponentRecord::Tip);
    EXPECT_EQ(document.ComponentCell(2, ComponentRecord::Tip), QStringLiteral("tip"));
    EXPECT_EQ(document.PageSetting(PageSettings::Edition), QStringLiteral("专业版"));
    EXPECT_TRUE(pages.isEmpty());

    document.SetPageSettings({{PageSettings::Edition, QStringLiteral("天猫版")}, {PageSettings::Width, "800"}});
    EXPECT_EQ(pages.size(), 1);
    EXPECT_EQ(document.PageSetting(PageSettings::Edition), QStringLiteral("天猫版"));
}

TEST_F(DesignDocumentTest, SelectionStatusCanvasAndDeselectReachTheWindow)
{
    QSignalSpy selection(&document, &DesignDocument::SelectionChanged);
    CanvasElement* picture = window.AddComponent(Kind::Picture);
    WidgetDriver::Drag(picture, QPoint(300, 0));
    // The press drops the selection, the release selects.
    ASSERT_EQ(selection.size(), 2);
    EXPECT_EQ(window.ComponentView(document.State().currentComponent), picture);
    EXPECT_TRUE(document.State().currentIsComponent);

    QSignalSpy status(&document, &DesignDocument::StatusShown);
    document.ShowStatus(QStringLiteral("状态"));
    EXPECT_EQ(status.size(), 1);
    EXPECT_EQ(document.StatusText(), QStringLiteral("状态"));
    QLabel* statusPane = nullptr;
    for (QLabel* label : window.findChild<QWidget*>(QStringLiteral("状态提示"))->findChildren<QLabel*>())
        if (label->text() == QStringLiteral("状态"))
            statusPane = label;
    EXPECT_NE(statusPane, nullptr);

    // The page settings panel tells the document; the window sizes its canvas.
    auto* canvas = WidgetDriver::Find<QLabel>(&window, "标签_背景");
    document.SetCanvasSize({1200, 300}, 1200);
    EXPECT_EQ(canvas->geometry(), QRect(960 - 600, 90, 1200, 300));
    document.SetCanvasSize({800, 300}, 800);
    EXPECT_EQ(canvas->x(), window.CanvasOriginX());
    document.SetCanvasVisible(false);
    EXPECT_FALSE(canvas->isVisible());
    document.SetCanvasColour(QColor(0, 0, 255));
    EXPECT_EQ(canvas->palette().color(QPalette::Window), QColor(0, 0, 255));

    ASSERT_TRUE(window.findChild<QWidget*>(QStringLiteral("外形框1"))->isVisible());
    const int closedBefore = presenter.closed;
    document.RequestDeselect();
    EXPECT_EQ(presenter.closed, closedBefore + 1);
    EXPECT_FALSE(window.findChild<QWidget*>(QStringLiteral("外形框1"))->isVisible());
}

namespace {

// Everything an undo must put back: every record, every place and look,
// and the working folder's files byte for byte.
struct Snapshot {
    std::vector<std::vector<std::string>> components;
    std::vector<std::vector<std::string>> texts;
    std::vector<Placement> places;
    std::vector<TextLook> looks;
    std::map<std::string, std::string> files;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const DesignDocument& document)
{
    Snapshot s;
    for (int row = 0; row < document.Components().RowCount(); ++row)
        s.components.push_back(document.Components().Row(row));
    for (int row = 0; row < document.Background().RowCount(); ++row)
        s.texts.push_back(document.Background().Row(row));
    for (int n = 2; n <= document.Count(Sort::Component); ++n)
        s.places.push_back(document.PlacementOf(Sort::Component, n));
    for (int n = 1; n <= document.Count(Sort::Text); ++n) {
        s.places.push_back(document.PlacementOf(Sort::Text, n));
        s.looks.push_back(document.LookOf(n));
    }
    for (const auto& entry : std::filesystem::directory_iterator(document.Settings().WorkingDirectory())) {
        std::ifstream in(entry.path(), std::ios::binary);
        s.files[entry.path().filename().string()] = std::string(std::istreambuf_iterator<char>(in), {});
    }
    return s;
}

} // namespace

// Each kind of edit, made on a document without any window, is undone to
// exactly what was there and redone to exactly what it made.
TEST(DesignDocumentCommands, EveryEditIsUndoneAndRedoneExactly)
{
    TempDir dir;
    DesignDocument document(QString::fromStdString(dir.Path()));
    document.Settings().CreateWorkingDirectory();
    // A picture, a carousel with its arrows, a countdown and two texts,
    // saved with settings files.
    document.AddComponent(Kind::Picture);
    const int carousel = document.AddComponent(Kind::Carousel);
    const int countdown = document.AddComponent(Kind::Countdown);
    ASSERT_EQ(countdown, 6);
    document.AddText();
    document.AddText();
    document.SetCells(Sort::Component, 2, {{1, "10"}, {6, "http://p/a.jpg"}, {9, "1"}});
    ASSERT_TRUE(document.WriteSettings(Sort::Component, carousel, {{"宽度", "300"}, {"图片1", "a"}}));
    ASSERT_TRUE(document.WriteSettings(Sort::Component, countdown, {{"宽度", "360"}}));
    ASSERT_TRUE(document.WriteSettings(Sort::Text, 2, {{"内容", "二"}, {"距左", "5"}}));
    document.SetCells(Sort::Text, 2, {{9, "1"}});

    const auto move = [&](int number, int left) {
        Placement place = document.PlacementOf(Sort::Component, number);
        place.left = left;
        return place;
    };
    const DesignDocument::MergeKey drag = DesignDocument::NewMergeKey();
    const std::vector<std::pair<const char*, std::function<void()>>> edits{
        {"cells",
         [&] {
             document.SetCells(Sort::Component, 2, {{7, "http://shop"}, {8, "提示"}});
         }},
        {"carousel moved, arrows along",
         [&] { document.SetPlacement(Sort::Component, carousel, move(carousel, 200)); }},
        {"a drag of three steps",
         [&] {
             for (const int left : {1, 2, 3})
                 document.SetPlacement(Sort::Component, 2, move(2, left), drag);
         }},
        {"component added", [&] { document.AddComponent(Kind::Search); }},
        {"arrow removed: both hidden", [&] { document.Remove(Sort::Component, carousel + 1); }},
        {"carousel and text pasted",
         [&] {
             document.Paste(*DesignJson::ElementsFromText(DesignJson::ElementsToText(
                 {document.ElementAt(Sort::Component, carousel), document.ElementAt(Sort::Component, carousel + 1),
                  document.ElementAt(Sort::Component, carousel + 2), document.ElementAt(Sort::Text, 2)})));
         }},
        {"saved picture duplicated", [&] { document.Duplicate(Sort::Component, 2); }},
        {"carousel removed, later files renumbered", [&] { document.Remove(Sort::Component, carousel); }},
        {"first text removed", [&] { document.Remove(Sort::Text, 1); }},
        // The countdown's number is 3 by now: the carousel went before it.
        {"settings written",
         [&] {
             document.WriteSettings(Sort::Component, 3, {{"字号", "18"}});
         }},
        {"page settings",
         [&] {
             document.SetPageSettings({{PageSettings::Width, "800"}});
         }},
        {"text look",
         [&] {
             TextLook look = document.LookOf(1);
             look.caption = "二";
             look.bold = true;
             document.SetTextLook(1, look);
         }},
        {"one edit of several steps",
         [&] {
             document.BeginEdit(QStringLiteral("保存设置"));
             document.WriteSettings(Sort::Text, 1, {{"内容", "一"}});
             document.SetCells(Sort::Text, 1, {{9, "1"}});
             document.EndEdit();
         }},
    };
    for (const auto& [name, edit] : edits) {
        const Snapshot before = Take(document);
        const int steps = document.UndoStack().count();
        edit();
        const Snapshot after = Take(document);
        EXPECT_NE(after, before) << name;
        EXPECT_EQ(document.UndoStack().count(), steps + 1) << name;
        document.Undo();
        EXPECT_EQ(Take(document), before) << name;
        document.Redo();
        EXPECT_EQ(Take(document), after) << name;
        EXPECT_TRUE(document.StatusText().startsWith(QStringLiteral("已重做："))) << name;
    }
    // The copy of the saved picture, the last component, generates at its
    // own place; the pasted carousel (now 5) brought its arrows and file.
    const int copy = document.Count(Sort::Component);
    EXPECT_EQ(document.Components().Cell(copy, 0), "图片");
    EXPECT_EQ(document.Components().Cell(copy, 1), std::to_string(document.PlacementOf(Sort::Component, copy).left));
    EXPECT_EQ(document.Components().Cell(6, 0), "左箭头");
    EXPECT_EQ(SettingsFile::FromBytes(*document.Settings().ReadBytes(Kind::Carousel, 5)).Value("图片1"), "a");
}
