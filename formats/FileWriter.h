#pragma once

#include <string>

#include "formats/TextBytes.h"

namespace bestitem {

struct WriteResult {
    bool ok = false;
    int error = 0;  // errno of the step that failed; 0 on success
};

// Makes `text` the complete content of the file at `path`, atomically: the bytes
// go to a temporary file in the same folder, are flushed and renamed over the
// target, so an existing file is either replaced whole or left as it was. Only
// where the folder refuses new files but the target itself is writable is the
// target rewritten in place. A missing folder is not created. `ok` is true only
// when every byte reached the file.
WriteResult writeTextFile(const std::string& path, TextView text);

}  // namespace bestitem
