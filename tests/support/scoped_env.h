#pragma once
// Sets (or clears) an environment variable for the life of the object, then
// restores it.

#include <stdlib.h>

#include <optional>
#include <string>

class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = getenv(name)) old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ScopedEnv(const char* name, std::nullopt_t) : name_(name) {
        if (const char* old = getenv(name)) old_ = old;
        unsetenv(name);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;
    ~ScopedEnv() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};
