#include "form_helpers.h"
#include "tamarindmainform_ui.h"
#include "testsupport.h"

#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QStyle>

#include <memory>

// The settings, selection, channel configuration and calibration pages of the form: the lists and
// rows that the screens fill, what the user sees where, which texts follow the language and which
// buttons reach the main window by name.

namespace
{

// A main window stand-in with the slots that these pages' buttons reach by object name.
class TSlotReceiver : public QWidget
{
    Q_OBJECT

public:
    QStringList mCalls;

public slots:
    void on_btnProbeSel_AddProbe_clicked() { mCalls << "add probe"; }
    void on_BtnRecalCycle_clicked() { mCalls << "recal cycle"; }
    void on_Btn2Cal_NomLower_clicked() { mCalls << "nominal lower"; }
    void on_Btn2Cal_NomUpper_clicked() { mCalls << "nominal upper"; }
    void on_Btn2Cal_MeasLower_clicked() { mCalls << "measured lower"; }
    void on_Btn2Cal_MeasUpper_clicked() { mCalls << "measured upper"; }
    void on_BtnCJCCal_MeasOffset_clicked() { mCalls << "cjc offset"; }
};

QString textOf(QObject* pObject)
{
    return pObject->property("text").toString();
}

// What a box layout holds, top to bottom: object names, "spacer" and "layout".
QStringList itemsOf(QLayout* pLayout)
{
    QStringList items;
    for (int index = 0; index < pLayout->count(); ++index) {
        QLayoutItem* item = pLayout->itemAt(index);
        items << (item->widget()       ? item->widget()->objectName()
                  : item->spacerItem() ? QStringLiteral("spacer")
                                       : QStringLiteral("layout"));
    }
    return items;
}

bool isOrange(const QColor& pColour)
{
    return pColour.red() > 200 && pColour.green() > 80 && pColour.blue() < 80;
}

bool isDarkGrey(const QColor& pColour)
{
    return pColour.red() < 0x50 && qAbs(pColour.red() - pColour.blue()) < 8 &&
           qAbs(pColour.red() - pColour.green()) < 8;
}

} // namespace

class tst_TamarindMainFormSettingPages : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void listsWhereTheScreensWork_data();
    void listsWhereTheScreensWork();
    void storedProbesGoAheadOfTheFinalSpacer();
    void rowsShowCaptionAndValue_data();
    void rowsShowCaptionAndValue();
    void retranslationReplacesOnlyTranslatableTexts_data();
    void retranslationReplacesOnlyTranslatableTexts();
    void shortFormsAsToolTips();
    void languageFlagSurvivesRetranslation();
    void brightnessPageTakesTheMainWindowsLayout();
    void placesAsTheUserSeesThem_data();
    void placesAsTheUserSeesThem();
    void recalibrationDatesBesideTheirItems();
    void buttonsReachTheMainWindowByName();
    void selectedUnitTurnsOrange();
    void derivedChannelRowsGreyOutWhenDisabled();
    void smallTextOnTheCalibrationPages_data();
    void smallTextOnTheCalibrationPages();
    void filledPagesRender();

private:
    QImage grabbed() const { return mForm->grab().toImage(); }
    QColor colourAt(const QImage& pPicture, QWidget* pWidget, QPoint pPoint) const
    {
        return pPicture.pixelColor(pWidget->mapTo(mForm.get(), pPoint));
    }
    QRect placeOf(QWidget* pWidget) const { return QRect(pWidget->mapTo(mForm.get(), QPoint(0, 0)), pWidget->size()); }
    void show(QWidget* pPage);

    std::unique_ptr<QWidget> mForm;
    Ui_TTamarindMainForm mUi;
};

void tst_TamarindMainFormSettingPages::init()
{
    mForm = std::make_unique<QWidget>();
    mUi = Ui_TTamarindMainForm();
    mUi.setupUi(mForm.get());
}

void tst_TamarindMainFormSettingPages::cleanup()
{
    mForm.reset();
}

void tst_TamarindMainFormSettingPages::show(QWidget* pPage)
{
    auto* stack = qobject_cast<QStackedWidget*>(pPage->parentWidget());
    QVERIFY(stack);
    stack->setCurrentWidget(pPage);
    mForm->show();
    QVERIFY(QTest::qWaitForWindowExposed(mForm.get()));
    // Layouts settle on posted events.
    QCoreApplication::sendPostedEvents();
}

