// Tokens of the description format: identifiers (dotted paths allowed), integers, quoted strings with
// ''-escapes and #N character codes, and the punctuation : = [ ] ( ) , +.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/core/classes.h"

namespace ui {

class EReadError : public Exception {
public:
    EReadError(int line, const std::string& message)
        : Exception("Description line " + std::to_string(line) + ": " + message), line_(line) {}
    int Line() const { return line_; }

private:
    int line_;
};

struct Token {
    enum class Kind { End, Ident, Integer, String, Symbol } kind = Kind::End;
    std::string text;  // identifier, decoded string, or the symbol character
    int64_t integer = 0;
    int line = 1;
};

class Lexer {
public:
    explicit Lexer(std::string_view source) : src_(source) {}
    Token Next();
    const Token& Peek();

private:
    Token Scan();
    void SkipBlanks();
    std::string ScanStringPart();
    std::string_view src_;
    size_t pos_ = 0;
    int line_ = 1;
    bool peeked_ = false;
    Token peek_;
};

}  // namespace ui
