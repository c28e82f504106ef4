// Ed25519 signatures of downloads: the publisher signs each release archive with its secret key,
// and the program accepts an archive only when its signature checks out against the public key
// compiled into it. Keys and signatures travel as base64 text, as update feeds carry them.
#pragma once

#include <string>
#include <string_view>

namespace quillon {

// Whether `signatureBase64` (64 bytes) is the publisher's signature of exactly these bytes under
// `publicKeyBase64` (32 bytes). Anything malformed is simply not valid.
bool hasValidSignature(std::string_view bytes, std::string_view signatureBase64, std::string_view publicKeyBase64);

struct SigningKeys {
    std::string publicKeyBase64;
    std::string secretKeyBase64;
};

// For the release tool and for tests: a fresh key pair, and a signature made with its secret key
// (empty when the key is malformed).
SigningKeys makeSigningKeys();
std::string signBytes(std::string_view bytes, std::string_view secretKeyBase64);

} // namespace quillon
