#pragma once
#include <string>
#include <vector>

// Names (not paths) of the regular files in a directory that match a shell wildcard pattern
// ("*.prefab", "*.*"), sorted by name so every run sees the same order. A missing directory
// gives an empty list.
std::vector<std::string> ListFilesMatching(const std::string& directory, const std::string& pattern);
