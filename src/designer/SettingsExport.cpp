#include "SettingsExport.h"

#include "DesignDocument.h"
#include "FileSystem.h"
#include "KindTable.h"

#include <QPointer>
#include <QStringList>
#include <QThreadPool>

#include <mutex>
#include <optional>
#include <utility>

namespace morvane {

namespace {

const QString kNotWritten = QStringLiteral(
    "工作文件夹 bj 中的设置文件 %1 未能写入，设计中的设置不受影响，下次修改时会再次写入，请检查文件夹是否可写以及磁盘空间....");

} // namespace

// What the worker does in one go; it owns everything it touches.
struct SettingsExport::Job {
    std::string directory;
    bool clearFirst = false;
    std::vector<std::pair<std::string, DesignSettings::File>> writes;
    std::vector<std::string> removals;
};

struct SettingsExport::Outcome {
    std::vector<std::pair<std::string, DesignSettings::File>> written;
    std::vector<std::string> removed;
    std::vector<std::string> failed;
};

// Where the worker leaves its outcome for the window's thread.
struct SettingsExport::Shared {
    std::mutex mutex;
    std::optional<Outcome> outcome;
};

SettingsExport::SettingsExport(DesignDocument& document, std::string workingDirectory)
    : document_(document), directory_(std::move(workingDirectory)), worker_(std::make_unique<QThreadPool>()),
      shared_(std::make_shared<Shared>())
{
    worker_->setMaxThreadCount(1);
    connect(&document_, &DesignDocument::ElementsInserted, this, &SettingsExport::Schedule);
    connect(&document_, &DesignDocument::ElementsRemoved, this, &SettingsExport::Schedule);
    connect(&document_, &DesignDocument::SettingsChanged, this, &SettingsExport::Schedule);
    connect(&document_, &DesignDocument::Replaced, this, &SettingsExport::Schedule);
    // The kind word names the file.
    connect(&document_, &DesignDocument::RecordChanged, this, [this](ElementId, int column) {
        if (column == 0)
            Schedule();
    });
    // After a failure any change tries again.
    connect(&document_.UndoStack(), &QUndoStack::indexChanged, this, [this] {
        if (failureShown_)
            Schedule();
    });
    Schedule();
}

SettingsExport::~SettingsExport()
{
    Flush();
    stopped_ = true;
    worker_->waitForDone(kWaitMs);
}

std::string SettingsExport::FileName(Kind kind, int number)
{
    const std::string_view prefix = KindTable::Of(kind).settingsPrefix;
    if (prefix.empty())
        return {};
    return std::string(prefix) + std::to_string(number) + ".ini";
}

void SettingsExport::Schedule()
{
    if (scheduled_ || stopped_)
        return;
    scheduled_ = true;
    // Everything one event changes (a panel's save, an undo) goes out in
    // one run, once the event is through.
    if (!running_)
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (scheduled_ && !running_)
                    Run();
            },
            Qt::QueuedConnection);
}

std::map<std::string, DesignSettings::File> SettingsExport::Wanted() const
{
    std::map<std::string, DesignSettings::File> wanted;
    const DesignSettings settings = document_.Settings();
    for (const Sort sort : {Sort::Component, Sort::Text}) {
        for (int number = 1; number <= document_.Count(sort); ++number) {
            const std::optional<Kind> kind = document_.KindOf(document_.IdAt(sort, number));
            if (kind && settings.Holds(*kind, number)) {
                if (std::string name = FileName(*kind, number); !name.empty())
                    wanted.emplace(std::move(name), settings.Of(*kind, number));
            }
        }
    }
    return wanted;
}

void SettingsExport::Run()
{
    scheduled_ = false;
    if (stopped_)
        return;
    Job job;
    job.directory = directory_;
    job.clearFirst = clearFirst_;
    const std::map<std::string, DesignSettings::File> wanted = Wanted();
    for (const auto& [name, file] : wanted) {
        const auto on = written_.find(name);
        if (on == written_.end() || (on->second != file && on->second->Bytes() != file->Bytes()))
            job.writes.emplace_back(name, file);
    }
    for (const auto& [name, file] : written_) {
        if (!wanted.contains(name))
            job.removals.push_back(name);
    }
    if (!job.clearFirst && job.writes.empty() && job.removals.empty())
        return;
    clearFirst_ = false;
    running_ = true;
    worker_->start([job = std::move(job), shared = shared_, self = QPointer<SettingsExport>(this)] {
        Outcome outcome;
        if (job.clearFirst)
            FileSystem::EmptyDirectory(job.directory);
        if (job.clearFirst || !job.writes.empty())
            FileSystem::CreateDirectory(job.directory);
        for (const auto& [name, file] : job.writes) {
            if (FileSystem::WriteFileAtomically(job.directory + "/" + name, file->Bytes()))
                outcome.written.emplace_back(name, file);
            else
                outcome.failed.push_back(name);
        }
        for (const std::string& name : job.removals) {
            const std::string path = job.directory + "/" + name;
            if (FileSystem::RemoveFile(path) || !FileSystem::Exists(path))
                outcome.removed.push_back(name);
            else
                outcome.failed.push_back(name);
        }
        {
            std::lock_guard lock(shared->mutex);
            shared->outcome = std::move(outcome);
        }
        QMetaObject::invokeMethod(self, &SettingsExport::Collect, Qt::QueuedConnection);
    });
}

void SettingsExport::Collect()
{
    std::optional<Outcome> outcome;
    {
        std::lock_guard lock(shared_->mutex);
        outcome.swap(shared_->outcome);
    }
    if (!outcome)
        return;
    running_ = false;
    for (auto& [name, file] : outcome->written)
        written_[name] = std::move(file);
    for (const std::string& name : outcome->removed)
        written_.erase(name);
    if (outcome->failed.empty()) {
        failureShown_ = false;
    } else {
        // What the folder holds is anybody's guess now: the next run starts
        // it afresh.
        clearFirst_ = true;
        written_.clear();
        if (!failureShown_ && !stopped_) {
            QStringList names;
            for (const std::string& name : outcome->failed)
                names << QString::fromStdString(name);
            document_.ShowStatus(kNotWritten.arg(names.join(QStringLiteral("、"))));
        }
        failureShown_ = true;
    }
    if (scheduled_)
        Run();
}

void SettingsExport::Flush()
{
    while (running_ || scheduled_) {
        if (!running_) {
            Run();
            continue;
        }
        if (!worker_->waitForDone(kWaitMs))
            return;
        Collect();
    }
}

void SettingsExport::DeleteWorkingFolder()
{
    stopped_ = true;
    scheduled_ = false;
    worker_->waitForDone(kWaitMs);
    Collect();
    FileSystem::RemoveTree(directory_);
    written_.clear();
}

} // namespace morvane
