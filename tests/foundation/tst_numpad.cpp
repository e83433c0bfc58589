#include "decimaldisplaycontroller.h"
#include "numpad.h"
#include "padkeys.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QLabel>
#include <QSignalSpy>
#include <QTimer>

namespace
{
QWidget* separatorChoice(QChar pSeparator)
{
    static QWidget point;
    static QWidget comma;
    return pSeparator == QLatin1Char(',') ? &comma : &point;
}

void useSeparator(QChar pSeparator)
{
    TDecimalDisplayController& controller = TDecimalDisplayController::instance();
    controller.registerWidget(separatorChoice(QLatin1Char('.')), QLatin1Char('.'));
    controller.registerWidget(separatorChoice(QLatin1Char(',')), QLatin1Char(','));
    controller.decimalSeparatorSelected(separatorChoice(pSeparator));
}

// What the pad showed at the moment the keys had been pressed.
struct TPadView
{
    QString mantissa;
    QString exponent;
    bool okShown = false;
    bool separatorShown = false;
    QString separatorKey;
    QString minimum;
    QString maximum;
    bool limitsShown = false;
};

TPadView viewOf(QWidget* pPad)
{
    TPadView view;
    view.mantissa = childOf<QLabel>(pPad, "LblValue")->text();
    view.exponent = childOf<QLabel>(pPad, "LblValueExp")->text();
    view.okShown = childOf<QWidget>(pPad, "BtnAccept")->isVisible();
    view.separatorShown = childOf<QWidget>(pPad, "BtnDecSep")->isVisible();
    view.separatorKey = childOf<QAbstractButton>(pPad, "BtnDecSep")->text();
    view.minimum = childOf<QLabel>(pPad, "LblMin")->text();
    view.maximum = childOf<QLabel>(pPad, "LblMax")->text();
    view.limitsShown = childOf<QLabel>(pPad, "LblMin")->isVisible();
    return view;
}

// Presses the keys in the pad about to open, notes what it shows, then ends
// with the closing key (none leaves the pad open for the caller's own steps).
void answerPad(const QStringList& pKeys, TPadView* oView, const QString& pClosingKey)
{
    TModalAnswer::onNextModal([pKeys, oView, pClosingKey](QWidget* pPad) {
        pressKeys(pPad, pKeys);
        if (oView)
            *oView = viewOf(pPad);
        if (pClosingKey == QLatin1String("BtnAccept") && !childOf<QWidget>(pPad, "BtnAccept")->isVisible()) {
            pressKeys(pPad, {QStringLiteral("BtnCancel")});
            return;
        }
        pressKeys(pPad, {pClosingKey});
    });
}

QTimer* clearTimerOf(QWidget* pPad)
{
    return pPad->findChild<QTimer*>(QString(), Qt::FindDirectChildrenOnly);
}
} // namespace

class tst_Numpad : public QObject
{
    Q_OBJECT

private slots:
    void init() { useSeparator(QLatin1Char('.')); }

    void integerLimits_data();
    void integerLimits();
    void floatLimits_data();
    void floatLimits();
    void unparsableTextIsNeverAccepted_data();
    void unparsableTextIsNeverAccepted();
    void initialExponentIsShownApart_data();
    void initialExponentIsShownApart();
    void exponentKeysEditTheExponent_data();
    void exponentKeysEditTheExponent();
    void separatorKey();
    void limitsWithCommaSeparator();
    void backErasesOneCharacter_data();
    void backErasesOneCharacter();
    void holdingBackClearsTheActiveField();
    void okOnEmptyValueIsCancel();
    void cancelKeepsTheText();
};

void tst_Numpad::integerLimits_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<bool>("okShown");
    QTest::addColumn<int>("value");
    QTest::newRow("the minimum itself") << QStringList{"Btn1"} << true << 1;
    QTest::newRow("the maximum itself") << QStringList{"Btn3", "Btn1"} << true << 31;
    QTest::newRow("one above the maximum") << QStringList{"Btn3", "Btn2"} << false << 0;
    QTest::newRow("one below the minimum") << QStringList{"Btn0"} << false << 0;
    QTest::newRow("a minus sign alone") << QStringList{"BtnChangeSign"} << false << 0;
    QTest::newRow("negative value") << QStringList{"Btn5", "BtnChangeSign"} << false << 0;
}

