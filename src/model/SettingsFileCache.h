#pragma once

#include "SettingsFile.h"

#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

namespace morvane {

// Parsed settings files, kept between loads. Every load still reads the
// file, so nothing stale is ever returned, but a file whose bytes are
// unchanged is not decoded and parsed again: generating a large design
// asks for thousands of files that mostly did not change since last time.
class SettingsFileCache {
public:
    std::shared_ptr<const SettingsFile> Load(const std::string& path);
    void Clear();

private:
    std::mutex mutex_;
    // The files hold the bytes they were made from, to compare against.
    std::unordered_map<std::string, std::shared_ptr<const SettingsFile>> entries_;
};

} // namespace morvane
