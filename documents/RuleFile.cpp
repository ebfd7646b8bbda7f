#include "documents/RuleFile.h"

namespace bv {

RuleFile::RuleFile(std::string path) : profile_(std::move(path)), open_(true) {}

bool RuleFile::save(const std::string& path, const Names& names, std::string* error) {
    IniProfile p(path);
    p.setString(kSection, kModelKey, names.model);
    p.setString(kSection, kTrieKey, names.trie);
    p.setString(kSection, kVejKey, names.vej);
    p.setString(kSection, kParametreKey, names.parametre);
    p.setString(kSection, kDestDirKey, names.destDir);
    p.setInt(kSection, kSprogKey, names.sprog);
    return p.flush(error);
}

}  // namespace bv