void tst_Numpad::integerLimits()
{
    QFETCH(QStringList, keys);
    QFETCH(bool, okShown);
    QFETCH(int, value);

    TPadView view;
    answerPad(keys, &view, QStringLiteral("BtnAccept"));
    TNumpad pad(nullptr);
    QString text;
    int output = -1;
    const bool accepted = pad.exec_int(text, output, 1, 31, true);

    QCOMPARE(view.okShown, okShown);
    QCOMPARE(view.limitsShown, true);
    QCOMPARE(view.minimum, QStringLiteral("|< 1"));
    QCOMPARE(view.maximum, QStringLiteral("31 >|"));
    QCOMPARE(view.separatorShown, false);
    QCOMPARE(accepted, okShown);
    QCOMPARE(output, value);
}

void tst_Numpad::floatLimits_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<bool>("okShown");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("the minimum itself") << QStringList{"Btn0", "BtnDecSep", "Btn5"} << true << "0.5" << 0.5;
    QTest::newRow("just below the minimum") << QStringList{"Btn0", "BtnDecSep", "Btn4", "Btn9"} << false << "" << 0.0;
    QTest::newRow("the maximum itself") << QStringList{"Btn1", "Btn0", "Btn0"} << true << "100" << 100.0;
    QTest::newRow("the maximum written with an exponent")
        << QStringList{"Btn1", "BtnExponent", "Btn2"} << true << "1e2" << 100.0;
    QTest::newRow("above the maximum through the exponent")
        << QStringList{"Btn1", "BtnExponent", "Btn3"} << false << "" << 0.0;
    QTest::newRow("small through a negative exponent")
        << QStringList{"Btn5", "BtnExponent", "BtnChangeSign", "Btn1"} << true << "5e-1" << 0.5;
}

void tst_Numpad::floatLimits()
{
    QFETCH(QStringList, keys);
    QFETCH(bool, okShown);
    QFETCH(QString, text);
    QFETCH(double, value);

    TPadView view;
    answerPad(keys, &view, QStringLiteral("BtnAccept"));
    TNumpad pad(nullptr);
    QString valueText;
    double output = -1.0;
    const bool accepted = pad.exec_float(valueText, output, 0.5, 100.0, true);

    QCOMPARE(view.okShown, okShown);
    QCOMPARE(accepted, okShown);
    if (accepted)
        QCOMPARE(valueText, text);
    QCOMPARE(output, value);
}

void tst_Numpad::unparsableTextIsNeverAccepted_data()
{
    QTest::addColumn<bool>("integer");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<bool>("okShown");
    QTest::newRow("float minus sign alone") << false << QStringList{"BtnChangeSign"} << false;
    QTest::newRow("float exponent sign without digits")
        << false << QStringList{"Btn2", "BtnExponent", "BtnChangeSign"} << false;
    QTest::newRow("float digit after the sign") << false << QStringList{"BtnChangeSign", "Btn7"} << true;
    QTest::newRow("integer minus sign alone") << true << QStringList{"BtnChangeSign"} << false;
    QTest::newRow("integer beyond any limit") << true << QStringList{"Btn9", "Btn9", "Btn9", "Btn9"} << true;
}

void tst_Numpad::unparsableTextIsNeverAccepted()
{
    QFETCH(bool, integer);
    QFETCH(QStringList, keys);
    QFETCH(bool, okShown);

    TPadView view;
    answerPad(keys, &view, QStringLiteral("BtnCancel"));
    TNumpad pad(nullptr);
    QString text;
    if (integer) {
        int output = 0;
        pad.exec_int(text, output, 0, 10, false);
    } else {
        double output = 0;
        pad.exec_float(text, output, 0.0, 10.0, false);
    }
    QCOMPARE(view.limitsShown, false);
    QCOMPARE(view.okShown, okShown);
}

