#include "cBakePathWriter.h"

#include <cmath>
#include <fstream>
#include <limits>
#include <locale>
#include <sstream>
#include <stdexcept>

namespace {

// The demo reads a file's (x, y, z) as (x, z, -y); this is the inverse.
void put_triple(std::ostream& out, const Vec3f& v) {
    for (float f : {v.x, v.y, v.z})
        if (!std::isfinite(f))
            throw std::invalid_argument("camera path value is not a finite number");
    out << '(' << v.x << ',' << -v.z << ',' << v.y << ')';
}

} // namespace

std::string cBakePathWriter::text(const std::vector<cBakePathKey>& keys) {
    if (keys.empty())
        throw std::invalid_argument("a camera path needs at least one key");
    std::ostringstream out;
    out.imbue(std::locale::classic()); // a decimal point, whatever the user's locale
    out.precision(std::numeric_limits<float>::max_digits10);
    for (const cBakePathKey& key : keys) {
        put_triple(out, key.eye);
        put_triple(out, key.interest);
        put_triple(out, key.up);
        out << '\n';
    }
    return out.str();
}

void cBakePathWriter::write(const std::vector<cBakePathKey>& keys, const std::string& path) {
    const std::string body = text(keys);
    std::ofstream file(path, std::ios::trunc);
    file << body;
    if (!file.flush())
        throw std::runtime_error("cannot write " + path);
}
