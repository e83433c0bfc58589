#include "scpiparser.h"
#include "testsupport.h"

// The grammar of one remote command line, against the examples the protocol gives.
class tst_SCPIParser : public QObject
{
    Q_OBJECT

private slots:
    void parsesLines_data();
    void parsesLines();
    void malformedParametersFail_data();
    void malformedParametersFail();
    void longRangesAreRefusedBeyondTheLimit_data();
    void longRangesAreRefusedBeyondTheLimit();
    void parameterTexts_data();
    void parameterTexts();
    void integersAreNumbersToo();

private:
    // Each parameter as kind letter and text: I integer, N numeric, S text, L channel list.
    static QStringList describe(const TSCPICommand& pCommand);
};

QStringList tst_SCPIParser::describe(const TSCPICommand& pCommand)
{
    QStringList parameters;
    for (const auto& parameter : pCommand.parameters()) {
        const TSCPIParameter* p = parameter.get();
        QString kind = QStringLiteral("?");
        if (dynamic_cast<const TSCPIIntegerParameter*>(p))
            kind = QStringLiteral("I");
        else if (dynamic_cast<const TSCPINumericParameter*>(p))
            kind = QStringLiteral("N");
        else if (dynamic_cast<const TSCPIStringParameter*>(p))
            kind = QStringLiteral("S");
        else if (dynamic_cast<const TSCPIChannelListParameter*>(p))
            kind = QStringLiteral("L");
        parameters << kind + QLatin1Char(':') + p->toString();
    }
    return parameters;
}

void tst_SCPIParser::parsesLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QStringList>("parameters");
    QTest::newRow("header alone, upper case") << "SYST:REMO"
                                              << "syst:remo" << QStringList();
    QTest::newRow("quoted text keeps its case") << "prob:iden 1,'Ref PRT'"
                                                << "prob:iden" << QStringList{"I:1", "S:Ref PRT"};
    QTest::newRow("list with a range") << "meas:curr? (@1,3:5,2)"
                                       << "meas:curr?" << QStringList{"L:(@1,3,4,5,2)"};
    QTest::newRow("falling range") << "meas:curr? (@5:3)"
                                   << "meas:curr?" << QStringList{"L:(@5,4,3)"};
    QTest::newRow("duplicates kept") << "meas:curr? (@2,2)"
                                     << "meas:curr?" << QStringList{"L:(@2,2)"};
    QTest::newRow("list without parentheses is split") << "x @1,2"
                                                       << "x" << QStringList{"L:(@1)", "I:2"};
    QTest::newRow("integer, number, text, blanks trimmed") << "x 1, 2.5 ,abc"
                                                           << "x" << QStringList{"I:1", "N:2.5", "S:abc"};
    QTest::newRow("exponent") << "x 1e3"
                              << "x" << QStringList{"N:1000"};
    QTest::newRow("beyond 32 bits") << "x 3000000000"
                                    << "x" << QStringList{"N:3e+09"};
    QTest::newRow("commas in single quotes") << "x 'a,b',2"
                                             << "x" << QStringList{"S:a,b", "I:2"};
    QTest::newRow("single quotes in double quotes") << "x \"it's, here\""
                                                    << "x" << QStringList{"S:it's, here"};
    QTest::newRow("quote alone is the empty text") << "x '"
                                                   << "x" << QStringList{"S:"};
    QTest::newRow("unterminated quote is dropped") << "x 'abc,5"
                                                   << "x" << QStringList{};
    QTest::newRow("open parenthesis in quotes swallows the rest") << "x '(a',5,6"
                                                                  << "x" << QStringList{};
    QTest::newRow("empty piece between commas") << "x 1,,2"
                                                << "x" << QStringList{"I:1", "S:", "I:2"};
    QTest::newRow("trailing comma adds nothing") << "x 1,"
                                                 << "x" << QStringList{"I:1"};
    QTest::newRow("comma always separates") << "x 1,5"
                                            << "x" << QStringList{"I:1", "I:5"};
    QTest::newRow("no unit suffixes") << "x 25C,1k"
                                      << "x" << QStringList{"S:25C", "S:1k"};
    QTest::newRow("unclosed list is text") << "x (@1,2"
                                           << "x" << QStringList{"S:(@1,2"};
    QTest::newRow("parentheses keep a comma") << "x (1,2)"
                                              << "x" << QStringList{"S:1,2"};
    QTest::newRow("single value in parentheses") << "x (5)"
                                                 << "x" << QStringList{"I:5"};
    QTest::newRow("tab does not separate") << "x\t5"
                                           << "x\t5" << QStringList{};
    QTest::newRow("leading blank leaves no header") << " *idn?"
                                                    << "" << QStringList{"S:*idn?"};
    QTest::newRow("negative integer") << "x -5"
                                      << "x" << QStringList{"I:-5"};
}

