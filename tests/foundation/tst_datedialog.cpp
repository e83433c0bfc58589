#include "datedialog.h"
#include "padkeys.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QLabel>

namespace
{
struct TDateView
{
    QString first;
    QString second;
    QString year;
    QString format;
    QStringList keysShown;
};

TDateView viewOf(QWidget* pDialog)
{
    TDateView view;
    view.first = childOf<QAbstractButton>(pDialog, "BtnSetDate_Val1")->text();
    view.second = childOf<QAbstractButton>(pDialog, "BtnSetDate_Val2")->text();
    view.year = childOf<QAbstractButton>(pDialog, "BtnSetDate_Year")->text();
    view.format = childOf<QLabel>(pDialog, "LblDateFormat")->text();
    for (const char* key : {"BtnReturnToMainMenu", "BtnCancel", "BtnSave"}) {
        if (childOf<QWidget>(pDialog, key)->isVisible())
            view.keysShown << QLatin1String(key);
    }
    return view;
}

// Touches a date key and types the digits on the pad that opens; notes the
// limits the pad showed.
void typeField(QWidget* pDialog, const char* pKey, const QStringList& pDigits, QString* oLimits = nullptr)
{
    TModalAnswer::onNextModal([pDigits, oLimits](QWidget* pPad) {
        pressKeys(pPad, pDigits);
        if (oLimits)
            *oLimits =
                childOf<QLabel>(pPad, "LblMin")->text() + QLatin1Char(' ') + childOf<QLabel>(pPad, "LblMax")->text();
        pressKeys(pPad, {childOf<QWidget>(pPad, "BtnAccept")->isVisible() ? "BtnAccept" : "BtnCancel"});
    });
    pressKeys(pDialog, {pKey});
}
} // namespace

class tst_DateDialog : public QObject
{
    Q_OBJECT

private slots:
    void fieldOrderFollowsTheFormat_data();
    void fieldOrderFollowsTheFormat();
    void enteredDate_data();
    void enteredDate();
    void fieldLimitsFollowTheFormat_data();
    void fieldLimitsFollowTheFormat();
    void keysFromTheMask();
    void undefinedFormatShowsNothing();
    void okWithAnEmptyFieldGivesNoDate_data();
    void okWithAnEmptyFieldGivesNoDate();
};

void tst_DateDialog::fieldOrderFollowsTheFormat_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("formatText");
    QTest::newRow("day first") << int(dfDDMMYYYY) << QDate(2024, 3, 5) << "05"
                               << "03"
                               << "2024"
                               << "dd/mm/yyyy";
    QTest::newRow("month first") << int(dfMMDDYYYY) << QDate(2024, 3, 5) << "03"
                                 << "05"
                                 << "2024"
                                 << "mm/dd/yyyy";
    QTest::newRow("invalid date leaves the keys empty") << int(dfDDMMYYYY) << QDate() << ""
                                                        << ""
                                                        << ""
                                                        << "dd/mm/yyyy";
}

void tst_DateDialog::fieldOrderFollowsTheFormat()
{
    QFETCH(int, format);
    QFETCH(QDate, date);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, year);
    QFETCH(QString, formatText);

    TDateView view;
    TModalAnswer::onNextModal([&view](QWidget* pDialog) {
        view = viewOf(pDialog);
        pressKeys(pDialog, {"BtnCancel"});
    });
    TDateDialog dialog(nullptr);
    const QDate opened = date;
    QVERIFY(!dialog.showDateDialog(QStringLiteral("Calibration date"), static_cast<EnDateFormat>(format), date, 6));
    QCOMPARE(view.first, first);
    QCOMPARE(view.second, second);
    QCOMPARE(view.year, year);
    QCOMPARE(view.format, formatText);
    QCOMPARE(date, opened);
}

void tst_DateDialog::enteredDate_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QStringList>("firstDigits");
    QTest::addColumn<QStringList>("secondDigits");
    QTest::addColumn<QStringList>("yearDigits");
    QTest::addColumn<QDate>("result");
    QTest::newRow("day 31 of a 30-day month runs on")
        << int(dfDDMMYYYY) << QStringList{"Btn3", "Btn1"} << QStringList{"Btn4"}
        << QStringList{"Btn2", "Btn0", "Btn2", "Btn4"} << QDate(2024, 5, 1);
    QTest::newRow("29 February in a leap year") << int(dfDDMMYYYY) << QStringList{"Btn2", "Btn9"} << QStringList{"Btn2"}
                                                << QStringList{"Btn2", "Btn0", "Btn2", "Btn4"} << QDate(2024, 2, 29);
    QTest::newRow("31 February runs into March")
        << int(dfMMDDYYYY) << QStringList{"Btn2"} << QStringList{"Btn3", "Btn1"}
        << QStringList{"Btn2", "Btn0", "Btn2", "Btn3"} << QDate(2023, 3, 3);
}

