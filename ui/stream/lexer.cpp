#include "ui/stream/lexer.h"

#include <cctype>

#include "ui/core/utf8.h"

namespace ui {

namespace {
bool IsIdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }
}  // namespace

const Token& Lexer::Peek() {
    if (!peeked_) {
        peek_ = Scan();
        peeked_ = true;
    }
    return peek_;
}

Token Lexer::Next() {
    if (peeked_) {
        peeked_ = false;
        return peek_;
    }
    return Scan();
}

void Lexer::SkipBlanks() {
    while (pos_ < src_.size()) {
        char c = src_[pos_];
        if (c == '\n') {
            ++line_;
            ++pos_;
        } else if (std::isspace(static_cast<unsigned char>(c))) {
            ++pos_;
        } else if (c == '/' && pos_ + 1 < src_.size() && src_[pos_ + 1] == '/') {
            while (pos_ < src_.size() && src_[pos_] != '\n') ++pos_;
        } else {
            break;
        }
    }
}

// One run of quoted text and #N codes, e.g. 'It''s'#13#10'ok'.
std::string Lexer::ScanStringPart() {
    std::string out;
    const int startLine = line_;
    while (pos_ < src_.size() && (src_[pos_] == '\'' || src_[pos_] == '#')) {
        if (src_[pos_] == '\'') {
            ++pos_;
            for (;;) {
                if (pos_ >= src_.size() || src_[pos_] == '\n') throw EReadError(startLine, "unterminated string");
                if (src_[pos_] == '\'') {
                    if (pos_ + 1 < src_.size() && src_[pos_ + 1] == '\'') {
                        out += '\'';
                        pos_ += 2;
                        continue;
                    }
                    ++pos_;
                    break;
                }
                out += src_[pos_++];
            }
        } else {
            ++pos_;
            uint32_t code = 0;
            size_t digits = 0;
            while (pos_ < src_.size() && std::isdigit(static_cast<unsigned char>(src_[pos_])) && digits < 6) {
                code = code * 10 + static_cast<uint32_t>(src_[pos_++] - '0');
                ++digits;
            }
            if (digits == 0 || code > 0xFFFF) throw EReadError(line_, "bad character code after #");
            AppendUtf8(out, code);
        }
    }
    return out;
}

Token Lexer::Scan() {
    SkipBlanks();
    Token t;
    t.line = line_;
    if (pos_ >= src_.size()) return t;
    char c = src_[pos_];
    if (c == '\'' || c == '#') {
        t.kind = Token::Kind::String;
        t.text = ScanStringPart();
        // 'a' + 'b' continues a string across lines.
        for (;;) {
            size_t save = pos_;
            int saveLine = line_;
            SkipBlanks();
            if (pos_ < src_.size() && src_[pos_] == '+') {
                ++pos_;
                SkipBlanks();
                if (pos_ < src_.size() && (src_[pos_] == '\'' || src_[pos_] == '#')) {
                    t.text += ScanStringPart();
                    continue;
                }
                throw EReadError(line_, "a string must follow '+'");
            }
            pos_ = save;
            line_ = saveLine;
            break;
        }
        return t;
    }
    if (std::isdigit(static_cast<unsigned char>(c)) || (c == '-' && pos_ + 1 < src_.size() && std::isdigit(static_cast<unsigned char>(src_[pos_ + 1])))) {
        t.kind = Token::Kind::Integer;
        bool negative = c == '-';
        if (negative) ++pos_;
        int64_t v = 0;
        while (pos_ < src_.size() && std::isdigit(static_cast<unsigned char>(src_[pos_]))) {
            v = v * 10 + (src_[pos_++] - '0');
            if (v > INT32_MAX) throw EReadError(line_, "number out of range");
        }
        t.integer = negative ? -v : v;
        return t;
    }
    if (c == '$') {
        ++pos_;
        t.kind = Token::Kind::Integer;
        int64_t v = 0;
        size_t digits = 0;
        while (pos_ < src_.size() && std::isxdigit(static_cast<unsigned char>(src_[pos_]))) {
            char d = static_cast<char>(std::tolower(static_cast<unsigned char>(src_[pos_++])));
            v = v * 16 + (d <= '9' ? d - '0' : d - 'a' + 10);
            if (++digits > 8) throw EReadError(line_, "number out of range");
        }
        if (digits == 0) throw EReadError(line_, "hexadecimal digits expected after $");
        t.integer = v;
        return t;
    }
    if (IsIdentChar(c)) {
        t.kind = Token::Kind::Ident;
        while (pos_ < src_.size() && (IsIdentChar(src_[pos_]) || src_[pos_] == '.')) t.text += src_[pos_++];
        return t;
    }
    if (std::string_view(":=[](),").find(c) != std::string_view::npos) {
        t.kind = Token::Kind::Symbol;
        t.text = std::string(1, c);
        ++pos_;
        return t;
    }
    throw EReadError(line_, std::string("unexpected character '") + c + "'");
}

}  // namespace ui
