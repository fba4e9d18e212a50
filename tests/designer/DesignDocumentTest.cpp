#include "DesignDocument.h"
#include "CanvasElement.h"
#include "ComponentRecord.h"
#include "DesignerWindow.h"
#include "KindTable.h"
#include "PageSettings.h"
#include "PanelPresenter.h"
#include "TempDir.h"
#include "WidgetDriver.h"

#include <QLabel>
#include <QSignalSpy>
#include <gtest/gtest.h>

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
