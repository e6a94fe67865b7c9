#pragma once

#include <QString>

// Operator passwords are kept only as one-way Argon2id hashes: nothing can turn a stored form
// back into the password, so no screen can ever show one. Login and password change verify the
// typed text against the stored form.

// The stored form of a password (fits a text 255 column). The empty password has a stored form
// too. Every call uses a new salt, so two stored forms of one password differ.
QString SavePass(const QString &password);

// True when `typed` is the password whose stored form is `stored`; false for a stored form that
// is not a hash of this kind.
bool CheckPass(const QString &typed, const QString &stored);
