// pipwick-sign: the maker's side of signed updates.
//   pipwick-sign keygen SECRET_FILE         writes a new secret key, prints the public key
//   pipwick-sign sign SECRET_FILE FILE      writes FILE.sig, the detached signature of FILE
//   pipwick-sign verify PUBLIC_HEX FILE     checks FILE.sig against a public key
// Keys and signatures are raw bytes on disk; the public key is printed as hex, as the program's
// built-in key is written.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "update/file_signature.h"

namespace {

using pipwick::PublicKey;
using pipwick::SecretKey;
using pipwick::Signature;

template <typename Bytes>
bool WriteBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

// Exactly the array's size of bytes, or nothing.
template <typename Bytes>
std::optional<Bytes> ReadExactly(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    Bytes bytes{};
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!in || in.gcount() != static_cast<std::streamsize>(bytes.size()) ||
        in.peek() != std::char_traits<char>::eof()) {
        return std::nullopt;
    }
    return bytes;
}

std::string Hex(const PublicKey& key) {
    std::string text;
    char pair[3];
    for (uint8_t byte : key) {
        std::snprintf(pair, sizeof pair, "%02x", byte);
        text += pair;
    }
    return text;
}

std::optional<PublicKey> FromHex(const std::string& text) {
    PublicKey key{};
    if (text.size() != key.size() * 2 ||
        text.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < key.size(); ++i) {
        key[i] = static_cast<uint8_t>(std::stoul(text.substr(i * 2, 2), nullptr, 16));
    }
    return key;
}

int Fail(const std::string& message) {
    std::cerr << "pipwick-sign: " << message << "\n";
    return 1;
}

// The secret key is readable by its owner alone, and an existing file is never overwritten.
bool WriteSecretKey(const std::string& path, const SecretKey& key) {
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, 0600);
    if (descriptor < 0) {
        return false;
    }
    const bool written =
        ::write(descriptor, key.data(), key.size()) == static_cast<ssize_t>(key.size());
    return ::close(descriptor) == 0 && written;
}

int KeyGen(const std::string& secretPath) {
    const pipwick::KeyPair pair = pipwick::MakeKeyPair();
    if (!WriteSecretKey(secretPath, pair.secretKey)) {
        return Fail("cannot create " + secretPath + " (an existing key is never overwritten)");
    }
    std::cout << Hex(pair.publicKey) << "\n";
    return 0;
}

int Sign(const std::string& secretPath, const std::string& file) {
    const std::optional<SecretKey> key = ReadExactly<SecretKey>(secretPath);
    if (!key) {
        return Fail(secretPath + " is not a secret key");
    }
    const std::optional<Signature> signature = pipwick::SignFile(file, *key);
    if (!signature) {
        return Fail("cannot read " + file);
    }
    if (!WriteBytes(file + ".sig", *signature)) {
        return Fail("cannot write " + file + ".sig");
    }
    return 0;
}

int Verify(const std::string& publicHex, const std::string& file) {
    const std::optional<PublicKey> key = FromHex(publicHex);
    if (!key) {
        return Fail("the public key must be 64 hex digits");
    }
    const std::optional<Signature> signature = ReadExactly<Signature>(file + ".sig");
    if (!signature || !pipwick::FileSignatureVerifies(file, *signature, *key)) {
        return Fail(file + ": the signature does not verify");
    }
    std::cout << file << ": good signature\n";
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 2 && args[0] == "keygen") {
        return KeyGen(args[1]);
    }
    if (args.size() == 3 && args[0] == "sign") {
        return Sign(args[1], args[2]);
    }
    if (args.size() == 3 && args[0] == "verify") {
        return Verify(args[1], args[2]);
    }
    return Fail(
        "usage: pipwick-sign keygen SECRET_FILE | sign SECRET_FILE FILE | verify PUBLIC_HEX FILE");
}
