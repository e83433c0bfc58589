#include "formtestsupport.h"
#include "stylesheetcatalogue.h"
#include "tamarindmainform_ui.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QHash>
#include <QMap>
#include <QMetaMethod>
#include <QPixmap>
#include <QSet>
#include <QSignalSpy>

#include <memory>
#include <type_traits>

namespace
{

// A main window stand-in with some of the slots that the form connects by name.
class TSlotReceiver : public QWidget
{
    Q_OBJECT

public:
    QStringList mCalls;

public slots:
    void on_BtnSave_clicked() { mCalls << "save"; }
    void on_BtnCancel_clicked() { mCalls << "cancel"; }
    void on_BtnReturnToMainMenu_clicked() { mCalls << "return"; }
    void on_BtnHome_beforeButtonPressed() { mCalls << "home before press"; }
    void on_BtnLogger_beforeButtonPressed() { mCalls << "logger before press"; }
    void on_stackedWidgetMenu_currentChanged(int pIndex) { mCalls << QStringLiteral("menu page %1").arg(pIndex); }
};

// A main window stand-in with every slot that the main window has the form connect by name; each records its own
// name when called.
class TMainWindowSlots : public QWidget
{
    Q_OBJECT

public:
    QStringList mCalls;

public slots:
    void on_BtnHome_beforeButtonPressed() { mCalls << __func__; }
    void on_BtnHome_released() { mCalls << __func__; }
    void on_BtnReturnToMainMenu_clicked() { mCalls << __func__; }
    void on_BtnSave_clicked() { mCalls << __func__; }
    void on_BtnCancel_clicked() { mCalls << __func__; }
    void on_BtnFindFirmwareUpdate_UI_clicked() { mCalls << __func__; }
    void on_BtnDoFirmwareUpdate_UI_clicked() { mCalls << __func__; }
    void on_btnProbeSel_AddProbe_clicked() { mCalls << __func__; }
    void on_BtnProbe_Search_clicked() { mCalls << __func__; }
    void on_BtnProbeFilterClear_clicked() { mCalls << __func__; }
    void on_BtnScan_Start_clicked() { mCalls << __func__; }
    void on_BtnScan_Stop_clicked() { mCalls << __func__; }
    void on_BtnScan_ShowView_clicked() { mCalls << __func__; }
    void on_BtnDeleteProbe_clicked() { mCalls << __func__; }
    void on_RbGraphScale_Auto_clicked() { mCalls << __func__; }
    void on_RbGraphScale_Custom_clicked() { mCalls << __func__; }
    void on_BtnLogger_beforeButtonPressed() { mCalls << __func__; }
    void on_BtnLogger_released() { mCalls << __func__; }
    void on_BtnEnterZELKServiceLevel_clicked() { mCalls << __func__; }
    void on_BtnLeaveZELKServiceLevel_clicked() { mCalls << __func__; }
    void on_stackedWidgetMenu_currentChanged(int) { mCalls << __func__; }
    void on_Btn2Cal_NomLower_clicked() { mCalls << __func__; }
    void on_Btn2Cal_NomUpper_clicked() { mCalls << __func__; }
    void on_Btn2Cal_MeasLower_clicked() { mCalls << __func__; }
    void on_Btn2Cal_MeasUpper_clicked() { mCalls << __func__; }
    void on_BtnRecalCycle_clicked() { mCalls << __func__; }
    void on_BtnCJCCal_MeasOffset_clicked() { mCalls << __func__; }
};

// The number of members of the complete form: those the layout names, and the
// remote page's note on RS-232 settings the line refuses.
constexpr int MEMBER_COUNT = 1945;

int memberCount(const Ui_TTamarindMainForm& pUi)
{
    int members = 0;
    pUi.forEachMember([&](const char*, auto*) { ++members; });
    return members;
}

} // namespace

