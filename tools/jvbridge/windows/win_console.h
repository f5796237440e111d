#pragma once
// The bridge's messages on a Windows console: wide text when the handle is
// a console (so Japanese shows whatever the console's code page), UTF-8
// when it is redirected to a file or pipe. Progress lines overwrite each
// other on a console and are plain lines elsewhere.

#include <windows.h>

#include <string>
#include <string_view>

#include "bridge_io.h"

namespace vantor::jvbridge {

class WinConsole {
public:
    WinConsole();
    // The bridge's I/O on this console; the console must outlive it.
    BridgeIo io();

private:
    void writeLine(HANDLE handle, std::string_view utf8);
    void progress(std::string_view utf8);
    void write(HANDLE handle, std::string_view utf8);
    void endProgressLine();

    HANDLE out_;
    HANDLE err_;
    bool progressShown_ = false;  // a progress line waits for its line end
};

// Waits about 10 milliseconds while dispatching this thread's window
// messages, which an apartment-threaded control may need to get on.
void pumpAndWait();

// Japan time as "yyyymmddhhnnss", whatever the machine's time zone: the
// feed folder's reader serves a real-time file only once its stamp is past
// by Japan time, so a local stamp east of Japan would hold it back.
std::string japanNowStamp();

}  // namespace vantor::jvbridge
