#pragma once

#include "Design.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QKeySequence;
class QMenu;
class QThreadPool;
class QWidget;

namespace morvane {

class DesignDocument;

// The design as a file: 新建, 打开, 保存, 另存为 and the recent designs,
// the name and modified mark the window shows, the question before a change
// would be lost, and the autosave that lets the next start restore a design
// after a crash, a kill or a termination signal.
class DesignFiles : public QObject {
    Q_OBJECT
public:
    static constexpr const char* Extension = "mvd";
    static constexpr int RecentCount = 10;
    // Far above any design the program writes.
    static constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;
    static constexpr int AutosaveDelayMs = 2000;

    // dialogParent: the window the questions and file dialogs belong to;
    // userDirectory: the user's data folder, where the autosave and the
    // recent designs are kept.
    DesignFiles(DesignDocument& document, QWidget* dialogParent, const QString& userDirectory,
                QObject* parent = nullptr);
    ~DesignFiles() override;

    // The commands, as the menu and the keys run them. Each returns false
    // when it did not happen: cancelled, or failed with a status text.
    bool New();
    bool Open();
    bool OpenFile(const QString& path);
    bool Save();
    bool SaveAs();

    // Asks 保存 / 不保存 / 取消 when the open design has changes, saving
    // on 保存; true when the caller may go on. why names the step in the
    // question ("关闭", "新建", ...).
    bool MayReplace(const QString& why);
    // Asked before the window closes: MayReplace, and the autosave goes
    // when the answer lets the window close.
    bool MayClose();
    // Puts a design that did not come from a file in place of the open one
    // (an import): it counts as changed until it is saved.
    void ReplaceUnsaved(const Design& design);

    // A start after the program did not end through its close button:
    // offers the autosaved design, without stopping anything.
    void OfferRecovery();
    void AcceptRecovery();
    void DeclineRecovery();

    QString Path() const { return path_; }
    bool IsModified() const;
    QStringList RecentFiles() const { return recent_; }
    QString AutosavePath() const;
    // The name the window shows: the file's name or "未命名设计", with " *"
    // after it while it has changes.
    QString DisplayName() const;

    // Tests answer the file dialog; the real one is Qt's own (not the
    // desktop's), so a typed full path and Return save.
    enum class Purpose { Open, Save };
    void SetPathChooser(std::function<QString(Purpose)> chooser) { choosePath_ = std::move(chooser); }
    // The menu the window's "文件" button opens; the import command goes
    // into it too.
    QMenu* Menu() const { return menu_; }
    // The commands with their keys, for the window to take up.
    const QList<QAction*>& Commands() const { return commands_; }

signals:
    // The name to show, as DisplayName() gives it.
    void NameChanged(const QString& name);
    // An autosave can be restored; the offer goes once taken or declined.
    void RecoveryOffered();
    void RecoveryClosed();

private:
    QAction* AddCommand(const QString& unit, const QString& caption, const QKeySequence& keys);
    QString ChoosePath(Purpose purpose);
    bool WriteTo(const QString& path);
    void ShowName();
    void Touched();
    void WriteAutosave();
    void RemoveAutosave();
    void Remember(const QString& path);
    void FillRecentMenu();
    void SetPath(const QString& path);
    // The design in the file, or nullopt with the status text telling why.
    std::optional<Design> ReadDesign(const QString& path);

    DesignDocument& document_;
    QWidget* dialogParent_ = nullptr;
    QString userDirectory_;
    QString path_;
    // Changes the undo history does not hold: a restored autosave, an
    // import.
    bool unsavedReplacement_ = false;
    QStringList recent_;
    QMenu* menu_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QList<QAction*> commands_;
    std::optional<Design> recovered_;
    QString recoveredPath_;
    QTimer autosaveTimer_;
    // One writer, so autosaves land in order and never on the window's
    // thread.
    std::unique_ptr<QThreadPool> writer_;
    std::function<QString(Purpose)> choosePath_;
};

} // namespace morvane