class tst_TamarindMainForm : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pagesSitAtTheirIndices_data();
    void pagesSitAtTheirIndices();
    void everyMemberIsBuiltAndNamedAfterItself();
    void memberNamesAreUniqueInTheWindow();
    void aGivenObjectNameIsKept();
    void frameHasFixedGeometry();
    void bottomBarKeepsItsButtonsAtTheLeft();
    void startsOnHomeAndMenu();
    void mainMenuGridPositions_data();
    void mainMenuGridPositions();
    void namedImagesResolve_data();
    void namedImagesResolve();
    void languageRowsAsBuilt();
    void customLogoRowsFormOneRadioGroup();
    void retranslationReplacesOnlyTranslatableTexts_data();
    void retranslationReplacesOnlyTranslatableTexts();
    void pixmapsSurviveRetranslation();
    void disambiguatedTextsUseTheirOwnKeys();
    void slotsAreConnectedByName();
    void everySlotOfTheMainWindowReachesItsObject();
    void completeFormHasEveryMember();
    void containerButtonsHaveTheirCornerRadius();

private:
    std::unique_ptr<QWidget> mForm;
    Ui_TTamarindMainForm mUi;
};

void tst_TamarindMainForm::init()
{
    mForm = std::make_unique<QWidget>();
    mUi = Ui_TTamarindMainForm();
    mUi.setupUi(mForm.get());
}

void tst_TamarindMainForm::cleanup()
{
    mForm.reset();
}

void tst_TamarindMainForm::pagesSitAtTheirIndices_data()
{
    QTest::addColumn<QString>("stack");
    QTest::addColumn<QStringList>("pages");
    QTest::newRow("main area") << "stackedWidget"
                               << QStringList{"PageHome",
                                              "Page2ChannelView",
                                              "Page3ChannelView",
                                              "Page4ChannelView",
                                              "PageMultiChannelView",
                                              "Page2DPlot",
                                              "PageSettings",
                                              "PageProbes",
                                              "PageScan",
                                              "PageLogger",
                                              "PageRemote",
                                              "PageCalibrationRoutines",
                                              "PageInfo",
                                              "PageService",
                                              "PageDownload",
                                              "PageDownloadListMain"};
    QTest::newRow("menu area") << "stackedWidgetMenu"
                               << QStringList{"PageMenu",
                                              "PageLangSettings",
                                              "PageBacklightOff",
                                              "PageBrightness",
                                              "PageTime",
                                              "PageSound",
                                              "PageAlarmForProbes",
                                              "PageDataSeparator",
                                              "PageAverageValue",
                                              "PageStdProbeSettings",
                                              "PageFirmwareUpdateUI",
                                              "PageUnitSelection",
                                              "PageGraphUnitAndScale",
                                              "PageChannelSelection",
                                              "PageProbeSelection",
                                              "PageChanConf_ZTM8800",
                                              "PageChanConf_SwitchBoxes",
                                              "PageScanView",
                                              "PagePRTEdit",
                                              "PageTCEdit",
                                              "PageThermEdit",
                                              "PageSmartProbeList",
                                              "PageDownloadList",
                                              "PageLogfile",
                                              "PageLoggerMode",
                                              "PageLoggerStartTime",
                                              "PageLogInterval",
                                              "PageLogDuration",
                                              "PageSelectProbeOrUnit",
                                              "PageIPNetmask",
                                              "PageGateway",
                                              "PageGenericOnOff",
                                              "PageBaudRate",
                                              "PageDataBits",
                                              "PageStopBits",
                                              "PageParity",
                                              "PageSmartProbeProg",
                                              "PageRecalCycle",
                                              "PageOperatingTime",
                                              "PageInstrumentCalibration",
                                              "PageTwoPointCal",
                                              "PageCJCOffset",
                                              "PageProbeCoeffFileList",
                                              "PageEditCalibrationRoutine",
                                              "PageShowCalFile",
                                              "PageCustomLogo"};
}

void tst_TamarindMainForm::pagesSitAtTheirIndices()
{
    QFETCH(QString, stack);
    QFETCH(QStringList, pages);

    auto* stackedWidget = mForm->findChild<QStackedWidget*>(stack);
    QVERIFY(stackedWidget);
    QStringList built;
    for (int index = 0; index < stackedWidget->count(); ++index) {
        QWidget* page = stackedWidget->widget(index);
        QCOMPARE(page->parentWidget(), stackedWidget);
        built << page->objectName();
    }
    QCOMPARE(built, pages);
}

