#include "channel.h"
#include "channelcontroller.h"
#include "clickablewidgetcontroller.h"
#include "commandrunner.h"
#include "decimaldisplaycontroller.h"
#include "deviceroot.h"
#include "logfilelines.h"
#include "loggerfixture.h"
#include "messagerecorder.h"
#include "padkeys.h"
#include "simulatedusbstick.h"
#include "tamarindsettings.h"
#include "testsupport.h"
#include "usbstickcontroller.h"
#include "zelkcontainerradiobutton.h"
#include "zelkdialogbutton.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLabel>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <memory>

namespace
{
const QByteArray HEADER = "ZTM8800\r\nSerial number: 1\r\nPRT probes:\r\nStart time: 01/01/2026 08:00:00\r\n\r\n"
                          "Date;Time;Channel;Temperature value;Unit;Raw value;Unit;Temperature difference;Unit;"
                          "Raw value difference;Unit\r\n";

// Line n of a file made by logfileWithLines: its time tells it apart.
QByteArray dataLine(int pNumber)
{
    return QStringLiteral("01/01/2026;08:%1:%2;Channel 1;%3.0000;°C;100.00000;\u2126;;;;\r\n")
        .arg(pNumber / 60, 2, 10, QLatin1Char('0'))
        .arg(pNumber % 60, 2, 10, QLatin1Char('0'))
        .arg(pNumber)
        .toUtf8();
}

QByteArray logfileWithLines(int pCount)
{
    QByteArray content = HEADER;
    for (int n = 1; n <= pCount; ++n)
        content += dataLine(n);
    return content;
}
} // namespace

// The logger page on the form's widgets: the list of log files, the content
// view, Download and Delete, and the four settings pages with their Save.
class tst_LogfileControllerPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void listShowsTheNewestFirstAndStartAddsARowAtTheTop();
    void listHoldsOnlyTheNewestFiles();
    void contentViewShowsTheLastHundredLinesNewestFirst();
    void liveContentViewStopsAtFourHundredLabels();
    void contentLinesKeepTheirPlace_data();
    void contentLinesKeepTheirPlace();
    void lineForDisplay_data();
    void lineForDisplay();
    void settingsRowOpensItsPage_data();
    void settingsRowOpensItsPage();
    void buttonsFollowSelectionStickAndLog();
    void downloadAfterReturnTakesTheSelectedFile();
    void delete__data();
    void delete_();
    void modeChoiceTakesEffectAtOnce();
    void durationDisplay_data();
    void durationDisplay();
    void intervalEntry_data();
    void intervalEntry();
    void savedStartTime_data();
    void savedStartTime();
    void incompleteEntryKeepsThePageOpen_data();
    void incompleteEntryKeepsThePageOpen();
    void settingsReadBack();
    void secondsToString_data();
    void secondsToString();

private:
    TLogfileController& build() { return mFixture->buildLogger(); }
    Ui_TTamarindMainForm& ui() { return mFixture->ui(); }
    QList<QLabel*> contentLabels() const;
    QStringList rowNames() const;
    QWidget* listRow(int pIndex) const;
    void useSeparator(QChar pSeparator);

    std::unique_ptr<TLoggerFixture> mFixture;
    QWidget mPointWidget;
    QWidget mCommaWidget;
};

void tst_LogfileControllerPages::initTestCase()
{
    TDecimalDisplayController::instance().registerWidget(&mPointWidget, '.');
    TDecimalDisplayController::instance().registerWidget(&mCommaWidget, ',');
    TSimulatedUSBStick::install(TCommandRunner::instance());
}

void tst_LogfileControllerPages::init()
{
    TTamarindSettings::instance().removeSection(QStringLiteral("logger"));
    useSeparator('.');
    TTestEnvironment::removeUnderRoot(QStringLiteral("/home/Logfiles"));
    TAMARIND_MAKE_FIXTURE(mFixture);
}

void tst_LogfileControllerPages::cleanup()
{
    mFixture.reset();
    TSimulatedUSBStick::remove();
}

void tst_LogfileControllerPages::useSeparator(QChar pSeparator)
{
    TDecimalDisplayController::instance().decimalSeparatorSelected(pSeparator == ',' ? &mCommaWidget : &mPointWidget);
}

// The lines shown, in the order of the view, top first.
QList<QLabel*> tst_LogfileControllerPages::contentLabels() const
{
    QList<QLabel*> labels;
    QLayout* layout = mFixture->ui().scrollAreaLogfileContentWidget->layout();
    for (int i = 0; i < layout->count(); ++i) {
        auto* label = qobject_cast<QLabel*>(layout->itemAt(i)->widget());
        if (label && !label->isHidden())
            labels << label;
    }
    return labels;
}

