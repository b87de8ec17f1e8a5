// The camera-path reader on any text, and the path it gives sampled across
// its whole parameter range, beyond both ends and at NaN.
#include "FuzzSupport.h"
#include "geometry/cCameraPath.h"

#include <cmath>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    cCameraPath path;
    run_reader([&] {
        std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
        read_path(in, path);
    });
    for (float t : {-1.0f, 0.0f, 0.37f, 0.9999f, 1.0f, 2.0f, NAN}) {
        path_eye(path, t);
        path_interest(path, t);
        path_up(path, t);
    }
    return 0;
}
