#include "ui/core/rtf.h"

#include <cctype>
#include <map>
#include <vector>

#include "ui/core/utf8.h"

namespace ui {

namespace {

constexpr int kMaxDepth = 256;

uint32_t FromCp1252(uint8_t b) {
    static const uint16_t high[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
                                      0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
    return b >= 0x80 && b < 0xA0 ? high[b - 0x80] : b;
}

enum class Destination { Text, FontTable, ColorTable, Skip };

struct State {
    Destination dest = Destination::Text;
    int font = 0;
    int halfPoints = 24;
    bool bold = false;
    int color = -1;  // -1: automatic
    int unicodeSkip = 1;
};

class Reader {
public:
    explicit Reader(std::string_view src) : src_(src) {}

    TRichDocument Read() {
        size_t start = src_.find_first_not_of(" \t\r\n");
        if (start == std::string_view::npos || src_.substr(start, 5) != "{\\rtf") throw ERtfError("not an RTF document");
        pos_ = start;
        doc_.Paragraphs.emplace_back();
        while (pos_ < src_.size()) {
            const char c = src_[pos_++];
            switch (c) {
                case '{':
                    if (stack_.size() >= kMaxDepth) throw ERtfError("RTF groups nested too deeply");
                    stack_.push_back(state_);
                    break;
                case '}':
                    if (stack_.empty()) return Finish();  // the document's closing brace
                    EndOfGroup();
                    state_ = stack_.back();
                    stack_.pop_back();
                    break;
                case '\\': ControlWord(); break;
                case '\r':
                case '\n': break;
                default: Char(static_cast<uint8_t>(c));
            }
        }
        return Finish();
    }

private:
    TRichDocument Finish() {
        if (!doc_.Paragraphs.empty() && doc_.Paragraphs.back().empty()) doc_.Paragraphs.pop_back();
        return std::move(doc_);
    }

    void EndOfGroup() {
        if (state_.dest == Destination::FontTable && pendingFont_ >= 0) {
            fonts_[pendingFont_] = fontName_;
            pendingFont_ = -1;
        }
    }

    void Char(uint8_t c) {
        if (skipChars_ > 0) {
            --skipChars_;
            return;
        }
        switch (state_.dest) {
            case Destination::Text: Text(FromCp1252(c)); break;
            case Destination::FontTable:
                if (c == ';') {
                    if (pendingFont_ >= 0) fonts_[pendingFont_] = fontName_;
                    pendingFont_ = -1;
                } else {
                    AppendUtf8(fontName_, FromCp1252(c));
                }
                break;
            case Destination::ColorTable:
                if (c == ';') {
                    colors_.push_back(RGB(red_, green_, blue_));
                    red_ = green_ = blue_ = 0;
                }
                break;
            case Destination::Skip: break;
        }
    }

    void Text(uint32_t code) {
        if (state_.dest != Destination::Text) return;
        TRichParagraph& p = doc_.Paragraphs.back();
        auto font = fonts_.find(state_.font);
        const std::string fontName = font == fonts_.end() ? std::string() : font->second;
        const TColor color = state_.color >= 0 && state_.color < static_cast<int>(colors_.size()) ? colors_[state_.color] : clBlack;
        if (p.empty() || p.back().FontName != fontName || p.back().HalfPoints != state_.halfPoints ||
            p.back().Bold != state_.bold || p.back().Color != color)
            p.push_back({"", fontName, state_.halfPoints, state_.bold, color});
        AppendUtf8(p.back().Text, code);
    }

    void ControlWord() {
        if (pos_ >= src_.size()) return;
        const char c = src_[pos_];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++pos_;
            switch (c) {
                case '\'': {
                    int value = 0, digits = 0;
                    while (digits < 2 && pos_ < src_.size() && std::isxdigit(static_cast<unsigned char>(src_[pos_]))) {
                        const char h = static_cast<char>(std::tolower(static_cast<unsigned char>(src_[pos_++])));
                        value = value * 16 + (h <= '9' ? h - '0' : h - 'a' + 10);
                        ++digits;
                    }
                    Char(static_cast<uint8_t>(value));
                    break;
                }
                case '*': state_.dest = Destination::Skip; break;
                case '~': Text(0xA0); break;
                case '-': break;  // optional hyphen
                case '_': Text(0x2011); break;
                case '\r':
                case '\n': Paragraph(); break;
                default: Char(static_cast<uint8_t>(c));  // \\ \{ \} and the like stand for themselves
            }
            return;
        }
        std::string word;
        while (pos_ < src_.size() && std::isalpha(static_cast<unsigned char>(src_[pos_])) && word.size() < 32) word += src_[pos_++];
        bool hasParam = false, negative = false;
        long param = 0;
        if (pos_ < src_.size() && src_[pos_] == '-') {
            negative = true;
            ++pos_;
        }
        while (pos_ < src_.size() && std::isdigit(static_cast<unsigned char>(src_[pos_]))) {
            hasParam = true;
            if (param < 100000000) param = param * 10 + (src_[pos_] - '0');
            ++pos_;
        }
        if (negative) param = -param;
        if (pos_ < src_.size() && src_[pos_] == ' ') ++pos_;  // the delimiter belongs to the word
        Apply(word, hasParam, static_cast<int>(param));
    }

    void Apply(const std::string& word, bool hasParam, int param) {
        static const std::map<std::string, uint32_t> symbols = {
            {"emdash", 0x2014}, {"endash", 0x2013}, {"bullet", 0x2022}, {"lquote", 0x2018}, {"rquote", 0x2019},
            {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"tab", '\t'}, {"emspace", 0x2003}, {"enspace", 0x2002}};
        static const char* skipped[] = {"info", "stylesheet", "pict", "header", "footer", "object", "fldinst",
                                        "themedata", "colorschememapping", "latentstyles", "generator", "listtable",
                                        "listoverridetable", "rsidtbl", "xmlnstbl", "mmathPr", "datastore"};
        if (word == "fonttbl") {
            state_.dest = Destination::FontTable;
        } else if (word == "colortbl") {
            state_.dest = Destination::ColorTable;
        } else if (auto s = symbols.find(word); s != symbols.end()) {
            Text(s->second);
        } else if (word == "par" || word == "line") {
            Paragraph();
        } else if (word == "b") {
            state_.bold = !hasParam || param != 0;
        } else if (word == "fs") {
            state_.halfPoints = hasParam && param > 0 ? param : 24;
        } else if (word == "cf") {
            state_.color = hasParam ? param : -1;
        } else if (word == "f") {
            if (state_.dest == Destination::FontTable) {
                pendingFont_ = param;
                fontName_.clear();
            } else {
                state_.font = param;
            }
        } else if (word == "plain") {
            state_.bold = false;
            state_.halfPoints = 24;
            state_.color = -1;
        } else if (word == "red") {
            red_ = static_cast<uint8_t>(param);
        } else if (word == "green") {
            green_ = static_cast<uint8_t>(param);
        } else if (word == "blue") {
            blue_ = static_cast<uint8_t>(param);
        } else if (word == "uc") {
            state_.unicodeSkip = hasParam && param >= 0 ? param : 1;
        } else if (word == "u") {
            Text(static_cast<uint32_t>(param < 0 ? param + 65536 : param) & 0xFFFF);
            skipChars_ = state_.unicodeSkip;
        } else {
            for (const char* name : skipped)
                if (word == name) state_.dest = Destination::Skip;
        }
    }

    void Paragraph() {
        if (state_.dest == Destination::Text) doc_.Paragraphs.emplace_back();
    }

    std::string_view src_;
    size_t pos_ = 0;
    TRichDocument doc_;
    State state_;
    std::vector<State> stack_;
    std::map<int, std::string> fonts_;
    std::vector<TColor> colors_;
    int pendingFont_ = -1;
    std::string fontName_;
    uint8_t red_ = 0, green_ = 0, blue_ = 0;
    int skipChars_ = 0;
};

}  // namespace

TRichDocument ReadRtf(std::string_view rtf) { return Reader(rtf).Read(); }

}  // namespace ui
