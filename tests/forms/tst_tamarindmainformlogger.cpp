#include "formchecks.h"
#include "stylesheetcatalogue.h"
#include "tamarindmainform_ui.h"
#include "testsupport.h"

#include <QScrollBar>

#include <memory>

// The logger page, its setting pages and the download pages as the logger and download screens
// find and fill them.
class tst_TamarindMainFormLogger : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void listsHoldOnlyTheirFinalSpacer_data();
    void listsHoldOnlyTheirFinalSpacer();
    void filledListsGrowDownwards_data();
    void filledListsGrowDownwards();
    void settingRowsAreTouchRowsWithCaptionAndValue_data();
    void settingRowsAreTouchRowsWithCaptionAndValue();
    void retranslationKeepsWhatTheScreensWrote();
    void asBuiltBeforeTheScreensFillIn();
    void radioRowsFormTheirGroups();
    void modeRowsLendTheirCaptionAsTheMode();
    void startAndStopSitAtTheRight();
    void timeFormatRowsShareTheWidthTwoOneOne();
    void ejectRowStaysAtTheBottom();
    void logfileLinesAreSmall();
    void checkedChoiceTurnsOrangeWithBlackText();
    void pagesAsTheScreensFillThem();

private:
    std::unique_ptr<QWidget> mForm;
    Ui_TTamarindMainForm mUi;
};

void tst_TamarindMainFormLogger::init()
{
    mForm = std::make_unique<QWidget>();
    mUi = Ui_TTamarindMainForm();
    mUi.setupUi(mForm.get());
}

void tst_TamarindMainFormLogger::cleanup()
{
    mForm.reset();
}

void tst_TamarindMainFormLogger::listsHoldOnlyTheirFinalSpacer_data()
{
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("contents");
    QTest::addColumn<QString>("layout");
    QTest::newRow("log files") << "scrollAreaLogger"
                               << "scrollAreaLoggerContents"
                               << "verticalLayout_73";
    QTest::newRow("lines of a log file") << "scrollAreaLogfileContent"
                                         << "scrollAreaLogfileContentWidget"
                                         << "verticalLayout_74";
    QTest::newRow("files to download") << "scrollAreaDownloadList"
                                       << "scrollAreaDownloadListWidget"
                                       << "verticalLayout_72";
}

void tst_TamarindMainFormLogger::listsHoldOnlyTheirFinalSpacer()
{
    QFETCH(QString, area);
    QFETCH(QString, contents);
    QFETCH(QString, layout);

    // The screens reach the list through the area's widget and its layout.
    auto* scrollArea = mForm->findChild<TTouchScrollArea*>(area);
    QVERIFY(scrollArea);
    QCOMPARE(scrollArea->widget()->objectName(), contents);
    auto* list = qobject_cast<QVBoxLayout*>(scrollArea->widget()->layout());
    QVERIFY(list);
    QCOMPARE(list->objectName(), layout);
    QCOMPARE(list->count(), 1);
    QSpacerItem* spacer = list->itemAt(0)->spacerItem();
    QVERIFY(spacer);
    QVERIFY(spacer->expandingDirections() & Qt::Vertical);
    QCOMPARE(scrollArea->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(scrollArea->frameShape(), QFrame::NoFrame);
    QVERIFY(scrollArea->widgetResizable());
}

void tst_TamarindMainFormLogger::filledListsGrowDownwards_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("area");
    QTest::newRow("log files") << "PageLogger"
                               << "scrollAreaLogger";
    QTest::newRow("lines of a log file") << "PageLogfile"
                                         << "scrollAreaLogfileContent";
    QTest::newRow("files to download") << "PageDownloadListMain"
                                       << "scrollAreaDownloadList";
}

