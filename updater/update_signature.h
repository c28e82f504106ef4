// Ed25519 signatures of downloads: the publisher signs each release archive with its secret key,
// and the program accepts an archive only when its signature checks out against the public key
// compiled into it. Keys and signatures travel as base64 text, as update feeds carry them.
#pragma once

#include <sodium.h>

#include <array>
#include <string>
#include <string_view>

namespace quillon {

// Checks a signature over bytes that arrive in pieces, so that an archive of any size is checked
// without holding it in memory. The signature is plain Ed25519 over the whole file, as update feeds
// carry it: Ed25519 hashes the signature's first half and the key ahead of the message, so the
// message can be hashed as it is read and the curve equation checked at the end.
class SignatureCheck {
public:
    // A malformed signature or key (not base64 of 64 and 32 bytes) never checks out.
    SignatureCheck(std::string_view signatureBase64, std::string_view publicKeyBase64);

    void add(std::string_view bytes);
    // Whether the signature is the publisher's for everything added. Call once, at the end.
    bool isValid();

private:
    bool m_wellFormed = false;
    std::array<unsigned char, crypto_sign_BYTES> m_signature {};
    std::array<unsigned char, crypto_sign_PUBLICKEYBYTES> m_publicKey {};
    crypto_hash_sha512_state m_hash {};
};

// Whether `signatureBase64` (64 bytes) is the publisher's signature of exactly these bytes under
// `publicKeyBase64` (32 bytes). Anything malformed is simply not valid.
bool hasValidSignature(
    std::string_view bytes, std::string_view signatureBase64, std::string_view publicKeyBase64);

struct SigningKeys {
    std::string publicKeyBase64;
    std::string secretKeyBase64;
};

// For the release tool and for tests: a fresh key pair, and a signature made with its secret key
// (empty when the key is malformed).
SigningKeys makeSigningKeys();
std::string signBytes(std::string_view bytes, std::string_view secretKeyBase64);
// The public half of a secret key, or empty when the key is malformed.
std::string publicKeyOf(std::string_view secretKeyBase64);

} // namespace quillon
