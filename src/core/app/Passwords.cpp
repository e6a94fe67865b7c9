#include "core/app/Passwords.h"

#include <sodium.h>

#include <stdexcept>

namespace {

void ensureSodium() {
    static const bool ready = sodium_init() >= 0;
    if (!ready)
        throw std::runtime_error("libsodium could not be initialised");
}

} // namespace

QString SavePass(const QString &password) {
    ensureSodium();
    const QByteArray utf8 = password.toUtf8();
    char stored[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(stored, utf8.constData(), static_cast<unsigned long long>(utf8.size()),
                          crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        throw std::runtime_error("out of memory while hashing a password");
    return QString::fromLatin1(stored);
}

bool CheckPass(const QString &typed, const QString &stored) {
    ensureSodium();
    const QByteArray hash = stored.toLatin1();
    if (hash.isEmpty() || hash.size() >= crypto_pwhash_STRBYTES)
        return false;
    const QByteArray utf8 = typed.toUtf8();
    return crypto_pwhash_str_verify(hash.constData(), utf8.constData(),
                                    static_cast<unsigned long long>(utf8.size())) == 0;
}
