#pragma once
// One row of an exported table: a value per column, NULL where the store
// has nothing.

#include <string>
#include <vector>

namespace vantor::sqlexport {

class Value {
public:
    enum class Kind { null, integer, real, text };

    Value() = default;
    Value(long long n) : kind_(Kind::integer), integer_(n) {}
    Value(double d) : kind_(Kind::real), real_(d) {}
    Value(std::string s) : kind_(Kind::text), text_(std::move(s)) {}
    Value(const char* s) : Value(std::string(s)) {}

    Kind kind() const { return kind_; }
    bool isNull() const { return kind_ == Kind::null; }
    long long integer() const { return integer_; }
    double real() const { return real_; }
    const std::string& text() const { return text_; }  // empty unless a text

    bool operator==(const Value&) const = default;

private:
    Kind kind_ = Kind::null;
    long long integer_ = 0;
    double real_ = 0;
    std::string text_;
};

using Row = std::vector<Value>;

enum class SqlType { text, integer, real };

struct ColumnDef {
    std::string name;
    SqlType type = SqlType::text;
};

}  // namespace vantor::sqlexport
