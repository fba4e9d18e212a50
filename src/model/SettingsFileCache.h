#pragma once

#include "SettingsFile.h"

#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

namespace morvane {

// Parsed settings files, kept between loads. Generating a large design asks
// for thousands of files that mostly did not change since last time, and
// reading each one costs several system calls. Every load still asks the
// file system about the file, so nothing stale is ever returned: a file
// whose inode, size, change and modification times are those it had when it
// was last read is taken from the cache. File times advance in coarse steps,
// so a file changed less than a second before it was read could change again
// without its times moving; such a file is read again at every load (and
// parsed again only when its bytes differ) until it has been quiet longer.
class SettingsFileCache {
public:
    std::shared_ptr<const SettingsFile> Load(const std::string& path);
    void Clear();

private:
    struct Identity {
        unsigned long long device = 0;
        unsigned long long inode = 0;
        long long size = 0;
        long long changedSeconds = 0;
        long long changedNanoseconds = 0;
        long long modifiedSeconds = 0;
        long long modifiedNanoseconds = 0;
        bool operator==(const Identity&) const = default;
    };
    struct Entry {
        Identity identity;
        std::shared_ptr<const SettingsFile> file;
        // The identity alone vouches for the bytes.
        bool settled = false;
    };
    static bool IdentityOf(const std::string& path, Identity& identity);

    std::mutex mutex_;
    std::unordered_map<std::string, Entry> entries_;
};

} // namespace morvane
