#include "jvlink/bridge_stream_order.h"

#include "text/printable_text.h"

namespace vantor::bridge_stream {

using Kind = Event::Kind;

std::string Order::outOfOrder(Kind kind) const {
    static constexpr const char* kWhere[] = {
        "where its greeting belongs",     "where JVInit's result belongs", "where JV-Link's version belongs",
        "where a JV-Link call belongs",   "during the download",           "during the read",
        "where JVClose's result belongs", "after the run's end",
    };
    return "vantor-jvbridge wrote \"" + std::string(tagOf(kind)) + "\" " + kWhere[static_cast<int>(phase_)];
}

std::optional<std::string> Order::take(const Event& e) {
    const auto next = [this](Phase phase) {
        phase_ = phase;
        return std::nullopt;
    };
    switch (e.kind) {
        case Kind::hello:
            if (phase_ == Phase::greeting) return next(Phase::init);
            break;
        case Kind::init:
            if (phase_ == Phase::init) return next(Phase::version);
            break;
        case Kind::version:
            if (phase_ == Phase::version) return next(Phase::call);
            break;
        case Kind::open:
            if (phase_ != Phase::call) break;
            counted_ = true;
            reads_ = e.readCount;
            downloads_ = e.downloadCount;
            if (e.code != 0 || reads_ <= 0) return next(Phase::closing);
            return next(downloads_ > 0 ? Phase::downloading : Phase::reading);
        case Kind::rtopen:
            if (phase_ == Phase::call) return next(e.code == 0 ? Phase::reading : Phase::closing);
            break;
        case Kind::settings:
            if (phase_ == Phase::call) return next(Phase::ended);
            break;
        case Kind::status:
            if (phase_ != Phase::downloading) break;
            if (e.code < 0) return next(Phase::closing);
            return next(e.code >= downloads_ ? Phase::reading : Phase::downloading);
        case Kind::record:
            if (phase_ == Phase::reading) return takeRecord(e);
            break;
        case Kind::fileEnd:
            if (phase_ != Phase::reading) break;
            // A file of JV-Link holds records; an end repeated after the
            // last announced file is no further file.
            if (counted_ && !recordsInFile_ && fileEnds_ < reads_ - 1)
                return "vantor-jvbridge wrote a file end with no record of its file";
            ++fileEnds_;
            recordsInFile_ = false;
            return std::nullopt;
        case Kind::read:
            if (phase_ == Phase::reading) return next(Phase::closing);
            break;
        case Kind::cancelled:
            if (phase_ == Phase::downloading || phase_ == Phase::reading || phase_ == Phase::closing)
                return next(Phase::closing);
            break;
        case Kind::close:
            if (phase_ == Phase::closing) return next(Phase::ended);
            break;
    }
    return outOfOrder(e.kind);
}

std::optional<std::string> Order::takeRecord(const Event& record) {
    // JV-Link names the file of every record: a change of name is a change of file.
    if (!file_.empty() && !record.text.empty()) {
        if (!recordsInFile_ && record.text == file_)
            return "vantor-jvbridge wrote a file end inside the file " + printableText(file_);
        if (recordsInFile_ && record.text != file_)
            return "vantor-jvbridge wrote records of " + printableText(record.text) + " without ending the file " +
                   printableText(file_);
    }
    if (counted_ && fileEnds_ >= reads_)
        return "vantor-jvbridge wrote records of more files than the " + std::to_string(reads_) + " its open announced";
    file_ = record.text;
    recordsInFile_ = true;
    return std::nullopt;
}

}  // namespace vantor::bridge_stream
