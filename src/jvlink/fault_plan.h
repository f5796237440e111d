#pragma once
// Injected JV-Link results: "make the Nth call of operation X return code C".
//
// Written as a list of OPERATION@N=CODE items separated by ',' or ';' or
// blanks, for example "JVOpen@1=-504,JVRead@120=-502". The replacement
// takes a plan from the environment variable VANTOR_JVLINK_FAULTS and from
// the file "faults.txt" in its feed folder, so a test or a user can reach
// every branch of the callers. A call that meets an injected fault returns
// the code and does nothing else.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace vantor {

class FaultPlan {
public:
    // Adds the items of text; returns an error message for the first item
    // that is not of the form OPERATION@N=CODE (earlier items are kept).
    std::optional<std::string> parse(std::string_view text);
    void add(std::string_view operation, int call, int code);
    void clear();

    // Counts a call of operation; the injected code when this call has one.
    std::optional<int> onCall(std::string_view operation);
    int calls(std::string_view operation) const;
    bool empty() const { return faults_.empty(); }

private:
    std::map<std::pair<std::string, int>, int> faults_;
    std::map<std::string, int, std::less<>> calls_;
};

}  // namespace vantor
