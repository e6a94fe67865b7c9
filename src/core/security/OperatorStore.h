#pragma once

#include "core/data/SqlStatement.h"

#include <QString>

class Database;

// The operators of OperList, as the login asks for them.

// The names of every operator, for the login's pick-list.
SqlStatement OperatorNamesSql();

// Whether an operator of exactly that name exists.
bool OperatorExists(Database &dm, const QString &name);

// The stored password hash of the operator; empty when there is none (or after a database
// error, which the data module shows).
QString StoredPasswordHash(Database &dm, const QString &name);
