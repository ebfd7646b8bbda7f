#pragma once
// Kpoint: the crossword document — width × height cells (Felt), the picture
// section of the last crossword file read (Hale tokens) and the clue-style
// records read so far (KodeFelt), with its text form, the crossword file (.ktd).
//
// Cells are addressed 1-based as (column, row) and kept column by column.
// The grid view owns one document; the fill engine reads it into its work grid
// and writes finished crosswords back with setLetter. A document is a plain
// value (copyable); it holds no file handles.
//
// Failure: readCrosswordFile and writeCrosswordFile report problems through the
// Host with the program's own texts and answer false; a document that could not
// be read is left as it was (except where the file ends early: the cells read so
// far stay). Nothing throws.
#include "documents/Felt.h"
#include "documents/Hale.h"
#include "documents/KodeFelt.h"
#include "platform/Host.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace bv {

class Kpoint {
public:
    static constexpr int kMaxSide = 50;
    static constexpr int kDefaultSide = 10;
    // Filter of the crossword-file dialogs.
    static constexpr std::string_view kFilter = "Cruce Archivo(*.ktd)|*.ktd|Todos los archivos (*.*)|*.*|";
    static constexpr std::string_view kDefaultExt = "KTD";

    // Answers whether a byte is a letter of the current language (the old line
    // format keeps such bytes as letters). The language tables live with the
    // dictionary; callers pass e.g. [&](unsigned char b) { return lang.isLetter(b); }.
    using LetterTest = std::function<bool(unsigned char)>;

    // A new document: 10 × 10 default cells, untitled.
    Kpoint();
    Kpoint(int width, int height);

    // Replaces everything by width × height default cells (sides are held to
    // 1..50), no image tokens, no clue styles; the document becomes untitled.
    void create(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 1 && x <= width_ && y >= 1 && y <= height_; }

    // The cell at column x, row y (1-based); the caller keeps x and y inside.
    Felt& cell(int x, int y);
    const Felt& cell(int x, int y) const;

    // The letter of a letter cell (0 for an empty one), 0 for a clue cell.
    static char letterOf(const Felt& cell);
    // Makes the cell a letter cell holding `letter`; 0 empties it. Layout and
    // borders stay.
    static void setLetter(Felt& cell, char letter);
    // Makes the cell a clue cell holding `text`, cut to 1999 bytes and at a
    // zero byte; a double quote (which the file format cannot carry) becomes a
    // single quote. Layout and borders stay.
    static void setClue(Felt& cell, std::string_view text);

    char letterOf(int x, int y) const { return letterOf(cell(x, y)); }
    void setLetter(int x, int y, char letter) { setLetter(cell(x, y), letter); }
    void setClue(int x, int y, std::string_view text) { setClue(cell(x, y), text); }
    bool isClue(int x, int y) const { return cell(x, y).isClue; }

    // Keeps the cells of the common top-left part; new cells are default cells.
    // Sides are held to 1..50.
    void resize(int width, int height);

    // Reads a crossword file (current BEGIN/END format or the old line format)
    // into this document. False when the file could not be opened or its size
    // is not 1..50 (message shown, document unchanged).
    bool readCrosswordFile(const std::string& name, Host& host, const LetterTest& isLetter);
    // The same from the file's bytes (CRLF or LF line ends).
    bool readCrosswordText(std::string_view bytes, Host& host, const LetterTest& isLetter);

    // Writes the document as a crossword file. False when the file cannot be
    // written ("No se puede abrir %s"); then nothing is written.
    bool writeCrosswordFile(const std::string& name, Host& host);
    // The bytes writeCrosswordFile writes (CRLF line ends).
    std::string crosswordText() const;

    const std::vector<Hale>& imageTokens() const { return images_; }
    std::vector<Hale>& imageTokens() { return images_; }
    const std::vector<KodeFelt>& clueStyles() const { return clueStyles_; }

    // The file-name field of the crossword-file dialogs: the current model.
    const std::string& modelFileName() const { return modelFileName_; }
    void setModelFileName(std::string name) { modelFileName_ = std::move(name); }

    // True while the document has no name of its own (at creation, and after
    // a run that wrote a generated crossword into it).
    bool untitled() const { return untitled_; }
    void setUntitled(bool u) { untitled_ = u; }

    bool operator==(const Kpoint&) const = default;

private:
    size_t index(int x, int y) const;

    int width_ = kDefaultSide;
    int height_ = kDefaultSide;
    std::vector<Felt> cells_;  // column by column
    std::vector<Hale> images_;
    std::vector<KodeFelt> clueStyles_;
    std::string modelFileName_;
    bool untitled_ = true;
};

}  // namespace bv
