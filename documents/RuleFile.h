#pragma once
// RuleFile: a rule file (.skb, "Reglas del juego"), the private-profile file
// that names the documents one kind of crossword is built from: the grid model
// (.ktd), the dictionary (.dic), the route (.vej), the fuzzy parameters (.par),
// the directory for finished crosswords and the language number.
//
// Everything lives in section "Skabelon". A missing key gives the default
// below; a key present with an empty value gives the empty text. Other
// sections and keys are left alone by save(). Names are kept as the file gives
// them (Windows-1252 bytes; '\' separators are resolved by whoever opens them).
//
// The object holds the profile of one rule file, read when it is opened; it
// stays as it was read until the next open. Reading never fails: a missing or
// unreadable file reads as one without keys.
#include "platform/IniProfile.h"

#include <string>
#include <string_view>

namespace bv {

class RuleFile {
public:
    static constexpr std::string_view kSection = "Skabelon";
    static constexpr std::string_view kFilter = "Reglas del juego (*.skb)|*.skb|All Files (*.*)|*.*|";
    static constexpr std::string_view kDefaultExt = "skb";

    static constexpr std::string_view kModelKey = "Model";
    static constexpr std::string_view kTrieKey = "Trie";
    static constexpr std::string_view kVejKey = "Vej";
    static constexpr std::string_view kParametreKey = "Parametre";
    static constexpr std::string_view kDestDirKey = "DestDir";
    static constexpr std::string_view kSprogKey = "Sprog";

    static constexpr std::string_view kDefaultModel = "PuslFlad.ktd";
    static constexpr std::string_view kDefaultTrie = "dksort.dic";
    static constexpr std::string_view kDefaultVej = "Puslflad.vej";
    static constexpr std::string_view kDefaultParametre = "Default.par";
    static constexpr int kDefaultSprog = 9;

    // What save() writes, in this order.
    struct Names {
        std::string model;
        std::string trie;
        std::string vej;
        std::string parametre;
        std::string destDir;
        int sprog = kDefaultSprog;
    };

    RuleFile() = default;
    // Opens (reads) the rule file at `path`.
    explicit RuleFile(std::string path);

    const std::string& path() const { return profile_.path(); }
    bool isOpen() const { return open_; }

    std::string model() const { return get(kModelKey, kDefaultModel); }
    std::string trie() const { return get(kTrieKey, kDefaultTrie); }
    std::string vej() const { return get(kVejKey, kDefaultVej); }
    std::string parametre() const { return get(kParametreKey, kDefaultParametre); }
    int sprog() const { return profile_.getInt(kSection, kSprogKey, kDefaultSprog); }
    // The destination directory; `dflt` is the settings' Gemmested value.
    std::string destDir(std::string_view dflt) const { return get(kDestDirKey, dflt); }
    bool hasDestDir() const { return profile_.hasKey(kSection, kDestDirKey); }

    // Writes the six keys into the rule file at `path` (creating it), keeping
    // every other line of the file, and flushes it. False with the reason when
    // the file cannot be written.
    static bool save(const std::string& path, const Names& names, std::string* error = nullptr);

private:
    std::string get(std::string_view key, std::string_view dflt) const {
        return profile_.getString(kSection, key, dflt);
    }

    IniProfile profile_;
    bool open_ = false;
};

}  // namespace bv
