// Design files through the real window and panels: save, close, open and
// generate; the close prompt; bad files; the autosave surviving a kill.
#include "DesignFiles.h"
#include "DesignerProgram.h"
#include "FileBytes.h"

#include "../panels/PanelTestFixture.h"
#include "CodeGenerator.h"
#include "ComponentRecord.h"
#include "DesignJson.h"
#include "PageSettings.h"
#include "PageSettingsPanel.h"

#include <QMessageBox>
#include <QProcess>

#include <sys/stat.h>

#include <fstream>
#include <sstream>

namespace morvane {
namespace {

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string Code(const DesignDocument& document)
{
    TemplateTexts texts;
    texts.pageFrame = "<div>宽度 高度 背景色</div><div><div>";
    texts.marketPreview = "527304816";
    RandomSource random(7);
    return CodeGenerator::GenerateCode(document.Components(), document.Background(), document.Settings(), texts, random)
        .code;
}

// Answers the next question box with the named button, once it shows.
void Answer(const char* button)
{
    QTimer::singleShot(0, [button] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
                if (std::string(button) == "Escape")
                    QTest::keyClick(box, Qt::Key_Escape);
                else
                    WidgetDriver::Find<QPushButton>(box, button)->click();
                return;
            }
        }
        ADD_FAILURE() << "no question was asked";
    });
}

class DesignFilesTest : public PanelTest {
protected:
    TempDir user;
    DesignFiles files{document, &window, QString::fromStdString(user.Path())};
    QString chosen;

    void SetUp() override
    {
        PanelTest::SetUp();
        DesignerProgram::Connect(files, window);
        files.SetPathChooser([this](DesignFiles::Purpose) { return chosen; });
    }

    // A design of several kinds, configured and saved through the panels.
    void BuildDesign()
    {
        panels.OpenPageSettings();
        QWidget* page = panels.PageSettings();
        Type(page, "编辑框_背景色", QStringLiteral("#ffeecc"));
        Save(page);
        AddAt("超级按钮_图片", {100, 50});
        PropertyPanel* panel = panels.Panel(Kind::Picture);
        Type(panel, "编辑框_提示", QStringLiteral("夏季新品"));
        Type(panel, "编辑框_宽度", QStringLiteral("240"));
        Save(panel);
        AddAt("超级按钮_轮播", {300, 100});
        Save(panels.Panel(Kind::Carousel), "按钮2");
        AddAt("超级按钮2", {500, 20});
        Save(panels.Panel(Kind::Countdown));
        AddAt("超级按钮8", {40, 300});
        panel = panels.Panel(Kind::Text);
        Type(panel, "编辑框_内容", QStringLiteral("新品上市 ✓"));
        Save(panel);
        AddAt("超级按钮_图片", {600, 300}); // left unsaved
    }
};

