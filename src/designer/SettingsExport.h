#pragma once

#include "DesignSettings.h"
#include "Kind.h"

#include <QObject>
#include <QString>

#include <map>
#include <memory>
#include <string>
#include <vector>

class QThreadPool;

namespace morvane {

class DesignDocument;

// The working folder "bj" as the design's settings look as files there: one
// per carousel, countdown, search box and text, named after its number of
// the moment ("lb5.ini"), section "配置", the bytes its panel wrote. After
// every change of the design the files whose content changed are written
// again, whole and atomically, and files of numbers the design no longer
// has are removed; a worker does the writing, so the window never waits
// for the disk. It is an export: nothing in the program reads it back. A
// write that fails is told once in the status bar and loses nothing, since
// the design holds the settings; the next change tries again. Files in the
// folder when the export starts belong to no design and are removed.
class SettingsExport : public QObject {
    Q_OBJECT
public:
    // How long the window waits for a write under way at most, when it
    // must (the close button, the end of the program).
    static constexpr int kWaitMs = 2000;

    SettingsExport(DesignDocument& document, std::string workingDirectory);
    // What the design holds at its end is in the folder, unless the disk
    // keeps the writer longer than kWaitMs.
    ~SettingsExport() override;

    // The name of the file of an element of the kind and number; empty for
    // kinds without settings.
    static std::string FileName(Kind kind, int number);
    // Waits until the folder holds what the design holds now, or the writes
    // failed.
    void Flush();
    // The close button ends the run's settings: the export stops and the
    // folder goes with everything in it.
    void DeleteWorkingFolder();

private:
    struct Job;
    struct Outcome;
    struct Shared;
    void Schedule();
    void Run();
    // Takes in what the worker reports, on the window's thread.
    void Collect();
    // The files the design holds now, by name.
    std::map<std::string, DesignSettings::File> Wanted() const;

    DesignDocument& document_;
    std::string directory_;
    std::unique_ptr<QThreadPool> worker_;
    std::shared_ptr<Shared> shared_;
    // What lies in the folder, as far as the export knows.
    std::map<std::string, DesignSettings::File> written_;
    bool clearFirst_ = true;
    bool scheduled_ = false;
    bool running_ = false;
    bool stopped_ = false;
    // A failure was told and nothing has succeeded since.
    bool failureShown_ = false;
};

} // namespace morvane
