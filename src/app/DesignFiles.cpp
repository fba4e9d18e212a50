#include "DesignFiles.h"

#include "DesignDocument.h"
#include "DesignJson.h"
#include "FileSystem.h"
#include "KindTable.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QThreadPool>

namespace morvane {

namespace {

const QString kUntitled = QStringLiteral("未命名设计");
constexpr const char* kRecentKey = "recentFiles";

std::string Local(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

// As the user counts them: a carousel's arrows are part of it.
int ComponentCount(const Design& design)
{
    int count = 0;
    for (const DesignElement& element : design.components) {
        const std::optional<Kind> kind = KindTable::FromWord(element.cells.at(0));
        count += kind && KindTable::Of(*kind).owner ? 0 : 1;
    }
    return count;
}

QString AutosaveOriginPath(const QString& autosave)
{
    return autosave + QStringLiteral(".origin");
}

} // namespace

DesignFiles::DesignFiles(DesignDocument& document, QWidget* dialogParent, const QString& userDirectory, QObject* parent)
    : QObject(parent), document_(document), dialogParent_(dialogParent), userDirectory_(userDirectory),
      writer_(std::make_unique<QThreadPool>())
{
    writer_->setMaxThreadCount(1);
    recent_ = QSettings(userDirectory_ + QStringLiteral("/morvane.ini"), QSettings::IniFormat)
                  .value(kRecentKey)
                  .toStringList();

    menu_ = new QMenu(dialogParent_);
    menu_->setObjectName(QStringLiteral("菜单_文件"));
    connect(AddCommand(QStringLiteral("动作_新建"), QStringLiteral("新建"), QKeySequence(Qt::CTRL | Qt::Key_N)),
            &QAction::triggered, this, [this] { New(); });
    connect(AddCommand(QStringLiteral("动作_打开"), QStringLiteral("打开..."), QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, [this] { Open(); });
    recentMenu_ = menu_->addMenu(QStringLiteral("最近打开"));
    recentMenu_->setObjectName(QStringLiteral("菜单_最近打开"));
    connect(recentMenu_, &QMenu::aboutToShow, this, &DesignFiles::FillRecentMenu);
    FillRecentMenu();
    connect(AddCommand(QStringLiteral("动作_保存"), QStringLiteral("保存"), QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, [this] { Save(); });
    connect(AddCommand(QStringLiteral("动作_另存为"), QStringLiteral("另存为..."),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)),
            &QAction::triggered, this, [this] { SaveAs(); });
    menu_->addSeparator();

    autosaveTimer_.setSingleShot(true);
    autosaveTimer_.setInterval(AutosaveDelayMs);
    connect(&autosaveTimer_, &QTimer::timeout, this, &DesignFiles::WriteAutosave);
    connect(&document_.UndoStack(), &QUndoStack::indexChanged, this, &DesignFiles::Touched);
    connect(&document_.UndoStack(), &QUndoStack::cleanChanged, this, &DesignFiles::ShowName);
    ShowName();
}

DesignFiles::~DesignFiles()
{
    // A termination signal ends the run without a question: the last
    // changes go into the autosave before it does.
    if (autosaveTimer_.isActive())
        WriteAutosave();
    // An autosave still being written finishes; one that hangs on a stuck
    // disk is not waited for without end.
    writer_->waitForDone(2000);
}

QAction* DesignFiles::AddCommand(const QString& unit, const QString& caption, const QKeySequence& keys)
{
    auto* action = new QAction(caption, menu_);
    action->setObjectName(unit);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::ApplicationShortcut);
    menu_->addAction(action);
    commands_.push_back(action);
    return action;
}

bool DesignFiles::IsModified() const
{
    return unsavedReplacement_ || document_.IsModified();
}

QString DesignFiles::DisplayName() const
{
    const QString name = path_.isEmpty() ? kUntitled : QFileInfo(path_).completeBaseName();
    return IsModified() ? name + QStringLiteral(" *") : name;
}

void DesignFiles::ShowName()
{
    emit NameChanged(DisplayName());
}

bool DesignFiles::MayClose()
{
    if (!MayReplace(QStringLiteral("关闭")))
        return false;
    RemoveAutosave();
    return true;
}

void DesignFiles::Touched()
{
    ShowName();
    if (IsModified())
        autosaveTimer_.start();
}

void DesignFiles::SetPath(const QString& path)
{
    path_ = path;
    ShowName();
}

QString DesignFiles::ChoosePath(Purpose purpose)
{
    if (choosePath_)
        return choosePath_(purpose);
    QFileDialog dialog(dialogParent_,
                       purpose == Purpose::Open ? QStringLiteral("打开设计") : QStringLiteral("保存设计"));
    dialog.setObjectName(QStringLiteral("文件对话框"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters(
        {QStringLiteral("Morvane 设计 (*.%1)").arg(QLatin1String(Extension)), QStringLiteral("所有文件 (*)")});
    if (!path_.isEmpty())
        dialog.setDirectory(QFileInfo(path_).absolutePath());
    else
        dialog.setDirectory(QDir::homePath());
    if (purpose == Purpose::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(QLatin1String(Extension));
        dialog.selectFile(path_.isEmpty() ? kUntitled + QLatin1Char('.') + QLatin1String(Extension)
                                          : QFileInfo(path_).fileName());
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool DesignFiles::MayReplace(const QString& why)
{
    if (!IsModified())
        return true;
    QMessageBox box(QMessageBox::Question, QStringLiteral("Morvane"),
                    QStringLiteral("设计“%1”有未保存的修改，%2前要保存吗？")
                        .arg(path_.isEmpty() ? kUntitled : QFileInfo(path_).completeBaseName(), why),
                    QMessageBox::NoButton, dialogParent_);
    box.setObjectName(QStringLiteral("询问保存"));
    QPushButton* save = box.addButton(QStringLiteral("保存"), QMessageBox::AcceptRole);
    save->setObjectName(QStringLiteral("按钮_保存"));
    QPushButton* discard = box.addButton(QStringLiteral("不保存"), QMessageBox::DestructiveRole);
    discard->setObjectName(QStringLiteral("按钮_不保存"));
    QPushButton* cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
    cancel->setObjectName(QStringLiteral("按钮_取消"));
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return Save();
    return box.clickedButton() == discard;
}

bool DesignFiles::New()
{
    if (!MayReplace(QStringLiteral("新建")))
        return false;
    document_.Replace(Design{});
    unsavedReplacement_ = false;
    RemoveAutosave();
    SetPath({});
    document_.ShowStatus(QStringLiteral("已新建设计，点击上方组件名称添加组件..."));
    return true;
}

bool DesignFiles::Open()
{
    if (!MayReplace(QStringLiteral("打开其他设计")))
        return false;
    const QString path = ChoosePath(Purpose::Open);
    return !path.isEmpty() && OpenFile(path);
}

std::optional<Design> DesignFiles::ReadDesign(const QString& path)
{
    const auto refuse = [&](const QString& why) {
        document_.ShowStatus(QStringLiteral("无法打开设计文件“%1”：%2").arg(path, why));
        return std::nullopt;
    };
    // A link is followed here on purpose: the user chose it. What it
    // leads to must still be a regular file.
    const QFileInfo info(path);
    if (!info.exists())
        return refuse(QStringLiteral("文件不存在"));
    if (!info.isFile())
        return refuse(QStringLiteral("不是普通文件"));
    if (info.size() > MaxFileBytes)
        return refuse(QStringLiteral("文件过大，不是本程序保存的设计"));
    const std::optional<std::string> bytes = FileSystem::ReadWholeFile(Local(info.canonicalFilePath()));
    if (!bytes)
        return refuse(QStringLiteral("无法读取文件"));
    if (bytes->size() > static_cast<size_t>(MaxFileBytes))
        return refuse(QStringLiteral("文件过大，不是本程序保存的设计"));
    DesignJson::DesignReading reading = DesignJson::DesignFromText(*bytes);
    if (!reading.design)
        return refuse(QString::fromUtf8(reading.problem));
    return std::move(reading.design);
}

bool DesignFiles::OpenFile(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    std::optional<Design> design = ReadDesign(absolute);
    if (!design) {
        if (recent_.removeAll(absolute) > 0)
            Remember({});
        return false;
    }
    document_.Replace(*design);
    unsavedReplacement_ = false;
    RemoveAutosave();
    SetPath(absolute);
    Remember(absolute);
    document_.ShowStatus(QStringLiteral("已打开设计“%1”：%2 个组件，%3 个文字...")
                             .arg(QFileInfo(absolute).fileName())
                             .arg(ComponentCount(*design))
                             .arg(design->texts.size()));
    return true;
}

bool DesignFiles::Save()
{
    if (path_.isEmpty())
        return SaveAs();
    return WriteTo(path_);
}

bool DesignFiles::SaveAs()
{
    QString path = ChoosePath(Purpose::Save);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + QLatin1String(Extension);
    return WriteTo(QFileInfo(path).absoluteFilePath());
}

bool DesignFiles::WriteTo(const QString& path)
{
    const std::string text = DesignJson::DesignToText(document_.Snapshot());
    if (!FileSystem::WriteFileAtomically(Local(path), text)) {
        document_.ShowStatus(QStringLiteral("无法保存设计文件“%1”，请检查磁盘空间和写入权限...").arg(path));
        return false;
    }
    unsavedReplacement_ = false;
    document_.MarkSaved();
    // The file holds it now; an autosave would only offer it back.
    RemoveAutosave();
    SetPath(path);
    Remember(path);
    document_.ShowStatus(QStringLiteral("设计已保存到“%1”...").arg(path));
    return true;
}

void DesignFiles::ReplaceUnsaved(const Design& design)
{
    document_.Replace(design);
    unsavedReplacement_ = true;
    SetPath({});
    Touched();
}

void DesignFiles::Remember(const QString& path)
{
    if (!path.isEmpty()) {
        recent_.removeAll(path);
        recent_.prepend(path);
        while (recent_.size() > RecentCount)
            recent_.removeLast();
    }
    QSettings settings(userDirectory_ + QStringLiteral("/morvane.ini"), QSettings::IniFormat);
    settings.setValue(kRecentKey, recent_);
    FillRecentMenu();
}

void DesignFiles::FillRecentMenu()
{
    recentMenu_->clear();
    for (const QString& path : recent_) {
        QAction* action = recentMenu_->addAction(QFileInfo(path).fileName() + QStringLiteral("  (") +
                                                 QDir::toNativeSeparators(path) + QLatin1Char(')'));
        connect(action, &QAction::triggered, this, [this, path] {
            if (MayReplace(QStringLiteral("打开其他设计")))
                OpenFile(path);
        });
    }
    recentMenu_->setEnabled(!recent_.isEmpty());
}

QString DesignFiles::AutosavePath() const
{
    return userDirectory_ + QStringLiteral("/autosave.") + QLatin1String(Extension);
}

void DesignFiles::WriteAutosave()
{
    if (userDirectory_.isEmpty() || !IsModified())
        return;
    // The text is made here, where the design lives; the disk is left to
    // the writer.
    auto text = std::make_shared<std::string>(DesignJson::DesignToText(document_.Snapshot()));
    const std::string target = Local(AutosavePath());
    const std::string origin = Local(AutosaveOriginPath(AutosavePath()));
    const std::string source = path_.toStdString();
    writer_->start([text, target, origin, source] {
        if (FileSystem::WriteFileAtomically(origin, source))
            FileSystem::WriteFileAtomically(target, *text);
    });
}

void DesignFiles::RemoveAutosave()
{
    autosaveTimer_.stop();
    writer_->waitForDone(2000);
    FileSystem::RemoveFile(Local(AutosavePath()));
    FileSystem::RemoveFile(Local(AutosaveOriginPath(AutosavePath())));
}

void DesignFiles::OfferRecovery()
{
    const std::optional<std::string> bytes = FileSystem::ReadWholeFile(Local(AutosavePath()));
    if (!bytes || bytes->size() > static_cast<size_t>(MaxFileBytes))
        return;
    DesignJson::DesignReading reading = DesignJson::DesignFromText(*bytes);
    if (!reading.design)
        return;
    recovered_ = std::move(reading.design);
    const std::optional<std::string> origin = FileSystem::ReadWholeFile(Local(AutosaveOriginPath(AutosavePath())));
    recoveredPath_ = origin ? QString::fromStdString(*origin) : QString();
    emit RecoveryOffered();
}

void DesignFiles::AcceptRecovery()
{
    if (!recovered_ || !MayReplace(QStringLiteral("恢复"))) {
        return;
    }
    document_.Replace(*recovered_);
    unsavedReplacement_ = true;
    SetPath(recoveredPath_);
    document_.ShowStatus(QStringLiteral("已恢复自动保存的设计：%1 个组件，%2 个文字，请保存...")
                             .arg(ComponentCount(*recovered_))
                             .arg(recovered_->texts.size()));
    recovered_.reset();
    emit RecoveryClosed();
    Touched();
}

void DesignFiles::DeclineRecovery()
{
    // The autosave stays where it is until the next autosave replaces it.
    recovered_.reset();
    emit RecoveryClosed();
}

} // namespace morvane