// Saved, the run ended, opened in a new run and generated: the same code,
// the same design, a fresh history, and the file written again byte for
// byte.
TEST_F(DesignFilesTest, ADesignSavedClosedAndOpenedGeneratesTheSameCode)
{
    BuildDesign();
    const std::string code = Code(document);
    const Design design = document.Snapshot();
    EXPECT_TRUE(files.DisplayName().endsWith(QStringLiteral(" *")));
    chosen = QString::fromStdString(user.File("夏季"));
    ASSERT_TRUE(files.Save()); // the first save asks for a path
    const std::string path = user.File("夏季.mvd");
    EXPECT_EQ(files.Path().toStdString(), path);
    EXPECT_EQ(files.DisplayName(), QStringLiteral("夏季"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("夏季 - Morvane"));
    const std::string bytes = ReadBytes(path);

    TempDir secondDir;
    DesignDocument second(QString::fromStdString(secondDir.Path()));
    DesignerWindow secondWindow(second);
    PanelSet secondPanels(second, &secondWindow);
    secondWindow.SetPanelPresenter(&secondPanels);
    secondWindow.LayOutForScreen(1920, 1080);
    secondWindow.Start();
    DesignFiles secondFiles(second, &secondWindow, QString::fromStdString(user.Path()));
    DesignerProgram::Connect(secondFiles, secondWindow);
    ASSERT_TRUE(secondFiles.OpenFile(QString::fromStdString(path)));
    EXPECT_EQ(second.Snapshot(), design);
    EXPECT_EQ(Code(second), code);
    EXPECT_FALSE(second.UndoStack().canUndo());
    EXPECT_FALSE(secondFiles.IsModified());
    EXPECT_EQ(secondWindow.View(second.IdAt(Sort::Component, 2))->pos() - secondWindow.CanvasOrigin(),
              ComponentView(2)->pos() - window.CanvasOrigin());
    EXPECT_EQ(secondWindow.View(second.IdAt(Sort::Text, 1))->Text(), TextView(1)->Text());
    EXPECT_EQ(secondFiles.RecentFiles().value(0).toStdString(), path);
    // The page settings panel opens on the design's own values and closes
    // without a change.
    ASSERT_NE(secondPanels.PageSettings(), nullptr);
    secondPanels.PageSettings()->close();
    EXPECT_FALSE(secondFiles.IsModified());

    secondFiles.SetPathChooser([&](DesignFiles::Purpose) { return QString::fromStdString(secondDir.File("b.mvd")); });
    ASSERT_TRUE(secondFiles.SaveAs());
    EXPECT_EQ(ReadBytes(secondDir.File("b.mvd")), bytes);
    secondWindow.SetPanelPresenter(nullptr);
}

// Closing with changes asks; 取消 and Escape keep the window, 保存 saves,
// 不保存 closes as always. Without changes nothing is asked. A close ends
// the application's event loops, so each answer runs on its own.
struct CloseCase {
    const char* name;
    const char* answer; // nullptr: no change, so no question
    bool closes;
    bool saved;
};

class DesignFilesCloseTest : public DesignFilesTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(DesignFilesCloseTest, TheCloseButtonAsksBeforeAChangeIsLost)
{
    const CloseCase& c = GetParam();
    chosen = QString::fromStdString(user.File("closed.mvd"));
    if (c.answer) {
        AddAt("超级按钮_图片", {100, 50});
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(files.AutosavePath()), 10000);
        Answer(c.answer);
    }
    QTest::mouseClick(Find<QPushButton>(&window, "超级按钮_关闭"), Qt::LeftButton);
    EXPECT_EQ(window.isVisible(), !c.closes) << document.StatusText().toStdString();
    EXPECT_EQ(QFileInfo::exists(chosen), c.saved);
    EXPECT_EQ(std::filesystem::exists(dir.File("bj")), !c.closes);
    EXPECT_EQ(QFileInfo::exists(files.AutosavePath()), c.answer && !c.closes);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, DesignFilesCloseTest,
    ::testing::Values(CloseCase{"Unchanged", nullptr, true, false}, CloseCase{"Cancel", "按钮_取消", false, false},
                      CloseCase{"Escape", "Escape", false, false}, CloseCase{"Discard", "按钮_不保存", true, false},
                      CloseCase{"Save", "按钮_保存", true, true}),
    [](const ::testing::TestParamInfo<CloseCase>& param) { return std::string(param.param.name); });