// The row of the log file list at pIndex, top first; null where the list has none (its files could not be
// written, say), for the caller to fail on rather than click at nothing.
QWidget* tst_LogfileControllerPages::listRow(int pIndex) const
{
    QLayoutItem* item = mFixture->ui().scrollAreaLoggerContents->layout()->itemAt(pIndex);
    return item ? item->widget() : nullptr;
}

QStringList tst_LogfileControllerPages::rowNames() const
{
    QStringList names;
    QLayout* layout = mFixture->ui().scrollAreaLoggerContents->layout();
    for (int i = 0; i < layout->count(); ++i)
        if (QWidget* row = layout->itemAt(i)->widget())
            names << row->findChildren<QLabel*>().value(0)->text();
    return names;
}

void tst_LogfileControllerPages::listShowsTheNewestFirstAndStartAddsARowAtTheTop()
{
    TAMARIND_PUT_LOGFILE(*mFixture, "01012026_080000000", "a", 300);
    TAMARIND_PUT_LOGFILE(*mFixture, "02012026_080000000", "b", 200);
    TAMARIND_PUT_LOGFILE(*mFixture, "03012026_080000000", "c", 100);
    TLogfileController& logger = build();
    QCOMPARE(rowNames(), QStringList({"03012026_080000000", "02012026_080000000", "01012026_080000000"}));

    QCOMPARE(logger.startLogger(), TLogfileController::lsrSuccess);
    QCOMPARE(rowNames(),
             QStringList({"06122026_131253123", "03012026_080000000", "02012026_080000000", "01012026_080000000"}));
    QWidget* newRow = listRow(0);
    QCOMPARE(ui().LblMenuCaption->text(), QStringLiteral("06122026_131253123"));
    QCOMPARE(logger.logfileNameByWidget(newRow), QStringLiteral("06122026_131253123"));
    QCOMPARE(mFixture->subMenu().mShownPage, ui().PageLogfile);
    QCOMPARE(mFixture->subMenu().mCaption, QStringLiteral("06122026_131253123"));
    QVERIFY(contentLabels().isEmpty());
    QCOMPARE(logger.logfiles().front(), QStringLiteral("06122026_131253123"));
}

// A restored stick may bring thousands of log files; the list and its rows
// name the newest few, also after a log was started. The file list the
// remote command answers keeps naming them all.
void tst_LogfileControllerPages::listHoldsOnlyTheNewestFiles()
{
    for (int day = 1; day <= 5; ++day)
        TAMARIND_PUT_LOGFILE(*mFixture, "0" + QString::number(day) + "012026_080000000", "a", 600 - day * 100);
    TLogfileController& logger = build();
    logger.setMaximumListedLogfiles(3);
    logger.refreshLogfileList();
    const QStringList newest{"05012026_080000000", "04012026_080000000", "03012026_080000000"};
    QCOMPARE(rowNames(), newest);
    QCOMPARE(logger.getLogfileList(), newest + QStringList({"02012026_080000000", "01012026_080000000"}));

    QWidget* oldestRow = listRow(2);
    QCOMPARE(logger.startLogger(), TLogfileController::lsrSuccess);
    const QStringList afterStart{"06122026_131253123", "05012026_080000000", "04012026_080000000"};
    QCOMPARE(rowNames(), afterStart);
    const zelk::vector<QString> listed = logger.logfiles();
    QCOMPARE(QStringList(listed.begin(), listed.end()), afterStart);
    QCOMPARE(logger.logfileNameByWidget(oldestRow), QString());
}

void tst_LogfileControllerPages::contentViewShowsTheLastHundredLinesNewestFirst()
{
    TAMARIND_PUT_LOGFILE(*mFixture, "01012026_080000000", logfileWithLines(250), 0);
    TAMARIND_PUT_LOGFILE(*mFixture, "02012026_080000000", logfileWithLines(3), 0);
    TLogfileController& logger = build();
    auto rowOf = [&](const QString& pName) {
        QLayout* rows = ui().scrollAreaLoggerContents->layout();
        for (int i = 0; i < rows->count(); ++i) {
            if (rows->itemAt(i)->widget() && logger.logfileNameByWidget(rows->itemAt(i)->widget()) == pName)
                return rows->itemAt(i)->widget();
        }
        return static_cast<QWidget*>(nullptr);
    };
    QTest::mouseClick(rowOf(QStringLiteral("01012026_080000000")), Qt::LeftButton);
    QCOMPARE(mFixture->subMenu().mShownPage, ui().PageLogfile);
    const QList<QLabel*> labels = contentLabels();
    QCOMPARE(labels.size(), 200);
    QCOMPARE(labels.at(0)->text(), QStringLiteral("01/01/2026 08:04:10 Channel 1"));
    QCOMPARE(labels.at(1)->text(), QStringLiteral("250.0000°C 100.00000\u2126"));
    QCOMPARE(labels.at(198)->text(), QStringLiteral("01/01/2026 08:02:31 Channel 1"));

    // A shorter log after it shows its own lines only.
    QTest::mouseClick(rowOf(QStringLiteral("02012026_080000000")), Qt::LeftButton);
    const QList<QLabel*> shorter = contentLabels();
    QCOMPARE(shorter.size(), 6);
    QCOMPARE(shorter.at(1)->text(), QStringLiteral("3.0000°C 100.00000\u2126"));
    QCOMPARE(shorter.at(5)->text(), QStringLiteral("1.0000°C 100.00000\u2126"));
}

