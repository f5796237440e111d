#pragma once
// Stream mode's two channels on Windows: standard output written raw (no
// text-mode line end conversion, every byte as given) and standard input
// read by a thread of its own, since polling a pipe does not work under
// Wine. "cancel" or the end of the input asks the run to stop.

#include <windows.h>

#include <string_view>

namespace vantor::jvbridge {

// Writes bytes whole to standard output.
void writeRaw(std::string_view bytes);

// Starts the thread that listens on standard input, once per process; it
// lives as long as the process, since its read may never return.
void listenForCancel();
// True once "cancel" or the end of standard input was read.
bool cancelRequested();

}  // namespace vantor::jvbridge
