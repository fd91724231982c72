#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>

namespace pipwick {

// Detached Ed25519 signatures of whole files, in the prehashed form (Ed25519ph): the file is read
// in parts through SHA-512, so a large installer is never held in memory.
using PublicKey = std::array<uint8_t, 32>;
using SecretKey = std::array<uint8_t, 64>;
using Signature = std::array<uint8_t, 64>;

// The largest file that is signed or checked: far above any installer the program downloads.
constexpr std::uint64_t kMostSignedBytes = std::uint64_t{4} << 30;

struct KeyPair {
    PublicKey publicKey{};
    SecretKey secretKey{};
};

// A new key pair from the system's secure random source.
KeyPair MakeKeyPair();

// The signature of the file's bytes; nothing when the file cannot be read or is no regular file
// of at most kMostSignedBytes.
std::optional<Signature> SignFile(const std::filesystem::path& path, const SecretKey& key);

// True only when the file can be read whole and the signature is the key's over its bytes.
bool FileSignatureVerifies(const std::filesystem::path& path, const Signature& signature,
                           const PublicKey& key);

}  // namespace pipwick