void tst_SCPIParser::parsesLines()
{
    QFETCH(QString, line);
    QFETCH(QString, header);
    QFETCH(QStringList, parameters);
    bool valid = false;
    const TSCPICommand command = TSCPIParser().parseCommand(line, valid);
    QVERIFY(valid);
    QCOMPARE(command.commandName(), header);
    QCOMPARE(command.isValid(), !header.isEmpty());
    QCOMPARE(describe(command), parameters);
}

void tst_SCPIParser::malformedParametersFail_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("element no number") << "x (@1,a)";
    QTest::newRow("two colons") << "x (@1:2:3)";
    QTest::newRow("empty list") << "x (@)";
    QTest::newRow("bare at sign") << "x @";
    QTest::newRow("empty element") << "x (@1,,2)";
    QTest::newRow("range side no number") << "x (@1:b)";
    QTest::newRow("in a measure query") << "meas:curr? (@1,x)";
    QTest::newRow("not a number") << "sens:frtd:rang nan,nan";
    QTest::newRow("infinite second number") << "sens:frtd:coef 2,inf";
    QTest::newRow("negative infinity among numbers") << "cal:fact:data 1,-inf,1,2024,1,1";
    QTest::newRow("upper-case NaN") << "x NaN";
}

void tst_SCPIParser::malformedParametersFail()
{
    QFETCH(QString, line);
    bool valid = true;
    TSCPIParser().parseCommand(line, valid);
    QVERIFY(!valid);
}

void tst_SCPIParser::longRangesAreRefusedBeyondTheLimit_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("valid");
    const int limit = TSCPIParser::MAX_CHANNEL_LIST_LENGTH;
    QTest::newRow("range of the limit") << QStringLiteral("x (@1:%1)").arg(limit) << true;
    QTest::newRow("range one beyond") << QStringLiteral("x (@1:%1)").arg(limit + 1) << false;
    QTest::newRow("two ranges together beyond") << QStringLiteral("x (@1:%1,1:2)").arg(limit - 1) << false;
    QTest::newRow("two thousand million") << "x (@1:2000000000)" << false;
    QTest::newRow("full 32-bit span") << "x (@-2147483648:2147483647)" << false;
}

void tst_SCPIParser::longRangesAreRefusedBeyondTheLimit()
{
    QFETCH(QString, line);
    QFETCH(bool, valid);
    bool parsed = !valid;
    const TSCPICommand command = TSCPIParser().parseCommand(line, parsed);
    QCOMPARE(parsed, valid);
    if (valid)
        QCOMPARE(dynamic_cast<const TSCPIChannelListParameter&>(*command.parameters().at(0)).channels().size(),
                 TSCPIParser::MAX_CHANNEL_LIST_LENGTH);
}

void tst_SCPIParser::parameterTexts_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("text");
    QTest::newRow("falling list") << "x (@3:1)"
                                  << "(@3,2,1)";
    QTest::newRow("number 0.1") << "x 0.1"
                                << "0.1";
    QTest::newRow("integer -5") << "x -5"
                                << "-5";
}

void tst_SCPIParser::parameterTexts()
{
    QFETCH(QString, line);
    QFETCH(QString, text);
    bool valid = false;
    const TSCPICommand command = TSCPIParser().parseCommand(line, valid);
    QCOMPARE(command.parameters().at(0)->toString(), text);
    QCOMPARE(TSCPIChannelListParameter().toString(), QStringLiteral("(@)"));
}

void tst_SCPIParser::integersAreNumbersToo()
{
    bool valid = false;
    const TSCPICommand command = TSCPIParser().parseCommand(QStringLiteral("x 7"), valid);
    const auto* number = dynamic_cast<const TSCPINumericParameter*>(command.parameters().at(0).get());
    QVERIFY(number);
    QCOMPARE(number->val(), 7.0);
}

TAMARIND_TEST_MAIN(tst_SCPIParser)
#include "tst_scpiparser.moc"
