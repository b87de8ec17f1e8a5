#include "cContactSheet.h"

#include "cCanvas.h"
#include "cTextMask.h"

#include <algorithm>

namespace {

constexpr const char* kLabelFace = "DejaVuSansMono.ttf";
constexpr int kLabelSize = 13;
constexpr int kGap = 2;
constexpr uint8_t kStripGrey = 24;

void blit(cFrame& to, const cFrame& from, int left, int top) {
    for (int y = 0; y < from.height(); ++y)
        std::copy_n(from.at(0, y), size_t(from.width()) * 3, to.at(left, top + y));
}

} // namespace

void cContactSheet::put_label(cFrame& tile, const std::string& label) {
    const int top = tile.height() - kLabelHeight;
    const cCanvas strip(tile.width(), kLabelHeight);
    const tMask text = cTextMask::render(strip, kLabelFace, kLabelSize, label, 0, 4, 15);
    for (int y = 0; y < kLabelHeight; ++y)
        for (int x = 0; x < tile.width(); ++x) {
            const float cover = text[size_t(y) * tile.width() + x];
            const auto value = static_cast<uint8_t>(kStripGrey + cover * (255 - kStripGrey) + 0.5f);
            std::fill_n(tile.at(x, top + y), 3, value);
        }
}

void cContactSheet::add(const cFrame& frame, const std::string& label) {
    const cFrame small = frame.shrunk(kShrink);
    cFrame tile(small.width(), small.height() + kLabelHeight);
    blit(tile, small, 0, 0);
    put_label(tile, label);
    tiles_.push_back(std::move(tile));
}

cFrame cContactSheet::compose() const {
    if (tiles_.empty())
        return cFrame();
    const int w = tiles_[0].width() + kGap, h = tiles_[0].height() + kGap;
    const int columns = std::min<int>(kColumns, static_cast<int>(tiles_.size()));
    const int rows = static_cast<int>((tiles_.size() + kColumns - 1) / kColumns);
    cFrame sheet(columns * w + kGap, rows * h + kGap);
    for (size_t i = 0; i < tiles_.size(); ++i)
        blit(sheet, tiles_[i], kGap + static_cast<int>(i % kColumns) * w,
             kGap + static_cast<int>(i / kColumns) * h);
    return sheet;
}
