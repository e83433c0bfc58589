#include "childprocess.h"
#include "clickablewidgetcontroller.h"
#include "languagecontroller.h"
#include "tamarindsettings.h"
#include "testsupport.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QPixmap>
#include <QProcess>
#include <QTranslator>

using namespace Languagecontroller;

namespace
{
class TLanguageChangeCounter : public QWidget
{
public:
    int mChanges = 0;

protected:
    void changeEvent(QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::LanguageChange)
            ++mChanges;
        QWidget::changeEvent(pEvent);
    }
};

QString storedLanguage()
{
    // A fresh store reads the file as the next start of the instrument would.
    TTamarindSettings nextStart(QString::fromLatin1(TTamarindSettings::SETTINGS_FILE_PATH));
    return nextStart.value(QStringLiteral("language"), QStringLiteral("language"));
}

QString dateCaption()
{
    return QCoreApplication::translate("TDateDialog", "Date");
}
} // namespace

class tst_LanguageController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void everyTranslationIsEmbedded_data();
    void everyTranslationIsEmbedded();
    void everyFlagIsEmbedded_data();
    void everyFlagIsEmbedded();
    void choosingALanguageInstallsItsTranslation();
    void englishUKRemovesTheTranslation();
    void choosingTheCurrentLanguageAgainReinstallsAndStores();
    void missingTranslationFileKeepsTheSourceTexts();
    void unregisteredWidgetIsIgnored();
    void storedTextThatIsNoNumber();
    void selectedLanguageIsIndicated();
    void factoryResetReturnsToEnglishUK();

private:
    void choose(EnLanguageType pLanguage);

    QWidget mPage;
    QWidget* mButtons[13] = {};
    QLabel* mNames[13] = {};
    QLabel* mFlags[13] = {};
    QLabel* mNameIndicator = nullptr;
    QLabel* mFlagIndicator = nullptr;
    TClickableWidgetController* mList = nullptr;
    TLanguageChangeCounter mWindow;
    QString mGermanFile;
};

void tst_LanguageController::initTestCase()
{
    // A German catalogue with one translated text, compiled the way the build
    // compiles the program's catalogues.
    const QString directory = TTestEnvironment::root() + QStringLiteral("/translations");
    QDir().mkpath(directory);
    const QString source = directory + QStringLiteral("/test_de.ts");
    QFile catalogue(source);
    QVERIFY(catalogue.open(QIODevice::WriteOnly));
    catalogue.write("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                    "<TS version=\"2.1\" language=\"de_DE\" sourcelanguage=\"en_GB\">\n"
                    "<context><name>TDateDialog</name><message><source>Date</source>"
                    "<translation>Datum</translation></message></context>\n</TS>\n");
    catalogue.close();
    mGermanFile = directory + QStringLiteral("/test_de.qm");
    const QString lrelease = QLibraryInfo::location(QLibraryInfo::BinariesPath) + QStringLiteral("/lrelease");
    QCOMPARE(TChildProcess::execute(lrelease, {QStringLiteral("-silent"), source, QStringLiteral("-qm"), mGermanFile}),
             0);

    const char* names[] = {"",       "English (UK)", "English (USA)", "German",  "Spanish",  "French",    "Italian",
                           "Polish", "Russian",      "Arabic",        "Chinese", "Japanese", "Portuguese"};
    const char* codes[] = {"", "uk", "us", "de", "sp", "fr", "it", "pl", "ru", "ar", "cn", "jp", "pg"};
    TLanguageController& controller = TLanguageController::instance();
    auto list = std::make_unique<TClickableWidgetController>(nullptr);
    mList = list.get();
    for (int language = ltEnglishUK; language <= ltPortuguese; ++language) {
        mButtons[language] = new QWidget(&mPage);
        mNames[language] = new QLabel(QLatin1String(names[language]), mButtons[language]);
        mFlags[language] = new QLabel(mButtons[language]);
        mFlags[language]->setPixmap(
            QPixmap(QStringLiteral(":/internationalization/") + QLatin1String(codes[language])));
        mList->addWidget(mButtons[language], mNames[language]);
        controller.assignLanguageActivationWidget(static_cast<EnLanguageType>(language), mButtons[language],
                                                  mNames[language], mFlags[language]);
        if (language != ltEnglishUK)
            controller.registerLanguageFile(
                static_cast<EnLanguageType>(language),
                QStringLiteral(":/translations/tamarind_%1.qm").arg(QLatin1String(codes[language])));
    }
    controller.registerLanguageFile(ltGerman, mGermanFile);
    controller.registerLanguageFile(ltFrench, TTestEnvironment::root() + QStringLiteral("/translations/none_fr.qm"));
    controller.setLangSelectWidgetController(std::move(list));
    mNameIndicator = new QLabel(&mPage);
    mFlagIndicator = new QLabel(&mPage);
    controller.setLangSelectIndicatorLabels(mNameIndicator, mFlagIndicator);
    mWindow.show();
}

void tst_LanguageController::init()
{
    TLanguageController::instance().setLanguage(ltEnglishUK);
    QCoreApplication::processEvents();
    mWindow.mChanges = 0;
}

