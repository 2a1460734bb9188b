#pragma once
// Replaces a file's whole content so that, whatever happens, the file holds either its old content
// or the new one, never a mix or nothing:
//
//   - the text goes to a temporary file beside the target, created exclusively under a name nobody
//     can plant in advance (a link or file waiting there is never written through);
//   - it takes the target's permissions, owner, group and extended attributes (a new file the
//     permissions the process would give it); a target whose owner cannot be kept is refused;
//   - a read-only target (no write permission, read from the mode bits for root, whom the system
//     lets write anything) and one with several names (hard links) are refused, untouched;
//   - data is flushed to the disk before the rename, and the folder after it;
//   - a target that is a link is saved through the link, which stays a link;
//   - temporary files that a killed save of the same target left behind are removed: regular files
//     named exactly as its saves name them, whose writing process is gone; nothing else.
#include <string>

// True when the file now holds `text`. Otherwise the file is as it was, and `problem` says why in
// a sentence ("It is a folder, not a file.").
bool ReplaceFileContents(const std::string& path, const std::string& text, std::string& problem);
