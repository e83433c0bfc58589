#include "filesystemsync.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>

class tst_FileSystemSync : public QObject
{
    Q_OBJECT

private slots:
    void sync_data();
    void sync();
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

TAMARIND_TEST_MAIN(tst_FileSystemSync)
#include "tst_filesystemsync.moc"