void tst_Numpad::initialExponentIsShownApart_data()
{
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QString>("mantissa");
    QTest::addColumn<QString>("exponent");
    QTest::newRow("plus sign and zeros stripped") << "1e+06"
                                                  << "1"
                                                  << "6";
    QTest::newRow("minus sign stops the stripping") << "2.5e-05"
                                                    << "2.5"
                                                    << "-05";
    QTest::newRow("no exponent") << "42.25"
                                 << "42.25"
                                 << "";
    QTest::newRow("exponent of zero vanishes") << "3e+00"
                                               << "3"
                                               << "";
}

void tst_Numpad::initialExponentIsShownApart()
{
    QFETCH(QString, initial);
    QFETCH(QString, mantissa);
    QFETCH(QString, exponent);

    TPadView view;
    answerPad({}, &view, QStringLiteral("BtnAccept"));
    TNumpad pad(nullptr);
    QString text = initial;
    double output = 0;
    QVERIFY(pad.exec_float(text, output, 0, 0, false));
    QCOMPARE(view.mantissa, mantissa);
    QCOMPARE(view.exponent, exponent);
    QCOMPARE(output, initial.toDouble());
}

void tst_Numpad::exponentKeysEditTheExponent_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("mantissa");
    QTest::addColumn<QString>("exponent");
    QTest::addColumn<bool>("separatorShown");
    QTest::newRow("a leading zero does not stay") << QStringList{"Btn4", "BtnExponent", "Btn0"} << "4"
                                                  << "" << false;
    QTest::newRow("zero after a digit stays") << QStringList{"Btn4", "BtnExponent", "Btn1", "Btn0"} << "4"
                                              << "10" << false;
    QTest::newRow("sign acts on the exponent") << QStringList{"Btn4", "BtnExponent", "Btn3", "BtnChangeSign"} << "4"
                                               << "-3" << false;
    QTest::newRow("leaving exponent mode edits the mantissa again")
        << QStringList{"Btn4", "BtnExponent", "Btn3", "BtnExponent", "Btn5"} << "45"
        << "3" << true;
}

void tst_Numpad::exponentKeysEditTheExponent()
{
    QFETCH(QStringList, keys);
    QFETCH(QString, mantissa);
    QFETCH(QString, exponent);
    QFETCH(bool, separatorShown);

    TPadView view;
    answerPad(keys, &view, QStringLiteral("BtnCancel"));
    TNumpad pad(nullptr);
    QString text;
    double output = 0;
    pad.exec_float(text, output, 0, 0, false);
    QCOMPARE(view.mantissa, mantissa);
    QCOMPARE(view.exponent, exponent);
    QCOMPARE(view.separatorShown, separatorShown);
}

void tst_Numpad::separatorKey()
{
    TPadView first;
    TPadView second;
    TPadView third;
    TModalAnswer::onNextModal([&](QWidget* pPad) {
        pressKeys(pPad, {"BtnDecSep"});
        first = viewOf(pPad);
        pressKeys(pPad, {"BtnDecSep"});
        second = viewOf(pPad);
        pressKeys(pPad, {"Btn2", "BtnExponent", "Btn3", "BtnExponent"});
        pressKeys(pPad, {"BtnDecSep"});
        third = viewOf(pPad);
        pressKeys(pPad, {"BtnCancel"});
    });
    TNumpad pad(nullptr);
    QString text;
    double output = 0;
    pad.exec_float(text, output, 0, 0, false);
    QCOMPARE(first.mantissa, QStringLiteral("0."));
    QCOMPARE(second.mantissa, QStringLiteral("0."));
    // A separator already in the mantissa: the key does nothing, the exponent stays.
    QCOMPARE(third.mantissa, QStringLiteral("0.2"));
    QCOMPARE(third.exponent, QStringLiteral("3"));
}