void tst_LogfileControllerPages::liveContentViewStopsAtFourHundredLabels()
{
    TLogfileController& logger = build();
    logger.setLogMode(TLogfileController::lmManual, false);
    QCOMPARE(logger.startLogger(), TLogfileController::lsrSuccess);
    TAbstractChannel* channel = mFixture->controller().channel(1);
    for (int n = 1; n <= 200; ++n) {
        channel->setNewValue(100.0, n);
        QVERIFY(logger.writeChannelValueToLogfile(channel));
    }
    QCOMPARE(contentLabels().size(), 400);
    channel->setNewValue(100.0, 201);
    QVERIFY(logger.writeChannelValueToLogfile(channel));
    const QList<QLabel*> labels = contentLabels();
    QCOMPARE(labels.size(), 400);
    QCOMPARE(ui().scrollAreaLogfileContentWidget->layout()->count(), 401);
    QCOMPARE(labels.first()->text(), QStringLiteral("06/12/2026 13:12:53 Channel 1"));
    QCOMPARE(labels.at(1)->text(), QStringLiteral("201.0000°C 100.00000\u2126"));
    QCOMPARE(labels.last()->text(), QStringLiteral("2.0000°C 100.00000\u2126"));
}

// The lines do not measure their texts: each must still be as high as a
// label of its text and reach the page's right edge, however it came into the
// view.
void tst_LogfileControllerPages::contentLinesKeepTheirPlace_data()
{
    QTest::addColumn<QStringList>("opened");
    QTest::addColumn<int>("logged");
    // Turns of the event loop, each of which made lines ahead, after the list was first painted and before the
    // first opening; -1 when the list was never shown.
    QTest::addColumn<int>("idleTurns");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<QString>("newest");
    // The view's labels, shown and kept hidden, after the last opening.
    QTest::addColumn<int>("labelsMade");
    const int allTurns = 2 * TLogfileController::MAX_DISPLAYED_LINES;
    QTest::newRow("first opening") << QStringList{"01012026_080000000"} << 0 << -1 << 200
                                   << "01/01/2026 08:02:00 Channel 1" << 200;
    QTest::newRow("later opening of a shorter log: the lines over are kept hidden")
        << QStringList{"01012026_080000000", "02012026_080000000"} << 0 << -1 << 6 << "01/01/2026 08:00:03 Channel 1"
        << 200;
    QTest::newRow("a long log after a shorter one takes the hidden lines")
        << QStringList{"01012026_080000000", "02012026_080000000", "01012026_080000000"} << 0 << -1 << 200
        << "01/01/2026 08:02:00 Channel 1" << 200;
    QTest::newRow("lines the running log adds")
        << QStringList{} << 3 << -1 << 6 << "06/12/2026 13:12:53 Channel 1" << 6;
    QTest::newRow("lines made ahead while the list was shown: a short log, then a longer one")
        << QStringList{"02012026_080000000", "01012026_080000000"} << 0 << allTurns << 200
        << "01/01/2026 08:02:00 Channel 1" << 200;
    QTest::newRow("a tap while the lines are still being made ahead")
        << QStringList{"01012026_080000000"} << 0 << 1 << 200 << "01/01/2026 08:02:00 Channel 1" << 200;
}

