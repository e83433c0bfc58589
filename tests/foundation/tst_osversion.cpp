#include "osversion.h"
#include "testsupport.h"

#include <QFile>

class tst_OSVersion : public QObject
{
    Q_OBJECT

private slots:
    void versionFiles_data();
    void versionFiles();
    void missingFilesGiveOneDotZero();
};

void tst_OSVersion::versionFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");

    QTest::newRow("major and minor") << QByteArray("2.1") << 2 << 1;
    QTest::newRow("line end after the minor") << QByteArray("2.3\n") << 2 << 3;
    QTest::newRow("no dot") << QByteArray("2") << 1 << 0;
    QTest::newRow("two dots") << QByteArray("2.1.4") << 1 << 0;
    QTest::newRow("major that is no number") << QByteArray("x.5") << 1 << 5;
    QTest::newRow("minor that is no number") << QByteArray("3.y") << 3 << 0;
    QTest::newRow("empty file") << QByteArray() << 1 << 0;
}

void tst_OSVersion::versionFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(int, major);
    QFETCH(int, minor);

    TAMARIND_WRITE_DEVICE_FILE("/etc/version_os_platform", content);
    TAMARIND_WRITE_DEVICE_FILE("/etc/version_os_product", "4.7");
    const TOSVersion version;
    QCOMPARE(int(version.platformVersion_Major()), major);
    QCOMPARE(int(version.platformVersion_Minor()), minor);
    QCOMPARE(version.toString(), QStringLiteral("%1.%2-4.7").arg(major).arg(minor));
}

void tst_OSVersion::missingFilesGiveOneDotZero()
{
    TTestEnvironment::removeUnderRoot("/etc/version_os_platform");
    TTestEnvironment::removeUnderRoot("/etc/version_os_product");
    QCOMPARE(TOSVersion().toString(), QString("1.0-1.0"));
    QCOMPARE(TOSVersion::instance().toString(), QString("1.0-1.0"));
}

TAMARIND_TEST_MAIN(tst_OSVersion)
#include "tst_osversion.moc"