void tst_TamarindMainFormSettingPages::listsWhereTheScreensWork_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QStringList>("items");
    // The settings list ends with its last row, so nothing pushes the rows apart or leaves a gap.
    QTest::newRow("settings") << "verticalLayout_16"
                              << QStringList{"label_2",
                                             "BtnSettings_Language",
                                             "BtnSettings_BacklightOff",
                                             "BtnSettings_Brightness",
                                             "BtnSettings_Time",
                                             "BtnSettings_Sound",
                                             "BtnSettings_DataSeparator",
                                             "BtnSettings_FactoryReset",
                                             "label_10",
                                             "BtnSettings_AvgValue",
                                             "label_16",
                                             "BtnSettings_StandardProbeSettings",
                                             "BtnSettings_AlarmForProbes"};
    QTest::newRow("channels") << "verticalLayout_28"
                              << QStringList{"BtnChanSel_1",    "BtnChanSel_2",          "BtnChanSel_3",
                                             "BtnChanSel_4",    "BtnChanSel_Reciprocal", "BtnChanSel_Sum",
                                             "BtnChanSel_Diff", "BtnChanSel_Product",    "BtnChanSel_Quotient",
                                             "BtnChanSel_X",    "BtnChanSel_Y",          "spacer"};
    QTest::newRow("probes") << "verticalLayout_31"
                            << QStringList{"label_8",
                                           "BtnDefProbe_3w_prt",
                                           "BtnDefProbe_4w_prt",
                                           "BtnDefProbe_sprt",
                                           "BtnDefProbe_thermistor",
                                           "BtnDefProbe_thermocouple",
                                           "layout",
                                           "spacer"};
    QTest::newRow("units") << "verticalLayout_26"
                           << QStringList{"btnUnitSelCelcius", "btnUnitSelFahrenheit", "btnUnitSelKelvin",
                                          "btnUnitSelOhm",     "btnUnitSelMilliVolt",  "spacer"};
    QTest::newRow("backlight times") << "verticalLayout_10"
                                     << QStringList{"BtnBacklightOff_Off",  "BtnBacklightOff_10s",
                                                    "BtnBacklightOff_30s",  "BtnBacklightOff_60s",
                                                    "BtnBacklightOff_120s", "spacer"};
    QTest::newRow("decimal separators") << "verticalLayout_11"
                                        << QStringList{"BtnDecSep_Point", "BtnDecSep_Comma", "spacer"};
    // The scan screens take the spacer out, put one button per position in and the spacer below.
    QTest::newRow("switch box positions") << "gridLayout_294" << QStringList{"spacer"};
}

void tst_TamarindMainFormSettingPages::listsWhereTheScreensWork()
{
    QFETCH(QString, layout);
    QFETCH(QStringList, items);

    auto* list = mForm->findChild<QLayout*>(layout);
    QVERIFY(list);
    QCOMPARE(itemsOf(list), items);
}

void tst_TamarindMainFormSettingPages::storedProbesGoAheadOfTheFinalSpacer()
{
    // As built the stored probe list holds only its heading line with the "+" button.
    QCOMPARE(itemsOf(mUi.horizontalLayout_32), (QStringList{"label_12", "spacer", "btnProbeSel_AddProbe"}));
    QCOMPARE(mUi.btnProbeSel_AddProbe->text(), QStringLiteral("+"));

    // The probe screens insert a row per stored probe ahead of the spacer.
    QWidget* stored = Form_helpers::newClickableRow(mUi.scrollAreaProbeSelContents, "BtnStoredProbe");
    mUi.verticalLayout_31->insertWidget(mUi.verticalLayout_31->count() - 1, stored);
    show(mUi.PageProbeSelection);
    QCOMPARE(itemsOf(mUi.verticalLayout_31).mid(6), (QStringList{"layout", "BtnStoredProbe", "spacer"}));
    QVERIFY(placeOf(stored).top() > placeOf(mUi.label_12).bottom());
    QCOMPARE(placeOf(stored).height(), 34);
}