void tst_TamarindMainFormLogger::filledListsGrowDownwards()
{
    QFETCH(QString, page);
    QFETCH(QString, area);

    auto* scrollArea = mForm->findChild<TTouchScrollArea*>(area);
    QVERIFY(scrollArea);
    auto* list = static_cast<QVBoxLayout*>(scrollArea->widget()->layout());
    showPage(mForm.get(), mForm->findChild<QWidget*>(page));

    // As the screens do: each new entry just ahead of the spacer, more than the area can show.
    QVector<QWidget*> entries;
    for (int index = 0; index < 30; ++index) {
        auto* entry = new QZELKDialogButton(scrollArea->widget());
        entry->setText(QStringLiteral("Log_2026-01-%1.csv").arg(index + 1));
        entry->setMinimumHeight(34);
        list->insertWidget(list->count() - 1, entry);
        entries << entry;
    }
    QVERIFY(list->itemAt(list->count() - 1)->spacerItem());
    // Taller than the area: it scrolls downwards, never sideways.
    QTRY_VERIFY(scrollArea->verticalScrollBar()->maximum() > 0);

    QCOMPARE(entries.first()->y(), list->contentsMargins().top());
    for (int index = 1; index < entries.size(); ++index) {
        QVERIFY(entries[index]->y() > entries[index - 1]->y());
    }
    QCOMPARE(scrollArea->horizontalScrollBar()->maximum(), 0);
    QVERIFY(!scrollArea->horizontalScrollBar()->isVisible());
    QCOMPARE(scrollArea->widget()->width(), scrollArea->viewport()->width());
}

void tst_TamarindMainFormLogger::settingRowsAreTouchRowsWithCaptionAndValue_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("captionText");
    QTest::newRow("mode") << "BtnLogger_Mode"
                          << "LblLogger_Mode"
                          << "LblLogger_Mode_Val"
                          << "Mode";
    QTest::newRow("interval") << "BtnLogger_Interval"
                              << "LblLogger_Interval"
                              << "LblLogger_Interval_Val"
                              << "Interval";
    QTest::newRow("start time") << "BtnLogger_StartTime"
                                << "LblLogger_StartTime"
                                << "LblLogger_StartTime_Val"
                                << "Start time";
    QTest::newRow("duration") << "BtnLogger_Duration"
                              << "LblLogger_Duration"
                              << "LblLogger_Duration_Val"
                              << "Duration time";
}

void tst_TamarindMainFormLogger::settingRowsAreTouchRowsWithCaptionAndValue()
{
    QFETCH(QString, row);
    QFETCH(QString, caption);
    QFETCH(QString, value);
    QFETCH(QString, captionText);

    auto* widget = mForm->findChild<QWidget*>(row);
    QVERIFY(widget);
    // A plain widget drawn as a button, which the screens register as touchable; not a button class.
    QCOMPARE(widget->metaObject(), &QWidget::staticMetaObject);
    QCOMPARE(widget->styleSheet(), TStyleSheetCatalogue::sheet(ssClickableRow));
    QCOMPARE(widget->minimumHeight(), 34);
    QCOMPARE(widget->parentWidget(), mUi.PageLogger);

    auto* grid = qobject_cast<QGridLayout*>(widget->layout());
    QVERIFY(grid);
    auto* captionLabel = qobject_cast<QLabel*>(grid->itemAtPosition(0, 0)->widget());
    auto* valueLabel = qobject_cast<QLabel*>(grid->itemAtPosition(0, 1)->widget());
    QVERIFY(captionLabel && valueLabel);
    QCOMPARE(captionLabel->objectName(), caption);
    QCOMPARE(captionLabel->text(), captionText);
    QCOMPARE(valueLabel->objectName(), value);
    QVERIFY(valueLabel->text().isEmpty());
    QCOMPARE(valueLabel->alignment(), Qt::AlignRight | Qt::AlignVCenter);
}

void tst_TamarindMainFormLogger::retranslationKeepsWhatTheScreensWrote()
{
    // The logger writes its values; then the language changes.
    const QList<QLabel*> values{mUi.LblLogger_Mode_Val,     mUi.LblLogger_Interval_Val,    mUi.LblLogger_StartTime_Val,
                                mUi.LblLogger_Duration_Val, mUi.LblLoggerStart_DateFormat, mUi.LblDownloadListCaption};
    const QList<QAbstractButton*> entries{mUi.BtnLog_StartTime_DateVal1, mUi.BtnLog_StartTime_Hours,
                                          mUi.BtnLog_DurationDays, mUi.BtnLogIntervalValue};
    for (QLabel* label : values) {
        label->setText("written " + label->objectName());
    }
    for (QAbstractButton* button : entries) {
        button->setText("written " + button->objectName());
    }
    mUi.LblLogger_Mode->setText(QStringLiteral("changed"));
    mUi.BtnLogger_Start->setText(QStringLiteral("changed"));
    mUi.LblDownload_Eject->setText(QStringLiteral("changed"));

    mUi.retranslateUi(mForm.get());

    for (QLabel* label : values) {
        QCOMPARE(label->text(), "written " + label->objectName());
    }
    for (QAbstractButton* button : entries) {
        QCOMPARE(button->text(), "written " + button->objectName());
    }
    QCOMPARE(mUi.LblLogger_Mode->text(), QStringLiteral("Mode"));
    QCOMPARE(mUi.BtnLogger_Start->text(), QStringLiteral("Start"));
    QCOMPARE(mUi.LblDownload_Eject->text(), QStringLiteral("Eject USB stick"));
}

