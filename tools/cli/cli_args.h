#pragma once
// Command-line options: "--name value" pairs, "--flag" switches and plain
// words, read in order.

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace vantor::cli {

class Args {
public:
    // valueOptions take the next word as their value; anything else that
    // starts with "--" is a switch. Returns an error text for an option
    // that misses its value.
    std::optional<std::string> parse(const std::vector<std::string>& words, const std::set<std::string>& valueOptions);

    std::optional<std::string> value(const std::string& name) const;
    bool has(const std::string& name) const { return switches_.contains(name) || values_.contains(name); }
    const std::vector<std::string>& words() const { return words_; }
    // Makes the values of the options named absolute, taken from base (the
    // folder the command was started in), so that they keep their meaning
    // in a command that enters the program folder.
    void resolvePaths(const std::set<std::string>& names, const std::filesystem::path& base);
    // A program named with a folder is resolved as a path; a bare name
    // stays as it is, to be looked up on PATH.
    void resolveProgram(const std::string& name, const std::filesystem::path& base);
    // Options given that are not in known; empty when all are known.
    std::vector<std::string> unknown(const std::set<std::string>& known) const;

private:
    std::map<std::string, std::string> values_;
    std::set<std::string> switches_;
    std::vector<std::string> words_;
};

}  // namespace vantor::cli
