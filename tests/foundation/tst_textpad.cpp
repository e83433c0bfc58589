#include "languagecontroller.h"
#include "padkeys.h"
#include "testsupport.h"
#include "textpad.h"

#include <QSignalSpy>
#include <QStackedWidget>
#include <QTextEdit>
#include <QTimer>

namespace
{
QString textOf(QWidget* pPad)
{
    return childOf<QTextEdit>(pPad, "textEdit")->toPlainText();
}

// Types the keys on the pad about to open and ends with OK.
void typeAndAccept(const QStringList& pKeys)
{
    TModalAnswer::onNextModal([pKeys](QWidget* pPad) {
        pressKeys(pPad, pKeys);
        QStringList accept{QStringLiteral("BtnUp_Accept"), QStringLiteral("BtnLo_Accept"),
                           QStringLiteral("BtnNum_Accept")};
        for (const QString& key : accept) {
            if (childOf<QWidget>(pPad, qPrintable(key))->isVisible()) {
                pressKeys(pPad, {key});
                return;
            }
        }
    });
}
} // namespace

class tst_Textpad : public QObject
{
    Q_OBJECT

private slots:
    void init() { TLanguageController::instance().setLanguage(Languagecontroller::ltEnglishUK); }

    void maximumLength_data();
    void maximumLength();
    void keyboardLayoutFollowsTheLanguage_data();
    void keyboardLayoutFollowsTheLanguage();
    void pagesStayUntilChanged();
    void holdingBackClearsEverything();
    void okWithEmptyText();
    void cancelLeavesTheText();
};

void tst_Textpad::maximumLength_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("result");
    QTest::newRow("one more key fits, the next is ignored")
        << 4 << "abc" << QStringList{"BtnUp_D", "BtnUp_E"} << "abcD";
    QTest::newRow("a space counts") << 4 << "abc" << QStringList{"BtnUp_Space", "BtnUp_Q"} << "abc ";
    QTest::newRow("nothing fits into zero") << 0 << "" << QStringList{"BtnUp_Q", "BtnUp_Space"} << "";
    QTest::newRow("negative means no limit")
        << -1 << "0123456789" << QStringList{"BtnUp_SwitchNumbers", "BtnNum_1", "BtnNum_Dot", "BtnNum_5"}
        << "01234567891.5";
    QTest::newRow("longer initial text shown unchanged, only shrinks")
        << 2 << "abcd" << QStringList{"BtnUp_Q", "BtnUp_Back"} << "abc";
}

void tst_Textpad::maximumLength()
{
    QFETCH(int, maximum);
    QFETCH(QString, initial);
    QFETCH(QStringList, keys);
    QFETCH(QString, result);

    typeAndAccept(keys);
    TTextpad pad(nullptr);
    QString text = initial;
    QVERIFY(pad.showTextpad(text, maximum));
    QCOMPARE(text, result);
}

void tst_Textpad::keyboardLayoutFollowsTheLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("typed");
    // Typed with the key at row 0 column 5 and the key at row 2 column 1 of
    // both letter pages.
    QTest::newRow("German keeps QWERTZ") << int(Languagecontroller::ltGerman) << "ZYzy";
    QTest::newRow("English (UK) uses QWERTY") << int(Languagecontroller::ltEnglishUK) << "YZyz";
    QTest::newRow("French uses QWERTY") << int(Languagecontroller::ltFrench) << "YZyz";
}

void tst_Textpad::keyboardLayoutFollowsTheLanguage()
{
    QFETCH(int, language);
    QFETCH(QString, typed);

    TLanguageController::instance().setLanguage(static_cast<Languagecontroller::EnLanguageType>(language));
    typeAndAccept({"BtnUp_Z", "BtnUp_Y", "BtnUp_SwitchLower", "BtnLo_z", "BtnLo_y"});
    TTextpad pad(nullptr);
    QString text;
    QVERIFY(pad.showTextpad(text, -1));
    QCOMPARE(text, typed);
}

void tst_Textpad::pagesStayUntilChanged()
{
    typeAndAccept({"BtnUp_SwitchLower", "BtnLo_oe", "BtnLo_l", "BtnUp_A"});
    TTextpad first(nullptr);
    QString text;
    // Typing does not bring the capitals back: their keys stay out of reach.
    QTest::ignoreMessage(QtWarningMsg, "pressKeys: no key BtnUp_A to touch");
    QVERIFY(first.showTextpad(text, -1));
    QCOMPARE(text, QStringLiteral("öl"));

    typeAndAccept({"BtnUp_AE", "BtnUp_SwitchNumbers", "BtnNum_Slash", "BtnNum_SwitchUpper", "BtnUp_X",
                   "BtnUp_SwitchLower", "BtnLo_ue", "BtnLo_SwitchNumbers", "BtnNum_SwitchLower", "BtnLo_s"});
    TTextpad second(nullptr);
    text.clear();
    QVERIFY(second.showTextpad(text, -1));
    QCOMPARE(text, QStringLiteral("Ä/Xüs"));
}

void tst_Textpad::holdingBackClearsEverything()
{
    QString whileHeld;
    QString afterRelease;
    bool timerAsExpected = false;
    TModalAnswer::onNextModal([&](QWidget* pPad) {
        pressKeys(pPad, {"BtnUp_SwitchNumbers"});
        auto* back = childOf<QWidget>(pPad, "BtnNum_Back");
        auto* timer = pPad->findChild<QTimer*>(QString(), Qt::FindDirectChildrenOnly);
        QTest::mousePress(back, Qt::LeftButton);
        timerAsExpected = timer && timer->isActive() && timer->isSingleShot() && timer->interval() == 1500;
        if (timer) {
            QSignalSpy fired(timer, &QTimer::timeout);
            fired.wait(3000);
        }
        whileHeld = textOf(pPad);
        QTest::mouseRelease(back, Qt::LeftButton);
        afterRelease = textOf(pPad);
        pressKeys(pPad, {"BtnNum_Cancel"});
    });
    TTextpad pad(nullptr);
    QString text = QStringLiteral("Pt100 Ref");
    QVERIFY(!pad.showTextpad(text, -1));
    QVERIFY(timerAsExpected);
    QCOMPARE(whileHeld, QString());
    QCOMPARE(afterRelease, QString());
    QCOMPARE(text, QStringLiteral("Pt100 Ref"));
}

void tst_Textpad::okWithEmptyText()
{
    typeAndAccept({"BtnUp_A", "BtnUp_Back"});
    TTextpad pad(nullptr);
    QString text;
    QVERIFY(pad.showTextpad(text, 10));
    QCOMPARE(text, QString());
}

void tst_Textpad::cancelLeavesTheText()
{
    TModalAnswer::onNextModal([](QWidget* pPad) { pressKeys(pPad, {"BtnUp_B", "BtnUp_Cancel"}); });
    TTextpad pad(nullptr);
    QString text = QStringLiteral("probe");
    QVERIFY(!pad.showTextpad(text, 10));
    QCOMPARE(text, QStringLiteral("probe"));
}

TAMARIND_TEST_MAIN(tst_Textpad)
#include "tst_textpad.moc"
