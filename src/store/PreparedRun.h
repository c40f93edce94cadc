#pragma once
#include "store/Database.h"

#include <sqlite3.h>

namespace vellamora {

// One run of a statement the connection keeps prepared, for the hot reads that go
// through SQLite's own interface: binds the values as Database binds them, steps
// the rows, and resets the statement on every path so that no read transaction
// outlives the run.
class PreparedRun
{
public:
    PreparedRun(Database &db, const QString &sql, const SqlParams &params);
    ~PreparedRun() { sqlite3_reset(m_stmt); }
    PreparedRun(const PreparedRun &) = delete;
    PreparedRun &operator=(const PreparedRun &) = delete;

    // True while there is a row; raises StoreError on an engine error.
    bool step();
    sqlite3_stmt *get() const { return m_stmt; }

private:
    sqlite3_stmt *m_stmt = nullptr;
    sqlite3 *m_handle = nullptr;
};

} // namespace vellamora
