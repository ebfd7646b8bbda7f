#include "documents/Kpoint.h"

#include "documents/NumberText.h"
#include "platform/Cp1252.h"
#include "platform/TextFile.h"

#include <algorithm>
#include <cassert>
#include <climits>
#include <cmath>
#include <limits>
#include <optional>

namespace bv {

namespace {

int clampSide(int n) { return std::clamp(n, 1, Kpoint::kMaxSide); }

bool isBlank(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// Reads the crossword file the way the format's C reader does (words, integers
// and numbers separated by blanks), over bytes whose CRLF ends are already LF.
// A read that finds no number leaves the caller's value alone and consumes
// nothing but blanks, as scanf does.
class Scanner {
public:
    explicit Scanner(std::string_view s) : s_(s) {}

    size_t pos() const { return pos_; }
    void seek(size_t p) { pos_ = std::min(p, s_.size()); }
    bool atEnd() const { return pos_ >= s_.size(); }
    // True when only blanks remain.
    bool atEndAfterBlanks() {
        skipBlanks();
        return atEnd();
    }

    int get() { return atEnd() ? -1 : static_cast<unsigned char>(s_[pos_++]); }

    void skipBlanks() {
        while (!atEnd() && isBlank(static_cast<unsigned char>(s_[pos_]))) ++pos_;
    }

    // Next blank-free word; false at the end of the text.
    bool word(std::string& w) {
        skipBlanks();
        if (atEnd()) return false;
        size_t start = pos_;
        while (!atEnd() && !isBlank(static_cast<unsigned char>(s_[pos_]))) ++pos_;
        w.assign(s_.substr(start, pos_ - start));
        return true;
    }

    bool readInt(int& v) {
        skipBlanks();
        size_t p = pos_;
        bool negative = false;
        if (p < s_.size() && (s_[p] == '+' || s_[p] == '-')) negative = s_[p++] == '-';
        if (p >= s_.size() || s_[p] < '0' || s_[p] > '9') return false;
        long long n = 0;
        while (p < s_.size() && s_[p] >= '0' && s_[p] <= '9') {
            if (n <= INT_MAX) n = n * 10 + (s_[p] - '0');
            ++p;
        }
        if (negative) n = -n;
        v = static_cast<int>(std::clamp<long long>(n, INT_MIN, INT_MAX));
        pos_ = p;
        return true;
    }

    bool readDouble(double& v) {
        skipBlanks();
        size_t used = NumberText::parseDouble(s_.substr(pos_), v);
        pos_ += used;
        return used > 0;
    }

    bool readFlag(bool& b) {
        int n = 0;
        if (!readInt(n)) return false;
        b = n != 0;
        return true;
    }

    // Skips characters up to and including `c`; false when the text ends first.
    bool skipPast(char c) {
        while (!atEnd())
            if (s_[pos_++] == c) return true;
        return false;
    }

    // The lenient number of clue records: skips to the first digit or point
    // (a minus sign on the way makes the number negative), then digits with at
    // most one meaningful point. An exponent right after the digits ("e+06") is
    // taken too: the writer's %#g style writes one for values from 1e6 and below
    // 1e-4, and without it such a value would eat the fields after it. The value
    // is held to the finite doubles, so that what is read can be written back.
    // nullopt at the end of the text.
    std::optional<double> lenient() {
        bool negative = false;
        while (!atEnd() && !isDigitOrPoint(s_[pos_])) {
            if (s_[pos_] == '-') negative = true;
            ++pos_;
        }
        if (atEnd()) return std::nullopt;
        double v = 0, scale = 0;
        while (!atEnd() && isDigitOrPoint(s_[pos_])) {
            char c = s_[pos_++];
            if (c == '.') {
                if (scale == 0) scale = 0.1;
            } else if (scale == 0) {
                v = v * 10 + (c - '0');
            } else {
                v += (c - '0') * scale;
                scale /= 10;
            }
        }
        if (int e = 0; exponent(e) && v != 0) v *= std::pow(10.0, e);
        if (!std::isfinite(v)) v = std::numeric_limits<double>::max();
        return negative ? -v : v;
    }

    // One line as fgets with a 148-byte buffer takes it: up to and including
    // the line end, at most 147 bytes. Empty at the end of the text.
    std::string_view line() {
        size_t start = pos_;
        while (!atEnd() && pos_ - start < 147) {
            if (s_[pos_++] == '\n') break;
        }
        return s_.substr(start, pos_ - start);
    }

private:
    // "e" or "E", an optional sign and at least one digit; consumed only when whole.
    bool exponent(int& e) {
        size_t p = pos_;
        if (p >= s_.size() || (s_[p] != 'e' && s_[p] != 'E')) return false;
        ++p;
        bool minus = false;
        if (p < s_.size() && (s_[p] == '+' || s_[p] == '-')) minus = s_[p++] == '-';
        if (p >= s_.size() || s_[p] < '0' || s_[p] > '9') return false;
        int n = 0;
        while (p < s_.size() && s_[p] >= '0' && s_[p] <= '9') {
            if (n < 10000) n = n * 10 + (s_[p] - '0');
            ++p;
        }
        e = minus ? -n : n;
        pos_ = p;
        return true;
    }

    static bool isDigitOrPoint(char c) { return (c >= '0' && c <= '9') || c == '.'; }

    std::string_view s_;
    size_t pos_ = 0;
};

void assignLenient(Scanner& sc, double& field) {
    if (auto v = sc.lenient()) field = *v;
}

// One cell record. Unknown kinds are reported and end the record.
void readCell(Scanner& sc, Felt& cell, Host& host) {
    std::string kind;
    if (!sc.word(kind)) return;
    if (kind == "BOGSTAV") {
        cell.isClue = false;
        sc.skipPast('"');
        int c = sc.get();
        cell.text = c > 0 ? std::string(1, static_cast<char>(c)) : std::string();
        sc.get();  // the closing quote
        RelaFont& f = cell.layout;
        sc.readDouble(f.hoj[0]);
        sc.readFlag(f.defVaegt[0]);
        sc.readDouble(f.vaegt[0]);
        sc.readDouble(f.op[0]);
        sc.readDouble(f.extra);
    } else if (kind == "LEDEORD") {
        cell.isClue = true;
        sc.skipPast('"');
        std::string text;
        bool cut = false;
        for (int c = sc.get(); c >= 0 && c != '"'; c = sc.get()) {
            if (c == 0) cut = true;  // the cell's text ends at a zero byte
            if (!cut && text.size() < Felt::kMaxText) text += static_cast<char>(c);
        }
        cell.text = std::move(text);
        RelaFont& f = cell.layout;
        for (int l = 0; l < RelaFont::kLines; ++l) {
            assignLenient(sc, f.hoj[l]);
            if (auto v = sc.lenient()) f.defVaegt[l] = *v != 0;
            assignLenient(sc, f.vaegt[l]);
            assignLenient(sc, f.op[l]);
        }
    } else {
        host.report(">>" + Cp1252::toUtf8(kind) + "<< strlen " + std::to_string(kind.size()), "Error en Kpoint",
                    Icon::None);
        return;
    }
    sc.readFlag(cell.rightBorder);
    sc.readFlag(cell.bottomBorder);
}

std::string flag(bool b) { return b ? "1" : "0"; }

// File names on Linux are usually UTF-8 already; other bytes are Windows-1252.
std::string nameForMessage(const std::string& name) {
    return Cp1252::isValidUtf8(name) ? name : Cp1252::toUtf8(name);
}

}  // namespace

Kpoint::Kpoint() { create(kDefaultSide, kDefaultSide); }

Kpoint::Kpoint(int width, int height) { create(width, height); }

void Kpoint::create(int width, int height) {
    width_ = clampSide(width);
    height_ = clampSide(height);
    cells_.assign(static_cast<size_t>(width_) * static_cast<size_t>(height_), Felt{});
    images_.clear();
    clueStyles_.clear();
    untitled_ = true;
}

size_t Kpoint::index(int x, int y) const {
    assert(contains(x, y));
    return static_cast<size_t>(x - 1) * static_cast<size_t>(height_) + static_cast<size_t>(y - 1);
}

Felt& Kpoint::cell(int x, int y) { return cells_[index(x, y)]; }
const Felt& Kpoint::cell(int x, int y) const { return cells_[index(x, y)]; }

char Kpoint::letterOf(const Felt& cell) {
    if (cell.isClue || cell.text.empty()) return 0;
    return cell.text[0];
}

void Kpoint::setLetter(Felt& cell, char letter) {
    cell.isClue = false;
    cell.text = letter ? std::string(1, letter) : std::string();
}

void Kpoint::setClue(Felt& cell, std::string_view text) {
    text = text.substr(0, std::min(text.find('\0'), Felt::kMaxText));
    cell.isClue = true;
    cell.text.assign(text);
    std::replace(cell.text.begin(), cell.text.end(), '"', '\'');
}

void Kpoint::resize(int width, int height) {
    width = clampSide(width);
    height = clampSide(height);
    std::vector<Felt> cells(static_cast<size_t>(width) * static_cast<size_t>(height));
    int keepW = std::min(width, width_), keepH = std::min(height, height_);
    for (int x = 1; x <= keepW; ++x)
        for (int y = 1; y <= keepH; ++y)
            cells[static_cast<size_t>(x - 1) * static_cast<size_t>(height) + static_cast<size_t>(y - 1)] =
                std::move(cell(x, y));
    cells_ = std::move(cells);
    width_ = width;
    height_ = height;
}

bool Kpoint::readCrosswordFile(const std::string& name, Host& host, const LetterTest& isLetter) {
    std::string bytes;
    if (!TextFile::read(name, bytes)) {
        host.report(nameForMessage(name), "Error", Icon::Error);
        return false;
    }
    if (!readCrosswordText(bytes, host, isLetter)) return false;
    modelFileName_ = name;
    return true;
}

bool Kpoint::readCrosswordText(std::string_view raw, Host& host, const LetterTest& isLetter) {
    // Text mode: CRLF reads as LF.
    std::string bytes;
    bytes.reserve(raw.size());
    for (size_t i = 0; i < raw.size(); ++i)
        if (!(raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n')) bytes += raw[i];

    Scanner sc(bytes);
    int w = 0, h = 0;
    sc.readInt(w);
    sc.readInt(h);
    if (w < 1 || w > kMaxSide || h < 1 || h > kMaxSide) {
        host.report("Mucho|Extrano|Input|Interruptor", "Advertencia", Icon::Warning);
        return false;
    }
    if (w != width_ || h != height_) {
        width_ = w;
        height_ = h;
        cells_.assign(static_cast<size_t>(w) * static_cast<size_t>(h), Felt{});
    }
    images_.clear();
    untitled_ = false;

    std::string word;
    for (int r = 1; r <= h; ++r) {
        if (!sc.word(word)) return true;  // the file ends early: the rest stays
        if (word == "BEGIN" || word == "EGIN") {
            int dummy = 0;
            sc.readInt(dummy);
            for (int x = 1; x <= w; ++x) {
                if (sc.atEndAfterBlanks()) return true;
                readCell(sc, cell(x, r), host);
            }
            sc.word(word);
            sc.readInt(dummy);
            continue;
        }
        // No BEGIN: the whole grid is in the old line format, one row per line.
        Scanner old(bytes);
        old.line();  // width and height
        for (int y = 1; y <= h; ++y) {
            std::string_view line = old.line();
            if (line.empty()) return true;
            for (int x = 1; x <= w; ++x) {
                // Past the end of a short line the cells count as clue cells,
                // as the line end itself does.
                unsigned char c = static_cast<size_t>(x - 1) < line.size() ? static_cast<unsigned char>(line[x - 1]) : 0;
                Felt& f = cell(x, y);
                if (c == '+' || c == 0xA5)
                    setLetter(f, static_cast<char>(0xD8));
                else if (c == 0xDB)
                    setLetter(f, ' ');
                else if (c != 0 && isLetter && isLetter(c))
                    setLetter(f, static_cast<char>(c));
                else
                    setClue(f, "");
            }
        }
        sc.seek(old.pos());
        break;
    }

    // Records after the grid.
    while (!sc.atEndAfterBlanks()) {
        sc.word(word);
        if (word == "KODEFELT") {
            KodeFelt k;
            sc.readDouble(k.layout.hoj[0]);
            sc.readFlag(k.layout.defVaegt[0]);
            sc.readDouble(k.layout.vaegt[0]);
            sc.readDouble(k.layout.op[0]);
            sc.readDouble(k.layout.extra);
            sc.readInt(k.type);
            sc.readInt(k.column);
            sc.readInt(k.row);
            clueStyles_.push_back(k);
        } else if (word == "IMAGES") {
            images_.push_back({word});
            std::string t;
            if (!sc.word(t)) break;
            images_.push_back({t});
            for (;;) {
                bool more = true;
                for (int i = 0; i < 3 && more; ++i) {
                    if (!sc.word(t)) {
                        more = false;
                        break;
                    }
                    images_.push_back({t});
                    if (i == 2) more = t.starts_with('+');
                }
                if (!more) break;
            }
        } else {
            break;
        }
    }
    return true;
}

std::string Kpoint::crosswordText() const {
    std::string out = std::to_string(width_) + '\t' + std::to_string(height_);
    for (int r = 0; r < height_; ++r) {
        out += "\nBEGIN\t" + std::to_string(r);
        for (int x = 1; x <= width_; ++x) {
            const Felt& c = cell(x, r + 1);
            const RelaFont& f = c.layout;
            if (!c.isClue) {
                out += "\n\tBOGSTAV\t\"";
                out += c.text.empty() ? '\0' : c.text[0];
                out += "\"\t" + NumberText::hashG(f.hoj[0]) + '\t' + flag(f.defVaegt[0]) + '\t' +
                       NumberText::hashG(f.vaegt[0]) + '\t' + NumberText::hashG(f.op[0]) + '\t' +
                       NumberText::hashG(f.extra);
            } else {
                std::string text = c.text.substr(0, std::min(c.text.find('\0'), Felt::kMaxText));
                std::replace(text.begin(), text.end(), '"', '\'');
                out += "\n\tLEDEORD\t\"" + text + '"';
                for (int l = 0; l < RelaFont::kLines; ++l)
                    out += '\t' + NumberText::hashG(f.hoj[l]) + '\t' + flag(f.defVaegt[l]) + '\t' +
                           NumberText::hashG(f.vaegt[l]) + '\t' + NumberText::hashG(f.op[l]);
            }
            out += '\t' + flag(c.rightBorder) + '\t' + flag(c.bottomBorder);
        }
        out += "\nEND\t" + std::to_string(r);
    }
    // The picture section: "IMAGES" and its name on one line, then each group
    // of three tokens on a line of its own.
    enum { Head, Name, Group } state = Head;
    int inGroup = 0;
    for (const Hale& h : images_) {
        if (h.token == "IMAGES" && state != Group) state = Head;
        if (state == Head) {
            out += '\n';
            state = h.token == "IMAGES" ? Name : Head;
        } else if (state == Name) {
            out += '\t';
            state = Group;
            inGroup = 0;
        } else {
            out += inGroup == 0 ? '\n' : '\t';
            if (++inGroup == 3) {
                inGroup = 0;
                if (!h.token.starts_with('+')) state = Head;
            }
        }
        out += h.token;
    }
    // Written in text mode: every LF becomes CRLF.
    std::string crlf;
    crlf.reserve(out.size() + out.size() / 16);
    for (char ch : out) {
        if (ch == '\n')
            crlf += kLineEnd;
        else
            crlf += ch;
    }
    return crlf;
}

bool Kpoint::writeCrosswordFile(const std::string& name, Host& host) {
    if (!TextFile::writeAtomic(name, crosswordText())) {
        host.report("No se puede abrir " + nameForMessage(name), "Error", Icon::Error);
        return false;
    }
    untitled_ = false;
    modelFileName_ = name;
    return true;
}

}  // namespace bv
