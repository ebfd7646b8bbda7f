#include "shell/RecentFiles.h"

#include <algorithm>

namespace bv {

RecentFiles::RecentFiles(IniProfile& profile) : profile_(&profile) {
    for (int i = 1; i <= kMax; ++i) {
        std::string key = "File" + std::to_string(i);
        if (!profile.hasKey(kSection, key)) continue;
        std::string v = profile.getString(kSection, key, "");
        if (!v.empty()) names_.push_back(std::move(v));
    }
}

void RecentFiles::add(std::string_view name) {
    if (name.empty()) return;
    names_.erase(std::remove(names_.begin(), names_.end(), name), names_.end());
    names_.insert(names_.begin(), std::string(name));
    if (names_.size() > static_cast<size_t>(kMax)) names_.resize(kMax);
    save();
}

void RecentFiles::save() {
    if (!profile_) return;
    for (int i = 1; i <= kMax; ++i) {
        std::string key = "File" + std::to_string(i);
        if (static_cast<size_t>(i) <= names_.size())
            profile_->setString(kSection, key, names_[static_cast<size_t>(i) - 1]);
        else
            profile_->removeKey(kSection, key);
    }
    profile_->flush();  // a list that cannot be kept is not worth a message
}

}  // namespace bv
