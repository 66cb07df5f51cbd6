#include "store/SqlBuffer.h"
#include "store/SqlDatabase.h"
#include "support/RawSqlite.h"
#include "support/SqlErrors.h"

#include <QFile>
#include <QTemporaryDir>

static std::string tempPath(const QTemporaryDir& dir, const char* name = "j.qbk") {
    return dir.filePath(QString::fromLatin1(name)).toStdString();
}

TEST(SqlDatabase, RefusesWorkWhileClosed) {
    QTemporaryDir dir;
    SqlDatabase db;
    for (int round = 0; round < 2; ++round) { // never opened, then opened and closed
        const char* notOpen = "CPPSQLITE_ERROR[1000]: Database not open";
        EXPECT_FALSE(db.isOpen());
        EXPECT_SQL_ERROR(db.execute("SELECT 1"), 1000, notOpen);
        EXPECT_SQL_ERROR(db.query("SELECT 1"), 1000, notOpen);
        db.open(tempPath(dir));
        EXPECT_TRUE(db.isOpen());
        db.close();
    }
    EXPECT_SQL_ERROR(db.open(tempPath(dir, "no/such/dir.qbk")), 14,
                     "SQLITE_CANTOPEN[14]: unable to open database file");
    EXPECT_FALSE(db.isOpen());
}

TEST(SqlDatabase, ExecuteWritesTheFileAndReportsChangesAndErrors) {
    QTemporaryDir dir;
    SqlDatabase db;
    db.open(tempPath(dir));
    db.open(tempPath(dir)); // replaces the connection; the leak checker sees the first one go
    db.execute("CREATE TABLE t(id INTEGER PRIMARY KEY, txt)");
    EXPECT_EQ(db.execute("INSERT INTO t(id) VALUES(1),(2),(3)"), 3);
    EXPECT_EQ(db.execute(std::string("UPDATE t SET txt='a' WHERE id>1")), 2);

    SqlBuffer sql;
    EXPECT_EQ(db.execute(sql.format("UPDATE t SET txt=%Q WHERE id=1", "Rosa's")), 1);
    EXPECT_EQ(rawValue(tempPath(dir), "SELECT txt FROM t WHERE id=1"), "Rosa's");

    EXPECT_SQL_ERROR(db.execute("INSERT INTO t(id) VALUES(1)"), 19,
                     "SQLITE_CONSTRAINT[19]: UNIQUE constraint failed: t.id");
    EXPECT_SQL_ERROR(db.query("SELECT * FROM missing"), 1, "SQLITE_ERROR[1]: "); // no detail
}

TEST(SqlDatabase, NonDatabaseFileReportsCode26) {
    QTemporaryDir dir;
    QFile text(QString::fromStdString(tempPath(dir)));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write(QByteArray(4096, 'z'));
    text.close();
    SqlDatabase db;
    db.open(tempPath(dir)); // the header is read only when first needed
    EXPECT_SQL_ERROR(db.query("SELECT 1 FROM sqlite_master"), 26, "UNKNOWN_ERROR[26]: ");
    EXPECT_SQL_ERROR(db.execute("CREATE TABLE t(a)"), 26,
                     "UNKNOWN_ERROR[26]: file is not a database");
}

TEST(SqlDatabase, SecondConnectionReportsBusy) {
    QTemporaryDir dir;
    SqlDatabase holder, other;
    holder.open(tempPath(dir));
    holder.execute("CREATE TABLE t(a); INSERT INTO t VALUES(1)");
    other.setBusyTimeout(50);
    other.open(tempPath(dir));
    EXPECT_EQ(other.query("SELECT a FROM t").intField(0), 1); // schema now known to `other`

    holder.execute("BEGIN EXCLUSIVE");
    const char* busy = "SQLITE_BUSY[5]: database is locked";
    EXPECT_SQL_ERROR(other.execute("INSERT INTO t VALUES(2)"), 5, busy);
    EXPECT_SQL_ERROR(other.query("SELECT a FROM t"), 5, busy); // fails at the step
    holder.execute("COMMIT");
    EXPECT_EQ(other.execute("INSERT INTO t VALUES(2)"), 1);
}
