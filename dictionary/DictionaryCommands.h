#pragma once
// DictionaryCommands: the user's commands on the current dictionary (open a
// file in its place, add or subtract a file's words, keep only the words a file
// also holds, save, show the statistics, edit single words, start a new empty
// dictionary), shared by the desktop menus and the command line.
//
// The program owns exactly one current dictionary; the commands borrow it as
// `std::unique_ptr<BogPoint>&`. Open, Join and New dictionary destroy it and
// put a new one in its place (the old one is destroyed before the new one is
// built); the others change it in place. New dictionaries take the Language and
// Host given, which must outlive them.
//
// Failures are shown through the Host with the system's own texts and never
// thrown; the boolean results only tell a caller such as the command line
// whether the command did its work.
#include "dictionary/BogPoint.h"
#include "dictionary/Language.h"
#include "dictionary/WordFiles.h"
#include "platform/Host.h"
#include "platform/Random.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace bv {

class DictionaryCommands {
public:
    // The file dialog shared by Open, Add, Subtract, Join and Save.
    static constexpr std::string_view kFileFilter =
        "Diccionarios  (*.dic)|*.dic|Glosario(*.txt)|*.txt|Todos(*.*)|*.*|";
    static constexpr std::string_view kDefaultExtension = "dic";
    // The join's intermediate dictionary file, in the working directory, left on disk.
    static constexpr std::string_view kJoinFile = "bygtmp.dic";

    static constexpr std::string_view kMissingFileCaption = "Cannot find file";
    static constexpr std::string_view kInformationCaption =
        " La cantidad de palabras en el diccionario dividida por el largo de la palabra";
    static constexpr std::string_view kTestText = "Controle los componentes del diccionario";
    static constexpr std::string_view kTestFoundCaption = "Las palabras están ahí.";
    static constexpr std::string_view kTestMissingCaption = "Falta la palabra.";
    static constexpr std::string_view kNewTitle = "Nuevo diccionario";
    static constexpr std::string_view kNewPrompt = "Para cuántas palabras debe de haber lugar en el nuevo diccionario";
    static constexpr std::string_view kNewInitial = "110000";
    static constexpr std::string_view kRangeName = "Tamaño del diccionario";
    static constexpr std::string_view kRangeCaption = "Ha sido dado un valor erróneo";
    static constexpr std::string_view kNewDoneText = "Se ha hecho un diccionario nuevo";
    static constexpr std::string_view kNewDoneCaption = "Ejecutado";

    static constexpr std::int64_t kJoinSize = 110000;
    static constexpr std::int64_t kNewSizeLow = 1000;
    static constexpr std::int64_t kNewSizeHigh = 2000000;
    static constexpr std::size_t kWordField = 39;     // the edit-words field
    static constexpr std::size_t kNewSizeField = 7;   // the new-dictionary entry

    // ".txt", ".TXT", ".dic" or ".DIC" from the last '.', compared case-sensitively.
    static bool readsExtension(std::string_view path);
    // ".dic" or ".DIC".
    static bool savesExtension(std::string_view path);

    // The file dialog with the shared filter; the chosen name is also kept in
    // `fileName` (the current dictionary file name). nullopt when cancelled.
    static std::optional<std::string> chooseFile(Host& host, std::string_view caption, bool forSaving,
                                                 std::string& fileName);

    // Open: a missing file shows its path with "Cannot find file" and changes
    // nothing (false). Otherwise the dictionary is replaced by a new one sized
    // for the file (its bytes / 5, at least 20000) and, when the extension is
    // accepted, filled from it; with any other extension it stays empty.
    // `summary` (optional) is handed to loadWordFile, e.g. for a quiet load.
    static bool open(std::unique_ptr<BogPoint>& current, const std::string& path, const Language& language,
                     Host& host, LoadSummary* summary = nullptr);
    // Add and Subtract: nothing (false) unless the extension is accepted.
    static bool add(BogPoint& current, const std::string& path, LoadSummary* summary = nullptr);
    static bool subtract(BogPoint& current, const std::string& path);
    // Join: keeps only the words that `path` also holds, passing them through the
    // dictionary file `joinFile` into a fresh dictionary of 110000 words. When
    // the extension is not accepted, or the intermediate file could not be
    // written, the current dictionary stays as it was (false).
    static bool join(std::unique_ptr<BogPoint>& current, const std::string& path, Random& random,
                     const std::string& joinFile = std::string(kJoinFile));
    // Save: writes only to a ".dic"/".DIC" name; any other name saves nothing
    // without a message (false).
    static bool save(const BogPoint& current, const std::string& path, Random& random);
    // Information: the statistics text in a message box.
    static void information(const BogPoint& current, Host& host);

    // The edit-words buttons; the word is the field's text (cut to 39 bytes,
    // Windows-1252). An empty field does nothing.
    static void registerWord(BogPoint& current, std::string_view word);   // "Registra"
    static void testWord(BogPoint& current, std::string_view word, Host& host);  // "Prueba"
    static void deleteWord(BogPoint& current, std::string_view word);     // "Borra"

    // New dictionary ("Borra todo" too): asks for the capacity until it is in
    // range or the user cancels (false, nothing changed).
    static bool newDictionary(std::unique_ptr<BogPoint>& current, const Language& language, Host& host);
    // The same with the capacity already typed: out of range shows the range
    // message and changes nothing (false).
    static bool newDictionary(std::unique_ptr<BogPoint>& current, std::string_view entry, const Language& language,
                              Host& host);
    // The leading decimal digits of an entry (no digits: 0).
    static std::int64_t readNumber(std::string_view entry);
    static std::string rangeMessage();
};

}  // namespace bv
