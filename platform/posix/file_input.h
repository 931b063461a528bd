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

}  // namespace discmenu::posix
