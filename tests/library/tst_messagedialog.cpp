#include "messagedialog.h"
#include "testsupport.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

namespace
{
const QStringList BUTTONS{"BtnOK", "BtnYes", "BtnNo", "BtnCancel"};

QStringList visibleButtons(QWidget* pDialog)
{
    QStringList names;
    for (const QString& name : BUTTONS) {
        auto* button = pDialog->findChild<QPushButton*>(name);
        if (button && button->isVisible())
            names << name;
    }
    return names;
}

bool sameImage(const QPixmap& pShown, const QString& pResource)
{
    return !pShown.isNull() && pShown.toImage() == QPixmap(pResource).toImage();
}

int heightOf(const QString& pText, const QFont& pFont)
{
    return QFontMetrics(pFont).boundingRect(QRect(0, 0, 800, 480), Qt::AlignCenter | Qt::TextWordWrap, pText).height();
}

QFont fontAt(int pPixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pPixelSize);
    return font;
}

struct TShownDialog
{
    QStringList buttons;
    bool iconMatches = false;
    QString text;
    int pixelSize = 0;
};

// Records what the next message dialog shows, then leaves it with the named
// button, or closes it without one when the name is empty.
void answerNextDialog(TShownDialog* oShown, const QString& pIcon, const QString& pButton)
{
    TModalAnswer::onNextModal([=](QWidget* pDialog) {
        auto* text = pDialog->findChild<QLabel*>("LblText");
        oShown->buttons = visibleButtons(pDialog);
        oShown->iconMatches = sameImage(pDialog->findChild<QLabel*>("label")->pixmap(Qt::ReturnByValue), pIcon);
        oShown->text = text->text();
        oShown->pixelSize = text->font().pixelSize();
        if (pButton.isEmpty())
            static_cast<QDialog*>(pDialog)->reject();
        else
            QTest::mouseClick(pDialog->findChild<QPushButton*>(pButton), Qt::LeftButton);
    });
}
} // namespace

class tst_MessageDialog : public QObject
{
    Q_OBJECT

private slots:
    void typesMasksAndAnswers_data();
    void typesMasksAndAnswers();
    void shortcuts_data();
    void shortcuts();
    void shortTextKeepsTheLargeFont();
    void textThatFitsSmallerIsShownWhole();
    void tooLongTextIsCut_data();
    void tooLongTextIsCut();
};

void tst_MessageDialog::typesMasksAndAnswers_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("mask");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("press");
    QTest::addColumn<int>("result");

    QTest::newRow("warning with OK") << int(TMessageDialog::dtWarning) << 1 << ":/dialogs/warning"
                                     << QStringList{"BtnOK"} << "BtnOK" << int(TMessageDialog::drvOK);
    QTest::newRow("confirmation with OK and Cancel, cancelled")
        << int(TMessageDialog::dtConfirmation) << 3 << ":/dialogs/accept" << QStringList{"BtnOK", "BtnCancel"}
        << "BtnCancel" << int(TMessageDialog::drvCancel);
    QTest::newRow("info with Yes and No, yes")
        << int(TMessageDialog::dtInfo) << 12 << ":/dialogs/info" << QStringList{"BtnYes", "BtnNo"} << "BtnYes"
        << int(TMessageDialog::drvYes);
    QTest::newRow("storage with all four, no") << int(TMessageDialog::dtStorage) << 15 << ":/dialogs/storage" << BUTTONS
                                               << "BtnNo" << int(TMessageDialog::drvNo);
    QTest::newRow("unknown type shows the warning icon")
        << 9 << 1 << ":/dialogs/warning" << QStringList{"BtnOK"} << "BtnOK" << int(TMessageDialog::drvOK);
    QTest::newRow("empty mask, closed otherwise") << int(TMessageDialog::dtInfo) << 0 << ":/dialogs/info"
                                                  << QStringList() << "" << int(TMessageDialog::drvUndefined);
    QTest::newRow("OK shown, closed otherwise") << int(TMessageDialog::dtWarning) << 1 << ":/dialogs/warning"
                                                << QStringList{"BtnOK"} << "" << int(TMessageDialog::drvUndefined);
}

void tst_MessageDialog::typesMasksAndAnswers()
{
    QFETCH(int, type);
    QFETCH(int, mask);
    QFETCH(QString, icon);
    QFETCH(QStringList, buttons);
    QFETCH(QString, press);
    QFETCH(int, result);

    TShownDialog shown;
    answerNextDialog(&shown, icon, press);
    TMessageDialog dialog;
    const auto answer = dialog.showDialog("Probe 3 could not be stored.", TMessageDialog::EnDialogType(type), mask);

    QCOMPARE(int(answer), result);
    QCOMPARE(shown.buttons, buttons);
    QVERIFY(shown.iconMatches);
    QCOMPARE(shown.text, QString("Probe 3 could not be stored."));
}

