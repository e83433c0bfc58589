#include "logfiletail.h"
#include "testsupport.h"

#include <QFile>

namespace
{
const QByteArray HEADER = "ZTM8800\r\nSerial number: 1\r\nStart time: 01/01/2026 08:00:00\r\n\r\n"
                          "Date;Time;Channel;Temperature value;Unit\r\n";

// Data line n, long enough that a few hundred of them pass the first read from the end.
QByteArray dataLine(int pNumber, int pPadding = 60)
{
    return "01/01/2026;08:00:00;Channel " + QByteArray::number(pNumber) + ";" + QByteArray(pPadding, '1') +
           ";\xC2\xB0"
           "C";
}

QStringList dataLines(int pFirst, int pLast, int pPadding = 60)
{
    QStringList lines;
    for (int n = pFirst; n <= pLast; ++n)
        lines << QString::fromUtf8(dataLine(n, pPadding));
    return lines;
}

QByteArray body(int pCount, const QByteArray& pLineEnd, int pPadding = 60)
{
    QByteArray content;
    for (int n = 1; n <= pCount; ++n)
        content += dataLine(n, pPadding) + pLineEnd;
    return content;
}
} // namespace

// The content view's lines read back from the end of a log file: the same
// lines as reading it from the start, whatever its length.
class tst_LogfileTail : public QObject
{
    Q_OBJECT

private slots:
    void lastLinesAreThoseAfterTheHeader_data();
    void lastLinesAreThoseAfterTheHeader();
};

void tst_LogfileTail::lastLinesAreThoseAfterTheHeader_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("far more lines than the first read holds") << HEADER + body(5000, "\r\n") << dataLines(4901, 5000);
    // 164 bytes a line: the first read from the end holds 99 whole lines and the end of another.
    QTest::newRow("a read from the end that starts inside a line")
        << HEADER + body(300, "\r\n", 126) << dataLines(201, 300, 126);
    QTest::newRow("line feeds alone") << HEADER + body(300, "\n") << dataLines(201, 300);
    QTest::newRow("fewer lines than asked for") << HEADER + body(3, "\r\n") << dataLines(1, 3);
    QTest::newRow("exactly as many as asked for") << HEADER + body(100, "\r\n") << dataLines(1, 100);
    QTest::newRow("last line without its end") << HEADER + body(150, "\r\n") + dataLine(151) << dataLines(52, 151);
    QTest::newRow("empty lines between the data do not count") << HEADER + body(120, "\r\n\r\n") << dataLines(21, 120);
    // A long probe list in the header: only the data behind it counts.
    QTest::newRow("header longer than the first read")
        << QByteArray("ZTM8800\r\n") + body(400, "\r\n") + "\r\nDate;Time\r\n" + dataLine(1) + "\r\n"
        << dataLines(1, 1);
    QTest::newRow("header without data") << HEADER << QStringList();
    QTest::newRow("no end of the header") << QByteArray("ZTM8800\r\n") + body(200, "\r\n") << QStringList();
    QTest::newRow("empty file") << QByteArray() << QStringList();
}

void tst_LogfileTail::lastLinesAreThoseAfterTheHeader()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, lines);

    TAMARIND_SCRATCH_FOLDER(directory, QStringLiteral("tail"));
    QFile file(directory.filePath(QStringLiteral("log")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), qint64(content.size()));
    file.close();
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(TLogfileTail::lastDataLines(file, 100), lines);
}

TAMARIND_TEST_MAIN(tst_LogfileTail)
#include "tst_logfiletail.moc"
