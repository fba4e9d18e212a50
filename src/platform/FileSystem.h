#pragma once

#include <optional>
#include <string>

namespace morvane {

// The few file operations the program needs. None of them throws; failures
// come back as false or nullopt, and callers decide whether they matter.
class FileSystem {
public:
    // The bytes of a regular file. A missing file, a link, a FIFO, a
    // directory or any other special file gives nullopt, at once.
    static std::optional<std::string> ReadWholeFile(const std::string& path);
    // Writes to a temporary file beside the target, flushes it and renames it
    // over the target, so a crash leaves either the old or the new file. The
    // temporary is created exclusively and never through a link.
    static bool WriteFileAtomically(const std::string& path, const std::string& bytes);
    static bool CreateDirectory(const std::string& path);
    // Removes the directory and everything below it. Symbolic links inside are
    // removed as links; their targets are never touched.
    static bool RemoveTree(const std::string& path);
    static bool RemoveFile(const std::string& path);
    static bool Exists(const std::string& path);
    // Renames within one file system, replacing a file at the destination.
    static bool RenameFile(const std::string& from, const std::string& to);
};

} // namespace morvane
