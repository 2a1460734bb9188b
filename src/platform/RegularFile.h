#pragma once
// Reads the whole of a data file, and only of a regular file: a pipe waiting at that name would
// block the read for good, and a link to a device such as /dev/zero would be read until memory
// runs out. A file over the size limit is refused before it is read. What remains is a bounded
// read, so a request to end the program (SIGTERM, Ctrl+C) lets it finish: the frame loop ends the
// program, and a file is never reported as unreadable because a stop was asked for.
#include <cstddef>
#include <string>

// True with the file's bytes in `text`. Otherwise `text` is empty and `problem` says why in a
// sentence ("It is not a regular file (a pipe, a device or a socket)."); `missing` tells a file
// that is not there from one that cannot be read.
bool ReadRegularFile(const std::string& path, std::size_t sizeLimit, std::string& text, std::string& problem,
                     bool* missing = nullptr);