void tst_LogfileControllerPages::contentLinesKeepTheirPlace()
{
    QFETCH(QStringList, opened);
    QFETCH(int, logged);
    QFETCH(int, idleTurns);
    QFETCH(int, lineCount);
    QFETCH(QString, newest);
    QFETCH(int, labelsMade);
    TAMARIND_PUT_LOGFILE(*mFixture, "01012026_080000000", logfileWithLines(120), 0);
    TAMARIND_PUT_LOGFILE(*mFixture, "02012026_080000000", logfileWithLines(3), 0);
    TLogfileController& logger = build();
    // The lines are made before the menu area shows the page, as a tap on a row makes them.
    ui().stackedWidgetMenu->setCurrentWidget(ui().PageMenu);
    ui().stackedWidget->setCurrentWidget(idleTurns >= 0 ? ui().PageLogger : ui().PageDownload);
    mFixture->form().resize(800, 480);
    mFixture->form().show();
    QVERIFY(QTest::qWaitForWindowExposed(&mFixture->form()));
    QWidget* content = ui().scrollAreaLogfileContentWidget;
    auto madeLabels = [content] {
        return int(content->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly).size());
    };
    // The painted list leaves the view's lines to be made ahead, hidden, a few on each turn of the event loop, so
    // that a tap meanwhile is not kept waiting.
    for (int turn = 0, rounds = 0; turn < idleTurns && madeLabels() < labelsMade && rounds < 1000; ++rounds) {
        const int before = madeLabels();
        QCoreApplication::processEvents();
        const int made = madeLabels() - before;
        QVERIFY2(made <= TLogfileLines::LINES_PER_TURN, qPrintable(QString::number(made)));
        if (made > 0)
            ++turn;
    }
    if (idleTurns >= 0)
        QCOMPARE(madeLabels(), std::min(labelsMade, idleTurns * TLogfileLines::LINES_PER_TURN));
    QVERIFY(contentLabels().isEmpty());
    for (const QString& name : opened) {
        logger.selectLogfile(name, true);
        ui().stackedWidgetMenu->setCurrentWidget(mFixture->subMenu().mShownPage);
    }
    if (logged > 0) {
        logger.setLogMode(TLogfileController::lmManual, false);
        QCOMPARE(logger.startLogger(), TLogfileController::lsrSuccess);
        TAbstractChannel* channel = mFixture->controller().channel(1);
        for (int n = 1; n <= logged; ++n) {
            channel->setNewValue(100.0, n);
            QVERIFY(logger.writeChannelValueToLogfile(channel));
        }
        ui().stackedWidgetMenu->setCurrentWidget(mFixture->subMenu().mShownPage);
    }
    // Idle turns after the opening make no lines beyond those the view can show.
    for (int round = 0; round < 10; ++round)
        QCoreApplication::processEvents();

    const QList<QLabel*> lines = contentLabels();
    QCOMPARE(lines.size(), lineCount);
    QCOMPARE(lines.first()->text(), newest);
    QCOMPARE(madeLabels(), labelsMade);
    for (QLabel* label : content->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
        QVERIFY2(lines.contains(label) || label->isHidden(), qPrintable(label->text()));
    QLabel measure(ui().scrollAreaLogfileContentWidget);
    for (QLabel* line : lines) {
        QVERIFY2(line->isVisible() && !line->text().isEmpty(), qPrintable(line->text()));
        measure.setText(line->text());
        measure.ensurePolished();
        QCOMPARE(line->height(), measure.sizeHint().height());
        QVERIFY2(line->width() >= ui().PageLogfile->width(),
                 qPrintable(QStringLiteral("%1 of %2").arg(line->width()).arg(ui().PageLogfile->width())));
    }
}

void tst_LogfileControllerPages::lineForDisplay_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("a line without differences") << "D;T;Channel H;V;U;R;W;;;;" << QStringList{"D T Channel H", "VU RW"};
    QTest::newRow("the differences are not shown")
        << "D;T;Channel H;V;U;R;W;-1.0;°C;-0.4;\u2126" << QStringList{"D T Channel H", "VU RW"};
    QTest::newRow("seven fields") << "D;T;H;V;U;R;W" << QStringList{"D T H", "VU RW"};
    QTest::newRow("six fields: a damaged line") << "D;T;H;V;U;R" << QStringList();
    QTest::newRow("blanks at the ends go") << " D;T;H;V;U;R;W " << QStringList{"D T H", "VU RW"};
}

void tst_LogfileControllerPages::lineForDisplay()
{
    QFETCH(QString, line);
    QFETCH(QStringList, texts);
    QCOMPARE(TLogfileController::splitLogfileLineForDisplay(line), texts);
}

void tst_LogfileControllerPages::settingsRowOpensItsPage_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("type");
    QTest::newRow("mode") << "BtnLogger_Mode"
                          << "PageLoggerMode" << int(smtViewer);
    QTest::newRow("interval") << "BtnLogger_Interval"
                              << "PageLogInterval" << int(smtEditor);
    QTest::newRow("start time") << "BtnLogger_StartTime"
                                << "PageLoggerStartTime" << int(smtEditor);
    QTest::newRow("duration") << "BtnLogger_Duration"
                              << "PageLogDuration" << int(smtEditor);
}

