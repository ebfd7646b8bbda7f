#include "engine/Simpelarr.h"

#include "platform/Cp1252.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace bv {

namespace {
int clampSide(int n) { return std::clamp(n, 1, Simpelarr::kMaxSide); }
}  // namespace

Simpelarr::Simpelarr(int width, int height, Host* host)
    : width_(clampSide(width)), height_(clampSide(height)), host_(host) {
    std::memset(rows_, 0, sizeof rows_);
    for (int y = 0; y < height_; ++y) std::memset(rows_[y], BLANK, static_cast<std::size_t>(width_));
}

Simpelarr::Simpelarr(const Simpelarr& other)
    : width_(other.width_), height_(other.height_), host_(other.host_) {
    std::memcpy(rows_, other.rows_, sizeof rows_);
}

Simpelarr& Simpelarr::operator=(const Simpelarr& other) {
    if (this != &other) {
        width_ = other.width_;
        height_ = other.height_;
        host_ = other.host_;
        std::memcpy(rows_, other.rows_, sizeof rows_);
        slots_.clear();
    }
    return *this;
}

void Simpelarr::report(std::string_view text, std::string_view caption, Icon icon) const {
    if (host_) host_->report(text, caption, icon);
}

void Simpelarr::put(char c, int x, int y) {
    if (c == 0) return;
    if (inside(x, y)) {
        rows_[y][x] = c;
        return;
    }
    report("Llamada errónea en simpelarr::put", "ERROR", Icon::Error);
}

char Simpelarr::get(int x, int y) const { return inside(x, y) ? rows_[y][x] : BLOCK; }

std::vector<std::string> Simpelarr::rowTexts() const {
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(height_));
    for (int y = 0; y < height_; ++y) out.emplace_back(row(y));
    return out;
}

int Simpelarr::longestRun(int* atX, int* atY, int* atRet) const {
    int best = 0, bx = -1, by = -1, bret = 0;
    auto consider = [&](int n, int sx, int sy, int ret) {
        if (n > best) {
            best = n;
            bx = sx;
            by = sy;
            bret = ret;
        }
    };
    for (int y = 0; y < height_; ++y) {
        int n = 0;
        for (int x = 0; x < width_; ++x) {
            n = rows_[y][x] == BLOCK ? 0 : n + 1;
            consider(n, x - n + 1, y, kAcross);
        }
    }
    for (int x = 0; x < width_; ++x) {
        int n = 0;
        for (int y = 0; y < height_; ++y) {
            n = rows_[y][x] == BLOCK ? 0 : n + 1;
            consider(n, x, y - n + 1, kDown);
        }
    }
    if (atX) *atX = bx;
    if (atY) *atY = by;
    if (atRet) *atRet = bret;
    return best;
}

bool Simpelarr::checkRuns() const {
    int x = 0, y = 0;
    int n = longestRun(&x, &y);
    if (n <= EtOrd::kMaxLen) return true;
    char text[160];
    std::snprintf(text, sizeof text,
                  "El modelo tiene una palabra de %d casillas en (%d,%d); caben como máximo %d", n, x, y,
                  EtOrd::kMaxLen);
    report(text, "Modelo no válido", Icon::Error);
    return false;
}

bool Simpelarr::deriveSlots() {
    slots_.clear();
    if (longestRun() > EtOrd::kMaxLen) return false;
    // Runs are found in creation order (across runs row by row, then down runs
    // column by column); the list order is the reverse, as if each new slot were
    // put at the head of a linked list.
    auto addRun = [this](int sx, int sy, std::int8_t ret) {
        EtOrd s;
        s.x = sx;
        s.y = sy;
        s.ret = ret;
        s.len = 0;
        int dx = ret == kAcross ? 1 : 0, dy = 1 - dx;
        for (int cx = sx, cy = sy; inside(cx, cy) && rows_[cy][cx] != BLOCK; cx += dx, cy += dy)
            s.letters[s.len++] = rows_[cy][cx];
        slots_.push_back(s);
    };
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            if (rows_[y][x] != BLOCK && (x == 0 || rows_[y][x - 1] == BLOCK)) addRun(x, y, kAcross);
    for (int x = 0; x < width_; ++x)
        for (int y = 0; y < height_; ++y)
            if (rows_[y][x] != BLOCK && (y == 0 || rows_[y - 1][x] == BLOCK)) addRun(x, y, kDown);
    std::reverse(slots_.begin(), slots_.end());
    return true;
}