void tst_TamarindMainForm::everyMemberIsBuiltAndNamedAfterItself()
{
    QStringList names;
    QSet<QSpacerItem*> spacersInLayouts;
    for (QLayout* layout : mForm->findChildren<QLayout*>()) {
        for (int index = 0; index < layout->count(); ++index) {
            spacersInLayouts.insert(layout->itemAt(index)->spacerItem());
        }
    }
    int members = 0;
    mUi.forEachMember([&](const char* pName, auto* pMember) {
        ++members;
        const QString name = QString::fromLatin1(pName);
        QVERIFY2(pMember, qPrintable(name + " was never built"));
        QVERIFY2(!names.contains(name), qPrintable(name + " is listed twice"));
        names << name;
        using TMember = std::remove_pointer_t<decltype(pMember)>;
        if constexpr (std::is_base_of_v<QObject, TMember>) {
            QCOMPARE(pMember->objectName(), name);
            // Owned by the window through Qt parenthood, not by the form.
            QObject* ancestor = pMember->parent();
            while (ancestor && ancestor != mForm.get()) {
                ancestor = ancestor->parent();
            }
            QVERIFY2(ancestor, qPrintable(name + " does not belong to the window"));
        } else {
            QVERIFY2(spacersInLayouts.contains(pMember), qPrintable(name + " is in no layout"));
        }
    });
    // A member declared outside the per-page lists would escape the walk.
    QCOMPARE(int(sizeof(Ui_TTamarindMainForm)), members * int(sizeof(void*)));
}

void tst_TamarindMainForm::memberNamesAreUniqueInTheWindow()
{
    QHash<QString, QObject*> members;
    mUi.forEachMember([&](const char* pName, auto* pMember) {
        if constexpr (std::is_base_of_v<QObject, std::remove_pointer_t<decltype(pMember)>>) {
            members.insert(QString::fromLatin1(pName), pMember);
        }
    });
    // Screens find widgets by name (status labels, source labels), so a member's name must lead
    // to that member alone. Widget classes may name inner widgets of their own.
    int found = 0;
    for (QObject* object : mForm->findChildren<QObject*>()) {
        const auto member = members.constFind(object->objectName());
        if (member != members.constEnd()) {
            QVERIFY2(member.value() == object, qPrintable(object->objectName() + " names two objects"));
            ++found;
        }
    }
    QCOMPARE(found, members.size());
}

void tst_TamarindMainForm::aGivenObjectNameIsKept()
{
    QCOMPARE(mForm->objectName(), QStringLiteral("TTamarindMainForm"));
    QCOMPARE(mForm->windowTitle(), QStringLiteral("TTamarindMainForm"));

    QWidget other;
    other.setObjectName("MainWindow");
    Ui_TTamarindMainForm ui;
    ui.setupUi(&other);
    QCOMPARE(other.objectName(), QStringLiteral("MainWindow"));
}

void tst_TamarindMainForm::frameHasFixedGeometry()
{
    QCOMPARE(mForm->size(), QSize(800, 480));
    QCOMPARE(mForm->minimumSize(), QSize(800, 480));
    QCOMPARE(mForm->maximumSize(), QSize(800, 480));
    QCOMPARE(mForm->font().family(), QStringLiteral("Droid Sans"));
    QVERIFY(!mForm->layout());

    mForm->resize(1024, 768);
    mForm->show();
    QVERIFY(QTest::qWaitForWindowExposed(mForm.get()));
    QCOMPARE(mForm->size(), QSize(800, 480));
    QCOMPARE(mUi.wgtMain_Left->geometry(), QRect(9, 9, 530, 462));
    QCOMPARE(mUi.wgtMain_Right->geometry(), QRect(545, 9, 246, 462));
    QCOMPARE(mUi.PnlStatusBar->height(), 29);
    QCOMPARE(mUi.pnlInformationBar->height(), 29);
    QCOMPARE(mUi.qZELKGreyPanel_2->height(), 29);
    // The download caption takes no room in the status bar, whatever its text.
    mUi.LblDownload->setText(QStringLiteral("A long caption of the download page"));
    QCoreApplication::sendPostedEvents();
    mUi.PnlStatusBar->layout()->activate();
    QCOMPARE(mUi.LblDownload->width(), 0);
}

