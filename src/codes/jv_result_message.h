#pragma once
// The text every JV-Link error report shows for an operation's result code.

#include "text/sjis.h"

namespace vantor {

// The message for code as returned by operation ("JVInit",
// "JVSetUIProperties", "JVOpen", "JVStatus", "JVRead" or "JVClose"),
// followed by "(" code ")". A code the operation does not know, or another
// operation name, gives only "(" code ")". Positive JVStatus and JVRead
// results are counts and sizes and are written out with their value.
SjisString JVResultMessage(SjisView operation, int code);

}  // namespace vantor