void tst_TamarindMainFormSettingPages::rowsShowCaptionAndValue_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("value");
    QTest::newRow("backlight") << "BtnSettings_BacklightOff"
                               << "LblSettings_BacklightOff"
                               << "LblSelectedBacklightOff";
    QTest::newRow("brightness") << "BtnSettings_Brightness"
                                << "LblSettings_Brightness"
                                << "LblSelectedBrightness";
    QTest::newRow("time, value created first") << "BtnSettings_Time"
                                               << "LblSettings_Time"
                                               << "LblSettings_TimeValue";
    QTest::newRow("sound") << "BtnSettings_Sound"
                           << "LblSettings_Sound"
                           << "LblSettings_SoundValue";
    QTest::newRow("decimal separator") << "BtnSettings_DataSeparator"
                                       << "LblSettings_DataSeparator"
                                       << "LblSelectedDecimalSeparator";
    QTest::newRow("factory reset") << "BtnSettings_FactoryReset"
                                   << "LblSettings_FactoryReset"
                                   << "";
    QTest::newRow("average") << "BtnSettings_AvgValue"
                             << "LblSettings_AvgValue"
                             << "LblSelectedAvgValSampleCount";
    QTest::newRow("standard probes") << "BtnSettings_StandardProbeSettings"
                                     << "LblSettings_StandardProbeSettings"
                                     << "";
    QTest::newRow("probe alarm") << "BtnSettings_AlarmForProbes"
                                 << "LblSettings_AlarmForProbes"
                                 << "LblSettings_AlarmForProbes_Val";
    QTest::newRow("operand X") << "BtnChanSel_X"
                               << "LblSettings_BacklightOff_27"
                               << "LblChanSel_X";
    QTest::newRow("operand Y") << "BtnChanSel_Y"
                               << "LblSettings_BacklightOff_29"
                               << "LblChanSel_Y";
    QTest::newRow("channel 1") << "BtnChanSel_1"
                               << "LblSettings_BacklightOff_5"
                               << "";
    QTest::newRow("thermocouple probe") << "BtnDefProbe_thermocouple"
                                        << "LblDefProbe_thermocouple"
                                        << "";
}