void tst_MessageDialog::shortcuts_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("press");
    QTest::addColumn<bool>("answer");

    QTest::newRow("error") << "error"
                           << ":/dialogs/warning" << QStringList{"BtnOK"} << "BtnOK" << false;
    QTest::newRow("confirmation") << "confirmation"
                                  << ":/dialogs/accept" << QStringList{"BtnOK"} << "BtnOK" << false;
    QTest::newRow("info") << "info"
                          << ":/dialogs/info" << QStringList{"BtnOK"} << "BtnOK" << false;
    QTest::newRow("question answered yes") << "question"
                                           << ":/dialogs/warning" << QStringList{"BtnYes", "BtnNo"} << "BtnYes" << true;
    QTest::newRow("question answered no") << "question"
                                          << ":/dialogs/warning" << QStringList{"BtnYes", "BtnNo"} << "BtnNo" << false;
    QTest::newRow("question closed otherwise") << "question"
                                               << ":/dialogs/warning" << QStringList{"BtnYes", "BtnNo"} << "" << false;
}

void tst_MessageDialog::shortcuts()
{
    QFETCH(QString, call);
    QFETCH(QString, icon);
    QFETCH(QStringList, buttons);
    QFETCH(QString, press);
    QFETCH(bool, answer);

    TShownDialog shown;
    answerNextDialog(&shown, icon, press);
    TMessageDialog dialog;
    bool yes = false;
    if (call == "error")
        dialog.showError("text");
    else if (call == "confirmation")
        dialog.showConfirmation("text");
    else if (call == "info")
        dialog.showInfo("text");
    else
        yes = dialog.showQuestion("text");

    QCOMPARE(yes, answer);
    QCOMPARE(shown.buttons, buttons);
    QVERIFY(shown.iconMatches);
}

void tst_MessageDialog::shortTextKeepsTheLargeFont()
{
    TShownDialog shown;
    answerNextDialog(&shown, ":/dialogs/storage", "BtnOK");
    TMessageDialog dialog;
    dialog.showDialog("100 % storage used", TMessageDialog::dtStorage, TMessageDialog::dbOK);

    QCOMPARE(shown.pixelSize, 28);
    QCOMPARE(shown.text, QString("100 % storage used"));
}

void tst_MessageDialog::textThatFitsSmallerIsShownWhole()
{
    // The first text, growing word by word, that no longer fits at 21 pixels.
    const QStringList words = QString("The probe could not be read from the measurement board.").split(' ');
    QString text;
    for (int i = 0; heightOf(text, fontAt(21)) <= 180; ++i)
        text += words.at(i % words.size()) + ' ';
    QVERIFY(heightOf(text, fontAt(20)) <= 180);

    TShownDialog shown;
    answerNextDialog(&shown, ":/dialogs/warning", "BtnOK");
    TMessageDialog dialog;
    dialog.showError(text);

    QCOMPARE(shown.pixelSize, 20);
    QCOMPARE(shown.text, text);
}

void tst_MessageDialog::tooLongTextIsCut_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("many sentences") << QString("Channel 4 reports a broken sensor. ").repeated(60);
    QTest::newRow("long and short words")
        << QString("Calibration 2 K 4-wire Pt100 resistance thermometer ").repeated(40);
    QTest::newRow("numbered lines") << [] {
        QString text;
        for (int i = 1; i <= 40; ++i)
            text += QString("Line %1\n").arg(i);
        return text;
    }();
}

void tst_MessageDialog::tooLongTextIsCut()
{
    QFETCH(QString, text);
    QVERIFY(heightOf(text, fontAt(18)) > 180);

    QFont font(QStringLiteral("DejaVu Sans"));
    const QString shown = TMessageDialog::fitText(text, font);

    QCOMPARE(font.pixelSize(), 18);
    QVERIFY(shown.endsWith("[...]"));
    const int kept = shown.size() - 5;
    QCOMPARE(shown.left(kept), text.left(kept));
    // Five characters shorter than the longest beginning that fits.
    QVERIFY(heightOf(text.left(kept + 5), font) <= 180);
    QVERIFY(heightOf(text.left(kept + 6), font) > 180);
}

TAMARIND_TEST_MAIN(tst_MessageDialog)
#include "tst_messagedialog.moc"
