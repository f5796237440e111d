#include "read_loop.h"

namespace vantor::jvbridge {

ReadOutcome readAll(JVLink& link, int bufferSize, const ReadSink& sink, const BridgeIo& io) {
    int size = bufferSize;
    std::string buff;
    std::string fileName;
    for (;;) {
        buff.clear();
        fileName.clear();
        const int r = link.JVRead(buff, size, fileName);
        std::optional<std::string> refused;
        if (r > 0) {
            refused = sink.record(buff, fileName);
        } else if (r == jv::kFileSwitched) {
            refused = sink.fileEnded();
        } else if (r == jv::kNoRecordNow || r == jv::kDownloading) {
            io.pause();
        } else {
            return {r, std::nullopt};
        }
        if (refused) return {jv::kEndOfAll, std::move(refused)};
    }
}

}  // namespace vantor::jvbridge
