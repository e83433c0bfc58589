#include "fileversionreader.h"
#include "testsupport.h"

#include <QFile>

class tst_FileVersionReader : public QObject
{
    Q_OBJECT

private slots:
    void trailer_data();
    void trailer();
    void missingFile();
    void versionText();

private:
    static QString writeFile(const QByteArray& pContent);
};

QString tst_FileVersionReader::writeFile(const QByteArray& pContent)
{
    const QString path = TTestEnvironment::root() + "/update.dat";
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(pContent) != pContent.size())
        return QString();
    return path;
}

void tst_FileVersionReader::trailer_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("tagFound");

    const QByteArray numbers("\x00\x00\x00\x02\x00\x00\x00\x0b\x00\x00\x01\x00\x12\x34\x56\x78", 16);
    QTest::newRow("program file without tag") << QByteArray("ELF...program code") + numbers << ""
                                              << "2.11.256.305419896" << false;
    QTest::newRow("numbers alone") << numbers << ""
                                   << "2.11.256.305419896" << false;
    QTest::newRow("firmware file with its tag") << QByteArray("image") + "ZTM_UI" + numbers << "ZTM_UI"
                                                << "2.11.256.305419896" << true;
    QTest::newRow("other tag still gives the numbers") << QByteArray("image") + "XYZ_UI" + numbers << "ZTM_UI"
                                                       << "2.11.256.305419896" << false;
    QTest::newRow("largest numbers") << QByteArray(16, '\xff') << ""
                                     << "4294967295.4294967295.4294967295.4294967295" << false;
    QTest::newRow("shorter than the numbers") << numbers.left(15) << ""
                                              << "0.0.0.0" << false;
    QTest::newRow("shorter than tag and numbers") << QByteArray("ZTM_UI") + numbers.left(12) << "ZTM_UI"
                                                  << "0.0.0.0" << false;
    QTest::newRow("empty file") << QByteArray() << ""
                                << "0.0.0.0" << false;
}

void tst_FileVersionReader::trailer()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, tag);
    QFETCH(QString, version);
    QFETCH(bool, tagFound);

    const QString path = writeFile(content);
    QVERIFY(!path.isEmpty());
    bool found = !tagFound;
    QCOMPARE(TFileVersionReader::determineFileVersion(path, tag, found).toString(), version);
    QCOMPARE(found, tagFound);
}

void tst_FileVersionReader::missingFile()
{
    bool found = true;
    QCOMPARE(
        TFileVersionReader::determineFileVersion(TTestEnvironment::root() + "/none.dat", "ZTM_UI", found).toString(),
        QString("0.0.0.0"));
    QVERIFY(!found);
}

void tst_FileVersionReader::versionText()
{
    const TFileVersion version(1, 2, 3, 4);
    QCOMPARE(version.toString(), QString("1.2.3.4"));
    QCOMPARE(TFileVersion().toString(), QString("0.0.0.0"));
}

TAMARIND_TEST_MAIN(tst_FileVersionReader)
#include "tst_fileversionreader.moc"
