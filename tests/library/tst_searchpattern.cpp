#include "searchpattern.h"
#include "testsupport.h"

class tst_SearchPattern : public QObject
{
    Q_OBJECT

private slots:
    void matches_data();
    void matches();
};

void tst_SearchPattern::matches_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("matches");

    QTest::newRow("prefix with asterisk, longer text") << "Pt*"
                                                       << "Pt100 bath" << true;
    QTest::newRow("prefix with asterisk, prefix alone") << "Pt*"
                                                        << "Pt" << true;
    QTest::newRow("prefix with asterisk, text in front") << "Pt*"
                                                         << "1Pt100" << false;
    QTest::newRow("case counts") << "Pt*"
                                 << "pt100" << false;
    QTest::newRow("empty pattern matches a name") << ""
                                                  << "anything" << true;
    QTest::newRow("empty pattern matches the empty name") << ""
                                                          << "" << true;
    QTest::newRow("no wildcard needs the whole text") << "TC1"
                                                      << "TC12" << false;
    QTest::newRow("no wildcard, equal text") << "TC1"
                                             << "TC1" << true;
    QTest::newRow("dot is any one character") << "T.1"
                                              << "TX1" << true;
    QTest::newRow("dot is exactly one character") << "T.1"
                                                  << "T1" << false;
    QTest::newRow("asterisk in the middle") << "*_2024*.csv"
                                            << "run_2024-05.csv" << true;
    QTest::newRow("asterisk in the name is matched by a wildcard") << "A*"
                                                                   << "A*B" << true;
    QTest::newRow("pattern that is no expression matches nothing") << "[Pt"
                                                                   << "[Pt" << false;
}

void tst_SearchPattern::matches()
{
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QFETCH(bool, matches);

    QCOMPARE(TSearchPattern(pattern).matches(text), matches);
}

TAMARIND_TEST_MAIN(tst_SearchPattern)
#include "tst_searchpattern.moc"
