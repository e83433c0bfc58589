#include "languagecontroller.h"
#include "mainwindowfixture.h"
#include "messagerecorder.h"
#include "tamarindsettings.h"
#include "testsupport.h"
#include "translationcatalogue.h"
#include "zelkcontainercheckbutton.h"

#include <QAbstractButton>
#include <QLabel>

using namespace Languagecontroller;

namespace
{
const QString FORM = QStringLiteral("TTamarindMainForm");

// Main-menu captions and the title bar, set by the form's retranslation.
const char* const MENU_LABELS[][2] = {{"LblSettings", "Settings"},
                                      {"LblProbes", "Probes"},
                                      {"LblScan", "Scan"},
                                      {"LblCalibrationRoutines", "Calibration"},
                                      {"LblTitle", "Home"}};

const char* const SCAN_REFUSED = "Unable to start scan mode. Please select at least two channels.";

// The view controller's count caption, taken up by the information bar at the next reading.
const QString VIEW_CONTEXT = QStringLiteral("TAbstractChannelViewController");
const QString COUNT_CAPTION = QStringLiteral("No. of meas.");
const QString COUNT_COMMENT = QStringLiteral("Number of values on which average value and stability are based on");

const char* const REMOTE_BUTTONS[] = {"BtnEthernet_IP",    "BtnEthernet_Netmask", "BtnEthernet_Gateway",
                                      "BtnEthernet_DHCP",  "BtnRS232_BaudRate",   "BtnRS232_CTS_RTS",
                                      "BtnRS232_DataBits", "BtnRS232_StopBit",    "BtnRS232_Parity"};
} // namespace

// The whole main window follows the language: the catalogue the program embeds reaches
// the form's captions, a message dialog and a view's label, for every language including
// the four the language page keeps disabled, and English (UK) brings the source texts back.
class tst_MainWindowLanguages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void windowFollowsTheLanguage_data();
    void windowFollowsTheLanguage();
    void composedTextsFollowAtOnce_data();
    void composedTextsFollowAtOnce();

private:
    // The application posts the language change to its windows.
    static void switchTo(EnLanguageType pLanguage)
    {
        TLanguageController::instance().setLanguage(pLanguage);
        QCoreApplication::processEvents();
    }
    // The texts shown, each compared with pTranslate(context, source, comment).
    void compareTexts(const std::function<QString(const QString&, const QString&, const QString&)>& pTranslate);

    TMainWindowFixture mMain;
};

void tst_MainWindowLanguages::initTestCase()
{
    QVERIFY(mMain.startBoard());
    // One channel only: the scan page refuses to start and says why.
    TTamarindSettings::instance().setValue(QStringLiteral("scan"), QStringLiteral("channels"), QStringLiteral("1"));
    // A view whose name differs between the languages.
    TTamarindSettings::instance().setValue(QStringLiteral("scan"), QStringLiteral("view"), QStringLiteral("3"));
    TTamarindSettings::instance().store();
    // An RS-232 board, so that the remote page shows its values.
    TAMARIND_WRITE_DEVICE_FILE("/sys/class/gpio/gpio20/value", "1");
    TAMARIND_WRITE_DEVICE_FILE("/sys/class/gpio/gpio82/value", "1");
    mMain.open(true);
}

void tst_MainWindowLanguages::cleanup()
{
    switchTo(ltEnglishUK);
    mMain.board().plugSensor(1, ssPt100);
    mMain.click("BtnHome");
}

void tst_MainWindowLanguages::windowFollowsTheLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("code");
    const std::pair<EnLanguageType, const char*> languages[] = {
        {ltEnglishUSA, "us"}, {ltGerman, "de"},   {ltSpanish, "sp"},   {ltFrench, "fr"},
        {ltItalian, "it"},    {ltPolish, "pl"},   {ltRussian, "ru"},   {ltArabic, "ar"},
        {ltChinese, "cn"},    {ltJapanese, "jp"}, {ltPortuguese, "pg"}};
    for (const auto& language : languages)
        QTest::newRow(language.second) << int(language.first) << QString::fromLatin1(language.second);
}

void tst_MainWindowLanguages::windowFollowsTheLanguage()
{
    QFETCH(int, language);
    QFETCH(QString, code);
    TTranslationCatalogue catalogue;
    QVERIFY2(catalogue.load(TTranslationCatalogue::directory(QStringLiteral(TAMARIND_SOURCE_DIR)) +
                            QStringLiteral("/tamarind_%1.ts").arg(code)),
             qPrintable(catalogue.error()));

    switchTo(static_cast<EnLanguageType>(language));
    compareTexts([&](const QString& pContext, const QString& pSource, const QString& pComment) {
        return catalogue.translation(pContext, pSource, pComment);
    });
    if (QTest::currentTestFailed())
        return;

    switchTo(ltEnglishUK);
    compareTexts([](const QString&, const QString& pSource, const QString&) { return pSource; });
}

