#include "cPieceRecord.h"

#include "BuildCommit.h"
#include "cSha256.h"

#include <sstream>
#include <unistd.h>

namespace {

constexpr const char* kManifest = "../data/bake_manifest.txt";

std::string data_digest() {
    try {
        return cSha256::of_file(kManifest);
    } catch (const std::exception&) {
        return "none";
    }
}

std::string host_name() {
    char name[256] = {};
    return gethostname(name, sizeof name - 1) == 0 ? name : "unknown";
}

} // namespace

void cPieceRecord::add(const cFrame& frame, int32_t t) {
    width_ = frame.width();
    height_ = frame.height();
    cSha256 digest;
    digest.add(frame.bytes().data(), frame.bytes().size());
    frames_.emplace_back(t, digest.hex());
}

std::string cPieceRecord::text(const std::string& renderer) const {
    std::ostringstream out;
    out << "# a piece of the demo's video, rendered by bin/capture\n"
        << "commit " << kBuildCommit << "\n"
        << "data " << data_digest() << "\n"
        << "renderer " << renderer << "\n"
        << "host " << host_name() << "\n"
        << "size " << width_ << "x" << height_ << "\n"
        << "fps " << fps_ << "\n"
        << "span " << from_ << " " << to_ << "\n"
        << "frames " << frames_.size() << "\n";
    for (const auto& [t, digest] : frames_)
        out << "frame " << t << " " << digest << "\n";
    return out.str();
}