void tst_TamarindMainFormLogger::asBuiltBeforeTheScreensFillIn()
{
    // Download and Delete show icons only and wait for a file to act on.
    for (QZELKDialogButton* button : {mUi.BtnLogger_Download, mUi.BtnLogger_Delete}) {
        QVERIFY(!button->isEnabled());
        QVERIFY(!button->icon().isNull());
        QVERIFY(button->text().isEmpty());
    }
    QVERIFY(mUi.BtnLogger_Start->isEnabled());
    QVERIFY(mUi.BtnLogger_Stop->isEnabled());

    for (QZELKDialogButton* entry :
         {mUi.BtnLog_StartTime_DateVal1, mUi.BtnLog_StartTime_DateVal2, mUi.BtnLog_StartTime_DateYear,
          mUi.BtnLog_StartTime_Hours, mUi.BtnLog_StartTime_Minutes, mUi.BtnLog_DurationDays, mUi.BtnLog_DurationHours,
          mUi.BtnLog_DurationMinutes}) {
        QCOMPARE(entry->text(), QStringLiteral("00"));
    }
    QVERIFY(mUi.BtnLogIntervalValue->text().isEmpty());
    QCOMPARE(mUi.LblLoggerStart_DateFormat->text(), QStringLiteral("<format>"));
    QCOMPARE(mUi.LblDownloadListCaption->text(), QStringLiteral("--caption--"));
    // The download screens read this tool tip back as a caption.
    QCOMPARE(mUi.LblDownload_ImportProbeCoeffs->toolTip(), QStringLiteral("Select file"));

    // Day and month side by side in the left cell of the date row, the year at its right.
    QCOMPARE(mUi.gridLayout_32->itemAtPosition(1, 0)->layout(), mUi.gridLayout_196);
    QCOMPARE(mUi.gridLayout_32->itemAtPosition(1, 2)->widget(), mUi.BtnLog_StartTime_DateYear);
    QCOMPARE(mUi.gridLayout_196->itemAtPosition(0, 0)->widget(), mUi.BtnLog_StartTime_DateVal1);
    QCOMPARE(mUi.gridLayout_196->itemAtPosition(0, 1)->widget(), mUi.BtnLog_StartTime_DateVal2);

    // Other pages may check a choice as built; these pages leave it to their screens.
    for (QWidget* page :
         {mUi.PageLogger, mUi.PageDownload, mUi.PageDownloadListMain, mUi.PageDownloadList, mUi.PageLogfile,
          mUi.PageLoggerMode, mUi.PageLoggerStartTime, mUi.PageLogInterval, mUi.PageLogDuration}) {
        for (auto* button : page->findChildren<QZELKContainerRadioButton*>()) {
            QVERIFY2(!button->isChecked(), qPrintable(button->objectName()));
        }
    }
}

void tst_TamarindMainFormLogger::radioRowsFormTheirGroups()
{
    verifyRadioGroups({
        {mUi.BtnLogModeAutomatic, mUi.BtnLogModeManual},
        {mUi.BtnLog_StartTime_On, mUi.BtnLog_StartTime_Off},
        {mUi.BtnLog_StartTime_24h, mUi.BtnLog_StartTime_AM, mUi.BtnLog_StartTime_PM},
        {mUi.BtnLog_DurationOn, mUi.BtnLog_DurationOff},
        {mUi.BtnDownload_Log, mUi.BtnDownload_CalFiles, mUi.BtnDownload_Screen, mUi.BtnDownload_MeasProbes,
         mUi.BtnDownload_SmartProbes, mUi.BtnDownload_AllProbes, mUi.BtnDownload_InstrumentDetails,
         mUi.BtnDownload_ProbeCoefficients, mUi.BtnDownload_ImportProbeCoeffs, mUi.BtnDownload_Eject},
    });
}