void tst_TamarindMainForm::bottomBarKeepsItsButtonsAtTheLeft()
{
    mForm->show();
    QVERIFY(QTest::qWaitForWindowExposed(mForm.get()));
    QCOMPARE(mUi.BtnReturnToMainMenu->geometry(), QRect(3, 3, 48, 34));
    QCOMPARE(mUi.BtnCancel->geometry(), QRect(53, 3, 70, 34));
    QCOMPARE(mUi.BtnSave->geometry(), QRect(125, 3, 70, 34));
}

void tst_TamarindMainForm::startsOnHomeAndMenu()
{
    QCOMPARE(mUi.stackedWidget->currentWidget(), mUi.PageHome);
    QCOMPARE(mUi.stackedWidgetMenu->currentWidget(), mUi.PageMenu);
    QCOMPARE(mUi.LblTitle->text(), QStringLiteral("Home"));
    QVERIFY(!mUi.LblTitlebar->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(mUi.LblTime->text(), QStringLiteral("08:00"));
    QCOMPARE(mUi.lblInfoBarLeft->text(), QStringLiteral("left"));
    QCOMPARE(mUi.lblInfoBarCenter->text(), QStringLiteral("center"));
    QCOMPARE(mUi.lblInfoBarRight->text(), QStringLiteral("right"));
    QVERIFY(mUi.LblMenuCaption->text().isEmpty());
    // No menu button is active until the main window activates one.
    for (QZELKAppButton* button : mForm->findChildren<QZELKAppButton*>()) {
        QVERIFY2(!button->active(), qPrintable(button->objectName()));
    }
}

void tst_TamarindMainForm::mainMenuGridPositions_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::newRow("home") << "BtnHome"
                          << "LblHome" << 0 << 0;
    QTest::newRow("settings") << "BtnSettings"
                              << "LblSettings" << 0 << 1;
    QTest::newRow("probes") << "BtnProbes"
                            << "LblProbes" << 3 << 0;
    QTest::newRow("scan") << "BtnScan"
                          << "LblScan" << 3 << 1;
    QTest::newRow("logger") << "BtnLogger"
                            << "LblLogger" << 5 << 0;
    QTest::newRow("calibration") << "BtnCalibrationRoutines"
                                 << "LblCalibrationRoutines" << 5 << 1;
    QTest::newRow("remote") << "BtnRemote"
                            << "LblRemote" << 8 << 0;
    QTest::newRow("service") << "BtnService"
                             << "LblService" << 8 << 1;
    QTest::newRow("info") << "BtnInfo"
                          << "LblInfo" << 10 << 0;
}

void tst_TamarindMainForm::mainMenuGridPositions()
{
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(int, row);
    QFETCH(int, column);

    // The main window rearranges this grid by the cells it reads from it.
    auto* grid = qobject_cast<QGridLayout*>(mUi.BtnInfo->parentWidget()->layout());
    QVERIFY(grid);
    auto cellOf = [grid](QWidget* pWidget) {
        int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(grid->indexOf(pWidget), &row, &column, &rowSpan, &columnSpan);
        return QVector<int>{row, column, rowSpan, columnSpan};
    };
    auto* appButton = mForm->findChild<QZELKAppButton*>(button);
    auto* label = mForm->findChild<QLabel*>(caption);
    QVERIFY(appButton && label);
    QCOMPARE(cellOf(appButton), (QVector<int>{row, column, 1, 1}));
    QCOMPARE(cellOf(label), (QVector<int>{row + 1, column, 1, 1}));
    QVERIFY(appButton->text().isEmpty());
    QVERIFY(!appButton->icon().isNull());
    QCOMPARE(appButton->icon().cacheKey(), appButton->icon_standard().cacheKey());
    QVERIFY(!appButton->icon_active().isNull());
}

