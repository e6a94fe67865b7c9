#pragma once

#include <QSqlDatabase>
#include <QString>

// Fills a newly created database with the rows the program reads but never creates.
bool WriteSeedRows(QSqlDatabase &db, QString *error);
