#include "win_console.h"

#include <chrono>

#include "codes/calendar.h"
#include "com_text.h"

namespace vantor::jvbridge {
namespace {

bool isConsole(HANDLE handle) {
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) != 0;
}

}  // namespace

WinConsole::WinConsole() : out_(GetStdHandle(STD_OUTPUT_HANDLE)), err_(GetStdHandle(STD_ERROR_HANDLE)) {}

BridgeIo WinConsole::io() {
    return {[this](std::string_view text) { writeLine(out_, text); },
            [this](std::string_view text) { writeLine(err_, text); }, [this](std::string_view text) { progress(text); },
            pumpAndWait, japanNowStamp};
}

void WinConsole::write(HANDLE handle, std::string_view utf8) {
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    if (isConsole(handle)) {
        const std::wstring wide = widen(utf8, CP_UTF8);
        WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    } else {
        WriteFile(handle, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
    }
}

void WinConsole::endProgressLine() {
    if (!progressShown_) return;
    write(out_, "\r\n");
    progressShown_ = false;
}

void WinConsole::writeLine(HANDLE handle, std::string_view utf8) {
    endProgressLine();
    write(handle, std::string(utf8) + "\r\n");
}

void WinConsole::progress(std::string_view utf8) {
    if (!isConsole(out_)) {
        write(out_, std::string(utf8) + "\r\n");
        return;
    }
    std::string line = "\r";
    line.append(utf8).append("    ");  // blanks cover the end of a longer line before
    write(out_, line);
    progressShown_ = true;
}

void pumpAndWait() {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

std::string japanNowStamp() {
    return japanTimeStamp(std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()));
}

}  // namespace vantor::jvbridge
