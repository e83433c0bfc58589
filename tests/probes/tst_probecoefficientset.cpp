#include "probecoefficientset.h"
#include "testsupport.h"

#include <QTest>

#include <cmath>
#include <limits>

namespace
{
const double NaN = std::numeric_limits<double>::quiet_NaN();
using TEntries = QList<QPair<QString, double>>;
} // namespace

class tst_ProbeCoefficientSet : public QObject
{
    Q_OBJECT

private slots:
    void missingValues_data();
    void missingValues();
};

// What a set filled with these entries says before and after the missing
// values are completed.
void tst_ProbeCoefficientSet::missingValues_data()
{
    QTest::addColumn<TEntries>("entries");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("emptyBefore");
    QTest::addColumn<double>("valueBefore");
    QTest::addColumn<double>("withDefaultBefore");
    QTest::addColumn<double>("valueAfter");

    QTest::newRow("new set") << TEntries{} << "A" << true << NaN << 5.0 << NaN;
    QTest::newRow("only missing values") << TEntries{{"A", NaN}, {"B", NaN}} << "A" << true << NaN << NaN << 0.0;
    QTest::newRow("absent name gives the default") << TEntries{{"A", 1.5}} << "B" << false << NaN << 5.0 << NaN;
    QTest::newRow("same name twice keeps the last value")
        << TEntries{{"A", 1.5}, {"A", -2.0}} << "A" << false << -2.0 << -2.0 << -2.0;
    QTest::newRow("names are case-sensitive") << TEntries{{"a", 1.5}, {"A", NaN}} << "A" << false << NaN << NaN << 0.0;
}

void tst_ProbeCoefficientSet::missingValues()
{
    QFETCH(TEntries, entries);
    QFETCH(QString, name);
    QFETCH(bool, emptyBefore);
    QFETCH(double, valueBefore);
    QFETCH(double, withDefaultBefore);
    QFETCH(double, valueAfter);

    const auto same = [](double pActual, double pExpected) {
        return std::isnan(pExpected) ? std::isnan(pActual) : pActual == pExpected;
    };
    TProbeCoefficientSet set;
    for (const auto& entry : entries)
        set.addCoefficient(entry.first, entry.second);
    QCOMPARE(set.isEmpty(), emptyBefore);
    QVERIFY(same(set.coefficient(name), valueBefore));
    QVERIFY(same(set.coefficient(name, 5.0), withDefaultBefore));

    set.setDefaultCoefficients();
    QVERIFY(same(set.coefficient(name), valueAfter));
    // Completing names no new coefficient: a set that held names has values now.
    QCOMPARE(set.isEmpty(), entries.isEmpty());
}

TAMARIND_TEST_MAIN(tst_ProbeCoefficientSet)
#include "tst_probecoefficientset.moc"