// A settings row replaces an open content view, and the file is no longer selected.
void tst_LogfileControllerPages::settingsRowOpensItsPage()
{
    QFETCH(QString, row);
    QFETCH(QString, page);
    QFETCH(int, type);
    TAMARIND_PUT_LOGFILE(*mFixture, "01012026_080000000", logfileWithLines(1), 0);
    TLogfileController& logger = build();
    QWidget* listed = listRow(0);
    QVERIFY2(listed, "the list shows no log file there");
    QTest::mouseClick(listed, Qt::LeftButton);
    logger.setButtons(true);
    QVERIFY(ui().BtnLogger_Delete->isEnabled());

    QTest::mouseClick(mFixture->form().findChild<QWidget*>(row), Qt::LeftButton);
    QCOMPARE(mFixture->subMenu().mShownPage, mFixture->form().findChild<QWidget*>(page));
    QCOMPARE(int(mFixture->subMenu().mType), type);
    logger.setButtons(true);
    QVERIFY(!ui().BtnLogger_Delete->isEnabled());
    QVERIFY(!ui().BtnLogger_Download->isEnabled());
}

void tst_LogfileControllerPages::buttonsFollowSelectionStickAndLog()
{
    TAMARIND_PUT_LOGFILE(*mFixture, "01012026_080000000", logfileWithLines(1), 0);
    TLogfileController& logger = build();
    logger.setButtons();
    QVERIFY(ui().BtnLogger_Start->isEnabled());
    QVERIFY(!ui().BtnLogger_Stop->isEnabled());
    QWidget* listed = listRow(0);
    QVERIFY2(listed, "the list shows no log file there");
    QTest::mouseClick(listed, Qt::LeftButton);
    logger.setButtons(false);
    QVERIFY(ui().BtnLogger_Delete->isEnabled());
    QVERIFY(!ui().BtnLogger_Download->isEnabled());
    logger.setButtons(true);
    QVERIFY(ui().BtnLogger_Download->isEnabled());

    // The file being written can be neither downloaded nor deleted.
    QCOMPARE(logger.startLogger(), TLogfileController::lsrSuccess);
    QVERIFY(!ui().BtnLogger_Start->isEnabled());
    QVERIFY(ui().BtnLogger_Stop->isEnabled());
    logger.setButtons(true);
    QVERIFY(!ui().BtnLogger_Delete->isEnabled());
    QVERIFY(!ui().BtnLogger_Download->isEnabled());
}

// Return leaves no row active while the file stays selected and Download enabled: it downloads that file.
void tst_LogfileControllerPages::downloadAfterReturnTakesTheSelectedFile()
{
    QVERIFY(TSimulatedUSBStick::insert(TSimulatedUSBStick::slPartitioned, true));
    TAbstractUSBStickController* stick = TUSBStickControllerProvider::getUSBStickController();
    stick->initialize();
    QVERIFY(stick->isUSBStickConnected());
    const QByteArray content = logfileWithLines(3);
    TAMARIND_PUT_LOGFILE(*mFixture, "01012026_080000000", content, 0);
    TLogfileController& logger = build();
    QWidget* listed = listRow(0);
    QVERIFY2(listed, "the list shows no log file there");
    QTest::mouseClick(listed, Qt::LeftButton);
    logger.returnToMainMenuClicked();
    logger.setButtons(true);
    QVERIFY(ui().BtnLogger_Download->isEnabled());

    TModalAnswer::clickWhenShown(QStringLiteral("BtnDownloadComplete"));
    QTest::mouseClick(ui().BtnLogger_Download, Qt::LeftButton);

    QDirIterator found(TSimulatedUSBStick::mediumDirectory(), {"01012026_080000000.log"}, QDir::Files,
                       QDirIterator::Subdirectories);
    QVERIFY(found.hasNext());
    const QString copy = found.next();
    QCOMPARE(QFileInfo(copy).dir().dirName(), QStringLiteral("Logfiles"));
    QFile copied(copy);
    QVERIFY(copied.open(QIODevice::ReadOnly));
    QCOMPARE(copied.readAll(), content);
    QVERIFY(QFileInfo::exists(copy + ".md5"));
    // The log directory keeps the name without extension.
    QCOMPARE(mFixture->logfileNames(), QStringList{"01012026_080000000"});
}

void tst_LogfileControllerPages::delete__data()
{
    QTest::addColumn<bool>("running");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("another file, Yes") << false << "BtnYes" << QStringList{"06122026_131253123"};
    QTest::newRow("another file, No") << false << "BtnNo" << QStringList{"06122026_131253123", "01012026_080000000"};
    QTest::newRow("the running file") << true << "BtnOK" << QStringList{"06122026_131253123", "01012026_080000000"};
}

