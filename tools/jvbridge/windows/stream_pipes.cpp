#include "stream_pipes.h"

#include <atomic>
#include <string>

#include "jvlink/bridge_stream.h"

namespace vantor::jvbridge {

void writeRaw(std::string_view bytes) {
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    while (!bytes.empty()) {
        DWORD written = 0;
        if (!WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) || written == 0) return;
        bytes.remove_prefix(written);
    }
}

namespace {

std::atomic<bool> cancelSeen{false};

DWORD WINAPI listen(LPVOID) {
    const HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
    std::string seen;
    char buffer[64];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(in, buffer, sizeof buffer, &got, nullptr) || got == 0) break;
        seen.append(buffer, got);
        if (seen.find(bridge_stream::kCancel) != std::string::npos) break;
        if (seen.size() > 4096) seen.erase(0, seen.size() - bridge_stream::kCancel.size());
    }
    cancelSeen = true;
    return 0;
}

}  // namespace

void listenForCancel() {
    if (const HANDLE thread = CreateThread(nullptr, 0, listen, nullptr, 0, nullptr)) CloseHandle(thread);
}

bool cancelRequested() { return cancelSeen.load(); }

}  // namespace vantor::jvbridge