void tst_TamarindMainFormLogger::modeRowsLendTheirCaptionAsTheMode()
{
    // The logger shows the text of the checked mode row's only label as the mode.
    QCOMPARE(mUi.BtnLogModeAutomatic->statusSourceLabel(), mUi.LblBacklightOff_10s_2);
    QCOMPARE(mUi.BtnLogModeAutomatic->statusSourceLabel()->text(), QStringLiteral("Automatic"));
    QCOMPARE(mUi.BtnLogModeManual->statusSourceLabel(), mUi.LblBacklightOff_10s_3);
    QCOMPARE(mUi.BtnLogModeManual->statusSourceLabel()->text(), QStringLiteral("Manual"));
}

void tst_TamarindMainFormLogger::startAndStopSitAtTheRight()
{
    showPage(mForm.get(), mUi.PageLogger);
    const int pageRight = mUi.PageLogger->width() - 9;
    QCOMPARE(mUi.BtnLogger_Stop->geometry().right() + 1, pageRight);
    QCOMPARE(mUi.BtnLogger_Start->geometry().right() + 1 + 2, mUi.BtnLogger_Stop->x());
    QVERIFY(mUi.BtnLogger_Start->width() >= 96);
    QCOMPARE(mUi.BtnLogger_Start->height(), 34);
    QCOMPARE(mUi.BtnLogger_Delete->geometry().right() + 1, pageRight);
    QVERIFY(mUi.label_110->x() < mUi.BtnLogger_Download->x());
    // The list of log files takes the rest of the page.
    QVERIFY(mUi.scrollAreaLogger->y() > mUi.BtnLogger_Delete->geometry().bottom());
    QCOMPARE(mUi.scrollAreaLogger->geometry().bottom() + 1,
             mUi.PageLogger->height() - mUi.verticalLayout_5->contentsMargins().bottom());
}

void tst_TamarindMainFormLogger::timeFormatRowsShareTheWidthTwoOneOne()
{
    showPage(mForm.get(), mUi.PageLoggerStartTime);
    const int twentyFour = mUi.BtnLog_StartTime_24h->width();
    const int am = mUi.BtnLog_StartTime_AM->width();
    QCOMPARE(mUi.BtnLog_StartTime_PM->width(), am);
    // Two shares against one, give or take the rounding of the layout.
    QVERIFY2(qAbs(twentyFour - 2 * am) <= 2, qPrintable(QStringLiteral("%1 against %2").arg(twentyFour).arg(am)));
}

void tst_TamarindMainFormLogger::ejectRowStaysAtTheBottom()
{
    showPage(mForm.get(), mUi.PageDownload);
    const int bottom = mUi.PageDownload->height() - mUi.verticalLayout_70->contentsMargins().bottom();
    QCOMPARE(mUi.BtnDownload_Eject->geometry().bottom() + 1, bottom);
    QVERIFY(mUi.BtnDownload_Eject->y() > mUi.BtnDownload_ImportProbeCoeffs->geometry().bottom() + 20);
}

void tst_TamarindMainFormLogger::logfileLinesAreSmall()
{
    auto* line = new QLabel(QStringLiteral("2026-01-05 10:00:00;21.503"), mUi.scrollAreaLogfileContentWidget);
    mUi.verticalLayout_74->insertWidget(0, line);
    showPage(mForm.get(), mUi.PageLogfile);
    QCOMPARE(line->font().pixelSize(), 13);
    // Only the lines: the headings of the other pages keep the window's size.
    QCOMPARE(mUi.label_113->font().pixelSize(), 18);
}