void tst_LogfileControllerPages::delete_()
{
    QFETCH(bool, running);
    QFETCH(QString, answer);
    QFETCH(QStringList, left);
    TAMARIND_PUT_LOGFILE(*mFixture, "01012026_080000000", logfileWithLines(1), 100);
    TLogfileController& logger = build();
    QCOMPARE(logger.startLogger(), TLogfileController::lsrSuccess);
    if (!running) {
        logger.stopLogger();
        QWidget* listed = listRow(1);
        QVERIFY2(listed, "the list shows no log file there");
        QTest::mouseClick(listed, Qt::LeftButton);
    }
    auto text = std::make_shared<QString>();
    TModalAnswer::onNextModal([answer, text](QWidget* pDialog) {
        *text = childOf<QLabel>(pDialog, "LblText")->text();
        pressKeys(pDialog, {answer});
    });
    logger.onDeleteClicked();
    QTRY_VERIFY(!text->isEmpty());
    QCOMPARE(*text, running ? QStringLiteral("The selected logfile is currently in use and cannot be deleted.")
                            : QStringLiteral("Would you really like to delete the selected logfile?"));
    QCOMPARE(mFixture->logfileNames(), left);
    QCOMPARE(rowNames(), left);
}

void tst_LogfileControllerPages::modeChoiceTakesEffectAtOnce()
{
    TLogfileController& logger = build();
    QCOMPARE(ui().LblLogger_Mode_Val->text(), QStringLiteral("Automatic"));
    QTest::mouseClick(ui().BtnLogModeManual, Qt::LeftButton);
    QCOMPARE(logger.logMode(), TLogfileController::lmManual);
    QCOMPARE(ui().LblLogger_Mode_Val->text(), QStringLiteral("Manual"));
    QCOMPARE(TTamarindSettings::instance().value("logger", "mode"), QStringLiteral("2"));
}

void tst_LogfileControllerPages::durationDisplay_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<bool>("persist");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("stored");
    QTest::newRow("0: off") << 0 << true << QStringList{"", "", ""} << ""
                            << "0";
    QTest::newRow("9000 s") << 9000 << false << QStringList{"00", "02", "30"} << "00d02h30min"
                            << "<none>";
    QTest::newRow("one day") << 86400 << true << QStringList{"01", "00", "00"} << "01d00h00min"
                             << "86400";
    QTest::newRow("100 days") << 100 * 86400 << false << QStringList{"100", "00", "00"} << "100d00h00min"
                              << "<none>";
    QTest::newRow("seconds alone count as off") << 59 << true << QStringList{"", "", ""} << ""
                                                << "0";
}

void tst_LogfileControllerPages::durationDisplay()
{
    QFETCH(int, seconds);
    QFETCH(bool, persist);
    QFETCH(QStringList, buttons);
    QFETCH(QString, row);
    QFETCH(QString, stored);
    TLogfileController& logger = build();
    logger.setDuration(seconds, persist);
    QCOMPARE(QStringList({ui().BtnLog_DurationDays->text(), ui().BtnLog_DurationHours->text(),
                          ui().BtnLog_DurationMinutes->text()}),
             buttons);
    QCOMPARE(ui().LblLogger_Duration_Val->text(), row);
    QCOMPARE(ui().BtnLog_DurationOn->isChecked(), !row.isEmpty());
    QCOMPARE(ui().BtnLog_DurationOff->isChecked(), row.isEmpty());
    QCOMPARE(ui().WgtLogDuration->isHidden(), row.isEmpty());
    QCOMPARE(TTamarindSettings::instance().value("logger", "duration", "<none>"), stored);
}

void tst_LogfileControllerPages::intervalEntry_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("stored");
    QTest::newRow("1.7 is cut down to 1.5") << QStringList{"Btn1", "BtnDecSep", "Btn7"} << "1.5"
                                            << "1500";
    QTest::newRow("the lowest") << QStringList{"Btn0", "BtnDecSep", "Btn5"} << "0.5"
                                << "500";
    QTest::newRow("the highest") << QStringList{"Btn3", "Btn6", "Btn0", "Btn0"} << "3600.0"
                                 << "3600000";
    QTest::newRow("0.4 is refused by the pad") << QStringList{"Btn0", "BtnDecSep", "Btn4"} << "1.0"
                                               << "1000";
}

