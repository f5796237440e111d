#include "jvlink/bridge_jvlink.h"

#include <algorithm>
#include <chrono>
#include <string_view>

#include "jvlink/realtime_opens.h"
#include "text/printable_text.h"

namespace vantor {
namespace {

using Kind = bridge_stream::Event::Kind;

constexpr int kWaitStepMs = 10;
// A bridge that does not end within this time of a cancel (JV-Link still
// inside a call that does not return) is ended by force.
constexpr long long kCancelGraceMs = 10000;

long long nowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The last lines of text, at most count of them.
std::string lastLines(const std::string& text, int count) {
    std::size_t end = text.find_last_not_of("\r\n");
    if (end == std::string::npos) return {};
    std::size_t start = end + 1;
    for (int n = 0; n < count && start > 0; ++n) {
        const std::size_t lineEnd = text.rfind('\n', start - 1);
        start = lineEnd == std::string::npos ? 0 : lineEnd;
        if (lineEnd == std::string::npos) break;
    }
    std::string_view tail(text.data() + start, end + 1 - start);
    if (tail.starts_with('\n')) tail.remove_prefix(1);
    // Each line as printable text: what a program writes may hold any byte.
    std::string out;
    while (!tail.empty()) {
        const std::size_t lineEnd = std::min(tail.find('\n'), tail.size());
        std::string_view line = tail.substr(0, lineEnd);
        if (line.ends_with('\r')) line.remove_suffix(1);  // a Windows program's line end
        if (!out.empty()) out += '\n';
        out += printableText(line, 200);
        tail.remove_prefix(std::min(lineEnd + 1, tail.size()));
    }
    return out;
}

}  // namespace

BridgeJVLink::BridgeJVLink(WineSettings settings) : settings_(std::move(settings)) {}

BridgeJVLink::~BridgeJVLink() {
    if (!run_) return;
    run_->write(bridge_stream::kCancel);
    run_->kill();
    endRun();
}

bool BridgeJVLink::startRun(std::vector<std::string> args) {
    problem_.clear();
    if (auto missing = wineRunProblem(settings_)) {
        problem_ = *missing;
        return false;
    }
    startedServer_ = processesOfPrefix(settings_.prefix).empty();
    args.insert(args.begin(), {settings_.command, settings_.bridge.string()});
    if (!sid_.empty()) args.insert(args.end(), {"--sid", sid_});
    auto started = ChildProcess::start(args, {{"WINEPREFIX", settings_.prefix.string()}, {"WINEDEBUG", "-all"}});
    if (auto* failure = std::get_if<ChildProcess::StartFailure>(&started)) {
        const auto start = wineStartProblem(failure->shellStatus, settings_.command);
        problem_ = start ? *start + "\n" + failure->message : failure->message;
        return false;
    }
    run_.emplace(std::move(std::get<ChildProcess>(started)));
    parser_ = {};
    order_ = {};
    incoming_.clear();
    answers_.clear();
    downloaded_ = 0;
    readEnd_.reset();
    cancelSent_ = false;
    heardAtMs_ = nowMs();
    return true;
}

bool BridgeJVLink::pump(int waitMs) {
    if (!run_) return !answers_.empty();
    incoming_.clear();
    const bool open = run_->read(incoming_, waitMs);
    if (!incoming_.empty()) heardAtMs_ = nowMs();
    parser_.feed(incoming_);
    while (auto e = parser_.next()) {
        if (auto wrong = order_.take(*e)) {
            parser_.refuse(std::move(*wrong));
            break;
        }
        switch (e->kind) {
            case Kind::hello:
            case Kind::cancelled:
                break;
            case Kind::version:
                version_ = printableText(e->text, 16);  // shown in the warning for an old JV-Link
                break;
            case Kind::status:
                downloaded_ = e->code;
                break;
            case Kind::read:
                readEnd_ = e->code;
                answers_.push_back(std::move(*e));
                break;
            default:
                answers_.push_back(std::move(*e));
        }
    }
    if (parser_.error()) {
        // Output that cannot be read ends the run: nothing it says can be trusted.
        problem_ = *parser_.error();
        run_->kill();
        return !answers_.empty();
    }
    if (cancelSent_ && open && nowMs() - cancelSentAtMs_ > kCancelGraceMs) run_->kill();
    if (open && nowMs() - heardAtMs_ > timeLimit_.count()) {
        problem_ = "vantor-jvbridge が " + std::to_string((timeLimit_.count() + 999) / 1000) +
                   " 秒間何も伝えなかったため終了させました ([JVLinkWine] TimeLimit、vantor-cli の --timeout "
                   "で変えられます)。";
        run_->kill();
    }
    return open || !answers_.empty();
}

std::optional<BridgeJVLink::Event> BridgeJVLink::waitFor(Kind kind) {
    for (;;) {
        while (!answers_.empty()) {
            Event e = std::move(answers_.front());
            answers_.pop_front();
            if (e.kind == kind) return e;
        }
        if (!pump(kWaitStepMs)) return std::nullopt;
        if (answers_.empty() && waiter_) waiter_();
    }
}

void BridgeJVLink::waitForEnd() {
    for (;;) {
        answers_.clear();
        if (!pump(kWaitStepMs)) return;
        if (waiter_) waiter_();
    }
}

void BridgeJVLink::endRun() {
    if (!run_) return;
    run_->closeInput();
    run_->status(true);
    run_.reset();
    // Wine's own processes outlast the program by seconds: a server this
    // run started is ended with them, one the user had running is left alone.
    if (startedServer_) {
        auto server = ChildProcess::start({wineServerCommand(settings_.command), "-k"},
                                          {{"WINEPREFIX", settings_.prefix.string()}});
        if (auto* started = std::get_if<ChildProcess>(&server)) started->status(true);
    }
}

int BridgeJVLink::failed(const std::string& why) {
    std::string errors;
    std::optional<int> status;
    if (run_) {
        errors = run_->errors();
        // A run whose output has ended has ended too, or is ending: the kill
        // leaves the status it ended with, such as the shell's 126 or 127
        // of a Wine command that could not start its loader.
        run_->kill();
        status = run_->status(true);
        endRun();
    }
    if (problem_.empty()) {
        problem_ = wineStartProblem(status.value_or(0), settings_.command).value_or(why);
        const std::string tail = lastLines(errors, 5);
        if (!tail.empty()) problem_ += "\n" + tail;
    }
    return jv::kInternalError;
}

int BridgeJVLink::JVInit(std::string_view sid) {
    if (run_) return jv::kStillOpen;
    sid_ = sid;
    if (!startRun({"check"})) return jv::kInternalError;
    const auto init = waitFor(Kind::init);
    waitForEnd();  // the version follows, then the end
    const std::optional<int> status = run_->status(true);
    if (!init)
        return failed("vantor-jvbridge は JVInit の結果を伝えずに終わりました (終了コード " +
                      std::to_string(status.value_or(-1)) + ")。");
    endRun();
    return init->code;
}

int BridgeJVLink::JVSetUIProperties() {
    if (run_) return jv::kStillOpen;
    if (!startRun({"settings", "--stream"})) return jv::kInternalError;
    const auto answer = waitFor(Kind::settings);
    if (!answer) return failed("vantor-jvbridge は JV-Link の設定画面の結果を伝えずに終わりました。");
    endRun();
    return answer->code;
}

int BridgeJVLink::JVOpen(std::string_view dataspec, std::string_view fromtime, int option, int& readcount,
                         int& downloadcount, std::string& lastfiletimestamp) {
    if (run_) return jv::kStillOpen;
    if (dataspec != jv::kAcquisitionDataSpec) return jv::kBadDataSpec;
    if (option != jv::kOptionNormal && option != jv::kOptionSetup) return jv::kBadOption;
    if (!startRun({option == jv::kOptionSetup ? "setup" : "normal", "--stream", "--from", std::string(fromtime)}))
        return jv::kInternalError;
    const auto opened = waitFor(Kind::open);
    if (!opened) return failed("vantor-jvbridge は JVOpen の結果を伝えずに終わりました。");
    readcount = opened->readCount;
    downloadcount = opened->downloadCount;
    lastfiletimestamp = opened->text;
    return opened->code;
}

int BridgeJVLink::JVRTOpen(std::string_view dataspec, std::string_view key) {
    if (run_) return jv::kStillOpen;
    if (const int refused = realtimeOpenRefusal(dataspec, key)) return refused;
    // JV-Link can hang inside JVRTOpen: the call's time limit ends the bridge then.
    if (!startRun({"realtime", "--stream", "--dataspec", std::string(dataspec), "--key", std::string(key)}))
        return jv::kInternalError;
    const auto opened = waitFor(Kind::rtopen);
    if (!opened) return failed("vantor-jvbridge は JVRTOpen の結果を伝えずに終わりました。");
    return opened->code;
}

int BridgeJVLink::JVStatus() {
    if (!run_) return jv::kNotOpen;
    const bool going = pump(0);
    if (downloaded_ < 0) return downloaded_;
    if (!going) return failed("vantor-jvbridge はダウンロード中に終わりました。");
    return downloaded_;
}

int BridgeJVLink::JVRead(std::string& buff, int& size, std::string& filename) {
    if (!run_ && answers_.empty()) return jv::kNotOpen;
    if (answers_.empty() && !pump(kWaitStepMs)) return failed("vantor-jvbridge は読込み中に終わりました。");
    if (answers_.empty()) return jv::kNoRecordNow;
    Event& e = answers_.front();
    switch (e.kind) {
        case Kind::record: {
            buff = std::move(e.bytes);
            filename = std::move(e.text);
            answers_.pop_front();
            size = static_cast<int>(buff.size());
            return size;
        }
        case Kind::fileEnd:
            answers_.pop_front();
            return jv::kFileSwitched;
        case Kind::read:
            return e.code;  // stays: every later read gives the same end
        default:            // the run closed without ending its read
            return failed("vantor-jvbridge は読込みを終えずに JV-Link を閉じました。");
    }
}

void BridgeJVLink::JVCancel() {
    if (!run_ || cancelSent_) return;
    run_->write(bridge_stream::kCancel);
    cancelSent_ = true;
    cancelSentAtMs_ = nowMs();
}

int BridgeJVLink::JVClose() {
    if (!run_) return jv::kOk;
    // A read stopped before its end stops the bridge as well.
    if (!readEnd_) JVCancel();
    const auto closed = waitFor(Kind::close);
    if (!closed) return failed("vantor-jvbridge は JVClose の結果を伝えずに終わりました。");
    endRun();
    return closed->code;
}

}  // namespace vantor
