#pragma once
#include <QtCore/QDateTime>
#include <QtCore/QString>

namespace vellamora {

class Database;
class Prompter;
struct Regional;

// The database file of a working folder.
QString databaseFile(const QString &workingFolder);

// Opens the working folder's database: creates the folder when missing (warning
// when it cannot), swaps in a pending `restore.abs` (the replaced file is kept as
// vmarc-yyyy-mm-dd-hh-nn-ss.abs) and opens or creates `vmarc.abs`.
// Returns true when a pending restore was found. Raises StoreError when the
// file cannot be opened or is not a database.
bool openWorkingDatabase(Database &db, const QString &workingFolder, const QDateTime &now,
                         const Regional &regional, Prompter &prompter);

} // namespace vellamora
