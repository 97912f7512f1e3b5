#pragma once
// What only the stand-in file layer offers: a hook that tests use to change
// a file while it is being read, as another program might.
#include <cstddef>

#include "platform/file_access.h"

// Called after every open (with reads 0) and after every read of a file,
// with the number of reads made on it so far. Null removes the hook.
using FileAccessHook = void (*)(FileHandle file, int reads);
void setFileAccessHook(FileAccessHook hook);