void tst_MainWindowLanguages::composedTextsFollowAtOnce_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("comment");
    QTest::addColumn<bool>("withoutReadings");
    QTest::addColumn<bool>("atStart");
    struct TRow
    {
        const char* situation;
        const char* page;
        const char* name;
        QString context;
        QString source;
        QString comment;
        bool withoutReadings;
        bool atStart;
    };
    const QString remote = QStringLiteral("TRemoteSettingsController");
    const QString none;
    const TRow rows[] = {
        {"menu column caption after the main menu was shown", "BtnHome", "LblMenuCaption", FORM, "Menu", none, false,
         false},
        {"menu column caption at a start in the stored language", "BtnHome", "LblMenuCaption", FORM, "Menu", none,
         false, true},
        {"information bar while the channel gives no readings", "BtnHome", "lblInfoBarLeft", VIEW_CONTEXT,
         COUNT_CAPTION, COUNT_COMMENT, true, false},
        {"channel button of the home view", "BtnHome", "btnSingleViewChanSel", "TPhysicalChannel", "Chan.", none, false,
         false},
        {"RS-232 flow control on the remote page", "BtnRemote", "LblRS232_CTS_RTS", remote, "Off",
         "RS232 hardware flow control", false, false},
        {"RS-232 parity on the remote page", "BtnRemote", "LblRS232_Parity", remote, "None", "RS232 parity", false,
         false},
        {"selected view on the scan page", "BtnScan", "LblChanConf_View_Value", "TScanModeController", "Graph", none,
         false, false},
    };
    for (const TRow& row : rows) {
        QTest::newRow(row.situation) << QString::fromLatin1(row.page) << QString::fromLatin1(row.name) << row.context
                                     << row.source << row.comment << row.withoutReadings << row.atStart;
    }
}

// A text composed in code follows the language at once on the page shown: nothing is clicked and no new
// reading arrives between the language change and the look.
void tst_MainWindowLanguages::composedTextsFollowAtOnce()
{
    QFETCH(QString, page);
    QFETCH(QString, name);
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, comment);
    QFETCH(bool, withoutReadings);
    QFETCH(bool, atStart);
    TTranslationCatalogue catalogue;
    QVERIFY2(catalogue.load(TTranslationCatalogue::directory(QStringLiteral(TAMARIND_SOURCE_DIR)) +
                            QStringLiteral("/tamarind_de.ts")),
             qPrintable(catalogue.error()));
    const QString translated = catalogue.translation(context, source, comment);
    QVERIFY2(!translated.isEmpty() && !translated.startsWith(source), qPrintable(translated));

    mMain.click(qPrintable(page));
    const QString average = QCoreApplication::translate("TAbstractChannelViewController", "Average");
    if (withoutReadings) {
        QVERIFY(mMain.board().plugSensor(1, ssNone));
        QTRY_COMPARE_WITH_TIMEOUT(mMain.text("lblInfoBarCenter"), average + QStringLiteral(": "),
                                  8 * TTamarindMainForm::CHANNEL_READ_INTERVAL);
    }
    auto shown = [&] {
        QWidget* widget = mMain.child(qPrintable(name));
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            return button->text();
        return qobject_cast<QLabel*>(widget)->text();
    };
    QVERIFY2(shown().startsWith(source), qPrintable(shown()));

    if (atStart) {
        TTamarindSettings::instance().setValue(QStringLiteral("language"), QStringLiteral("language"),
                                               QString::number(int(ltGerman)));
        TTamarindSettings::instance().store();
        mMain.close();
        mMain.open(true);
        QCoreApplication::processEvents();
    } else {
        switchTo(ltGerman);
    }
    const QString german = shown();
    if (atStart) {
        TTamarindSettings::instance().setValue(QStringLiteral("language"), QStringLiteral("language"),
                                               QString::number(int(ltEnglishUK)));
        TTamarindSettings::instance().store();
    }
    switchTo(ltEnglishUK);
    const QString english = shown();
    QVERIFY2(german.startsWith(translated), qPrintable(german));
    QVERIFY2(english.startsWith(source), qPrintable(english));
}

void tst_MainWindowLanguages::compareTexts(
    const std::function<QString(const QString&, const QString&, const QString&)>& pTranslate)
{
    mMain.click("BtnHome");
    for (const auto& label : MENU_LABELS)
        QCOMPARE(mMain.text(label[0]), pTranslate(FORM, QLatin1String(label[1]), QString()));

    const QString countCaption = pTranslate(VIEW_CONTEXT, COUNT_CAPTION, COUNT_COMMENT) + QStringLiteral(": ");
    QTRY_VERIFY2_WITH_TIMEOUT(mMain.text("lblInfoBarLeft").startsWith(countCaption),
                              qPrintable(mMain.text("lblInfoBarLeft")), 4 * TTamarindMainForm::CHANNEL_READ_INTERVAL);

    mMain.click("BtnScan");
    TMessageRecorder messages;
    mMain.click("BtnScan_Start");
    QCOMPARE(messages.texts(), QStringList{pTranslate(FORM, QLatin1String(SCAN_REFUSED), QString())});

    // The buttons of the remote page find their caption labels by a name that passes the catalogue.
    for (const char* name : REMOTE_BUTTONS) {
        const QString source = mMain.child<QZELKContainerCheckButton>(name)->getStatusSourceLabelName();
        QVERIFY2(mMain.window()->findChild<QLabel*>(source), qPrintable(source));
    }
}

TAMARIND_TEST_MAIN(tst_MainWindowLanguages)
#include "tst_mainwindowlanguages.moc"