void tst_TamarindMainForm::namedImagesResolve_data()
{
    QTest::addColumn<QString>("path");
    const QStringList paths{
        // Status bar and menu caption; the main window adds the menu item's name to the small ones.
        ":/statusicons/home_small", ":/statusicons/menu_small", ":/statusicons/settings_small",
        ":/statusicons/probes_small", ":/statusicons/scan_small", ":/statusicons/logger_small",
        ":/statusicons/remote_small", ":/statusicons/calibration_small", ":/statusicons/info_small",
        ":/statusicons/service_small", ":/statusicons/download_small", ":/statusicons/res/usb_icon.png",
        ":/statusicons/res/usb_icon_active.png",
        // Main menu.
        ":/menuicons/home", ":/menuicons/home_active", ":/menuicons/settings", ":/menuicons/res/settings_active2.png",
        ":/menuicons/probes", ":/menuicons/res/probes_active2.png", ":/menuicons/res/scan.png",
        ":/menuicons/res/scan_active2.png", ":/menuicons/logger", ":/menuicons/res/logger_active2.png",
        ":/menuicons/calibration", ":/menuicons/res/calibration_active2.png", ":/menuicons/remote",
        ":/menuicons/res/remote_active2.png", ":/menuicons/service", ":/menuicons/res/service_active2.png",
        ":/menuicons/info", ":/menuicons/res/info_active2.png",
        // Language flags.
        ":/internationalization/uk", ":/internationalization/us", ":/internationalization/de",
        ":/internationalization/sp", ":/internationalization/pg", ":/internationalization/fr",
        ":/internationalization/it", ":/internationalization/pl", ":/internationalization/ru",
        ":/internationalization/ar", ":/internationalization/cn", ":/internationalization/jp",
        // Pages, dialogs and the pictures behind the window.
        ":/common/res/warning_20px.png", ":/common/res/zelk_logo.png", ":/common/res/trash.png",
        ":/common/res/refresh.png", ":/common/res/storage_dialog_small.png", ":/common/res/download_dialog.png",
        ":/common/playicon", ":/logo/res/zelk_background.png", ":/logo/res/custom_background_1.png"};
    for (const QString& path : paths) {
        QTest::newRow(qPrintable(path)) << path;
    }
}

void tst_TamarindMainForm::namedImagesResolve()
{
    QFETCH(QString, path);
    QVERIFY(!QPixmap(path).isNull());
}

