#pragma once
// Md5: an MD5 digester (RFC 1321), fed in pieces and finished once per digest.
//
// Computed here rather than through the CryptoAPI: a pooled digester then holds
// no provider or hash handle, needs no failure path for a missing provider, and
// the state is a few dozen bytes that reset simply clears.
//
//     Md5* md5 = Md5::acquire();
//     md5->update(bytes, count);         // any number of times
//     md5->finish(digest16);             // or finishInto(byteArray, append)
//     md5->release();
#include <cstddef>
#include <cstdint>

#include "foundation/base/IObject.h"
#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"

namespace s::col::_array {
class ArrayU08;
}

namespace s::digest::md5 {

class Md5 : public base::IObject, public thread::IPoolable {
    S_POOLED_CLASS(Md5, L"s_digest_md5_Md5")

public:
    static constexpr uint32_t DIGEST_SIZE = 16;

    Md5();

    // Starts a new digest (also run by the pool on release).
    void reset() override;

    // Feeds `count` bytes.
    void update(const void* bytes, size_t count);
    // Completes the digest into the 16 bytes at `digest` and starts a new one.
    void finish(uint8_t digest[DIGEST_SIZE]);
    // Completes the digest, adds its 16 bytes to `bytes` (a new array from the byte-array
    // pool when null; cleared first unless `append`) and starts a new one. Returns the
    // array, or null when it could not be made or grown.
    col::_array::ArrayU08* finishInto(col::_array::ArrayU08* bytes = nullptr, bool append = false);

private:
    void transform(const uint8_t block[64]);

    uint32_t state_[4];
    uint64_t byteCount_;   // bytes fed so far
    uint8_t pending_[64];  // bytes of the incomplete block (byteCount_ % 64 of them)
};

}  // namespace s::digest::md5
