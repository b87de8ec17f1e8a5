// The contact sheet: frames shrunk to tiles in rows of a fixed count, each
// over a strip that names its demo time and scene, set with the content
// pipeline's FreeType text. The sheet grows by a row as tiles arrive.
#pragma once

#include "cFrame.h"

#include <string>
#include <vector>

class cContactSheet {
public:
    static constexpr int kShrink = 4;
    static constexpr int kColumns = 6;
    static constexpr int kLabelHeight = 20;

    void add(const cFrame& frame, const std::string& label);
    size_t size() const { return tiles_.size(); }
    // All tiles laid out, left to right and top to bottom.
    cFrame compose() const;

private:
    static void put_label(cFrame& tile, const std::string& label);

    std::vector<cFrame> tiles_;
};