void tst_TamarindMainForm::languageRowsAsBuilt()
{
    const QStringList languages{"english_uk", "english_usa", "german",  "spanish", "portuguese", "french",
                                "italian",    "polish",      "russian", "arabic",  "chinese",    "japanese"};
    const QStringList disabled{"portuguese", "russian", "arabic", "japanese"};
    QStringList rows;
    for (int index = 0; index < mUi.verticalLayout_2->count(); ++index) {
        rows << mUi.verticalLayout_2->itemAt(index)->widget()->objectName();
    }
    QStringList expected;
    for (const QString& language : languages) {
        expected << "BtnLang_" + language;
        auto* row = mForm->findChild<QWidget*>("BtnLang_" + language);
        QCOMPARE(row->isEnabled(), !disabled.contains(language));
        QCOMPARE(row->minimumHeight(), 34);
    }
    QCOMPARE(rows, expected);
    QCOMPARE(mUi.scrollAreaLangSettings->widget(), mUi.scrollAreaLangSettingsContents);
    QCOMPARE(mUi.scrollAreaLangSettings->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

void tst_TamarindMainForm::customLogoRowsFormOneRadioGroup()
{
    QVERIFY(!mUi.BtnCustomLogo_Default->isChecked());
    QVERIFY(!mUi.BtnCustomLogo_WhiteZELKWaterSign->isChecked());
    mUi.BtnCustomLogo_Default->setChecked(true);
    mUi.BtnCustomLogo_WhiteZELKWaterSign->setChecked(true);
    QVERIFY(!mUi.BtnCustomLogo_Default->isChecked());
    QVERIFY(mUi.BtnCustomLogo_WhiteZELKWaterSign->isChecked());
}

void tst_TamarindMainForm::retranslationReplacesOnlyTranslatableTexts_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("translatable");
    const QStringList translatable{"LblTitle",
                                   "Home",
                                   "LblDownload",
                                   "Download",
                                   "BtnCancel",
                                   "Cancel",
                                   "BtnSave",
                                   "Store",
                                   "btnSingleViewFreeze",
                                   "Freeze",
                                   "lblSingleViewProbe",
                                   "Probe",
                                   "LblTime_3",
                                   "Resolution",
                                   "LblTime_2",
                                   "Peak",
                                   "btnSingleViewClearPeak",
                                   "Clear",
                                   "LblHome",
                                   "Home",
                                   "LblSettings",
                                   "Settings",
                                   "LblProbes",
                                   "Probes",
                                   "LblScan",
                                   "Scan",
                                   "LblLogger",
                                   "Logger",
                                   "LblCalibrationRoutines",
                                   "Calibration",
                                   "LblRemote",
                                   "Remote",
                                   "LblService",
                                   "Service",
                                   "LblInfo",
                                   "Info",
                                   "LblLang_english_uk",
                                   "English (UK)",
                                   "LblLang_english_usa",
                                   "English (USA)",
                                   "LblLang_german",
                                   "German",
                                   "LblLang_spanish",
                                   "Spanish",
                                   "LblLang_portuguese",
                                   "Portuguese",
                                   "LblLang_french",
                                   "French",
                                   "LblLang_italian",
                                   "Italian",
                                   "LblLang_polish",
                                   "Polish",
                                   "LblLang_russian",
                                   "Russian",
                                   "LblLang_arabic",
                                   "Arabic",
                                   "LblLang_chinese",
                                   "Chinese",
                                   "LblLang_japanese",
                                   "Japanese"};
    // Sample values, units and placeholders that the controllers overwrite, and fixed captions.
    const QStringList untranslated{"LblTime", "08:00", "lblInfoBarLeft", "left", "lblInfoBarCenter", "center",
                                   "lblInfoBarRight", "right", "LblMenuCaption", "", "btnSingleViewChanSel", "Chan 1",
                                   "lblSingleViewMainVal", "-20.000", "lblSingleViewCorrCaption", "Resistance",
                                   // The Greek capital omega U+03A9, not the ohm sign U+2126.
                                   "lblSingleViewCorrVal", "107.79 \u03A9", "btnSingleViewUnit", "\u00B0C",
                                   "lblSingleViewProbe_SmartFlag", "(S)", "btnSingleViewRoot2", "\u221A2",
                                   "btnSingleViewDecRes", "-", "btnSingleViewIncRes", "+", "lblSingleViewMax", "<max>",
                                   "lblSingleViewMin", "<min>", "btnSingleViewProbe", "", "label_2001", "Default",
                                   "label_222", "Blank (white)"};
    for (int index = 0; index < translatable.size(); index += 2) {
        QTest::newRow(qPrintable(translatable[index])) << translatable[index] << translatable[index + 1] << true;
    }
    for (int index = 0; index < untranslated.size(); index += 2) {
        QTest::newRow(qPrintable(untranslated[index])) << untranslated[index] << untranslated[index + 1] << false;
    }
}

void tst_TamarindMainForm::retranslationReplacesOnlyTranslatableTexts()
{
    QFETCH(QString, object);
    QFETCH(QString, text);
    QFETCH(bool, translatable);

    QObject* widget = mForm->findChild<QObject*>(object);
    QVERIFY(widget);
    QCOMPARE(textOf(widget), text);

    // A controller has written into the widget before the language changes.
    widget->setProperty("text", QStringLiteral("written by a controller"));
    retranslateMarked(mUi, mForm.get());

    QCOMPARE(textOf(widget),
             translatable ? TMarkingCatalogue::marked(text) : QStringLiteral("written by a controller"));
}

void tst_TamarindMainForm::pixmapsSurviveRetranslation()
{
    retranslateMarked(mUi, mForm.get());

    for (QLabel* label : {mUi.LblTitlebar, mUi.LblMenuIcon, mUi.LblLangFlag_english_uk, mUi.LblLangFlag_japanese,
                          mUi.IconWarning_SingleChannelView}) {
        QVERIFY2(!label->pixmap(Qt::ReturnByValue).isNull(), qPrintable(label->objectName()));
        QVERIFY(label->text().isEmpty());
    }
}

void tst_TamarindMainForm::disambiguatedTextsUseTheirOwnKeys()
{
    // Short forms that the controllers read back carry a comment; the same words as captions do not.
    struct TKey
    {
        const char* mObject; // empty: every object
        bool mToolTip;
        const char* mSource;
        const char* mComment;
    };
    const TKey keys[] = {
        {"", true, "Backlight-Off", "LblSettings_BacklightOff_shortform"},
        {"", true, "Language", "LblSettings_Language_shortform"},
        {"", true, "Std. probe settings", "LblSettings_StandardProbeSettings_shortform"},
        {"LblKWC_On", false, "On", "Standby current"},
        {"LblKWC_Off", false, "Off", "Standby current"},
        {"label_28", false, "d", "short for \"days\""},
        {"label_29", false, "h", "short for \"hours\""},
        {"label_30", false, "min", "short for \"minutes\""},
        {"label_208", false, "Routine name", "View of a stored routine"},
    };
    auto expectedComment = [&](const QString& pObject, bool pToolTip, const QString& pSource) {
        for (const TKey& key : keys) {
            if (key.mToolTip == pToolTip && pSource == QLatin1String(key.mSource) &&
                (!*key.mObject || pObject == QLatin1String(key.mObject))) {
                return QString::fromUtf8(key.mComment);
            }
        }
        return QString();
    };

    QHash<QWidget*, QPair<QString, QString>> english;
    const QList<QWidget*> widgets = mForm->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        english.insert(widget, {textOf(widget), widget->toolTip()});
    }
    retranslateMarked(mUi, mForm.get());

    int translated = 0;
    for (QWidget* widget : widgets) {
        const QString name = widget->objectName();
        const auto& [text, toolTip] = english.value(widget);
        if (textOf(widget) != text) {
            ++translated;
            QCOMPARE(textOf(widget), TMarkingCatalogue::marked(text, expectedComment(name, false, text)));
        }
        if (widget->toolTip() != toolTip) {
            QCOMPARE(widget->toolTip(), TMarkingCatalogue::marked(toolTip, expectedComment(name, true, toolTip)));
        }
    }
    QVERIFY(translated > 0);
}