void tst_TamarindMainFormSettingPages::rowsShowCaptionAndValue()
{
    QFETCH(QString, row);
    QFETCH(QString, caption);
    QFETCH(QString, value);

    auto* rowWidget = mForm->findChild<QWidget*>(row);
    QVERIFY(rowWidget);
    auto* grid = qobject_cast<QGridLayout*>(rowWidget->layout());
    QVERIFY(grid);
    QCOMPARE(rowWidget->minimumHeight(), 34);
    QCOMPARE(rowWidget->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    // The clickable-widget controllers register the row with the label in its first cell.
    auto* captionLabel = qobject_cast<QLabel*>(grid->itemAtPosition(0, 0)->widget());
    QVERIFY(captionLabel);
    QCOMPARE(captionLabel->objectName(), caption);
    QCOMPARE(captionLabel->parentWidget(), rowWidget);
    if (value.isEmpty()) {
        QCOMPARE(grid->count(), 1);
        return;
    }
    // The services write the current value at the right; it is empty until they do.
    auto* valueLabel = qobject_cast<QLabel*>(grid->itemAtPosition(0, 1)->widget());
    QVERIFY(valueLabel);
    QCOMPARE(valueLabel->objectName(), value);
    QCOMPARE(valueLabel->parentWidget(), rowWidget);
    QCOMPARE(valueLabel->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    QVERIFY(valueLabel->text().isEmpty());
}

void tst_TamarindMainFormSettingPages::retranslationReplacesOnlyTranslatableTexts_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("translatable");
    struct TText
    {
        const char* mObject;
        QString mText;
    };
    const TText translatable[] = {
        {"label_2", "General"},
        {"LblSettings_Language", "Language"},
        {"LblSettings_BacklightOff", "Backlight-Off"},
        {"LblSettings_DataSeparator", "Decimal separator"},
        {"LblSettings_FactoryReset", "Factory reset"},
        {"label_16", "Probes"},
        {"LblSettings_StandardProbeSettings", "Standard probe settings"},
        {"LblSettings_AlarmForProbes", "Alarm for probes"},
        {"LblProbeAlarms_On", "On"},
        {"LblDecSep_Comma", ", (comma)"},
        {"LblBacklightOff_Off", "Off"},
        {"LblBacklightOff_120s", "120 s"},
        {"label_20", "Date"},
        {"LblSettings_Language_4", "dd/mm/yyyy"},
        {"LblSettings_Language_2", "24h"},
        {"LblSetTime_PM", "PM"},
        {"LblSettings_Language_3", "AM"},
        {"label_22", "Keystroke sound"},
        {"LblSoundAlarm_off", "Off"},
        {"label_21", "Sample count"},
        {"btnUnitSelCelcius", "\u00B0C"},
        {"btnUnitSelFahrenheit", "\u00B0F"},
        {"btnUnitSelKelvin", "K"},
        // The ohm sign, not the Greek capital omega of the home page's sample value.
        {"btnUnitSelOhm", "\u2126"},
        {"btnUnitSelMilliVolt", "mV"},
        {"label_8", "Standard probes"},
        {"label_12", "Stored probes"},
        {"BtnMultiChannelSubmenu_Probe", "Select probe"},
        {"BtnMultiChannelSubmenu_Unit", "Select unit"},
        {"label_167", "Recal. cycle (months)"},
        {"label_171", "25 \u2126 ref."},
        {"label_178", "10 k\u2126 ref."},
        {"label_200", "TC ext. chan."},
        {"label_33", "Channel configuration"},
        {"LblChanConf_ZTM8800_2", "PRT 1"},
        {"LblChanConf_ZTM8800_5", "TC 4"},
        {"BtnChanConf_SwitchBox_DeselectAll", "deselect all"},
        {"label_155", "Current calibration data"},
        {"label_164", "Slope"},
        {"label_166", "Offset [K]"},
        {"label_176", "Offset [K]"},
    };
    // Channel captions, placeholders and the values that the screens write.
    const TText untranslated[] = {
        {"LblSettings_BacklightOff_5", "1"},
        {"LblSettings_BacklightOff_18", "1 / X"},
        // The multiplication x U+2715, not the letter.
        {"LblSettings_BacklightOff_25", "X \u2715 Y"},
        {"LblSettings_BacklightOff_27", "X ="},
        {"LblChanSel_Y", ""},
        {"LblDefProbe_sprt", ""},
        {"btnProbeSel_AddProbe", "+"},
        {"BtnAvgSampleCount", ""},
        {"LblSelectedLanguage", ""},
        {"LblSettings_TimeValue", ""},
        {"BtnSetDate_Val1", "00"},
        {"BtnSetDate_Year", "00"},
        {"BtnSetTime_Minutes", "00"},
        {"BtnRecalCycle", ""},
        {"LblLastCal_CJC_Chan4", ""},
        {"LblScanChanConf_Model", "<model>"},
        {"LblChanConf_SwitchBox_Header", "[caption]"},
        {"Lbl2Cal_NomUpper", ""},
        {"Btn2Cal_MeasUpper", ""},
        {"LblCJCCal_NextCalDate", ""},
        {"BtnCJCCal_MeasOffset", ""},
    };
    for (const TText& text : translatable) {
        QTest::newRow(text.mObject) << text.mObject << text.mText << true;
    }
    for (const TText& text : untranslated) {
        QTest::newRow(text.mObject) << text.mObject << text.mText << false;
    }
}

void tst_TamarindMainFormSettingPages::retranslationReplacesOnlyTranslatableTexts()
{
    QFETCH(QString, object);
    QFETCH(QString, text);
    QFETCH(bool, translatable);

    QObject* widget = mForm->findChild<QObject*>(object);
    QVERIFY(widget);
    QCOMPARE(textOf(widget), text);

    // A screen has written into the widget; the language changes (no catalogue: English again).
    widget->setProperty("text", QStringLiteral("written by a screen"));
    mUi.retranslateUi(mForm.get());
    QCOMPARE(textOf(widget), translatable ? text : QStringLiteral("written by a screen"));
}

void tst_TamarindMainFormSettingPages::shortFormsAsToolTips()
{
    // The clickable-widget controllers show a label's tool tip where it has one, so these must be
    // exactly the short forms, and only where the pages give them.
    QStringList backlightOff;
    QStringList language;
    QStringList others;
    for (QWidget* page : {mUi.PageSettings, mUi.PageBacklightOff, mUi.PageTime, mUi.PageSound, mUi.PageAlarmForProbes,
                          mUi.PageDataSeparator, mUi.PageAverageValue, mUi.PageUnitSelection, mUi.PageChannelSelection,
                          mUi.PageProbeSelection, mUi.PageSelectProbeOrUnit, mUi.PageChanConf_ZTM8800,
                          mUi.PageChanConf_SwitchBoxes, mUi.PageRecalCycle, mUi.PageTwoPointCal, mUi.PageCJCOffset}) {
        for (QWidget* widget : page->findChildren<QWidget*>()) {
            const QString toolTip = widget->toolTip();
            if (toolTip == QLatin1String("Backlight-Off")) {
                backlightOff << widget->objectName();
            } else if (toolTip == QLatin1String("Language")) {
                language << widget->objectName();
            } else if (!toolTip.isEmpty()) {
                others << widget->objectName() + ": " + toolTip;
            }
        }
    }
    backlightOff.sort();
    language.sort();
    QCOMPARE(backlightOff,
             (QStringList{"LblChanSel_X", "LblChanSel_Y", "LblDefProbe_3w_prt", "LblDefProbe_4w_prt",
                          "LblDefProbe_sprt", "LblDefProbe_thermistor", "LblDefProbe_thermocouple",
                          "LblSettings_BacklightOff_18", "LblSettings_BacklightOff_19", "LblSettings_BacklightOff_24",
                          "LblSettings_BacklightOff_25", "LblSettings_BacklightOff_26", "LblSettings_BacklightOff_27",
                          "LblSettings_BacklightOff_29", "LblSettings_BacklightOff_5", "LblSettings_BacklightOff_6",
                          "LblSettings_BacklightOff_7", "LblSettings_BacklightOff_8"}));
    QCOMPARE(language, (QStringList{"LblSetTime_PM", "LblSettings_Language_2", "LblSettings_Language_3",
                                    "LblSettings_Language_4", "LblSettings_Language_5", "LblSoundAlarm_off",
                                    "LblSoundAlarm_on", "LblSoundKeys_off", "LblSoundKeys_on"}));
    QCOMPARE(others, QStringList{"LblSettings_StandardProbeSettings: Std. probe settings"});
}

void tst_TamarindMainFormSettingPages::languageFlagSurvivesRetranslation()
{
    QVERIFY(!mUi.LblSelectedLanguageFlag->pixmap(Qt::ReturnByValue).isNull());
    mUi.retranslateUi(mForm.get());
    QVERIFY(!mUi.LblSelectedLanguageFlag->pixmap(Qt::ReturnByValue).isNull());
    QVERIFY(mUi.LblSelectedLanguageFlag->text().isEmpty());
}

void tst_TamarindMainFormSettingPages::brightnessPageTakesTheMainWindowsLayout()
{
    // Qt ignores a second layout on a widget, so the form must leave this page without one.
    QVERIFY(!mUi.PageBrightness->layout());
    auto* layout = new QGridLayout(mUi.PageBrightness);
    QCOMPARE(mUi.PageBrightness->layout(), layout);
}

void tst_TamarindMainFormSettingPages::placesAsTheUserSeesThem_data()
{
    QTest::addColumn<QString>("page");
    // Each widget of the list stands right of the one before it, on the same line, or (with a
    // leading "v") below it.
    QTest::addColumn<QStringList>("order");
    QTest::newRow("date fields") << "PageTime" << QStringList{"BtnSetDate_Val1", "BtnSetDate_Val2", "BtnSetDate_Year"};
    QTest::newRow("date formats") << "PageTime"
                                  << QStringList{"BtnSetDate_FormatDDMM", "vBtnSetDate_FormatMMDD",
                                                 "vBtnSetTime_Hours"};
    QTest::newRow("time fields") << "PageTime" << QStringList{"BtnSetTime_Hours", "BtnSetTime_Minutes"};
    QTest::newRow("time formats") << "PageTime" << QStringList{"BtnSetTime_24h", "BtnSetTime_AM", "BtnSetTime_PM"};
    QTest::newRow("keystroke sound above alarm sound")
        << "PageSound" << QStringList{"BtnSoundKeys_on", "BtnSoundKeys_off", "vBtnSoundAlarm_off"};
    QTest::newRow("alarm sound") << "PageSound" << QStringList{"BtnSoundAlarm_on", "BtnSoundAlarm_off"};
    QTest::newRow("probe alarm") << "PageAlarmForProbes" << QStringList{"BtnProbeAlarms_On", "BtnProbeAlarms_Off"};
    QTest::newRow("PRT inputs above the thermocouples")
        << "PageChanConf_ZTM8800"
        << QStringList{"BtnChanConf_PRT1", "BtnChanConf_PRT2", "vBtnChanConf_TC1", "BtnChanConf_TC2"};
    QTest::newRow("select all") << "PageChanConf_SwitchBoxes"
                                << QStringList{"BtnChanConf_SwitchBox_SelectAll", "BtnChanConf_SwitchBox_DeselectAll",
                                               "vscrollAreaScanConfigSwitchBox"};
    QTest::newRow("current two-point data")
        << "PageTwoPointCal" << QStringList{"label_156",  "Lbl2Cal_Offset",      "vlabel_157", "Lbl2Cal_Slope",
                                            "vlabel_158", "Lbl2Cal_LastCalDate", "vlabel_159", "Lbl2Cal_NextCalDate"};
    QTest::newRow("two points") << "PageTwoPointCal"
                                << QStringList{"Lbl2Cal_NomLower",   "Btn2Cal_NomLower",   "vLbl2Cal_NomUpper",
                                               "Btn2Cal_NomUpper",   "vLbl2Cal_MeasLower", "Btn2Cal_MeasLower",
                                               "vLbl2Cal_MeasUpper", "Btn2Cal_MeasUpper"};
    QTest::newRow("new two-point data") << "PageTwoPointCal"
                                        << QStringList{"label_163", "Lbl2Cal_NewOffset", "vlabel_164",
                                                       "Lbl2Cal_NewSlope"};
    QTest::newRow("cold junction") << "PageCJCOffset" << QStringList{"label_166",  "LblCJCCal_Offset",
                                                                     "vlabel_168", "LblCJCCal_LastCalDate",
                                                                     "vlabel_169", "LblCJCCal_NextCalDate",
                                                                     "vlabel_176", "BtnCJCCal_MeasOffset"};
}

void tst_TamarindMainFormSettingPages::placesAsTheUserSeesThem()
{
    QFETCH(QString, page);
    QFETCH(QStringList, order);

    auto* pageWidget = mForm->findChild<QWidget*>(page);
    QVERIFY(pageWidget);
    show(pageWidget);
    QWidget* previous = nullptr;
    for (QString name : order) {
        const bool below = name.startsWith('v');
        if (below) {
            name.remove(0, 1);
        }
        auto* widget = pageWidget->findChild<QWidget*>(name);
        QVERIFY2(widget, qPrintable(name));
        QVERIFY2(widget->isVisible() && !widget->size().isEmpty(), qPrintable(name));
        if (previous) {
            const QRect before = placeOf(previous);
            const QRect here = placeOf(widget);
            if (below) {
                QVERIFY2(here.top() > before.bottom(), qPrintable(name + " is not below " + previous->objectName()));
            } else {
                QVERIFY2(here.left() > before.right(), qPrintable(name + " is not right of " + previous->objectName()));
                QCOMPARE(here.center().y(), before.center().y());
            }
        }
        previous = widget;
    }
}

void tst_TamarindMainFormSettingPages::recalibrationDatesBesideTheirItems()
{
    // Top to bottom in the order of the calibration items, whatever order the labels were made in.
    const QStringList captions{"25 \u2126 ref.", "100 \u2126 ref.", "10 k\u2126 ref.", "100 k\u2126 ref.", "TC chan. 3",
                               "TC chan. 4",     "TC ext. chan.",   "CJC chan. 3",     "CJC chan. 4"};
    const QList<QLabel*> dates{mUi.LblLastCal_25R,    mUi.LblLastCal_100R,      mUi.LblLastCal_10kR,
                               mUi.LblLastCal_100kR,  mUi.LblLastCal_TC3,       mUi.LblLastCal_TC4,
                               mUi.LblLastCal_TC_Ext, mUi.LblLastCal_CJC_Chan3, mUi.LblLastCal_CJC_Chan4};
    for (QLabel* date : dates) {
        date->setText(QStringLiteral("01/01/2030"));
    }
    show(mUi.PageRecalCycle);
    int previousTop = placeOf(mUi.label_170).bottom();
    for (int row = 0; row < dates.size(); ++row) {
        auto* caption = qobject_cast<QLabel*>(mUi.gridLayout_287->itemAtPosition(row, 0)->widget());
        QVERIFY(caption);
        QCOMPARE(caption->text(), captions.at(row));
        const QRect captionPlace = placeOf(caption);
        const QRect datePlace = placeOf(dates.at(row));
        QVERIFY2(captionPlace.top() > previousTop, qPrintable(caption->text()));
        QCOMPARE(datePlace.center().y(), captionPlace.center().y());
        QVERIFY(datePlace.left() > captionPlace.left());
        previousTop = captionPlace.top();
    }
}

void tst_TamarindMainFormSettingPages::buttonsReachTheMainWindowByName()
{
    TSlotReceiver receiver;
    Ui_TTamarindMainForm ui;
    ui.setupUi(&receiver);
    for (QZELKDialogButton* button :
         {ui.btnProbeSel_AddProbe, ui.BtnRecalCycle, ui.Btn2Cal_NomLower, ui.Btn2Cal_NomUpper, ui.Btn2Cal_MeasLower,
          ui.Btn2Cal_MeasUpper, ui.BtnCJCCal_MeasOffset}) {
        button->click();
    }
    QCOMPARE(receiver.mCalls, (QStringList{"add probe", "recal cycle", "nominal lower", "nominal upper",
                                           "measured lower", "measured upper", "cjc offset"}));
}

void tst_TamarindMainFormSettingPages::selectedUnitTurnsOrange()
{
    show(mUi.PageUnitSelection);
    const QList<QPushButton*> units{mUi.btnUnitSelCelcius, mUi.btnUnitSelFahrenheit, mUi.btnUnitSelKelvin,
                                    mUi.btnUnitSelOhm, mUi.btnUnitSelMilliVolt};
    for (QPushButton* unit : units) {
        QVERIFY(!unit->isFlat());
    }
    const QPoint inside(5, mUi.btnUnitSelKelvin->height() * 3 / 5);
    QVERIFY(isDarkGrey(colourAt(grabbed(), mUi.btnUnitSelKelvin, inside)));

    // The unit selection marks the channel's unit by making its button flat.
    mUi.btnUnitSelKelvin->setFlat(true);
    mUi.btnUnitSelKelvin->style()->unpolish(mUi.btnUnitSelKelvin);
    mUi.btnUnitSelKelvin->style()->polish(mUi.btnUnitSelKelvin);
    const QImage picture = grabbed();
    QVERIFY(isOrange(colourAt(picture, mUi.btnUnitSelKelvin, inside)));
    QVERIFY(isDarkGrey(colourAt(picture, mUi.btnUnitSelCelcius, inside)));
}

void tst_TamarindMainFormSettingPages::derivedChannelRowsGreyOutWhenDisabled()
{
    show(mUi.PageChannelSelection);
    const QPoint inside(4, mUi.BtnChanSel_Sum->height() * 3 / 5);
    const QColor enabled = colourAt(grabbed(), mUi.BtnChanSel_Sum, inside);
    QVERIFY(isDarkGrey(enabled));
    QCOMPARE(colourAt(grabbed(), mUi.BtnChanSel_1, inside), enabled);

    mUi.BtnChanSel_Sum->setEnabled(false);
    mUi.BtnChanSel_1->setEnabled(false);
    const QImage picture = grabbed();
    // The derived channel shows the light disabled gradient; an input row keeps its dark look.
    QVERIFY(colourAt(picture, mUi.BtnChanSel_Sum, inside).lightness() > enabled.lightness() + 40);
    QCOMPARE(colourAt(picture, mUi.BtnChanSel_1, inside), enabled);
}

void tst_TamarindMainFormSettingPages::smallTextOnTheCalibrationPages_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<int>("pixelSize");
    QTest::newRow("next calibration date") << "LblLastCal_TC_Ext" << 14;
    QTest::newRow("recalibration item") << "label_200" << 18;
    QTest::newRow("two-point caption") << "label_157" << 14;
    QTest::newRow("two-point value") << "Lbl2Cal_NomUpper" << 14;
    QTest::newRow("two-point entry") << "Btn2Cal_MeasLower" << 14;
    QTest::newRow("two-point heading") << "label_161" << 18;
    QTest::newRow("cold-junction entry") << "BtnCJCCal_MeasOffset" << 14;
}

