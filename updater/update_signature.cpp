// Signatures with libsodium, whose Ed25519 is the one update feeds use.
#include "updater/update_signature.h"

#include <algorithm>
#include <cstring>
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
            sodium_base64_VARIANT_ORIGINAL)
            != 0
        || decoded != length || end != text.data() + text.size())
        return std::nullopt;
    return bytes;
}

// A scalar is canonical when it is below the group order: reducing it changes nothing.
bool isCanonicalScalar(const unsigned char* scalar)
{
    unsigned char wide[crypto_core_ed25519_NONREDUCEDSCALARBYTES] = {};
    std::memcpy(wide, scalar, crypto_core_ed25519_SCALARBYTES);
    unsigned char reduced[crypto_core_ed25519_SCALARBYTES];
    crypto_core_ed25519_scalar_reduce(reduced, wide);
    return sodium_memcmp(reduced, scalar, sizeof reduced) == 0;
}

} // namespace

SignatureCheck::SignatureCheck(std::string_view signatureBase64, std::string_view publicKeyBase64)
{
    crypto_hash_sha512_init(&m_hash);
    if (!sodiumReady())
        return;
    const auto signature = fromBase64(signatureBase64, crypto_sign_BYTES);
    const auto key = fromBase64(publicKeyBase64, crypto_sign_PUBLICKEYBYTES);
    if (!signature || !key)
        return;
    std::copy(signature->begin(), signature->end(), m_signature.begin());
    std::copy(key->begin(), key->end(), m_publicKey.begin());
    m_wellFormed = true;
    // H(R || A || message): the message follows as it is added.
    crypto_hash_sha512_update(&m_hash, m_signature.data(), crypto_core_ed25519_BYTES);
    crypto_hash_sha512_update(&m_hash, m_publicKey.data(), m_publicKey.size());
}

void SignatureCheck::add(std::string_view bytes)
{
    crypto_hash_sha512_update(&m_hash, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

bool SignatureCheck::isValid()
{
    unsigned char digest[crypto_hash_sha512_BYTES];
    crypto_hash_sha512_final(&m_hash, digest);
    if (!m_wellFormed)
        return false;
    const unsigned char* r = m_signature.data();
    const unsigned char* s = m_signature.data() + crypto_core_ed25519_BYTES;
    // The same refusals as libsodium's own check: a non-canonical S would let one signature take
    // several forms, and a small-order R or key would let a forger cancel terms of the equation.
    // The point functions below refuse small-order points and those outside the prime-order group.
    if (!isCanonicalScalar(s) || !crypto_core_ed25519_is_valid_point(r)
        || !crypto_core_ed25519_is_valid_point(m_publicKey.data()))
        return false;
    unsigned char k[crypto_core_ed25519_SCALARBYTES];
    crypto_core_ed25519_scalar_reduce(k, digest);
    // Valid when S·B − k·A is R.
    unsigned char sB[crypto_core_ed25519_BYTES];
    unsigned char kA[crypto_core_ed25519_BYTES];
    unsigned char expectedR[crypto_core_ed25519_BYTES];
    if (crypto_scalarmult_ed25519_base_noclamp(sB, s) != 0
        || crypto_scalarmult_ed25519_noclamp(kA, k, m_publicKey.data()) != 0
        || crypto_core_ed25519_sub(expectedR, sB, kA) != 0)
        return false;
    return sodium_memcmp(expectedR, r, sizeof expectedR) == 0;
}

bool hasValidSignature(
    std::string_view bytes, std::string_view signatureBase64, std::string_view publicKeyBase64)
{
    SignatureCheck check(signatureBase64, publicKeyBase64);
    check.add(bytes);
    return check.isValid();
}

SigningKeys makeSigningKeys()
{
    if (!sodiumReady())
        return {};
    unsigned char publicKey[crypto_sign_PUBLICKEYBYTES];
    unsigned char secretKey[crypto_sign_SECRETKEYBYTES];
    crypto_sign_keypair(publicKey, secretKey);
    SigningKeys keys {toBase64(publicKey, sizeof publicKey), toBase64(secretKey, sizeof secretKey)};
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
    crypto_sign_detached(signature, nullptr, reinterpret_cast<const unsigned char*>(bytes.data()),
        bytes.size(), secretKey->data());
    sodium_memzero(secretKey->data(), secretKey->size());
    return toBase64(signature, sizeof signature);
}

std::string publicKeyOf(std::string_view secretKeyBase64)
{
    if (!sodiumReady())
        return {};
    auto secretKey = fromBase64(secretKeyBase64, crypto_sign_SECRETKEYBYTES);
    if (!secretKey)
        return {};
    unsigned char publicKey[crypto_sign_PUBLICKEYBYTES];
    crypto_sign_ed25519_sk_to_pk(publicKey, secretKey->data());
    sodium_memzero(secretKey->data(), secretKey->size());
    return toBase64(publicKey, sizeof publicKey);
}

} // namespace quillon
