#pragma once

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace morvane {

// The few file operations the program needs. None of them throws; failures
// come back as false or nullopt, and callers decide whether they matter.
class FileSystem {
public:
    // The bytes of a regular file. A missing file, a link, a FIFO, a
    // directory or any other special file gives nullopt, at once. So does a
    // file larger than maxBytes, which is never read in part; tooLarge, when
    // given, tells that case from the others.
    static std::optional<std::string> ReadWholeFile(const std::string& path,
                                                    size_t maxBytes = std::numeric_limits<size_t>::max(),
                                                    bool* tooLarge = nullptr);
    // The local path of a file address ("file:///a/b%20c" gives "/a/b c";
    // "localhost" is the only host accepted); nullopt for any other address.
    static std::optional<std::string> PathOfFileAddress(std::string_view address);
    // Writes to a temporary file beside the target, flushes it and renames it
    // over the target, so a crash leaves either the old or the new file. The
    // temporary is created exclusively and never through a link.
    static bool WriteFileAtomically(const std::string& path, const std::string& bytes);
    static bool CreateDirectory(const std::string& path);
    // Removes the directory and everything below it. Symbolic links inside are
    // removed as links; their targets are never touched.
    static bool RemoveTree(const std::string& path);
    // Removes everything inside the directory, the way RemoveTree does, and
    // keeps the directory. Anything but a directory (a link to one included)
    // is left alone: false.
    static bool EmptyDirectory(const std::string& path);
    static bool RemoveFile(const std::string& path);
    static bool Exists(const std::string& path);
    // Removes what WriteFileAtomically leaves behind when the process dies
    // between creating its temporary and renaming it: every regular file in
    // the folder (not below it) named "<name>.tmp" followed by sixteen
    // hexadecimal digits, where name ends in suffix. Returns how many went.
    static int RemoveStaleTemporaries(const std::string& folder, std::string_view suffix);
};

} // namespace morvane
