#include "update/file_signature.h"

#include <sodium.h>

#include <stdexcept>
#include <vector>

#include "model/regular_file.h"

namespace pipwick {

namespace {

constexpr std::size_t kReadPart = 64 * 1024;

static_assert(sizeof(PublicKey) == crypto_sign_PUBLICKEYBYTES);
static_assert(sizeof(SecretKey) == crypto_sign_SECRETKEYBYTES);
static_assert(sizeof(Signature) == crypto_sign_BYTES);

// The library must be set up once before any call; it says so when it cannot be, which happens
// only on a system without a random source.
void UseSodium() {
    if (sodium_init() < 0) {
        throw std::runtime_error("the cryptography library cannot start");
    }
}

// Feeds the whole file into the signing state; false when it is no regular file of a signable
// size (a FIFO is never waited on) or cannot be read to its end.
bool HashFile(const std::filesystem::path& path, crypto_sign_state& state) {
    RegularFile file = RegularFile::Open(path, kMostSignedBytes);
    if (!file.IsOpen()) {
        return false;
    }
    std::vector<uint8_t> part(kReadPart);
    for (;;) {
        const std::optional<std::size_t> count = file.Read(part);
        if (!count) {
            return false;
        }
        if (*count == 0) {
            return true;
        }
        crypto_sign_update(&state, part.data(), static_cast<unsigned long long>(*count));
    }
}

}  // namespace

KeyPair MakeKeyPair() {
    UseSodium();
    KeyPair pair;
    crypto_sign_keypair(pair.publicKey.data(), pair.secretKey.data());
    return pair;
}

std::optional<Signature> SignFile(const std::filesystem::path& path, const SecretKey& key) {
    UseSodium();
    crypto_sign_state state;
    crypto_sign_init(&state);
    if (!HashFile(path, state)) {
        return std::nullopt;
    }
    Signature signature;
    crypto_sign_final_create(&state, signature.data(), nullptr, key.data());
    return signature;
}

bool FileSignatureVerifies(const std::filesystem::path& path, const Signature& signature,
                           const PublicKey& key) {
    UseSodium();
    crypto_sign_state state;
    crypto_sign_init(&state);
    if (!HashFile(path, state)) {
        return false;
    }
    Signature copy = signature;
    return crypto_sign_final_verify(&state, copy.data(), key.data()) == 0;
}

}  // namespace pipwick