void tst_TamarindMainFormSettingPages::smallTextOnTheCalibrationPages()
{
    QFETCH(QString, widget);
    QFETCH(int, pixelSize);

    auto* target = mForm->findChild<QWidget*>(widget);
    QVERIFY(target);
    // Sizes from the sheets arrive when the widget is polished.
    target->ensurePolished();
    QCOMPARE(target->font().pixelSize(), pixelSize);
}

void tst_TamarindMainFormSettingPages::filledPagesRender()
{
    // As the screens fill them, for a look by eye when TAMARIND_SNAPSHOT_DIR is set.
    mUi.LblSelectedLanguage->setText(QStringLiteral("English (UK)"));
    mUi.LblSelectedBacklightOff->setText(QStringLiteral("60 s"));
    mUi.LblSelectedBrightness->setText(QStringLiteral("80 %"));
    mUi.LblSettings_TimeValue->setText(QStringLiteral("24/12/2030 08:00"));
    mUi.LblSettings_SoundValue->setText(QStringLiteral("Keys: On, Alarm: Off"));
    mUi.LblSelectedDecimalSeparator->setText(QStringLiteral("."));
    mUi.LblSelectedAvgValSampleCount->setText(QStringLiteral("10"));
    mUi.LblChanSel_X->setText(QStringLiteral("1"));
    mUi.LblChanSel_Y->setText(QStringLiteral("2"));
    mUi.BtnChanSel_Quotient->setEnabled(false);
    mUi.BtnRecalCycle->setText(QStringLiteral("12"));
    for (QLabel* date : mUi.PageRecalCycle->findChildren<QLabel*>(QRegularExpression("^LblLastCal_"))) {
        date->setText(QStringLiteral("24/12/2030"));
    }
    for (QLabel* value : mUi.PageTwoPointCal->findChildren<QLabel*>(QRegularExpression("^Lbl2Cal_"))) {
        value->setText(QStringLiteral("0.00123"));
    }
    for (QPushButton* entry : mUi.PageTwoPointCal->findChildren<QPushButton*>()) {
        entry->setText(QStringLiteral("100.000 \u2126"));
    }
    for (QLabel* value : mUi.PageCJCOffset->findChildren<QLabel*>(QRegularExpression("^LblCJCCal_"))) {
        value->setText(QStringLiteral("0.012"));
    }
    mUi.BtnCJCCal_MeasOffset->setText(QStringLiteral("Measure"));
    mUi.btnUnitSelCelcius->setFlat(true);
    mUi.btnUnitSelCelcius->style()->unpolish(mUi.btnUnitSelCelcius);
    mUi.btnUnitSelCelcius->style()->polish(mUi.btnUnitSelCelcius);

    const QString directory = qEnvironmentVariable("TAMARIND_SNAPSHOT_DIR");
    if (!directory.isEmpty()) {
        QVERIFY(QDir().mkpath(directory));
    }
    mUi.stackedWidgetMenu->setCurrentWidget(mUi.PageChannelSelection);
    show(mUi.PageSettings);
    for (QWidget* page :
         {mUi.PageSettings, mUi.PageUnitSelection, mUi.PageRecalCycle, mUi.PageTwoPointCal, mUi.PageCJCOffset}) {
        show(page);
        const QImage picture = grabbed();
        QCOMPARE(picture.size(), QSize(800, 480));
        if (!directory.isEmpty()) {
            QVERIFY(picture.save(directory + "/filled_" + page->objectName() + ".png"));
        }
    }
}

TAMARIND_TEST_MAIN(tst_TamarindMainFormSettingPages)
#include "tst_tamarindmainformsettingpages.moc"
