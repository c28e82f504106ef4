// Signatures with libsodium, whose Ed25519 is the one update feeds use.
#include "platform/updater/update_signature.h"

#include <sodium.h>

#include <optional>
#include <vector>

namespace quillon {
namespace {

bool sodiumReady()
{
    // Safe to call from several threads; it sets up once.
    static const bool ready = sodium_init() >= 0;
    return ready;
}

std::string toBase64(const unsigned char* bytes, std::size_t length)
{
    std::string text(sodium_base64_ENCODED_LEN(length, sodium_base64_VARIANT_ORIGINAL), '\0');
    sodium_bin2base64(text.data(), text.size(), bytes, length, sodium_base64_VARIANT_ORIGINAL);
    text.resize(text.size() - 1); // the terminating zero
    return text;
}

// Exactly `length` bytes decoded, or nothing.
std::optional<std::vector<unsigned char>> fromBase64(std::string_view text, std::size_t length)
{
    // Longer text cannot be this many bytes; refusing it early bounds the work on hostile input.
    if (text.size() > 4 * length)
        return std::nullopt;
    std::vector<unsigned char> bytes(length);
    std::size_t decoded = 0;
    const char* end = nullptr;
    if (sodium_base642bin(bytes.data(), bytes.size(), text.data(), text.size(), nullptr, &decoded, &end,
                          sodium_base64_VARIANT_ORIGINAL) != 0 ||
        decoded != length || end != text.data() + text.size())
        return std::nullopt;
    return bytes;
}

} // namespace

bool hasValidSignature(std::string_view bytes, std::string_view signatureBase64, std::string_view publicKeyBase64)
{
    if (!sodiumReady())
        return false;
    const auto signature = fromBase64(signatureBase64, crypto_sign_BYTES);
    const auto key = fromBase64(publicKeyBase64, crypto_sign_PUBLICKEYBYTES);
    if (!signature || !key)
        return false;
    return crypto_sign_verify_detached(signature->data(), reinterpret_cast<const unsigned char*>(bytes.data()),
                                       bytes.size(), key->data()) == 0;
}

SigningKeys makeSigningKeys()
{
    if (!sodiumReady())
        return {};
    unsigned char publicKey[crypto_sign_PUBLICKEYBYTES];
    unsigned char secretKey[crypto_sign_SECRETKEYBYTES];
    crypto_sign_keypair(publicKey, secretKey);
    SigningKeys keys{toBase64(publicKey, sizeof publicKey), toBase64(secretKey, sizeof secretKey)};
    sodium_memzero(secretKey, sizeof secretKey);
    return keys;
}

std::string signBytes(std::string_view bytes, std::string_view secretKeyBase64)
{
    if (!sodiumReady())
        return {};
    auto secretKey = fromBase64(secretKeyBase64, crypto_sign_SECRETKEYBYTES);
    if (!secretKey)
        return {};
    unsigned char signature[crypto_sign_BYTES];
    crypto_sign_detached(signature, nullptr, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(),
                         secretKey->data());
    sodium_memzero(secretKey->data(), secretKey->size());
    return toBase64(signature, sizeof signature);
}

} // namespace quillon