EtOrd* Simpelarr::slotAt(int x, int y, int ret) {
    if (ret != kAcross && ret != kDown) return nullptr;
    if (x < 0 || y < 0) return nullptr;
    for (EtOrd& s : slots_)
        if (s.ret == ret && s.x == x && s.y == y) return &s;
    y = std::min(y, height_ - 1);
    x = std::min(x, width_ - 1);
    if (ret != kAcross) {
        while (y >= 1 && rows_[y - 1][x] != BLOCK) --y;
    } else {
        while (x > 0 && rows_[y][x - 1] != BLOCK) --x;
    }
    for (EtOrd& s : slots_)
        if (s.ret == ret && s.x == x && s.y == y) return &s;
    return nullptr;
}

EtOrd* Simpelarr::findSlot(int x, int y, int ret) {
    if (EtOrd* s = slotAt(x, y, ret)) return s;
    report("La ruta y modelo no vienen bien", "Corrige la ruta", Icon::Error);
    for (int i = 1; i < width_ && i < height_; ++i)
        if (rows_[i][i] != BLOCK) return slotAt(i, i, kAcross);
    return nullptr;
}

EtOrd& Simpelarr::refreshSlot(EtOrd& slot) const {
    if (!inside(slot.x, slot.y)) {
        slot.len = 0;
        std::memset(slot.letters, 0, sizeof slot.letters);
        return slot;
    }
    const int dx = slot.ret != kAcross ? 0 : 1, dy = 1 - dx;
    while ((dy ? slot.y : slot.x) > 0 && rows_[slot.y - dy][slot.x - dx] != BLOCK) {
        slot.x -= dx;
        slot.y -= dy;
    }
    int n = 0;
    for (int cx = slot.x, cy = slot.y; n < EtOrd::kMaxLen && inside(cx, cy) && rows_[cy][cx] != BLOCK;
         cx += dx, cy += dy)
        slot.letters[n++] = rows_[cy][cx];
    std::memset(slot.letters + n, 0, sizeof slot.letters - static_cast<std::size_t>(n));
    slot.len = n;
    return slot;
}

void Simpelarr::placeWord(const EtOrd& slot) {
    const bool down = slot.ret != kAcross;
    const int start = down ? slot.y : slot.x;
    const int limit = down ? height_ : width_;
    if (!inside(slot.x, slot.y) || slot.len < 0 || std::int64_t{start} + slot.len > limit) {
        report(Cp1252::toUtf8(slot.word()), "Se colocó una palabra demasiado extensa en el crucigrama",
               Icon::Error);
        return;
    }
    const std::string_view w = slot.word();
    for (std::size_t i = 0; i < w.size() && start + static_cast<int>(i) < limit; ++i) {
        if (down)
            rows_[slot.y + static_cast<int>(i)][slot.x] = w[i];
        else
            rows_[slot.y][slot.x + static_cast<int>(i)] = w[i];
    }
}

bool Simpelarr::hasBlank(const EtOrd& slot) { return slot.word().find(BLANK) != std::string_view::npos; }

bool Simpelarr::isDuplicate(const EtOrd& slot) const {
    const std::string_view w = slot.word();
    for (const EtOrd& s : slots_) {
        if (&s == &slot || s.len != slot.len || s.letters[0] != slot.letters[0]) continue;
        if (s.word() == w) return true;
    }
    return false;
}

}  // namespace bv