void tst_LogfileControllerPages::intervalEntry()
{
    QFETCH(QStringList, keys);
    QFETCH(QString, shown);
    QFETCH(QString, stored);
    TLogfileController& logger = build();
    QTest::mouseClick(ui().BtnLogger_Interval, Qt::LeftButton);
    TModalAnswer::onNextModal([keys](QWidget* pPad) {
        pressKeys(pPad, keys);
        const bool accepted = childOf<QWidget>(pPad, "BtnAccept")->isVisible();
        pressKeys(pPad, {accepted ? QStringLiteral("BtnAccept") : QStringLiteral("BtnCancel")});
    });
    QTest::mouseClick(ui().BtnLogIntervalValue, Qt::LeftButton);
    QCOMPARE(ui().BtnLogIntervalValue->text(), shown);
    QVERIFY(logger.storeClicked());
    QCOMPARE(TTamarindSettings::instance().value("logger", "interval"), stored);
    QCOMPARE(ui().LblLogger_Interval_Val->text(), shown + "s");
}

void tst_LogfileControllerPages::savedStartTime_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("clock");
    QTest::addColumn<QString>("stored");
    QTest::newRow("31 February runs into March") << QStringList{"31", "02", "2025", "14", "05"} << "24h"
                                                 << "03.03.2025 14:05";
    QTest::newRow("in a leap year one day less") << QStringList{"31", "02", "2024", "14", "05"} << "24h"
                                                 << "02.03.2024 14:05";
    QTest::newRow("12 am is midnight") << QStringList{"01", "04", "2026", "12", "30"} << "AM"
                                       << "01.04.2026 00:30";
    QTest::newRow("12 pm is noon") << QStringList{"01", "04", "2026", "12", "30"} << "PM"
                                   << "01.04.2026 12:30";
    QTest::newRow("1 pm") << QStringList{"01", "04", "2026", "01", "30"} << "PM"
                          << "01.04.2026 13:30";
}

void tst_LogfileControllerPages::savedStartTime()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, clock);
    QFETCH(QString, stored);
    TLogfileController& logger = build();
    QTest::mouseClick(ui().BtnLogger_StartTime, Qt::LeftButton);
    QCOMPARE(mFixture->subMenu().mShownPage, ui().PageLoggerStartTime);
    QTest::mouseClick(ui().BtnLog_StartTime_On, Qt::LeftButton);
    QVERIFY(!ui().WgtLogStartTime->isHidden());
    const QList<QZELKDialogButton*> buttons{ui().BtnLog_StartTime_DateVal1, ui().BtnLog_StartTime_DateVal2,
                                            ui().BtnLog_StartTime_DateYear, ui().BtnLog_StartTime_Hours,
                                            ui().BtnLog_StartTime_Minutes};
    for (int i = 0; i < buttons.size(); ++i)
        buttons[i]->setText(fields[i]);
    mFixture->form().findChild<QZELKContainerRadioButton*>("BtnLog_StartTime_" + clock)->setChecked(true);
    QVERIFY(logger.storeClicked());
    QCOMPARE(TTamarindSettings::instance().value("logger", "start_time"), stored);
    QCOMPARE(logger.plannedStartPoint().toString("dd.MM.yyyy hh:mm"), stored);
}

namespace
{
// A settings page with On and Off choices: its row, the choices, the widget of
// its fields and the fields, the setting and the row's value label.
struct TOnOffPage
{
    QString mRow, mOn, mOff, mFieldsWidget;
    QStringList mFields;
    QString mSetting, mRowLabel;
};

const TOnOffPage DURATION_PAGE{"BtnLogger_Duration",
                               "BtnLog_DurationOn",
                               "BtnLog_DurationOff",
                               "WgtLogDuration",
                               {"BtnLog_DurationDays", "BtnLog_DurationHours", "BtnLog_DurationMinutes"},
                               "duration",
                               "LblLogger_Duration_Val"};
const TOnOffPage START_TIME_PAGE{"BtnLogger_StartTime",
                                 "BtnLog_StartTime_On",
                                 "BtnLog_StartTime_Off",
                                 "WgtLogStartTime",
                                 {"BtnLog_StartTime_DateVal1", "BtnLog_StartTime_DateVal2", "BtnLog_StartTime_DateYear",
                                  "BtnLog_StartTime_Hours", "BtnLog_StartTime_Minutes"},
                                 "start_time",
                                 "LblLogger_StartTime_Val"};
} // namespace

