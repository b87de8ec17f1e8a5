#include "mesh_files/cBandedMesh.h"

#include <algorithm>
#include <numeric>

namespace {

struct sSpan {
    float low, high;
};

sSpan v_span(const cMeshObj& mesh, const uint32_t* corners) {
    if (!(mesh.flags & cMeshObj_data::kTexCoords))
        return {0, 0};
    sSpan span{0, 0};
    for (int k = 0; k < 3; ++k) {
        const float v = mesh.texcoords[2 * corners[k] + 1];
        span.low = k == 0 ? v : std::min(span.low, v);
        span.high = k == 0 ? v : std::max(span.high, v);
    }
    return span;
}

} // namespace

cBandedMesh::cBandedMesh(std::unique_ptr<cMeshObj> mesh) : mesh_(std::move(mesh)) {
    mesh_->untrack_file(); // a reload would bring back the file's order under our bands
    const size_t count = mesh_->indices.size() / 3;
    std::vector<sSpan> spans(count);
    for (size_t i = 0; i < count; ++i)
        spans[i] = v_span(*mesh_, &mesh_->indices[3 * i]);
    std::vector<size_t> order(count);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return spans[a].low < spans[b].low; });
    std::vector<uint32_t> indices(3 * count);
    low_.resize(count);
    high_after_.resize(count);
    for (size_t i = 0; i < count; ++i) {
        std::copy_n(&mesh_->indices[3 * order[i]], 3, &indices[3 * i]);
        low_[i] = spans[order[i]].low;
        high_after_[i] = spans[order[i]].high;
    }
    for (size_t i = count; i-- > 1;)
        high_after_[i - 1] = std::min(high_after_[i - 1], high_after_[i]);
    if (!(mesh_->flags & cMeshObj_data::kPerGroup))
        mesh_->indices = std::move(indices);
    positions_ = mesh_->positions;
    mesh_->upload(true);
}

std::pair<int32_t, int32_t> cBandedMesh::triangles(float low, float high) const {
    if (mesh_->flags & cMeshObj_data::kPerGroup)
        return {0, static_cast<int32_t>(low_.size())};
    const auto first = std::lower_bound(high_after_.begin(), high_after_.end(), low);
    const auto end = std::upper_bound(low_.begin(), low_.end(), high);
    const auto begin = low_.begin() + (first - high_after_.begin());
    if (end <= begin)
        return {0, 0};
    return {static_cast<int32_t>(begin - low_.begin()), static_cast<int32_t>(end - begin)};
}

void cBandedMesh::draw(float low, float high) {
    const auto [first, count] = triangles(low, high);
    if (mesh_->flags & cMeshObj_data::kPerGroup)
        mesh_->draw();
    else if (count > 0)
        mesh_->draw_range(3 * first, 3 * count);
}

void cBandedMesh::draw(float low, float high, const std::vector<uint8_t>& hidden) {
    if ((mesh_->flags & cMeshObj_data::kPerGroup) || hidden.size() * 3 < positions_.size())
        return draw(low, high);
    const auto [first, count] = triangles(low, high);
    kept_.clear();
    const uint32_t* corner = mesh_->indices.data() + 3 * first;
    for (int32_t t = 0; t < count; ++t, corner += 3)
        if (!(hidden[corner[0]] && hidden[corner[1]] && hidden[corner[2]]))
            kept_.insert(kept_.end(), corner, corner + 3);
    mesh_->draw_triangles(kept_);
}
