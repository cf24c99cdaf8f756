// Writes the bee demonstration's sound: a second and a half of buzzing (a sawtooth near
// 220 Hz whose pitch wavers, with a fast tremolo and soft ends), 22050 Hz, 16-bit mono WAV.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

void Put(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: sound_maker <output.wav>\n");
        return 2;
    }
    const double pi = 3.14159265358979;
    const uint32_t rate = 22050;
    const uint32_t count = rate * 3 / 2;
    std::vector<int16_t> samples(count);
    double phase = 0;
    for (uint32_t n = 0; n < count; ++n) {
        const double t = static_cast<double>(n) / rate;
        const double pitch = 220 + 14 * std::sin(2 * pi * 3.1 * t) + 6 * std::sin(2 * pi * 0.7 * t);
        phase += pitch / rate;
        phase -= std::floor(phase);
        const double saw = 2 * phase - 1;
        const double tremolo = 0.75 + 0.25 * std::sin(2 * pi * 31 * t);
        const double fade = std::fmin(1.0, std::fmin(t / 0.08, (1.5 - t) / 0.08));
        samples[n] = static_cast<int16_t>(std::lround(saw * tremolo * fade * 9000));
    }
    std::vector<uint8_t> out;
    const uint32_t dataSize = count * 2;
    for (char c : {'R', 'I', 'F', 'F'}) out.push_back(static_cast<uint8_t>(c));
    Put(out, 36 + dataSize, 4);
    for (char c : {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '}) out.push_back(static_cast<uint8_t>(c));
    Put(out, 16, 4);
    Put(out, 1, 2);        // PCM
    Put(out, 1, 2);        // mono
    Put(out, rate, 4);
    Put(out, rate * 2, 4); // bytes per second
    Put(out, 2, 2);        // block size
    Put(out, 16, 2);       // bits per sample
    for (char c : {'d', 'a', 't', 'a'}) out.push_back(static_cast<uint8_t>(c));
    Put(out, dataSize, 4);
    for (int16_t s : samples)
        Put(out, static_cast<uint16_t>(s), 2);
    FILE* file = std::fopen(argv[1], "wb");
    if (!file || std::fwrite(out.data(), 1, out.size(), file) != out.size()) {
        std::fprintf(stderr, "sound_maker: cannot write %s\n", argv[1]);
        if (file) std::fclose(file);
        return 1;
    }
    return std::fclose(file) == 0 ? 0 : 1;
}
