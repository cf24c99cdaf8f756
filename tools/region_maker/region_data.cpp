#include "region_data.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace {

// Skips blanks and "#" comments between the header fields of a grey map.
bool NextHeaderNumber(const std::string& bytes, size_t& at, long& value) {
    while (at < bytes.size()) {
        if (bytes[at] == '#') {
            while (at < bytes.size() && bytes[at] != '\n')
                ++at;
        } else if (std::isspace(static_cast<unsigned char>(bytes[at]))) {
            ++at;
        } else {
            break;
        }
    }
    if (at >= bytes.size() || !std::isdigit(static_cast<unsigned char>(bytes[at]))) return false;
    value = 0;
    while (at < bytes.size() && std::isdigit(static_cast<unsigned char>(bytes[at]))) {
        value = value * 10 + (bytes[at] - '0');
        if (value > 1000000) return false;
        ++at;
    }
    return true;
}

void PutInt32(std::vector<uint8_t>& out, int32_t value) {
    const uint32_t bits = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<uint8_t>(bits >> shift));
}

using Runs = std::vector<std::pair<int, int>>; // [left, right) of each opaque run of a row

Runs RowRuns(const AlphaMap& map, int y, uint8_t threshold) {
    Runs runs;
    const uint8_t* row = map.alpha.data() + static_cast<size_t>(y) * map.width;
    int x = 0;
    while (x < map.width) {
        while (x < map.width && row[x] < threshold)
            ++x;
        const int left = x;
        while (x < map.width && row[x] >= threshold)
            ++x;
        if (x > left) runs.emplace_back(left, x);
    }
    return runs;
}

} // namespace

int ParsePgm(const std::string& bytes, AlphaMap& map) {
    if (bytes.size() < 2 || bytes[0] != 'P' || bytes[1] != '5') return kPgmBadHeader;
    size_t at = 2;
    long width = 0, height = 0, levels = 0;
    if (!NextHeaderNumber(bytes, at, width) || !NextHeaderNumber(bytes, at, height) ||
        !NextHeaderNumber(bytes, at, levels))
        return kPgmBadHeader;
    if (width <= 0 || height <= 0 || levels <= 0 || levels > 255 || at >= bytes.size() ||
        !std::isspace(static_cast<unsigned char>(bytes[at])))
        return kPgmBadHeader;
    ++at; // the single blank that ends the header
    const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    if (bytes.size() - at < count) return kPgmTruncated;
    map.width = static_cast<int>(width);
    map.height = static_cast<int>(height);
    map.alpha.resize(count);
    for (size_t i = 0; i < count; ++i) {
        // Scale other level counts to 0..255 so that the threshold means the same.
        const unsigned level = static_cast<unsigned char>(bytes[at + i]);
        map.alpha[i] = static_cast<uint8_t>(
            std::min<unsigned>(255u, level * 255u / static_cast<unsigned>(levels)));
    }
    return kPgmOk;
}

std::vector<uint8_t> MakeRegionData(const AlphaMap& map, uint8_t threshold) {
    struct Rect {
        int left, top, right, bottom;
    };
    std::vector<Rect> rects;
    int y = 0;
    while (y < map.height) {
        const Runs runs = RowRuns(map, y, threshold);
        int bottom = y + 1;
        while (bottom < map.height && RowRuns(map, bottom, threshold) == runs)
            ++bottom;
        for (const auto& run : runs)
            rects.push_back({run.first, y, run.second, bottom});
        y = bottom;
    }

    Rect bound{0, 0, 0, 0};
    if (!rects.empty()) {
        bound = rects.front();
        for (const Rect& r : rects) {
            bound.left = std::min(bound.left, r.left);
            bound.top = std::min(bound.top, r.top);
            bound.right = std::max(bound.right, r.right);
            bound.bottom = std::max(bound.bottom, r.bottom);
        }
    }

    std::vector<uint8_t> out;
    out.reserve(32 + rects.size() * 16);
    PutInt32(out, 32);
    PutInt32(out, 1);
    PutInt32(out, static_cast<int32_t>(rects.size()));
    PutInt32(out, static_cast<int32_t>(rects.size() * 16));
    for (int value : {bound.left, bound.top, bound.right, bound.bottom})
        PutInt32(out, value);
    for (const Rect& r : rects)
        for (int value : {r.left, r.top, r.right, r.bottom})
            PutInt32(out, value);
    return out;
}