void tst_TamarindMainForm::slotsAreConnectedByName()
{
    TSlotReceiver receiver;
    Ui_TTamarindMainForm ui;
    ui.setupUi(&receiver);
    QVERIFY(receiver.mCalls.isEmpty());

    QTest::mouseClick(ui.BtnSave, Qt::LeftButton);
    QTest::mouseClick(ui.BtnCancel, Qt::LeftButton);
    QTest::mouseClick(ui.BtnReturnToMainMenu, Qt::LeftButton);
    emit ui.BtnHome->beforeButtonPressed();
    emit ui.BtnLogger->beforeButtonPressed();
    ui.stackedWidgetMenu->setCurrentWidget(ui.PageCustomLogo);

    QCOMPARE(receiver.mCalls,
             (QStringList{"save", "cancel", "return", "home before press", "logger before press", "menu page 45"}));
}

void tst_TamarindMainForm::everySlotOfTheMainWindowReachesItsObject()
{
    // Object name and signal of each slot "on_<object>_<signal>" of the main window.
    const QVector<QPair<QString, QString>> connections{
        {"BtnHome", "beforeButtonPressed()"},
        {"BtnHome", "released()"},
        {"BtnReturnToMainMenu", "clicked()"},
        {"BtnSave", "clicked()"},
        {"BtnCancel", "clicked()"},
        {"BtnFindFirmwareUpdate_UI", "clicked()"},
        {"BtnDoFirmwareUpdate_UI", "clicked()"},
        {"btnProbeSel_AddProbe", "clicked()"},
        {"BtnProbe_Search", "clicked()"},
        {"BtnProbeFilterClear", "clicked()"},
        {"BtnScan_Start", "clicked()"},
        {"BtnScan_Stop", "clicked()"},
        {"BtnScan_ShowView", "clicked()"},
        {"BtnDeleteProbe", "clicked()"},
        {"RbGraphScale_Auto", "clicked()"},
        {"RbGraphScale_Custom", "clicked()"},
        {"BtnLogger", "beforeButtonPressed()"},
        {"BtnLogger", "released()"},
        {"BtnEnterZELKServiceLevel", "clicked()"},
        {"BtnLeaveZELKServiceLevel", "clicked()"},
        {"stackedWidgetMenu", "currentChanged(int)"},
        {"Btn2Cal_NomLower", "clicked()"},
        {"Btn2Cal_NomUpper", "clicked()"},
        {"Btn2Cal_MeasLower", "clicked()"},
        {"Btn2Cal_MeasUpper", "clicked()"},
        {"BtnRecalCycle", "clicked()"},
        {"BtnCJCCal_MeasOffset", "clicked()"},
    };
    auto slotOf = [](const QPair<QString, QString>& pConnection) {
        return "on_" + pConnection.first + "_" + pConnection.second.left(pConnection.second.indexOf('('));
    };

    // Until every page is built, the slots of the missing objects find no signal, and Qt says so.
    QStringList missing;
    for (const auto& connection : connections) {
        if (!mForm->findChild<QObject*>(connection.first)) {
            missing << connection.first;
            const QString signature = slotOf(connection) + connection.second.mid(connection.second.indexOf('('));
            QTest::ignoreMessage(QtWarningMsg,
                                 qPrintable("QMetaObject::connectSlotsByName: No matching signal for " + signature));
        }
    }
    TMainWindowSlots receiver;
    Ui_TTamarindMainForm ui;
    ui.setupUi(&receiver);
    receiver.mCalls.clear();

    for (const auto& connection : connections) {
        QObject* object = receiver.findChild<QObject*>(connection.first);
        if (!object) {
            continue;
        }
        const int index = object->metaObject()->indexOfSignal(qPrintable(connection.second));
        QVERIFY2(index >= 0, qPrintable(connection.first + " has no signal " + connection.second));
        const QMetaMethod signal = object->metaObject()->method(index);
        QVERIFY(signal.parameterCount() == 0 ? signal.invoke(object) : signal.invoke(object, Q_ARG(int, 7)));
        QCOMPARE(receiver.mCalls, QStringList{slotOf(connection)});
        receiver.mCalls.clear();
    }
    QVERIFY2(missing.isEmpty(), qPrintable("missing in the form: " + missing.join(", ")));
}

