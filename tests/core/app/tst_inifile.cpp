// Config.ini: case-insensitive sections and keys, defaults for missing or unreadable files,
// writes that keep the rest of the file.
#include "TestEnv.h"
#include "core/app/AppPaths.h"
#include "core/app/IniFile.h"
#include "core/app/AppSettings.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTest>

class TestIniFile : public QObject {
    Q_OBJECT

private:
    static void writeFile(const QString &path, const QByteArray &content) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    static QByteArray readFile(const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void readsWithoutRegardToLetterCase_data();
    void readsWithoutRegardToLetterCase();
    void missingFileReadsDefaultsAndFirstWriteCreatesIt();
    void unreadableFileReadsDefaults();
    void writeReplacesTheKeyAndKeepsTheRest();
    void writeAddsKeysToTheExistingSection();
    void valuesRoundTripAsOneLine();
    void failedWriteLeavesTheFile();
    void gb18030FileKeepsItsEncodingAndEveryOtherByte();
    void configFileFollowsTheApplicationFolder();
};

void TestIniFile::readsWithoutRegardToLetterCase_data() {
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("as written") << "Config" << "ds" << "/srv/share/";
    QTest::newRow("lower section") << "config" << "ds" << "/srv/share/";
    QTest::newRow("upper key") << "CONFIG" << "DS" << "/srv/share/";
    QTest::newRow("operator") << "config" << "curopername" << "张三";
    QTest::newRow("trimmed and unquoted") << "config" << "ibak" << "2";
    QTest::newRow("other section") << "misc" << "ds" << "other";
    QTest::newRow("absent key") << "config" << "missing" << "";
    QTest::newRow("absent section") << "nosuch" << "ds" << "";
}

void TestIniFile::readsWithoutRegardToLetterCase() {
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    TestEnv env(TestEnv::WithoutDatabase);
    const QString path = env.path("Config.ini");
    writeFile(path, "\xEF\xBB\xBF; written by hand\r\n[Config]\r\nds=/srv/share/\r\n"
                    "CurOperName=张三\r\n\r\n[misc]\r\nds=other\r\n[config]\r\n"
                    "  ibak =  \"2\"  \r\n");
    const IniFile ini(path);
    QCOMPARE(ini.readString(section, key), expected);
}

void TestIniFile::missingFileReadsDefaultsAndFirstWriteCreatesIt() {
    TestEnv env(TestEnv::WithoutDatabase);
    IniFile ini(env.path("Config.ini"));
    QCOMPARE(ini.readString("config", "ds", "fallback"), QStringLiteral("fallback"));
    QCOMPARE(ini.readInteger("config", "ibak", 7), 7);
    QVERIFY(!QFile::exists(ini.path()));
    QVERIFY(ini.writeInteger("config", "ibak", 3));
    QCOMPARE(readFile(ini.path()), QByteArray("[config]\nibak=3\n"));
    QCOMPARE(ini.readInteger("CONFIG", "IBAK", 0), 3);
}

// A folder where the file should be cannot be read (this also holds when tests run as root).
void TestIniFile::unreadableFileReadsDefaults() {
    TestEnv env(TestEnv::WithoutDatabase);
    QVERIFY(QDir().mkpath(env.path("Config.ini")));
    IniFile ini(env.path("Config.ini"));
    QCOMPARE(ini.readString("config", "ds"), QString());
    QCOMPARE(ini.readInteger("config", "ibak", 0), 0);
    QVERIFY(!ini.writeString("config", "ds", "/x/"));
}

void TestIniFile::writeReplacesTheKeyAndKeepsTheRest() {
    TestEnv env(TestEnv::WithoutDatabase);
    const QString path = env.path("Config.ini");
    writeFile(path, "; keep me\n[Config]\nDS=/old/\nCurOperName=admin\n\n[other]\nx=1\n");
    IniFile ini(path);
    QVERIFY(ini.writeString("config", "ds", "/new/"));
    QCOMPARE(readFile(path),
             QByteArray("; keep me\n[Config]\nds=/new/\nCurOperName=admin\n\n[other]\nx=1\n"));
}

void TestIniFile::writeAddsKeysToTheExistingSection() {
    TestEnv env(TestEnv::WithoutDatabase);
    const QString path = env.path("Config.ini");
    writeFile(path, "[Config]\nCurOperName=admin\n\n[other]\nx=1\n");
    IniFile ini(path);
    QVERIFY(ini.writeString("config", "ds", "/share/"));
    QCOMPARE(readFile(path), QByteArray("[Config]\nCurOperName=admin\nds=/share/\n\n[other]\nx=1\n"));
    QCOMPARE(ini.readString("other", "x"), QStringLiteral("1"));
}

void TestIniFile::valuesRoundTripAsOneLine() {
    TestEnv env(TestEnv::WithoutDatabase);
    IniFile ini(env.path("Config.ini"));
    const QString tricky = QStringLiteral("O'Brien \"q\" 100% C:\\data\\ 设备;#=");
    QVERIFY(ini.writeString("Config", "CurOperName", tricky));
    QCOMPARE(ini.readString("config", "curopername"), tricky);

    QVERIFY(ini.writeString("config", "ds", "line1\n[evil]\nds=/elsewhere/"));
    QCOMPARE(ini.readString("evil", "ds"), QString());
    QVERIFY(ini.readString("config", "ds").startsWith("line1"));
}

void TestIniFile::failedWriteLeavesTheFile() {
    TestEnv env(TestEnv::WithoutDatabase);
    IniFile ini(env.path("no-such-folder/Config.ini"));
    QVERIFY(!ini.writeString("config", "ds", "/x/"));
    QVERIFY(!QFile::exists(ini.path()));
}

void TestIniFile::configFileFollowsTheApplicationFolder() {
    TestEnv env(TestEnv::WithoutDatabase);
    QCOMPARE(QFileInfo(AppSettings::ConfigFile().path()).absoluteFilePath(),
             QFileInfo(env.path("Config.ini")).absoluteFilePath());
    // A file already there under another letter case is the same file.
    writeFile(env.path("config.INI"), "[config]\nibak=1\n");
    AppSettings::ResetConfigFile();
    QCOMPARE(AppSettings::ConfigFile().readInteger("Config", "ibak", 0), 1);
    QCOMPARE(AppPaths::applicationFolder(), QDir::cleanPath(env.folder()));
}

// A Config.ini from an older Windows installation is GB18030 with CRLF line ends: it reads in
// its own encoding, and a write changes the one line, in that encoding, and no other byte.
void TestIniFile::gb18030FileKeepsItsEncodingAndEveryOtherByte() {
    TestEnv env(TestEnv::WithoutDatabase);
    const QString path = env.path("gbk.ini");
    QStringEncoder gb("GB18030");
    QVERIFY(gb.isValid());
    const QByteArray before = QByteArray(gb.encode(QStringLiteral(
        "; 设备管理软件的设置\r\n[config]\r\nds=\\\\服务器\\共享\\\r\nCurOperName=张三\r\n"
        "[公司]\r\n名称=檀昕公司 \r\n")));
    QVERIFY(WriteJunkFile(path, before));
    IniFile ini(path);
    QCOMPARE(ini.readString("config", "CurOperName"), QStringLiteral("张三"));
    QCOMPARE(ini.readString("公司", "名称"), QStringLiteral("檀昕公司"));

    QVERIFY(ini.writeString("config", "CurOperName", QStringLiteral("李四")));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray after = file.readAll();
    QByteArray expected = before;
    expected.replace(QByteArray(gb.encode(QStringLiteral("CurOperName=张三"))),
                     QByteArray(gb.encode(QStringLiteral("CurOperName=李四"))));
    QCOMPARE(after, expected);
    QCOMPARE(ini.readString("公司", "名称"), QStringLiteral("檀昕公司"));

    // A key the file lacks is added in the file's encoding and line ends.
    QVERIFY(ini.writeString("config", "ibak", "2"));
    QCOMPARE(ini.readInteger("config", "ibak"), 2);
    QCOMPARE(ini.readString("config", "CurOperName"), QStringLiteral("李四"));
    file.close();
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("CurOperName=" + QByteArray(gb.encode(QStringLiteral("李四"))) +
                                    "\r\nibak=2\r\n"));
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
