#include "core/store/SqlDatabase.h"
#include "support/SqlErrors.h"

#include <QTemporaryDir>

#include <vector>

class SqlQueryTest : public ::testing::Test {
protected:
    void SetUp() override {
        db.open(path);
        db.execute("CREATE TABLE t(id INTEGER, Title, v); INSERT INTO t VALUES(1, 'one', 1),"
                   "(2, 'two', '1'), (3, NULL, 0), (4, '', 2), (5, '', ''), (6, '', NULL)");
    }

    static void expectNoStatement(SqlQuery& q) {
        const char* none = "CPPSQLITE_ERROR[1000]: Null Virtual Machine pointer";
        EXPECT_TRUE(q.eof());
        EXPECT_SQL_ERROR(q.nextRow(), 1000, none);
        EXPECT_SQL_ERROR(q.fieldType(0), 1000, none);
        EXPECT_SQL_ERROR(q.textField("id"), 1000, none);
        q.finalize(); // nothing left to finalize, and nothing finalized twice
    }

    QTemporaryDir dir;
    std::string path = dir.filePath(QStringLiteral("j.qbk")).toStdString();
    SqlDatabase db;
};

TEST_F(SqlQueryTest, WalksRowsAndEndsAtOnceWhenNoneMatch) {
    SqlQuery q = db.query("SELECT id, Title FROM t WHERE id <= 3 ORDER BY id");
    std::vector<int> ids;
    for (; !q.eof(); q.nextRow())
        ids.push_back(q.intField("id"));
    EXPECT_EQ(ids, (std::vector<int>{1, 2, 3}));
    q.finalize();
    expectNoStatement(q);
    EXPECT_TRUE(db.query("SELECT id FROM t WHERE id > 100").eof());
    SqlQuery blank = db.query("  -- no statement here");
    expectNoStatement(blank);
}

TEST_F(SqlQueryTest, ReadersHandleNullAndBadColumns) {
    SqlQuery q = db.query("SELECT id, Title, 2.5 AS f, x'00' AS b FROM t WHERE id=3");
    EXPECT_EQ(std::vector<int>({q.fieldType(0), q.fieldType(1), q.fieldType(2), q.fieldType(3)}),
              (std::vector<int>{1, 5, 2, 4}));
    EXPECT_TRUE(q.fieldValue("Title") == nullptr && q.fieldValue(1) == nullptr);
    EXPECT_EQ(q.intField("Title", 7) + q.intField(1, -1), 6);
    EXPECT_EQ(q.textField("Title", "none") + q.textField(1), "none");
    EXPECT_TRUE(q.isNull("Title") && q.isNull(1) && !q.isNull("id"));
    EXPECT_EQ(q.textField(0) + q.fieldValue("id"), "33");

    const char* badName = "CPPSQLITE_ERROR[1000]: Invalid field name requested";
    const char* badIndex = "CPPSQLITE_ERROR[1000]: Invalid field index requested";
    EXPECT_EQ(q.fieldIndex("Title"), 1);
    EXPECT_SQL_ERROR(q.fieldIndex("title"), 1000, badName);
    EXPECT_SQL_ERROR(q.fieldIndex(nullptr), 1000, badName);
    EXPECT_SQL_ERROR(q.fieldType(-1), 1000, badIndex);
    EXPECT_SQL_ERROR(q.fieldValue(4), 1000, badIndex);
}

TEST_F(SqlQueryTest, BoolFieldIsTrueOnlyForOne) {
    // v holds 1, '1', 0, 2, '' and NULL: true, true, false, false, false, default.
    std::vector<bool> defaultFalse, defaultTrue;
    for (SqlQuery q = db.query("SELECT v FROM t ORDER BY id"); !q.eof(); q.nextRow()) {
        defaultFalse.push_back(q.boolField("v"));
        defaultTrue.push_back(q.boolField("v", true));
    }
    EXPECT_EQ(defaultFalse, (std::vector<bool>{true, true, false, false, false, false}));
    EXPECT_EQ(defaultTrue, (std::vector<bool>{true, true, false, false, false, true}));
}

TEST_F(SqlQueryTest, FailingStepFinalizesAndReports) {
    // Rowid order, no sorter: the second row is computed only by the second step.
    SqlQuery q = db.query("SELECT iif(id=2, abs(1 - id - 9223372036854775807), id) FROM t");
    EXPECT_EQ(q.intField(0), 1);
    EXPECT_SQL_ERROR(q.nextRow(), 1, "SQLITE_ERROR[1]: integer overflow");
    expectNoStatement(q);
}

TEST_F(SqlQueryTest, MovingHandsTheStatementOverAndCursorsMayOutliveTheClose) {
    SqlQuery source = db.query("SELECT id FROM t ORDER BY id");
    SqlQuery target = db.query("SELECT id FROM t ORDER BY id");
    target.nextRow();
    target = std::move(source); // finalizes the target's own statement
    expectNoStatement(source);
    db.close(); // the cursor keeps the connection until it is done
    target.nextRow();
    EXPECT_EQ(target.intField(0), 2);
    SqlQuery last(std::move(target));
    expectNoStatement(target);
    last = SqlQuery();

    SqlDatabase other; // any statement left unfinalized would still hold a read lock
    other.setBusyTimeout(10);
    other.open(path);
    EXPECT_EQ(other.execute("BEGIN EXCLUSIVE; COMMIT"), 0);
}
