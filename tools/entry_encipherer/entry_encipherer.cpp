// Makes complete device ID entries for AudioConfig.cfg: the plain pattern, a comma, and the
// base64 form of the pattern enciphered with DES-CBC (the programs' built-in key, zero
// initialisation vector, PKCS #5 padding). Uses nettle's DES, independent of the programs'.
//
//   entry_encipherer [-o OUTPUT] [-i PATTERN_FILE] [PATTERN...]
//
// Patterns come from the arguments and from the file (one per line; blank lines and lines
// starting with ";" are skipped). Entries go to OUTPUT, or to standard output, one a line.
#include <nettle/base64.h>
#include <nettle/cbc.h>
#include <nettle/des.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

const char kKey[] = "Lq7Vxw2N";

// A pattern is printable ASCII without commas or spaces, so the entry splits back into it.
bool ValidPattern(const std::string& pattern) {
    if (pattern.empty()) return false;
    for (unsigned char c : pattern)
        if (c <= 0x20 || c >= 0x7F || c == ',') return false;
    return true;
}

std::string EncipherEntry(const std::string& pattern) {
    std::vector<uint8_t> data(pattern.begin(), pattern.end());
    size_t pad = DES_BLOCK_SIZE - data.size() % DES_BLOCK_SIZE;
    data.insert(data.end(), pad, static_cast<uint8_t>(pad));

    des_ctx ctx;
    des_set_key(&ctx, reinterpret_cast<const uint8_t*>(kKey));
    uint8_t iv[DES_BLOCK_SIZE] = {};
    std::vector<uint8_t> cipher(data.size());
    cbc_encrypt(&ctx, reinterpret_cast<nettle_cipher_func*>(des_encrypt), DES_BLOCK_SIZE, iv,
                data.size(), cipher.data(), data.data());

    std::string text(BASE64_ENCODE_RAW_LENGTH(cipher.size()), '\0');
    base64_encode_raw(&text[0], cipher.size(), cipher.data());
    return pattern + "," + text;
}

bool ReadPatterns(const char* path, std::vector<std::string>& patterns) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == ';') continue;
        patterns.push_back(line);
    }
    return true;
}

int Usage() {
    std::fprintf(stderr, "usage: entry_encipherer [-o OUTPUT] [-i PATTERN_FILE] [PATTERN...]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    const char* output = nullptr;
    std::vector<std::string> patterns;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-o") == 0 || std::strcmp(argv[i], "-i") == 0) {
            if (i + 1 >= argc) return Usage();
            if (argv[i][1] == 'o') {
                output = argv[++i];
            } else if (!ReadPatterns(argv[++i], patterns)) {
                std::fprintf(stderr, "entry_encipherer: cannot read %s\n", argv[i]);
                return 1;
            }
        } else if (argv[i][0] == '-') {
            return Usage();
        } else {
            patterns.push_back(argv[i]);
        }
    }
    if (patterns.empty()) return Usage();

    std::string entries;
    for (const std::string& pattern : patterns) {
        if (!ValidPattern(pattern)) {
            std::fprintf(stderr, "entry_encipherer: not a device ID pattern: \"%s\"\n",
                         pattern.c_str());
            return 1;
        }
        entries += EncipherEntry(pattern) + "\n";
    }
    if (!output) {
        std::cout << entries;
        return std::cout.good() ? 0 : 1;
    }
    std::ofstream out(output, std::ios::binary | std::ios::trunc);
    out << entries;
    out.close();
    if (!out) {
        std::fprintf(stderr, "entry_encipherer: cannot write %s\n", output);
        return 1;
    }
    return 0;
}
