#include "engine/Route.h"

#include "engine/NumberText.h"
#include "platform/TextFile.h"

#include <algorithm>
#include <cstdio>

namespace bv {

Vejstop* Route::next(const Vejstop* s) {
    std::size_t i = indexOf(s);
    return i + 1 < stops_.size() ? &stops_[i + 1] : nullptr;
}

const Vejstop* Route::next(const Vejstop* s) const {
    std::size_t i = indexOf(s);
    return i + 1 < stops_.size() ? &stops_[i + 1] : nullptr;
}

std::size_t Route::indexOf(const Vejstop* s) const {
    if (stops_.empty() || s < stops_.data() || s >= stops_.data() + stops_.size()) return stops_.size();
    return static_cast<std::size_t>(s - stops_.data());
}

std::size_t Route::stopCount() const {
    std::size_t n = 0;
    while (n < stops_.size() && !stops_[n].isEndMarker()) ++n;
    return n;
}

std::size_t Route::insertAfter(std::size_t at, const Vejstop& stop) {
    if (stops_.empty()) {
        stops_.push_back(stop);
        return 0;
    }
    std::size_t pos = std::min(at, stops_.size() - 1) + 1;
    stops_.insert(stops_.begin() + static_cast<std::ptrdiff_t>(pos), stop);
    return pos;
}

void Route::erase(std::size_t index) {
    if (index < stops_.size()) stops_.erase(stops_.begin() + static_cast<std::ptrdiff_t>(index));
}

bool Route::readRoute(const std::string& path) {
    std::string bytes;
    if (!TextFile::read(path, bytes)) return false;

    std::string_view text = bytes;
    std::size_t pos = 0;
    std::int32_t first = 0;
    bool header = numtext::scanInt(text, pos, first) && first == -2;
    if (header) {
        std::int32_t v[6] = {seedA.x, seedA.y, seedA.ret, seedB.x, seedB.y, seedB.ret};
        for (std::int32_t& item : v)
            if (!numtext::scanInt(text, pos, item)) break;
        seedA = {v[0], v[1], v[2]};
        seedB = {v[3], v[4], v[5]};
        // The stop lines start on the line after the header's last number.
        std::size_t nl = text.find('\n', pos);
        text = nl == std::string_view::npos ? std::string_view() : text.substr(nl + 1);
    }

    discard();
    stops_.emplace_back();
    std::int32_t counter = 1;
    for (const std::string& line : TextFile::splitLines(text)) {
        std::int32_t v[5] = {0, 0, 0, 0, 0};
        if (numtext::scanInts(line, v, 5) < 2) break;
        Vejstop& s = stops_.back();
        s.x = v[0];
        s.y = v[1];
        s.ret = static_cast<std::int8_t>(v[2]);
        s.rc = v[3];
        s.Type = v[4];
        s.nr = counter++;
        s.visits = 0;
        s.elapsed = 0;
        stops_.emplace_back();
    }
    stops_.emplace_back();

    if (!header) {
        seedA = {stops_[0].x, stops_[0].y, stops_[0].ret};
        seedB.x = -1;
    }
    return true;
}

std::string Route::routeText() const {
    std::string out;
    char line[128];
    std::snprintf(line, sizeof line, "-2 %d %d %d %d %d %d", seedA.x, seedA.y, seedA.ret, seedB.x, seedB.y,
                  seedB.ret);
    out += line;
    out += kLineEnd;
    for (const Vejstop& s : stops_) {
        std::snprintf(line, sizeof line, "%d %d %d %d %d ", s.x, s.y, static_cast<int>(s.ret), s.rc, s.Type);
        out += line;
        out += kLineEnd;
        if (s.isEndMarker()) break;
    }
    out += "-1 -1 0 0 ";
    out += kLineEnd;
    return out;
}

bool Route::writeRoute(const std::string& path) const { return TextFile::writeAtomic(path, routeText()); }

void Route::renumberRoute() {
    for (std::size_t i = 0; i + 1 < stops_.size(); ++i) stops_[i].nr = static_cast<std::int32_t>(i + 1);
}

Vejstop* Route::predecessor(const Vejstop* s, int k) {
    if (stops_.empty()) return nullptr;
    std::size_t i = indexOf(s);
    if (i >= stops_.size()) return &stops_[0];
    if (k <= 0) return &stops_[i];
    if (static_cast<std::size_t>(k) > i) return &stops_[0];
    return &stops_[i - static_cast<std::size_t>(k)];
}

namespace {
int filledCells(const EtOrd& s) {
    int n = 0;
    for (char c : s.word())
        if (c != BLANK) ++n;
    return n;
}

Vejstop endMarker() {
    Vejstop e;
    e.x = -1;
    e.y = 1;
    e.ret = 1;
    e.len = 0;
    return e;
}
}  // namespace

bool Route::better(const EtOrd& a, const EtOrd* b) {
    if (!b) return true;
    if (&a == b) return false;
    if (!Simpelarr::hasBlank(a)) return false;
    if (!Simpelarr::hasBlank(*b)) return true;
    int fa = filledCells(a), fb = filledCells(*b);
    if (fa != fb) return fa > fb;
    return a.len >= b->len;
}

bool Route::autoRoute(Simpelarr& grid) {
    discard();
    if (!grid.deriveSlots()) {
        grid.checkRuns();
        return false;
    }
    for (;;) {
        EtOrd* choice = nullptr;
        for (EtOrd& s : grid.slots())
            if (better(s, choice)) choice = &s;
        if (!choice) break;  // a grid without a single letter cell

        Vejstop stop;
        stop.x = choice->x;
        stop.y = choice->y;
        stop.len = choice->len;
        stop.ret = choice->ret;
        stop.slotRef = choice;
        stop.nr = stop.rc = stop.visits = stop.elapsed = stop.Type = 0;
        stops_.push_back(stop);

        bool changed = false;
        for (int i = 0; i < choice->len && i < EtOrd::kMaxLen; ++i) {
            if (choice->letters[i] != 'X') {
                choice->letters[i] = 'X';
                changed = true;
            }
        }
        if (!changed) break;
        grid.placeWord(*choice);
        grid.deriveSlots();
    }
    // Every deriveSlots replaced the list the references pointed into.
    for (Vejstop& s : stops_) s.slotRef = nullptr;
    stops_.push_back(endMarker());
    stops_.push_back(endMarker());
    return true;
}

bool Route::touches(Simpelarr& grid, int cx, int cy, const EtOrd* t) {
    if (!t) return false;
    if (t->ret != kAcross) {
        if (cy < t->y || cy > t->y + t->len) return false;
        const EtOrd* a = grid.slotAt(cx, cy, kAcross);
        return a && a->x <= t->x && t->x <= a->x + a->len;
    }
    if (cx < t->x || cx > t->x + t->len) return false;
    const EtOrd* d = grid.slotAt(cx, cy, kDown);
    return d && d->y <= t->y && t->y <= d->y + d->len;
}

bool Route::linked(Simpelarr& grid, const EtOrd* p, const EtOrd* t) {
    if (!p) return false;
    const int dx = p->ret != kAcross ? 0 : 1, dy = 1 - dx;
    for (int i = 0; i < p->len; ++i)
        if (touches(grid, p->x + i * dx, p->y + i * dy, t)) return true;
    return false;
}

bool Route::optimiseRoute(const Simpelarr& model) {
    Simpelarr grid(model);
    for (int y = 0; y < grid.height(); ++y)
        for (int x = 0; x < grid.width(); ++x)
            if (grid.get(x, y) != BLOCK) grid.put(BLANK, x, y);
    if (!grid.deriveSlots()) {
        grid.checkRuns();
        return false;
    }

    std::size_t end = stopCount();
    for (std::size_t i = 0; i < end; ++i) stops_[i].slotRef = grid.findSlot(stops_[i].x, stops_[i].y, stops_[i].ret);

    // Of several stops naming one slot the first in route order stays; stops
    // without a slot are all kept.
    std::vector<Vejstop> kept;
    kept.reserve(stops_.size());
    for (std::size_t i = 0; i < stops_.size(); ++i) {
        const Vejstop& s = stops_[i];
        if (i < end && s.slotRef) {
            bool seen = std::any_of(kept.begin(), kept.end(),
                                    [&](const Vejstop& k) { return k.slotRef == s.slotRef; });
            if (seen) continue;
        }
        kept.push_back(s);
    }
    stops_ = std::move(kept);
    end = stopCount();

    // rc = k - 1 for the nearest earlier stop P = predecessor(S, k) that is the
    // first stop or whose word may constrain S. Slots are taken from slotRef (the
    // findSlot answers of above) so that a mismatching stop is reported once.
    for (std::size_t i = 1; i < end; ++i) {
        for (int k = 1; k < 250; ++k) {
            std::size_t p = static_cast<std::size_t>(k) >= i ? 0 : i - static_cast<std::size_t>(k);
            if (p == 0 || linked(grid, stops_[p].slotRef, stops_[i].slotRef)) {
                stops_[i].rc = k - 1;
                break;
            }
        }
    }
    // The references point into this function's own grid.
    for (Vejstop& s : stops_) s.slotRef = nullptr;
    return true;
}

}  // namespace bv
