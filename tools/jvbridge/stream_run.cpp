#include "stream_run.h"

#include "bridge_command.h"
#include "jvlink/bridge_stream.h"

namespace vantor::jvbridge {
namespace {

using bridge_stream::Event;
using Kind = Event::Kind;

// The record buffer size JVRead is told: real-time answers hold the
// longest records (O6, some 83 KB).
constexpr int kReadBufferSize = 6000;
constexpr int kRealtimeReadBufferSize = 100000;

class Run {
public:
    Run(JVLink& link, const StreamIo& io) : link_(link), io_(io) {}

    void send(Kind kind, int code = 0) {
        Event e;
        e.kind = kind;
        e.code = code;
        io_.write(bridge_stream::encode(e));
    }
    void send(const Event& e) { io_.write(bridge_stream::encode(e)); }

    bool initialise(const std::string& sid) {
        send(Kind::hello, bridge_stream::kVersion);
        const int r = link_.JVInit(sid);
        send(Kind::init, r);
        Event version;
        version.kind = Kind::version;
        version.text = link_.version();
        send(version);
        return r == jv::kOk;
    }

    // A cancel asked for by Vantor: JV-Link stops what it does.
    bool cancelledNow() {
        if (!io_.cancelled()) return false;
        link_.JVCancel();
        send(Kind::cancelled);
        return true;
    }

    // Waits for the download; false on an error or a cancel.
    bool waitForDownload(int downloadCount) {
        int shown = -1;
        for (;;) {
            if (cancelledNow()) return false;
            const int done = link_.JVStatus();
            if (done != shown) send(Kind::status, done);
            shown = done;
            if (done < 0) return false;
            if (done >= downloadCount) return true;
            io_.pause();
        }
    }

    // Every record until the end; false on an error or a cancel.
    bool readAll(int size) {
        std::string buff, fileName;
        Event record;
        record.kind = Kind::record;
        for (;;) {
            if (cancelledNow()) return false;
            buff.clear();
            fileName.clear();
            const int r = link_.JVRead(buff, size, fileName);
            if (r > 0) {
                record.bytes = std::move(buff);
                record.text = std::move(fileName);
                send(record);
                buff = std::move(record.bytes);
            } else if (r == jv::kFileSwitched) {
                send(Kind::fileEnd);
            } else if (r == jv::kNoRecordNow || r == jv::kDownloading) {
                io_.pause();
            } else {
                send(Kind::read, r);
                return r == jv::kEndOfAll;
            }
        }
    }

    bool close() {
        const int r = link_.JVClose();
        send(Kind::close, r);
        return r == jv::kOk;
    }

    int acquire(const StreamRequest& request) {
        Event opened;
        opened.kind = Kind::open;
        opened.code =
            link_.JVOpen(jv::kAcquisitionDataSpec, request.from, request.setup ? jv::kOptionSetup : jv::kOptionNormal,
                         opened.readCount, opened.downloadCount, opened.text);
        send(opened);
        bool ok = opened.code == jv::kOk || opened.code == jv::kNoNewerData;
        if (opened.code == jv::kOk && opened.readCount > 0)
            ok = (opened.downloadCount == 0 || waitForDownload(opened.downloadCount)) && readAll(kReadBufferSize);
        return close() && ok ? 0 : 1;
    }

    int realtime(const StreamRequest& request) {
        const int r = link_.JVRTOpen(request.dataspec, request.key);
        send(Kind::rtopen, r);
        const bool ok = r == jv::kNoNewerData || (r == jv::kOk && readAll(kRealtimeReadBufferSize));
        return close() && ok ? 0 : 1;
    }

    int settings() {
        const int r = link_.JVSetUIProperties();
        send(Kind::settings, r);
        return r == jv::kOk ? 0 : 1;
    }

private:
    JVLink& link_;
    const StreamIo& io_;
};

}  // namespace

StreamRequest streamRequest(const BridgeCommand& c, std::string sid) {
    using Kind = BridgeCommand::Kind;
    StreamRequest request;
    request.kind = c.kind == Kind::Setup || c.kind == Kind::Normal       ? StreamRequest::Kind::Acquire
                   : c.kind == Kind::Results || c.kind == Kind::Realtime ? StreamRequest::Kind::Realtime
                   : c.kind == Kind::Settings                            ? StreamRequest::Kind::Settings
                                                                         : StreamRequest::Kind::Check;
    request.from = c.from;
    request.setup = c.kind == Kind::Setup;
    request.dataspec = c.kind == Kind::Results ? std::string(jv::kResultsDataSpec) : c.dataspec;
    request.key = c.kind == Kind::Results ? c.date : c.key;
    request.sid = std::move(sid);
    return request;
}

int runStream(JVLink& link, const StreamRequest& request, const StreamIo& io) {
    Run run(link, io);
    if (!run.initialise(request.sid)) return 1;
    switch (request.kind) {
        case StreamRequest::Kind::Check:
            return 0;
        case StreamRequest::Kind::Acquire:
            return run.acquire(request);
        case StreamRequest::Kind::Realtime:
            return run.realtime(request);
        case StreamRequest::Kind::Settings:
            return run.settings();
    }
    return 1;
}

}  // namespace vantor::jvbridge
