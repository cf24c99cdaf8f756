// Makes a skin's region file from the alpha channel of its main picture (a binary grey map).
// Usage: region_maker alpha.pgm MainForm_Frame.rgn
#include "region_data.h"

#include <cstdio>
#include <fstream>
#include <iterator>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: region_maker alpha.pgm output.rgn\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "region_maker: cannot read %s\n", argv[1]);
        return 1;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    AlphaMap map;
    if (int result = ParsePgm(bytes, map)) {
        std::fprintf(stderr, "region_maker: %s is not a complete grey map (%d)\n", argv[1], result);
        return 1;
    }
    const std::vector<uint8_t> data = MakeRegionData(map);
    const std::string temp = std::string(argv[2]) + ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data.data()),
                  static_cast<std::streamsize>(data.size()));
        if (!out) {
            std::fprintf(stderr, "region_maker: cannot write %s\n", temp.c_str());
            std::remove(temp.c_str());
            return 1;
        }
    }
    if (std::rename(temp.c_str(), argv[2]) != 0) {
        std::fprintf(stderr, "region_maker: cannot replace %s\n", argv[2]);
        std::remove(temp.c_str());
        return 1;
    }
    return 0;
}
