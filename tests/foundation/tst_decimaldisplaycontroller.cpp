#include "clickablewidgetcontroller.h"
#include "decimaldisplaycontroller.h"
#include "tamarindsettings.h"
#include "testsupport.h"

#include <QWidget>

class tst_DecimalDisplayController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void storedSeparatorOfAnotherCharacterReadsAsPoint();

    void Str2Double_data();
    void Str2Double();
    void Double2Str_data();
    void Double2Str();
    void choiceIsStoredAtOnce();
    void unregisteredWidgetIsIgnored();
    void factoryResetRestoresPointAndMarksIt();

private:
    void select(QChar pSeparator);

    QWidget mPage;
    QWidget* mPoint = nullptr;
    QWidget* mComma = nullptr;
    TClickableWidgetController mList{nullptr};
    QChar mSeparatorAtStart;
};

void tst_DecimalDisplayController::initTestCase()
{
    // Read once, when the controller is made; a digit as separator showed 25.5 as 2555.
    TAMARIND_WRITE_DEVICE_FILE(QString::fromLatin1(TTamarindSettings::SETTINGS_FILE_PATH),
                               "<settings><language><decimal_separator>5</decimal_separator></language></settings>");
    mSeparatorAtStart = TDecimalDisplayController::instance().decimalSeparator();
    mPoint = new QWidget(&mPage);
    mComma = new QWidget(&mPage);
    mList.addWidget(mPoint, nullptr);
    mList.addWidget(mComma, nullptr);
    TDecimalDisplayController& controller = TDecimalDisplayController::instance();
    controller.registerWidget(mPoint, QLatin1Char('.'));
    controller.registerWidget(mComma, QLatin1Char(','));
    controller.setWidgetController(&mList);
}

void tst_DecimalDisplayController::init()
{
    select(QLatin1Char('.'));
}

void tst_DecimalDisplayController::storedSeparatorOfAnotherCharacterReadsAsPoint()
{
    QCOMPARE(mSeparatorAtStart, QLatin1Char('.'));
}

void tst_DecimalDisplayController::select(QChar pSeparator)
{
    // The way the user chooses: lifting the finger from the entry of the list.
    QTest::mouseRelease(pSeparator == QLatin1Char(',') ? mComma : mPoint, Qt::LeftButton);
    QCOMPARE(TDecimalDisplayController::instance().decimalSeparator(), pSeparator);
}

void tst_DecimalDisplayController::Str2Double_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("success");
    QTest::addColumn<double>("value");
    QTest::newRow("comma read with comma") << QChar(',') << "1,5" << true << 1.5;
    QTest::newRow("point still read with comma") << QChar(',') << "1.5" << true << 1.5;
    QTest::newRow("point read with point") << QChar('.') << "1.5" << true << 1.5;
    QTest::newRow("exponent form") << QChar(',') << "-2,5e-05" << true << -2.5e-05;
    QTest::newRow("minus sign alone") << QChar('.') << "-" << false << 0.0;
    QTest::newRow("empty text") << QChar(',') << "" << false << 0.0;
    QTest::newRow("letters") << QChar('.') << "abc" << false << 0.0;
}

void tst_DecimalDisplayController::Str2Double()
{
    QFETCH(QChar, separator);
    QFETCH(QString, text);
    QFETCH(bool, success);
    QFETCH(double, value);

    select(separator);
    bool parsed = !success;
    QCOMPARE(TDecimalDisplayController::instance().Str2Double(text, parsed), value);
    QCOMPARE(parsed, success);
}

void tst_DecimalDisplayController::Double2Str_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("form");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("precision");
    QTest::addColumn<QString>("text");
    QTest::newRow("six significant digits with point") << QChar('.') << "default" << 1234.5678 << 6 << "1234.57";
    QTest::newRow("six significant digits with comma") << QChar(',') << "default" << 1234.5678 << 6 << "1234,57";
    QTest::newRow("fixed decimals") << QChar('.') << "fixed" << 0.1 << 3 << "0.100";
    QTest::newRow("fixed decimals with comma") << QChar(',') << "fixed" << -12.34 << 1 << "-12,3";
    QTest::newRow("significant digits switch to exponent")
        << QChar(',') << "significant" << 1234567.0 << 3 << "1,23e+06";
    QTest::newRow("scientific with point") << QChar('.') << "scientific" << 1234.5678 << 2 << "1.23e+03";
    QTest::newRow("scientific with comma") << QChar(',') << "scientific" << 0.000271 << 3 << "2,710e-04";
}

void tst_DecimalDisplayController::Double2Str()
{
    QFETCH(QChar, separator);
    QFETCH(QString, form);
    QFETCH(double, value);
    QFETCH(int, precision);
    QFETCH(QString, text);

    select(separator);
    const TDecimalDisplayController& controller = TDecimalDisplayController::instance();
    if (form == QLatin1String("default"))
        QCOMPARE(controller.Double2Str(value), text);
    else if (form == QLatin1String("fixed"))
        QCOMPARE(controller.Double2Str(value, precision, false), text);
    else if (form == QLatin1String("significant"))
        QCOMPARE(controller.Double2Str(value, precision), text);
    else
        QCOMPARE(controller.Double2ScientificStr(value, precision), text);
}

void tst_DecimalDisplayController::choiceIsStoredAtOnce()
{
    select(QLatin1Char(','));
    // A fresh store reads the file as the next start of the instrument would.
    TTamarindSettings nextStart(QString::fromLatin1(TTamarindSettings::SETTINGS_FILE_PATH));
    QCOMPARE(nextStart.value(QStringLiteral("language"), QStringLiteral("decimal_separator")), QStringLiteral(","));
}

void tst_DecimalDisplayController::unregisteredWidgetIsIgnored()
{
    select(QLatin1Char(','));
    QWidget stranger;
    TDecimalDisplayController::instance().decimalSeparatorSelected(&stranger);
    QCOMPARE(TDecimalDisplayController::instance().decimalSeparator(), QLatin1Char(','));
}

void tst_DecimalDisplayController::factoryResetRestoresPointAndMarksIt()
{
    select(QLatin1Char(','));
    QVERIFY(mList.isWidgetActive(mComma));
    TDecimalDisplayController::instance().factoryReset();
    QCOMPARE(TDecimalDisplayController::instance().decimalSeparator(), QLatin1Char('.'));
    QVERIFY(mList.isWidgetActive(mPoint));
    TTamarindSettings nextStart(QString::fromLatin1(TTamarindSettings::SETTINGS_FILE_PATH));
    QCOMPARE(nextStart.value(QStringLiteral("language"), QStringLiteral("decimal_separator")), QStringLiteral("."));
}

TAMARIND_TEST_MAIN(tst_DecimalDisplayController)
#include "tst_decimaldisplaycontroller.moc"
