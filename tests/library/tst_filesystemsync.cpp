#include "filesystemsync.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

class tst_FileSystemSync : public QObject
{
    Q_OBJECT

private slots:
    void sync_data();
    void sync();
    void copyReplacing_data();
    void copyReplacing();
    void removeFile_data();
    void removeFile();
};

void tst_FileSystemSync::sync_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("create");
    QTest::addColumn<bool>("keepOpen");
    QTest::addColumn<bool>("synced");

    QTest::newRow("file just written, still open") << "/home/Logfiles/a.log" << true << true << true;
    QTest::newRow("file written and closed") << "/home/Logfiles/b.log" << true << false << true;
    QTest::newRow("missing file flushes its directory") << "/home/Logfiles/none.log" << false << false << true;
    QTest::newRow("missing directory") << "/home/Nowhere/none.log" << false << false << false;
}

void tst_FileSystemSync::sync()
{
    QFETCH(QString, file);
    QFETCH(bool, create);
    QFETCH(bool, keepOpen);
    QFETCH(bool, synced);

    QVERIFY(QDir().mkpath(TTestEnvironment::root() + "/home/Logfiles"));
    QFile written(TTestEnvironment::root() + file);
    if (create) {
        QVERIFY(written.open(QIODevice::WriteOnly));
        QCOMPARE(written.write("22.5;OK\n"), qint64(8));
        if (!keepOpen)
            written.close();
    }
    QCOMPARE(TFileSystemSync::sync(written), synced);
    QVERIFY(!written.isOpen());
    if (create)
        QCOMPARE(TTestEnvironment::readDeviceFile(file), QByteArray("22.5;OK\n"));
}

// The copy either takes the old file's place whole or leaves it untouched, and
// never leaves the file written beside it.
void tst_FileSystemSync::copyReplacing_data()
{
    QTest::addColumn<bool>("source");
    QTest::addColumn<bool>("old");
    QTest::addColumn<bool>("leftover");
    QTest::addColumn<QByteArray>("result");

    QTest::newRow("old file replaced") << true << true << false << QByteArray("new calibration\n");
    QTest::newRow("no old file") << true << false << false << QByteArray("new calibration\n");
    QTest::newRow("cut copy of an earlier try beside it") << true << true << true << QByteArray("new calibration\n");
    QTest::newRow("missing source keeps the old file") << false << true << false << QByteArray("old calibration\n");
}

void tst_FileSystemSync::copyReplacing()
{
    QFETCH(bool, source);
    QFETCH(bool, old);
    QFETCH(bool, leftover);
    QFETCH(QByteArray, result);

    const QString target = QStringLiteral("/etc/pointercal");
    for (const QString& file : {target, target + QStringLiteral(".new"), QStringLiteral("/etc/pointercal_backup")})
        TTestEnvironment::removeUnderRoot(file);
    if (source)
        TAMARIND_WRITE_DEVICE_FILE(QStringLiteral("/etc/pointercal_backup"), "new calibration\n");
    if (old)
        TAMARIND_WRITE_DEVICE_FILE(target, "old calibration\n");
    if (leftover)
        TAMARIND_WRITE_DEVICE_FILE(target + QStringLiteral(".new"), "new cali");

    QCOMPARE(TFileSystemSync::copyReplacing(TTestEnvironment::root() + QStringLiteral("/etc/pointercal_backup"),
                                            TTestEnvironment::root() + target),
             source);
    QCOMPARE(TTestEnvironment::readDeviceFile(target), result);
    QVERIFY(!QFileInfo::exists(TTestEnvironment::root() + target + QStringLiteral(".new")));
}

void tst_FileSystemSync::removeFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("gone");

    QTest::newRow("a file") << "file" << true;
    QTest::newRow("no file of that name") << "none" << true;
    QTest::newRow("a directory of that name stays") << "directory" << false;
}

void tst_FileSystemSync::removeFile()
{
    QFETCH(QString, kind);
    QFETCH(bool, gone);

    const QString path = TTestEnvironment::root() + QStringLiteral("/etc/pointercal");
    TTestEnvironment::removeUnderRoot(path);
    if (kind == QLatin1String("file"))
        TAMARIND_WRITE_DEVICE_FILE(QStringLiteral("/etc/pointercal"), "1 2 3\n");
    else if (kind == QLatin1String("directory"))
        QVERIFY(QDir().mkpath(path));

    QCOMPARE(TFileSystemSync::removeFile(path), gone);
    QCOMPARE(QFileInfo::exists(path), !gone);
}

TAMARIND_TEST_MAIN(tst_FileSystemSync)
#include "tst_filesystemsync.moc"