// Every kind of bad file gets its own words, naming the file, and the open
// design stays as it was.
TEST_F(DesignFilesTest, BadFilesAreNamedWithWhatIsWrongAndChangeNothing)
{
    AddAt("超级按钮_图片", {100, 50});
    Save(panels.Panel(Kind::Picture));
    const Design before = document.Snapshot();
    const std::string good = DesignJson::DesignToText(before);
    const auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    Design hollow;
    hollow.page = before.page;
    hollow.components.push_back(before.components[0]);
    hollow.components.back().cells[ComponentRecord::Kind] = "左箭头";
    Design big = before;
    big.components[0].settings = std::string(10 * 1024 * 1024, 'x');
    const std::string numbers = replaced("\"width\": 120", "\"width\": \"宽\"");
    struct Case {
        const char* name;
        std::string bytes;
        const char* says;
    };
    const std::vector<Case> cases{
        {"damaged", replaced("\"page\"", "\"page\",,"), "文件已损坏"},
        {"truncated", good.substr(0, good.size() / 2), "文件不完整"},
        {"foreign", "{\"name\": \"a shop\"}", "不是 Morvane 的设计文件"},
        {"newer", replaced("\"format\": 1", "\"format\": 7"), "较新版本"},
        {"alone", DesignJson::DesignToText(hollow), "没有所属的组件"},
        {"big", DesignJson::DesignToText(big), "设置内容过大"},
        {"numbers", numbers, "“width”不是整数"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = user.File(std::string(c.name) + ".mvd");
        WriteBytes(path, c.bytes);
        EXPECT_FALSE(files.OpenFile(QString::fromStdString(path)));
        EXPECT_TRUE(document.StatusText().contains(QString::fromStdString(path)));
        EXPECT_TRUE(document.StatusText().contains(QString::fromUtf8(c.says))) << document.StatusText().toStdString();
        EXPECT_EQ(document.Snapshot(), before);
    }
    ASSERT_EQ(::mkfifo(user.File("fifo.mvd").c_str(), 0600), 0);
    for (const char* special : {"fifo.mvd", ""}) {
        EXPECT_FALSE(files.OpenFile(QString::fromStdString(user.File(special))));
        EXPECT_TRUE(document.StatusText().contains(QStringLiteral("不是普通文件")));
    }
    EXPECT_EQ(document.Snapshot(), before);

    // A thousand components is a large design, not a bad one.
    Design thousand = before;
    thousand.components.assign(1000, before.components[0]);
    WriteBytes(user.File("thousand.mvd"), DesignJson::DesignToText(thousand));
    EXPECT_TRUE(files.OpenFile(QString::fromStdString(user.File("thousand.mvd"))));
    EXPECT_EQ(document.Count(Sort::Component), 1001);
}

// Run as a child process by the test below: edits, and waits for its end.
TEST_F(DesignFilesTest, DISABLED_EditsUntilKilled)
{
    DesignFiles child(document, &window, qEnvironmentVariable("MORVANE_AUTOSAVE_DIR"));
    AddAt("超级按钮_图片", {120, 70});
    Type(panels.Panel(Kind::Picture), "编辑框_提示", QStringLiteral("被恢复的图片"));
    Save(panels.Panel(Kind::Picture));
    EXPECT_FALSE(QTest::qWaitFor([] { return false; }, 60000));
}

// The autosave outlives a kill of the program, and the next start offers
// it without stopping anything; taking it brings the design back, unsaved.
TEST_F(DesignFilesTest, AnAutosaveOutlivesAKillAndIsOfferedAtTheNextStart)
{
    TempDir autosaves;
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("MORVANE_AUTOSAVE_DIR"), QString::fromStdString(autosaves.Path()));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_also_run_disabled_tests"),
                 QStringLiteral("--gtest_filter=DesignFilesTest.DISABLED_EditsUntilKilled")});
    ASSERT_TRUE(child.waitForStarted());
    const QString autosave = QString::fromStdString(autosaves.File("autosave.mvd"));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(autosave), 60000);
    child.kill();
    child.waitForFinished();

    DesignFiles next(document, &window, QString::fromStdString(autosaves.Path()));
    DesignerProgram::Connect(next, window);
    next.OfferRecovery();
    auto* offer = Find<QWidget>(&window, "恢复提示");
    EXPECT_TRUE(offer->isVisible());
    EXPECT_EQ(document.Count(Sort::Component), 1) << "nothing changes before the user accepts";
    QTest::mouseClick(Find<QPushButton>(offer, "按钮_恢复"), Qt::LeftButton);
    ASSERT_EQ(document.Count(Sort::Component), 2);
    EXPECT_EQ(Cell(2, ComponentRecord::Tip), "被恢复的图片");
    EXPECT_EQ(Cell(2, ComponentRecord::Saved), "1");
    EXPECT_EQ(document.PlacementOf(document.IdAt(Sort::Component, 2)).left, 120);
    EXPECT_TRUE(next.IsModified());
    EXPECT_EQ(window.findChild<QWidget*>(QStringLiteral("恢复提示")), nullptr);
}

} // namespace
} // namespace morvane
