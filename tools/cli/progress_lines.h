#pragma once
// Progress over store files on standard error: on a terminal one line rewritten
// in place, elsewhere (a log, a pipe) a line at each tenth of the store
// files, so that no "\r" reaches a file.

#include <string>

namespace vantor::cli {

class ProgressLines {
public:
    // what: the line's start ("exporting store files").
    ProgressLines(std::string what, bool terminal) : what_(std::move(what)), terminal_(terminal) {}

    void show(int done, int total);
    // Takes the in-place line off, so that a message after it has a line of its own.
    void end();

private:
    std::string what_;
    bool terminal_;
    bool inPlace_ = false;
    int shownTenth_ = 0;
};

}  // namespace vantor::cli
