#pragma once

#include <QString>

namespace morvane {

// The two folders a run of the designer uses. The program folder holds the
// executable and its templates. The data folder holds the working folder
// "bj" and the preview file "yl.htm": the program folder itself where the
// user may write there, and otherwise a folder of the user's own, so that an
// installed designer (program folder owned by the system) saves its
// settings and its preview instead of losing every write.
class ProgramFolders {
public:
    explicit ProgramFolders(const QString& programDirectory);

    const QString& ProgramDirectory() const { return programDirectory_; }
    const QString& DataDirectory() const { return dataDirectory_; }
    bool UsesUserFolder() const { return dataDirectory_ != programDirectory_; }

    // True when "bj" and "yl.htm" can be made and replaced below directory:
    // the directory can be written, and a "bj" already there is a directory
    // that can be written too.
    static bool HoldsData(const QString& directory);
    // The per-user folder: the application's data folder, or below the
    // runtime folder when that cannot be made. Empty when neither can.
    static QString UserFolder();

private:
    QString programDirectory_;
    QString dataDirectory_;
};

} // namespace morvane