void tst_LogfileControllerPages::incompleteEntryKeepsThePageOpen_data()
{
    QTest::addColumn<bool>("duration");
    // Entered first and refused with the message; then corrected, stored and shown.
    QTest::addColumn<QStringList>("entered");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("corrected");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");

    const QStringList christmas{"24", "12", "2026", "18", "30"};
    QTest::newRow("duration of no minute") << true << QStringList{"00", "00", "00"} << "Please enter a valid duration!"
                                           << QStringList{"01", "02", "03"} << "93780"
                                           << "01d02h03min";
    QTest::newRow("start time without date and time")
        << false << QStringList{"", "", "", "", ""} << "Please enter a valid date. Please enter a valid time."
        << christmas << "24.12.2026 18:30"
        << "24/12/2026 18:30";
    QTest::newRow("start time without year") << false << QStringList{"24", "12", "", "18", "30"}
                                             << "Please enter a valid date." << christmas << "24.12.2026 18:30"
                                             << "24/12/2026 18:30";
    QTest::newRow("start time without minutes") << false << QStringList{"24", "12", "2026", "18", ""}
                                                << "Please enter a valid time." << christmas << "24.12.2026 18:30"
                                                << "24/12/2026 18:30";
}

// Nothing stored yet: the page opens switched off with empty fields. Switched on,
// an incomplete entry is refused with its message and stores nothing.
void tst_LogfileControllerPages::incompleteEntryKeepsThePageOpen()
{
    QFETCH(bool, duration);
    QFETCH(QStringList, entered);
    QFETCH(QString, message);
    QFETCH(QStringList, corrected);
    QFETCH(QString, stored);
    QFETCH(QString, shown);

    const TOnOffPage& page = duration ? DURATION_PAGE : START_TIME_PAGE;
    TLogfileController& logger = build();
    QWidget& form = mFixture->form();
    auto field = [&](int pIndex) { return form.findChild<QZELKDialogButton*>(page.mFields[pIndex]); };
    auto enter = [&](const QStringList& pTexts) {
        for (int i = 0; i < page.mFields.size(); ++i)
            field(i)->setText(pTexts[i]);
    };
    QTest::mouseClick(form.findChild<QWidget*>(page.mRow), Qt::LeftButton);
    QVERIFY(form.findChild<QZELKContainerRadioButton*>(page.mOff)->isChecked());
    QVERIFY(form.findChild<QWidget*>(page.mFieldsWidget)->isHidden());
    for (int i = 0; i < page.mFields.size(); ++i)
        QVERIFY2(field(i)->text().isEmpty(), qPrintable(page.mFields[i]));

    QTest::mouseClick(form.findChild<QWidget*>(page.mOn), Qt::LeftButton);
    QVERIFY(!form.findChild<QWidget*>(page.mFieldsWidget)->isHidden());
    enter(entered);
    TMessageRecorder messages;
    QVERIFY(!logger.storeClicked());
    QCOMPARE(messages.texts(), QStringList{message});
    QCOMPARE(TTamarindSettings::instance().value("logger", page.mSetting, "<none>"), QStringLiteral("<none>"));

    enter(corrected);
    QVERIFY(logger.storeClicked());
    QCOMPARE(TTamarindSettings::instance().value("logger", page.mSetting), stored);
    QCOMPARE(form.findChild<QLabel*>(page.mRowLabel)->text(), shown);
}

// Stored settings come back at the next start of the instrument.
void tst_LogfileControllerPages::settingsReadBack()
{
    TTamarindSettings& settings = TTamarindSettings::instance();
    settings.setValue("logger", "interval", "2500");
    settings.setValue("logger", "start_time", "24.12.2026 18:30");
    settings.setValue("logger", "duration", "5400");
    settings.setValue("logger", "mode", "2");
    TLogfileController& logger = build();
    QCOMPARE(logger.interval(), 2500);
    QCOMPARE(ui().LblLogger_Interval_Val->text(), QStringLiteral("2.5s"));
    QCOMPARE(logger.plannedStartPoint(), QDateTime(QDate(2026, 12, 24), QTime(18, 30)));
    QCOMPARE(ui().LblLogger_StartTime_Val->text(), QStringLiteral("24/12/2026 18:30"));
    QCOMPARE(ui().LblLogger_Duration_Val->text(), QStringLiteral("00d01h30min"));
    QCOMPARE(logger.logMode(), TLogfileController::lmManual);
    QCOMPARE(ui().LblLogger_Mode_Val->text(), QStringLiteral("Manual"));
}

void tst_LogfileControllerPages::secondsToString_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("none") << 0 << "00:00:00";
    QTest::newRow("59 s") << 59 << "00:00:59";
    QTest::newRow("an hour") << 3600 << "01:00:00";
    QTest::newRow("beyond a day the hours go on") << 90061 << "25:01:01";
}

void tst_LogfileControllerPages::secondsToString()
{
    QFETCH(int, seconds);
    QFETCH(QString, text);
    QCOMPARE(TLogfileController::secondsToString(seconds), text);
}

TAMARIND_TEST_MAIN(tst_LogfileControllerPages)
#include "tst_logfilecontrollerpages.moc"
