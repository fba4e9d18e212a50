#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// A file's bytes as they lie on disk; empty when it cannot be read.
inline std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}