void tst_TamarindMainFormLogger::checkedChoiceTurnsOrangeWithBlackText()
{
    showPage(mForm.get(), mUi.PageDownload);
    auto colourAt = [this](QWidget* pWidget, QPoint pPoint) {
        return mForm->grab().toImage().pixelColor(pWidget->mapTo(mForm.get(), pPoint));
    };
    const QPoint inside(6, mUi.BtnDownload_Screen->height() / 2);
    const QColor atRest = colourAt(mUi.BtnDownload_Screen, inside);
    QVERIFY2(atRest.red() < 0x60 && atRest.blue() < 0x60, qPrintable(atRest.name()));
    QCOMPARE(mUi.LblDownload_Screen->palette().color(QPalette::WindowText), QColor(Qt::white));

    mUi.BtnDownload_Screen->setChecked(true);
    const QColor checked = colourAt(mUi.BtnDownload_Screen, inside);
    QVERIFY2(checked.red() > 200 && checked.green() > 80 && checked.blue() < 80, qPrintable(checked.name()));
    QCOMPARE(mUi.LblDownload_Screen->palette().color(QPalette::WindowText), QColor(Qt::black));
}

void tst_TamarindMainFormLogger::pagesAsTheScreensFillThem()
{
    mUi.LblLogger_Mode_Val->setText(mUi.LblBacklightOff_10s_2->text());
    mUi.LblLogger_Interval_Val->setText(QStringLiteral("10 s"));
    mUi.LblLogger_StartTime_Val->setText(QStringLiteral("05/01/2026 10:00"));
    mUi.LblLogger_Duration_Val->setText(QStringLiteral("1 d 2 h 30 min"));
    mUi.BtnLogger_Download->setEnabled(true);
    mUi.BtnLogger_Delete->setEnabled(true);
    for (int index = 0; index < 3; ++index) {
        auto* file = new QZELKDialogButton(mUi.scrollAreaLoggerContents);
        file->setText(QStringLiteral("Log_2026-01-0%1.csv").arg(index + 1));
        file->setMinimumHeight(34);
        mUi.verticalLayout_73->insertWidget(mUi.verticalLayout_73->count() - 1, file);
    }
    for (int index = 0; index < 12; ++index) {
        auto* line = new QLabel(
            QStringLiteral("05/01/2026 10:%1:00;Chan 1;21.50%2").arg(index, 2, 10, QLatin1Char('0')).arg(index % 10),
            mUi.scrollAreaLogfileContentWidget);
        mUi.verticalLayout_74->insertWidget(mUi.verticalLayout_74->count() - 1, line);
    }
    mUi.stackedWidgetMenu->setCurrentWidget(mUi.PageLogfile);
    showPage(mForm.get(), mUi.PageLogger);
    saveSnapshot(mForm.get(), QStringLiteral("logger_filled"));

    mUi.BtnLog_StartTime_On->setChecked(true);
    mUi.BtnLog_StartTime_24h->setChecked(true);
    mUi.LblLoggerStart_DateFormat->setText(QStringLiteral("dd/mm/yyyy"));
    mUi.BtnLog_StartTime_DateYear->setText(QStringLiteral("2026"));
    mUi.BtnLog_StartTime_DateVal1->setDown(true);
    showPage(mForm.get(), mUi.PageLoggerStartTime);
    saveSnapshot(mForm.get(), QStringLiteral("logger_start_time_on"));

    mUi.BtnDownload_Log->setChecked(true);
    mUi.LblDownloadListCaption->setText(mUi.LblDownload_Log->text());
    for (int index = 0; index < 4; ++index) {
        auto* file = new QZELKDialogButton(mUi.scrollAreaDownloadListWidget);
        file->setText(QStringLiteral("Log_2026-01-0%1.csv").arg(index + 1));
        file->setMinimumHeight(34);
        mUi.verticalLayout_72->insertWidget(mUi.verticalLayout_72->count() - 1, file);
    }
    mUi.BtnDownload_Delete->setEnabled(false);
    mUi.stackedWidgetMenu->setCurrentWidget(mUi.PageDownloadList);
    showPage(mForm.get(), mUi.PageDownloadListMain);
    saveSnapshot(mForm.get(), QStringLiteral("download_list"));
    mUi.BtnLog_DurationOff->setChecked(true);
    mUi.stackedWidgetMenu->setCurrentWidget(mUi.PageLogDuration);
    showPage(mForm.get(), mUi.PageDownload);
    saveSnapshot(mForm.get(), QStringLiteral("download_choice"));
}

TAMARIND_TEST_MAIN(tst_TamarindMainFormLogger)
#include "tst_tamarindmainformlogger.moc"
