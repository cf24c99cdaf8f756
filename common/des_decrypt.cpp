#include "des_decrypt.h"

#include "win_handles.h"

#include <wincrypt.h>

#include <cstring>
#include <vector>

namespace {

struct CryptProvTraits {
    static HCRYPTPROV Invalid() { return 0; }
    static bool Valid(HCRYPTPROV h) { return h != 0; }
    static void Close(HCRYPTPROV h) { CryptReleaseContext(h, 0); }
};
struct CryptKeyTraits {
    static HCRYPTKEY Invalid() { return 0; }
    static bool Valid(HCRYPTKEY h) { return h != 0; }
    static void Close(HCRYPTKEY h) { CryptDestroyKey(h); }
};
using UniqueCryptProv = UniqueHandleOf<HCRYPTPROV, CryptProvTraits>;
using UniqueCryptKey = UniqueHandleOf<HCRYPTKEY, CryptKeyTraits>;

#pragma pack(push, 1)
struct DesKeyBlob {
    BLOBHEADER header;
    DWORD keyLength;
    BYTE key[8];
};
#pragma pack(pop)

const size_t kBlock = 8;

} // namespace

int DesDecrypt(const uint8_t* input, size_t length, uint8_t* output, size_t* outputLength,
               const char* keyText, size_t keyLength) {
    if (length == 0 || length % kBlock != 0) return DesBadLength;

    DesKeyBlob blob = {};
    blob.header.bType = PLAINTEXTKEYBLOB;
    blob.header.bVersion = CUR_BLOB_VERSION;
    blob.header.reserved = 0;
    blob.header.aiKeyAlg = CALG_DES;
    blob.keyLength = sizeof blob.key;
    if (keyLength > 0)
        std::memcpy(blob.key, keyText, keyLength < sizeof blob.key ? keyLength : sizeof blob.key);

    UniqueCryptProv provider;
    if (!CryptAcquireContextW(provider.put(), nullptr, MS_ENHANCED_PROV_W, PROV_RSA_FULL,
                              CRYPT_VERIFYCONTEXT))
        return DesNoContext;
    UniqueCryptKey key;
    if (!CryptImportKey(provider.get(), reinterpret_cast<const BYTE*>(&blob), sizeof blob, 0, 0,
                        key.put()))
        return DesKeyImportFailed;

    // The key object carries the chaining from block to block; only the last one is final.
    std::vector<BYTE> work(input, input + length);
    size_t total = 0;
    for (size_t offset = 0; offset < length; offset += kBlock) {
        DWORD blockLength = kBlock;
        BOOL final = offset + kBlock == length;
        if (!CryptDecrypt(key.get(), 0, final, 0, work.data() + offset, &blockLength))
            return DesBlockFailed;
        total += blockLength;
    }
    if (*outputLength < length) return DesNoRoom;
    std::memcpy(output, work.data(), total);
    *outputLength = total;
    return DesDecrypted;
}
