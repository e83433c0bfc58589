#include "kernelbootargparser.h"
#include "testsupport.h"

#include <QFile>

using TArguments = QMap<QString, QString>;
Q_DECLARE_METATYPE(TArguments)

class tst_KernelBootargParser : public QObject
{
    Q_OBJECT

private slots:
    void parseString_data();
    void parseString();
    void readsProcCmdline();
    void noCmdlineGivesNothing();
};

void tst_KernelBootargParser::parseString_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<TArguments>("arguments");

    QTest::newRow("bare word, logo key, quoted value with a blank")
        << "quiet logo.custom_logo_index=1 label=\"Bath 2\""
        << TArguments{{"quiet", ""}, {"logo.custom_logo_index", "1"}, {"label", "Bath 2"}};
    QTest::newRow("first occurrence wins") << "a=1 a=2" << TArguments{{"a", "1"}};
    QTest::newRow("second equals sign disappears") << "a=b=c" << TArguments{{"a", "bc"}};
    QTest::newRow("quotes inside a word are dropped")
        << "root=/dev/\"mmc blk\"0p2" << TArguments{{"root", "/dev/mmc blk0p2"}};
    QTest::newRow("consecutive blanks give the empty key once")
        << "a=1  b=2   c" << TArguments{{"a", "1"}, {"", ""}, {"b", "2"}, {"c", ""}};
    QTest::newRow("line end stays in the last value")
        << "console=ttyO0,115200n8 logo.custom_logo_index=1\n"
        << TArguments{{"console", "ttyO0,115200n8"}, {"logo.custom_logo_index", "1\n"}};
    QTest::newRow("key with empty value") << "init=" << TArguments{{"init", ""}};
    QTest::newRow("empty text") << "" << TArguments();
}

void tst_KernelBootargParser::parseString()
{
    QFETCH(QString, text);
    QFETCH(TArguments, arguments);

    QCOMPARE(TKernelBootargParser::parseString(text), arguments);
}

void tst_KernelBootargParser::readsProcCmdline()
{
    TAMARIND_WRITE_DEVICE_FILE("/proc/cmdline", "console=ttyO0 rw logo.custom_logo_index=1\n");
    const TArguments arguments = TKernelBootargParser::kernelBootArgs();
    QCOMPARE(arguments.value("console"), QString("ttyO0"));
    QVERIFY(arguments.contains("rw"));
    QCOMPARE(arguments.value("logo.custom_logo_index").toInt(), 1);
}

void tst_KernelBootargParser::noCmdlineGivesNothing()
{
    TTestEnvironment::removeUnderRoot("/proc/cmdline");
    QVERIFY(TKernelBootargParser::kernelBootArgs().isEmpty());
}

TAMARIND_TEST_MAIN(tst_KernelBootargParser)
#include "tst_kernelbootargparser.moc"
