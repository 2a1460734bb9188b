#pragma once
#include <string>

// Data files and older code write paths with backslashes ("Assets\Prefabs\"); the file system
// here wants forward slashes. Every path that reaches the file system goes through this.
std::string NormalizePath(std::string path);
