#pragma once

#include <QString>

// The file layer's messages for a failed system call, from its errno.
// "creating" tells a missing folder (when a file is created) from a missing
// file (when one is opened).
QString fileErrorMessage(int errorNumber, bool creating = false);

// Throws MorvaneError with fileErrorMessage().
[[noreturn]] void throwFileError(int errorNumber, bool creating = false);