void tst_LanguageController::choose(EnLanguageType pLanguage)
{
    // The user lifts the finger from the language's entry on the page.
    QTest::mouseRelease(mButtons[pLanguage], Qt::LeftButton);
}

void tst_LanguageController::everyTranslationIsEmbedded_data()
{
    QTest::addColumn<QString>("code");
    for (const char* code : {"us", "de", "sp", "fr", "it", "pl", "ru", "ar", "cn", "jp", "pg"})
        QTest::newRow(code) << QString::fromLatin1(code);
}

void tst_LanguageController::everyTranslationIsEmbedded()
{
    QFETCH(QString, code);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/translations/tamarind_%1.qm").arg(code)));
}

void tst_LanguageController::everyFlagIsEmbedded_data()
{
    QTest::addColumn<QString>("code");
    for (const char* code : {"uk", "us", "de", "sp", "fr", "it", "pl", "ru", "ar", "cn", "jp", "pg"})
        QTest::newRow(code) << QString::fromLatin1(code);
}

void tst_LanguageController::everyFlagIsEmbedded()
{
    QFETCH(QString, code);
    QVERIFY(!QPixmap(QStringLiteral(":/internationalization/") + code).isNull());
}

void tst_LanguageController::choosingALanguageInstallsItsTranslation()
{
    choose(ltGerman);
    QCOMPARE(TLanguageController::instance().currentLanguage(), ltGerman);
    QCOMPARE(dateCaption(), QStringLiteral("Datum"));
    QTRY_COMPARE(mWindow.mChanges, 1);
    QCOMPARE(storedLanguage(), QStringLiteral("3"));
}

void tst_LanguageController::englishUKRemovesTheTranslation()
{
    choose(ltGerman);
    QTRY_COMPARE(mWindow.mChanges, 1);
    choose(ltEnglishUK);
    QCOMPARE(dateCaption(), QStringLiteral("Date"));
    QTRY_COMPARE(mWindow.mChanges, 2);
    QCOMPARE(storedLanguage(), QStringLiteral("1"));
}

void tst_LanguageController::choosingTheCurrentLanguageAgainReinstallsAndStores()
{
    choose(ltGerman);
    TTamarindSettings::instance().setValue(QStringLiteral("language"), QStringLiteral("language"), QStringLiteral("9"));
    TTamarindSettings::instance().store();
    choose(ltGerman);
    QCOMPARE(dateCaption(), QStringLiteral("Datum"));
    QCOMPARE(storedLanguage(), QStringLiteral("3"));
}

void tst_LanguageController::missingTranslationFileKeepsTheSourceTexts()
{
    choose(ltGerman);
    choose(ltFrench);
    QCOMPARE(TLanguageController::instance().currentLanguage(), ltFrench);
    QCOMPARE(dateCaption(), QStringLiteral("Date"));
    QCOMPARE(storedLanguage(), QStringLiteral("5"));
}

void tst_LanguageController::unregisteredWidgetIsIgnored()
{
    choose(ltPolish);
    QWidget stranger;
    TLanguageController::instance().language_widget_clicked(&stranger);
    QCOMPARE(TLanguageController::instance().currentLanguage(), ltPolish);
    QCOMPARE(storedLanguage(), QStringLiteral("7"));
}

void tst_LanguageController::storedTextThatIsNoNumber()
{
    choose(ltGerman);
    TLanguageController::instance().indicateSelectedLanguage();
    TTamarindSettings::instance().setValue(QStringLiteral("language"), QStringLiteral("language"),
                                           QStringLiteral("abc"));
    TLanguageController& controller = TLanguageController::instance();
    controller.loadSettings();
    QCOMPARE(int(controller.currentLanguage()), 0);
    QCOMPARE(dateCaption(), QStringLiteral("Date"));
    QCOMPARE(controller.getTextPadLayout(), lytQWERTY);
    // Language 0 has no entry on the page: what is shown stays.
    controller.indicateSelectedLanguage();
    QCOMPARE(mNameIndicator->text(), QStringLiteral("German"));
    QVERIFY(mList->isWidgetActive(mButtons[ltGerman]));
}

void tst_LanguageController::selectedLanguageIsIndicated()
{
    choose(ltJapanese);
    TLanguageController::instance().indicateSelectedLanguage();
    QCOMPARE(mNameIndicator->text(), QStringLiteral("Japanese"));
    QCOMPARE(mFlagIndicator->pixmap(Qt::ReturnByValue).toImage(),
             QPixmap(QStringLiteral(":/internationalization/jp")).toImage());
    QVERIFY(mList->isWidgetActive(mButtons[ltJapanese]));
}

void tst_LanguageController::factoryResetReturnsToEnglishUK()
{
    choose(ltGerman);
    TLanguageController::instance().factoryReset();
    QCOMPARE(TLanguageController::instance().currentLanguage(), ltEnglishUK);
    QCOMPARE(dateCaption(), QStringLiteral("Date"));
    QCOMPARE(storedLanguage(), QStringLiteral("1"));
}

TAMARIND_TEST_MAIN(tst_LanguageController)
#include "tst_languagecontroller.moc"
