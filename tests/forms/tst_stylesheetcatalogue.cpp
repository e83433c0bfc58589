#include "stylesheetcatalogue.h"
#include "testsupport.h"

#include <QPushButton>
#include <QRegularExpression>
#include <QSet>

class tst_StyleSheetCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void everyNumberHasItsOwnSheet();
    void everySheetParses();
    void writtenDifferentlyButAlike_data();
    void writtenDifferentlyButAlike();
    void numbersOutsideTheCatalogueAreEmpty();
};

void tst_StyleSheetCatalogue::everyNumberHasItsOwnSheet()
{
    QSet<QString> texts;
    for (int number = 1; number <= TStyleSheetCatalogue::SHEET_COUNT; ++number) {
        const QString text = TStyleSheetCatalogue::sheet(EnStyleSheet(number));
        // Only the empty sheet is empty; it replaces a button's own sheet.
        QCOMPARE(text.isEmpty(), number == ssEmpty);
        QVERIFY2(!texts.contains(text), qPrintable(QStringLiteral("sheet %1 repeats another").arg(number)));
        texts.insert(text);
    }
    QCOMPARE(texts.size(), 52);
}

void tst_StyleSheetCatalogue::everySheetParses()
{
    // Qt reports a sheet it cannot parse as a warning when it styles a widget, which fails the test.
    for (int number = 1; number <= TStyleSheetCatalogue::SHEET_COUNT; ++number) {
        QPushButton button(QStringLiteral("button"));
        button.setStyleSheet(TStyleSheetCatalogue::sheet(EnStyleSheet(number)));
        button.grab();
    }
}

void tst_StyleSheetCatalogue::writtenDifferentlyButAlike_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::newRow("section heading") << int(ssSectionHeading) << int(ssServiceHeading);
    QTest::newRow("service level buttons") << int(ssServiceLevelButton) << int(ssServiceLevelLeaveButton);
    QTest::newRow("13 pixel labels") << int(ssLabelsFontSize13) << int(ssCalibrationRoutineFields);
    QTest::newRow("calibration file fields") << int(ssCalibrationFileRoutineName) << int(ssCalibrationFileField);
}

void tst_StyleSheetCatalogue::writtenDifferentlyButAlike()
{
    QFETCH(int, first);
    QFETCH(int, second);

    // Distinct sheets whose declarations are the same give the same look.
    auto simplified = [](int pNumber) {
        QString text = TStyleSheetCatalogue::sheet(EnStyleSheet(pNumber));
        return text.remove(QRegularExpression(QStringLiteral("\\s")));
    };
    QVERIFY(TStyleSheetCatalogue::sheet(EnStyleSheet(first)) != TStyleSheetCatalogue::sheet(EnStyleSheet(second)));
    QCOMPARE(simplified(first), simplified(second));
}

void tst_StyleSheetCatalogue::numbersOutsideTheCatalogueAreEmpty()
{
    QVERIFY(TStyleSheetCatalogue::sheet(EnStyleSheet(0)).isEmpty());
    QVERIFY(TStyleSheetCatalogue::sheet(EnStyleSheet(53)).isEmpty());
}

TAMARIND_TEST_MAIN(tst_StyleSheetCatalogue)
#include "tst_stylesheetcatalogue.moc"
