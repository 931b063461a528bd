// Sequential file input on POSIX.
#pragma once

#include <memory>
#include <string>

#include "config/error.h"
#include "config/install_ini.h"

namespace discmenu::posix {

// Opens the regular file `native_path` for reading. A missing file is
// FileNotFound; a directory, FIFO or device, or an unreadable file, is
// PathFileAccess. `shown_path` names the file in messages.
Error OpenForInput(const std::string& native_path, const std::string& shown_path,
                   std::unique_ptr<ByteSource>* file);

// Reads the whole regular file `native_path`, at most `limit` bytes, into
// `*data`, with the same errors as OpenForInput; a longer file is an error.
Error ReadWholeFile(const std::string& native_path, const std::string& shown_path, size_t limit,
                    std::string* data);

}  // namespace discmenu::posix