void tst_DateDialog::enteredDate()
{
    QFETCH(int, format);
    QFETCH(QStringList, firstDigits);
    QFETCH(QStringList, secondDigits);
    QFETCH(QStringList, yearDigits);
    QFETCH(QDate, result);

    TModalAnswer::onNextModal([&](QWidget* pDialog) {
        typeField(pDialog, "BtnSetDate_Val1", firstDigits);
        typeField(pDialog, "BtnSetDate_Val2", secondDigits);
        typeField(pDialog, "BtnSetDate_Year", yearDigits);
        pressKeys(pDialog, {"BtnSave"});
    });
    TDateDialog dialog(nullptr);
    QDate date(2000, 1, 1);
    QVERIFY(dialog.showDateDialog(QString(), static_cast<EnDateFormat>(format), date, 6));
    QCOMPARE(date, result);
}

void tst_DateDialog::fieldLimitsFollowTheFormat_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("limits");
    QTest::newRow("day first: first key is the day") << int(dfDDMMYYYY) << "BtnSetDate_Val1"
                                                     << "|< 1 31 >|";
    QTest::newRow("month first: first key is the month") << int(dfMMDDYYYY) << "BtnSetDate_Val1"
                                                         << "|< 1 12 >|";
    QTest::newRow("year") << int(dfMMDDYYYY) << "BtnSetDate_Year"
                          << "|< 1900 9999 >|";
}

void tst_DateDialog::fieldLimitsFollowTheFormat()
{
    QFETCH(int, format);
    QFETCH(QString, key);
    QFETCH(QString, limits);

    QString shown;
    QString keyText;
    TModalAnswer::onNextModal([&](QWidget* pDialog) {
        // Out of range: the pad cannot confirm, so the key keeps its text.
        typeField(pDialog, qPrintable(key), {"Btn9", "Btn9", "Btn9", "Btn9", "Btn9"}, &shown);
        keyText = childOf<QAbstractButton>(pDialog, qPrintable(key))->text();
        pressKeys(pDialog, {"BtnCancel"});
    });
    TDateDialog dialog(nullptr);
    QDate date(2024, 3, 5);
    dialog.showDateDialog(QString(), static_cast<EnDateFormat>(format), date, 6);
    QCOMPARE(shown, limits);
    QVERIFY(!keyText.isEmpty());
    QVERIFY(!keyText.startsWith(QLatin1String("99")));
}

void tst_DateDialog::keysFromTheMask()
{
    TDateView view;
    TModalAnswer::onNextModal([&view](QWidget* pDialog) {
        view = viewOf(pDialog);
        pressKeys(pDialog, {"BtnSave"});
    });
    TDateDialog dialog(nullptr);
    QDate date(2024, 3, 5);
    QVERIFY(dialog.showDateDialog(QString(), dfDDMMYYYY, date, TDateDialog::BTN_CANCEL | TDateDialog::BTN_OK));
    QCOMPARE(view.keysShown, QStringList({"BtnCancel", "BtnSave"}));

    TModalAnswer::onNextModal([&view](QWidget* pDialog) {
        view = viewOf(pDialog);
        pressKeys(pDialog, {"BtnReturnToMainMenu"});
    });
    TDateDialog homeOnly(nullptr);
    QVERIFY(!homeOnly.showDateDialog(QString(), dfDDMMYYYY, date, TDateDialog::BTN_HOME));
    QCOMPARE(view.keysShown, QStringList({"BtnReturnToMainMenu"}));
    QCOMPARE(date, QDate(2024, 3, 5));
}

void tst_DateDialog::undefinedFormatShowsNothing()
{
    TDateDialog dialog(nullptr);
    QDate date(2024, 3, 5);
    QVERIFY(!dialog.showDateDialog(QString(), dfUndefined, date, 6));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(date, QDate(2024, 3, 5));
}

void tst_DateDialog::okWithAnEmptyFieldGivesNoDate_data()
{
    QTest::addColumn<QStringList>("filledKeys");

    QTest::newRow("month left empty") << QStringList{"BtnSetDate_Val1", "BtnSetDate_Year"};
    // Day 0 would run back to the last day of the month before.
    QTest::newRow("day left empty") << QStringList{"BtnSetDate_Val2", "BtnSetDate_Year"};
    QTest::newRow("year left empty") << QStringList{"BtnSetDate_Val1", "BtnSetDate_Val2"};
}

void tst_DateDialog::okWithAnEmptyFieldGivesNoDate()
{
    QFETCH(QStringList, filledKeys);

    TModalAnswer::onNextModal([filledKeys](QWidget* pDialog) {
        for (const QString& key : filledKeys) {
            const QStringList digits = key == QLatin1String("BtnSetDate_Year")
                                           ? QStringList{"Btn2", "Btn0", "Btn2", "Btn4"}
                                           : QStringList{"Btn5"};
            typeField(pDialog, key.toLatin1().constData(), digits);
        }
        pressKeys(pDialog, {"BtnSave"});
    });
    TDateDialog dialog(nullptr);
    QDate date;
    QVERIFY(!dialog.showDateDialog(QString(), dfDDMMYYYY, date, 6));
    QVERIFY(!date.isValid());
}

TAMARIND_TEST_MAIN(tst_DateDialog)
#include "tst_datedialog.moc"
