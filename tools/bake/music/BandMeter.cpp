#include "BandMeter.h"

#include <cmath>
#include <complex>
#include <vector>

namespace {

constexpr size_t kSize = 8192;
using Spectrum = std::vector<std::complex<double>>;

// In-place iterative radix-2 transform.
void fft(Spectrum& x) {
    const size_t n = x.size();
    for (size_t i = 1, j = 0; i < n; ++i) {
        size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(x[i], x[j]);
    }
    for (size_t len = 2; len <= n; len <<= 1) {
        const std::complex<double> step = std::polar(1.0, -2.0 * M_PI / double(len));
        for (size_t i = 0; i < n; i += len) {
            std::complex<double> w = 1.0;
            for (size_t k = 0; k < len / 2; ++k, w *= step) {
                const std::complex<double> a = x[i + k], b = x[i + k + len / 2] * w;
                x[i + k] = a + b;
                x[i + k + len / 2] = a - b;
            }
        }
    }
}

int band_of_bin(size_t bin) {
    const double hz = double(bin) * kSampleRate / double(kSize);
    // Band b spans centre / sqrt 2 .. centre * sqrt 2.
    const int b = int(std::floor(std::log2(hz / 1000.0) + 0.5)) + cBandMeter::kReferenceBand;
    return b >= 0 && b < cBandMeter::kBands ? b : -1;
}

} // namespace

// Left and right go through one complex transform as its real and imaginary
// parts; |Z(k)|^2 + |Z(n-k)|^2 is then twice their summed power at bin k.
std::array<double, cBandMeter::kBands> cBandMeter::balance(const StereoBuffer& audio, size_t from,
                                                           size_t to) {
    std::array<double, kBands> energy{};
    std::vector<double> window(kSize);
    for (size_t i = 0; i < kSize; ++i)
        window[i] = 0.5 - 0.5 * std::cos(2.0 * M_PI * double(i) / double(kSize));
    std::vector<int> band(kSize / 2);
    for (size_t k = 1; k < kSize / 2; ++k)
        band[k] = band_of_bin(k);
    Spectrum z(kSize);
    for (size_t at = from; at + kSize <= std::min(to, audio.frames()); at += kSize / 2) {
        for (size_t i = 0; i < kSize; ++i)
            z[i] = {window[i] * audio.left[at + i], window[i] * audio.right[at + i]};
        fft(z);
        for (size_t k = 1; k < kSize / 2; ++k) {
            if (band[k] >= 0)
                energy[size_t(band[k])] += std::norm(z[k]) + std::norm(z[kSize - k]);
        }
    }
    std::array<double, kBands> db{};
    for (int b = 0; b < kBands; ++b)
        db[size_t(b)] =
            10.0 * std::log10((energy[size_t(b)] + 1e-30) / (energy[kReferenceBand] + 1e-30));
    return db;
}