void tst_TamarindMainForm::completeFormHasEveryMember()
{
    QCOMPARE(memberCount(mUi), MEMBER_COUNT);

    QMap<QString, int> classes;
    mUi.forEachMember([&](const char*, auto* pMember) {
        using TMember = std::remove_pointer_t<decltype(pMember)>;
        if constexpr (std::is_base_of_v<QObject, TMember>) {
            ++classes[QString::fromLatin1(TMember::staticMetaObject.className())];
        } else {
            ++classes[QStringLiteral("QSpacerItem")];
        }
    });
    const QMap<QString, int> expected{
        {"QLabel", 688},
        {"QWidget", 332},
        {"QGridLayout", 248},
        {"QHBoxLayout", 158},
        {"QVBoxLayout", 124},
        {"QSpacerItem", 88},
        {"QZELKContainerRadioButton", 77},
        {"QZELKDialogButton", 75},
        {"QZELKPushButton", 67},
        {"QZELKGreyPanel", 27},
        {"TTouchScrollArea", 24},
        {"QZELKContainerPushButton", 12},
        {"QRadioButton", 12},
        {"QZELKAppButton", 10},
        {"QStackedWidget", 2},
        {"QwtPlot", 1},
    };
    QCOMPARE(classes, expected);

    // The plain rows that the screens register as clickable.
    int rows = 0;
    const QString rowSheet = TStyleSheetCatalogue::sheet(ssClickableRow);
    for (QWidget* widget : mForm->findChildren<QWidget*>()) {
        rows += widget->styleSheet() == rowSheet ? 1 : 0;
    }
    QCOMPARE(rows, 190);
}

void tst_TamarindMainForm::containerButtonsHaveTheirCornerRadius()
{
    const QList<QZELKAbstractButton*> buttons = mForm->findChildren<QZELKAbstractButton*>();
    QVERIFY(!buttons.isEmpty());
    for (QZELKAbstractButton* button : buttons) {
        QVERIFY2(button->getBorderRadius() == 6, qPrintable(button->objectName()));
    }
}

TAMARIND_TEST_MAIN(tst_TamarindMainForm)
#include "tst_tamarindmainform.moc"
