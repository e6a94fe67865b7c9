// Passwords, compaction and the message service that every window goes through.
#include "TestEnv.h"
#include "core/maintenance/Compaction.h"
#include "core/app/Passwords.h"

#include <QFile>
#include <QTest>

class TestSupport : public QObject {
    Q_OBJECT

private slots:
    void passwordsVerifyOnlyTheirOwnText_data();
    void passwordsVerifyOnlyTheirOwnText();
    void storedFormsAreSaltedAndFit();
    void storedFormsThatAreNotHashesNeverMatch();
    void compactKeepsTheDataAndShrinksTheFile();
    void compactRefusesWhatItCannotOpen();
    void questionsAnswerOnlyYesOrNo_data();
    void questionsAnswerOnlyYesOrNo();
};

void TestSupport::passwordsVerifyOnlyTheirOwnText_data() {
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("wrong");
    QTest::newRow("empty") << "" << " ";
    QTest::newRow("plain") << "secret" << "Secret";
    QTest::newRow("trailing blank") << "pass " << "pass";
    QTest::newRow("chinese") << "密码123" << "密码12";
    QTest::newRow("quotes") << "a'b\"c\\d%" << "a'b\"c\\d";
}

void TestSupport::passwordsVerifyOnlyTheirOwnText() {
    QFETCH(QString, password);
    QFETCH(QString, wrong);
    const QString stored = SavePass(password);
    QVERIFY(CheckPass(password, stored));
    QVERIFY(!CheckPass(wrong, stored));
    QVERIFY(!stored.contains(password.isEmpty() ? QStringLiteral("\x01") : password));
}

void TestSupport::storedFormsAreSaltedAndFit() {
    const QString first = SavePass("admin");
    const QString second = SavePass("admin");
    QVERIFY(first != second);
    QVERIFY(first.startsWith("$argon2id$"));
    QVERIFY(first.size() <= 255);
    QVERIFY(CheckPass("admin", second));
}

void TestSupport::storedFormsThatAreNotHashesNeverMatch() {
    for (const QString &stored : {QString(), QStringLiteral("admin"), QStringLiteral("$argon2id$"),
                                  QString(300, 'x')}) {
        QVERIFY(!CheckPass(QString(), stored));
        QVERIFY(!CheckPass(stored, stored));
    }
}

void TestSupport::compactKeepsTheDataAndShrinksTheFile() {
    TestEnv env;
    Database &dm = env.dm();
    {
        Transaction transaction(dm);
        for (int i = 0; i < 3000; ++i)
            QVERIFY(dm.ExecuteSQL(SqlStatement("insert into Sets (F_code, F_memo1) values (?, ?)",
                                               {QString::number(i), QString(200, 'm')})));
        QVERIFY(transaction.commit());
    }
    QVERIFY(dm.ExecuteSQL("delete from Sets where F_code <> '7'"));
    dm.disconnect();
    const qint64 before = QFileInfo(env.databasePath()).size();

    QVERIFY(CompactDatabase(env.databasePath()));
    QVERIFY(QFileInfo(env.databasePath()).size() < before / 2);
    QVERIFY(dm.connectTo(env.databasePath()));
    QCOMPARE(dm.GetSQLInt("select count(*) from Sets"), 1);
    QCOMPARE(dm.GetSQLValue("select F_code from Sets"), QStringLiteral("7"));
}

void TestSupport::compactRefusesWhatItCannotOpen() {
    TestEnv env(TestEnv::WithoutDatabase);
    const QString missing = env.path("missing.db");
    QVERIFY(!CompactDatabase(missing));
    QVERIFY(!QFile::exists(missing));

    const QString junk = env.path("junk.db");
    QVERIFY(WriteJunkFile(junk, QByteArray(4096, 'j')));
    QVERIFY(!CompactDatabase(junk));
    QCOMPARE(QFileInfo(junk).size(), 4096);
}

void TestSupport::questionsAnswerOnlyYesOrNo_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("expected");
    QTest::newRow("yes") << 1 << 1;
    QTest::newRow("no") << 2 << 2;
    QTest::newRow("closed box") << 0 << 2;
    QTest::newRow("anything else") << 7 << 2;
}

void TestSupport::questionsAnswerOnlyYesOrNo() {
    QFETCH(int, answer);
    QFETCH(int, expected);
    TestEnv env(TestEnv::WithoutDatabase);
    env.dialogs().answers << answer;
    QCOMPARE(ShowMess("继续吗？", MessQuestion), expected);
    QCOMPARE(ShowMess("已保存。", MessInfo), 0);
    QCOMPARE(env.dialogs().messageTexts(), QStringList({"继续吗？", "已保存。"}));
}

QTEST_GUILESS_MAIN(TestSupport)
#include "tst_support.moc"