void tst_Numpad::limitsWithCommaSeparator()
{
    useSeparator(QLatin1Char(','));
    TPadView view;
    answerPad({"Btn1", "BtnDecSep", "Btn5"}, &view, QStringLiteral("BtnAccept"));
    TNumpad pad(nullptr);
    QString text;
    double output = 0;
    QVERIFY(pad.exec_float(text, output, 0.5, 100, true));
    QCOMPARE(view.minimum, QStringLiteral("|< 0,5"));
    QCOMPARE(view.maximum, QStringLiteral("100 >|"));
    QCOMPARE(view.separatorKey, QStringLiteral(","));
    QCOMPARE(text, QStringLiteral("1,5"));
    QCOMPARE(output, 1.5);
}

void tst_Numpad::backErasesOneCharacter_data()
{
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QString>("mantissa");
    QTest::newRow("last digit goes") << "123"
                                     << "12";
    QTest::newRow("no lone minus sign after -5") << "-5"
                                                 << "";
    QTest::newRow("minus sign dropped when only zeros stay") << "-0.5"
                                                             << "0.";
    QTest::newRow("minus sign kept while a digit counts") << "-15"
                                                          << "-1";
}

void tst_Numpad::backErasesOneCharacter()
{
    QFETCH(QString, initial);
    QFETCH(QString, mantissa);

    TPadView view;
    answerPad({"BtnBack"}, &view, QStringLiteral("BtnCancel"));
    TNumpad pad(nullptr);
    QString text = initial;
    double output = 0;
    pad.exec_float(text, output, 0, 0, false);
    QCOMPARE(view.mantissa, mantissa);
}

void tst_Numpad::holdingBackClearsTheActiveField()
{
    QString whileHeld;
    QString exponentWhileHeld;
    TPadView afterRelease;
    bool timerAsExpected = false;
    TModalAnswer::onNextModal([&](QWidget* pPad) {
        pressKeys(pPad, {"Btn1", "Btn2", "BtnExponent", "Btn3", "Btn4"});
        auto* back = childOf<QWidget>(pPad, "BtnBack");
        QTimer* timer = clearTimerOf(pPad);
        QTest::mousePress(back, Qt::LeftButton);
        timerAsExpected = timer && timer->isActive() && timer->isSingleShot() && timer->interval() == 1500;
        // Held on: the time-out is what a finger resting on the key produces.
        if (timer) {
            QSignalSpy fired(timer, &QTimer::timeout);
            fired.wait(3000);
        }
        whileHeld = childOf<QLabel>(pPad, "LblValue")->text();
        exponentWhileHeld = childOf<QLabel>(pPad, "LblValueExp")->text();
        QTest::mouseRelease(back, Qt::LeftButton);
        afterRelease = viewOf(pPad);
        pressKeys(pPad, {"BtnCancel"});
    });
    TNumpad pad(nullptr);
    QString text;
    double output = 0;
    pad.exec_float(text, output, 0, 0, false);
    QVERIFY(timerAsExpected);
    QCOMPARE(whileHeld, QStringLiteral("12"));
    QCOMPARE(exponentWhileHeld, QString());
    QCOMPARE(afterRelease.mantissa, QStringLiteral("12"));
    QCOMPARE(afterRelease.exponent, QString());
}

void tst_Numpad::okOnEmptyValueIsCancel()
{
    answerPad({"Btn4", "BtnBack"}, nullptr, QStringLiteral("BtnAccept"));
    TNumpad pad(nullptr);
    QString text;
    int output = 7;
    QVERIFY(!pad.exec_int(text, output, 0, 10, true));
    QCOMPARE(output, 0);
}

void tst_Numpad::cancelKeepsTheText()
{
    answerPad({"Btn9", "Btn9"}, nullptr, QStringLiteral("BtnCancel"));
    TNumpad pad(nullptr);
    QString text = QStringLiteral("2.5");
    double output = 3.0;
    QVERIFY(!pad.exec_float(text, output, 0, 10, true));
    QCOMPARE(text, QStringLiteral("2.5"));
    QCOMPARE(output, 0.0);
}

TAMARIND_TEST_MAIN(tst_Numpad)
#include "tst_numpad.moc"
