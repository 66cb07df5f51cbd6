#include "core/store/SqlBuffer.h"
#include "core/store/SqlDatabase.h"
#include "support/RawSqlite.h"
#include "support/SqlErrors.h"

#include <QTemporaryDir>

#include <fstream>

class SqlDatabaseFile : public ::testing::Test {
protected:
    std::string tempPath(const char* name = "j.qbk") const {
        return dir.filePath(QString::fromLatin1(name)).toStdString();
    }
    QTemporaryDir dir;
    SqlDatabase db;
};

TEST_F(SqlDatabaseFile, RefusesWorkWhileClosed) {
    for (int round = 0; round < 2; ++round) { // never opened, then opened and closed
        const char* notOpen = "CPPSQLITE_ERROR[1000]: Database not open";
        EXPECT_FALSE(db.isOpen());
        EXPECT_SQL_ERROR(db.execute("SELECT 1"), 1000, notOpen);
        EXPECT_SQL_ERROR(db.query("SELECT 1"), 1000, notOpen);
        db.open(tempPath());
        EXPECT_TRUE(db.isOpen());
        db.close();
    }
    EXPECT_SQL_ERROR(db.open(tempPath("no/such/dir.qbk")), 14,
                     "SQLITE_CANTOPEN[14]: unable to open database file");
    EXPECT_FALSE(db.isOpen());
}

TEST_F(SqlDatabaseFile, ExecuteWritesTheFileAndReportsChangesAndErrors) {
    db.open(tempPath());
    db.open(tempPath()); // replaces the connection; the leak checker sees the first one go
    db.execute("CREATE TABLE t(id INTEGER PRIMARY KEY, txt)");
    EXPECT_EQ(db.execute("INSERT INTO t(id) VALUES(1),(2),(3)"), 3);
    EXPECT_EQ(db.execute(std::string("UPDATE t SET txt='a' WHERE id>1")), 2);

    SqlBuffer sql;
    EXPECT_EQ(db.execute(sql.format("UPDATE t SET txt=%Q WHERE id=1", "Rosa's")), 1);
    EXPECT_EQ(rawValue(tempPath(), "SELECT txt FROM t WHERE id=1"), "Rosa's");

    EXPECT_SQL_ERROR(db.execute("INSERT INTO t(id) VALUES(1)"), 19,
                     "SQLITE_CONSTRAINT[19]: UNIQUE constraint failed: t.id");
    EXPECT_SQL_ERROR(db.query("SELECT * FROM missing"), 1,
                     "SQLITE_ERROR[1]: no such table: missing");
}

TEST_F(SqlDatabaseFile, NonDatabaseFileReportsCode26) {
    std::ofstream(tempPath()) << std::string(4096, 'z');
    db.open(tempPath()); // the header is read only when first needed
    EXPECT_SQL_ERROR(db.query("SELECT 1 FROM sqlite_master"), 26,
                     "UNKNOWN_ERROR[26]: file is not a database");
    EXPECT_SQL_ERROR(db.execute("CREATE TABLE t(a)"), 26,
                     "UNKNOWN_ERROR[26]: file is not a database");
}

TEST_F(SqlDatabaseFile, SecondConnectionReportsBusy) {
    SqlDatabase holder, other;
    holder.open(tempPath());
    holder.execute("CREATE TABLE t(a); INSERT INTO t VALUES(1)");
    other.setBusyTimeout(50);
    other.open(tempPath());
    EXPECT_EQ(other.query("SELECT a FROM t").intField(0), 1); // schema now known to `other`

    holder.execute("BEGIN EXCLUSIVE");
    const char* busy = "SQLITE_BUSY[5]: database is locked";
    EXPECT_SQL_ERROR(other.execute("INSERT INTO t VALUES(2)"), 5, busy);
    EXPECT_SQL_ERROR(other.query("SELECT a FROM t"), 5, busy); // fails at the step
    holder.execute("COMMIT");
    EXPECT_EQ(other.execute("INSERT INTO t VALUES(2)"), 1);
}
