// The logger's engine: its settings, starting and stopping a log, the cadence
// of automatic lines and the Save of its settings pages.

#include "logfilecontroller.h"

#include "channel.h"
#include "channelcontroller.h"
#include "clickablewidgetcontroller.h"
#include "decimaldisplaycontroller.h"
#include "deviceroot.h"
#include "diskspacecontroller.h"
#include "filesystemsync.h"
#include "logfilelines.h"
#include "messagedialog.h"
#include "refreshdialog.h"
#include "tamarindclock.h"
#include "tamarindmainform_ui.h"
#include "tamarindsettings.h"
#include "warninggate.h"
#include "zelkcontainerradiobutton.h"
#include "zelkdialogbutton.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>

namespace
{
constexpr const char* START_TIME_FORMAT = "dd.MM.yyyy hh:mm";
} // namespace

TLogfileControllerWidgets TLogfileControllerWidgets::fromForm(const Ui_TTamarindMainForm& pUi)
{
    TLogfileControllerWidgets w;
    w.PageLogfileContent = pUi.PageLogfile;
    w.LogfileContentParent = pUi.scrollAreaLogfileContentWidget;
    w.LogfileListParent = pUi.scrollAreaLoggerContents;
    w.BtnLogMode = pUi.BtnLogger_Mode;
    w.BtnInterval = pUi.BtnLogger_Interval;
    w.BtnStartTime = pUi.BtnLogger_StartTime;
    w.BtnDuration = pUi.BtnLogger_Duration;
    w.BtnStart = pUi.BtnLogger_Start;
    w.BtnStop = pUi.BtnLogger_Stop;
    w.BtnDownload = pUi.BtnLogger_Download;
    w.BtnDelete = pUi.BtnLogger_Delete;
    w.LblMode = pUi.LblLogger_Mode_Val;
    w.LblInterval = pUi.LblLogger_Interval_Val;
    w.LblStartTime = pUi.LblLogger_StartTime_Val;
    w.LblDuration = pUi.LblLogger_Duration_Val;
    w.PageLoggerMode = pUi.PageLoggerMode;
    w.BtnLogMode_Automatic = pUi.BtnLogModeAutomatic;
    w.BtnLogMode_Manual = pUi.BtnLogModeManual;
    w.PageLoggerStartTime = pUi.PageLoggerStartTime;
    w.BtnLogStartTime_On = pUi.BtnLog_StartTime_On;
    w.BtnLogStartTime_Off = pUi.BtnLog_StartTime_Off;
    w.WgtStartTimePanel = pUi.WgtLogStartTime;
    w.BtnLogStartTime_DateVal1 = pUi.BtnLog_StartTime_DateVal1;
    w.BtnLogStartTime_DateVal2 = pUi.BtnLog_StartTime_DateVal2;
    w.BtnLogStartTime_DateYear = pUi.BtnLog_StartTime_DateYear;
    w.BtnLogStartTime_Hours = pUi.BtnLog_StartTime_Hours;
    w.BtnLogStartTime_Minutes = pUi.BtnLog_StartTime_Minutes;
    w.LblStartTime_DateFormat = pUi.LblLoggerStart_DateFormat;
    w.BtnStartTime_24h = pUi.BtnLog_StartTime_24h;
    w.BtnStartTime_AM = pUi.BtnLog_StartTime_AM;
    w.BtnStartTime_PM = pUi.BtnLog_StartTime_PM;
    w.PageLogInterval = pUi.PageLogInterval;
    w.BtnIntervalValue = pUi.BtnLogIntervalValue;
    w.PageLogDuration = pUi.PageLogDuration;
    w.BtnLogDuration_On = pUi.BtnLog_DurationOn;
    w.BtnLogDuration_Off = pUi.BtnLog_DurationOff;
    w.WgtLogFileDuration = pUi.WgtLogDuration;
    w.BtnLogDuration_Days = pUi.BtnLog_DurationDays;
    w.BtnLogDuration_Hours = pUi.BtnLog_DurationHours;
    w.BtnLogDuration_Minutes = pUi.BtnLog_DurationMinutes;
    return w;
}

TLogfileController::TLogfileController(ISubMenuController* pSubMenuController, int pBaseReadInterval,
                                       TChannelController* pChannelController, TProbeController* pProbeController,
                                       TScanModeController* pScanController, const QString& pLogfileDir,
                                       const TLogfileControllerWidgets& pWidgets,
                                       std::unique_ptr<TClickableWidgetController> pWidgetControllerLoggerMenu,
                                       const QString& pInstrumentSerialNumber)
    : mBaseReadInterval(pBaseReadInterval > 0 ? pBaseReadInterval : 1)
    , mLogfileDir(TDeviceRoot::path(pLogfileDir))
    , mSubMenuController(pSubMenuController)
    , mProbeController(pProbeController)
    , mScanController(pScanController)
    , mChannelController(pChannelController)
    , mWidgetControllerLoggerMenu(std::move(pWidgetControllerLoggerMenu))
    , mInstrumentSerialNumber(pInstrumentSerialNumber)
    , mCurrentDateTime([] { return QDateTime::currentDateTime(); })
    , mPageLogfileContent(pWidgets.PageLogfileContent)
    , mLogfileContentParent(pWidgets.LogfileContentParent)
    , mLogfileContentLines(
          mLogfileContentParent ? std::make_unique<TLogfileLines>(mPageLogfileContent, mLogfileContentParent) : nullptr)
    , mLogfileListParent(pWidgets.LogfileListParent)
    , mBtnLogMode(pWidgets.BtnLogMode)
    , mBtnInterval(pWidgets.BtnInterval)
    , mBtnStartTime(pWidgets.BtnStartTime)
    , mBtnDuration(pWidgets.BtnDuration)
    , mBtnStart(pWidgets.BtnStart)
    , mBtnStop(pWidgets.BtnStop)
    , mBtnDownload(pWidgets.BtnDownload)
    , mBtnDelete(pWidgets.BtnDelete)
    , mLblMode(pWidgets.LblMode)
    , mLblInterval(pWidgets.LblInterval)
    , mLblStartTime(pWidgets.LblStartTime)
    , mLblDuration(pWidgets.LblDuration)
    , mPageLoggerMode(pWidgets.PageLoggerMode)
    , mBtnLogMode_Automatic(pWidgets.BtnLogMode_Automatic)
    , mBtnLogMode_Manual(pWidgets.BtnLogMode_Manual)
    , mPageLoggerStartTime(pWidgets.PageLoggerStartTime)
    , mBtnLogStartTime_On(pWidgets.BtnLogStartTime_On)
    , mBtnLogStartTime_Off(pWidgets.BtnLogStartTime_Off)
    , mWgtStartTimePanel(pWidgets.WgtStartTimePanel)
    , mBtnLogStartTime_DateVal1(pWidgets.BtnLogStartTime_DateVal1)
    , mBtnLogStartTime_DateVal2(pWidgets.BtnLogStartTime_DateVal2)
    , mBtnLogStartTime_DateYear(pWidgets.BtnLogStartTime_DateYear)
    , mBtnLogStartTime_Hours(pWidgets.BtnLogStartTime_Hours)
    , mBtnLogStartTime_Minutes(pWidgets.BtnLogStartTime_Minutes)
    , mLblStartTime_DateFormat(pWidgets.LblStartTime_DateFormat)
    , mBtnStartTime_24h(pWidgets.BtnStartTime_24h)
    , mBtnStartTime_AM(pWidgets.BtnStartTime_AM)
    , mBtnStartTime_PM(pWidgets.BtnStartTime_PM)
    , mPageLogInterval(pWidgets.PageLogInterval)
    , mBtnIntervalValue(pWidgets.BtnIntervalValue)
    , mPageLogDuration(pWidgets.PageLogDuration)
    , mBtnLogDuration_On(pWidgets.BtnLogDuration_On)
    , mBtnLogDuration_Off(pWidgets.BtnLogDuration_Off)
    , mWgtLogFileDuration(pWidgets.WgtLogFileDuration)
    , mBtnLogDuration_Days(pWidgets.BtnLogDuration_Days)
    , mBtnLogDuration_Hours(pWidgets.BtnLogDuration_Hours)
    , mBtnLogDuration_Minutes(pWidgets.BtnLogDuration_Minutes)
{
    invalidateDateTime(mPlannedStartPoint);
    connect(mWidgetControllerLoggerMenu.get(), &TClickableWidgetController::widgetMouseBtnReleased, this,
            &TLogfileController::onLoggerMenuMouseBtnReleased);
    connect(mBtnStart, &QZELKDialogButton::clicked, this, &TLogfileController::onStartClicked);
    connect(mBtnStop, &QZELKDialogButton::clicked, this, &TLogfileController::onStopClicked);
    connect(mBtnDownload, &QZELKDialogButton::clicked, this, &TLogfileController::onDownloadClicked);
    connect(mBtnDelete, &QZELKDialogButton::clicked, this, &TLogfileController::onDeleteClicked);
    for (QZELKContainerRadioButton* button : {mBtnLogMode_Automatic, mBtnLogMode_Manual})
        connect(button, &QZELKContainerRadioButton::checkedChanged, this, &TLogfileController::onLogModeCheckedChanged);
    for (QZELKContainerRadioButton* button : {mBtnLogStartTime_On, mBtnLogStartTime_Off})
        connect(button, &QZELKContainerRadioButton::checkedChanged, this,
                &TLogfileController::onLogStartTimeModeCheckedChanged);
    for (QZELKContainerRadioButton* button : {mBtnLogDuration_On, mBtnLogDuration_Off})
        connect(button, &QZELKContainerRadioButton::checkedChanged, this,
                &TLogfileController::onLogDurationModeCheckedChanged);
    connect(mBtnLogStartTime_DateVal1, &QZELKDialogButton::clicked, this, &TLogfileController::selectDateVal1);
    connect(mBtnLogStartTime_DateVal2, &QZELKDialogButton::clicked, this, &TLogfileController::selectDateVal2);
    connect(mBtnLogStartTime_DateYear, &QZELKDialogButton::clicked, this, &TLogfileController::selectYear);
    connect(mBtnLogStartTime_Hours, &QZELKDialogButton::clicked, this, &TLogfileController::selectHour);
    connect(mBtnLogStartTime_Minutes, &QZELKDialogButton::clicked, this, &TLogfileController::selectMinute);
    connect(mBtnIntervalValue, &QZELKDialogButton::clicked, this, &TLogfileController::onIntervalValueClicked);
    connect(mBtnLogDuration_Days, &QZELKDialogButton::clicked, this, &TLogfileController::onDurationDaysClicked);
    connect(mBtnLogDuration_Hours, &QZELKDialogButton::clicked, this, &TLogfileController::onDurationHoursClicked);
    connect(mBtnLogDuration_Minutes, &QZELKDialogButton::clicked, this, &TLogfileController::onDurationMinutesClicked);
    refreshLogfileList();
    // A tap on a row of the list opens the content view: its lines are made
    // while the user looks at the list, not after the tap.
    if (mLogfileContentLines)
        mLogfileContentLines->prepareAfterPainted(mLogfileListParent, 2 * MAX_DISPLAYED_LINES);
}

TLogfileController::~TLogfileController()
{
    destroyLogfileListButtons();
    if (mLogfileContentParent) {
        for (QLabel* label : mLogfileContentParent->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
            delete label;
    }
}

void TLogfileController::setCurrentDateTime(std::function<QDateTime()> pCurrentDateTime)
{
    mCurrentDateTime = std::move(pCurrentDateTime);
}

void TLogfileController::invalidateDateTime(QDateTime& pDateTime)
{
    pDateTime = QDateTime(QDate(0, 2, 31), QTime());
}

void TLogfileController::storeSetting(const QString& pKey, const QString& pValue)
{
    TTamarindSettings& settings = TTamarindSettings::instance();
    settings.setValue(mLoggerPersistance_SectionName, pKey, pValue);
    settings.store();
}

void TLogfileController::loadSettings()
{
    const TTamarindSettings& settings = TTamarindSettings::instance();
    setInterval(
        settings.value(mLoggerPersistance_SectionName, mLoggerPersistance_Interval, QStringLiteral("1000")).toInt(),
        false);
    const QString startTime = settings.value(mLoggerPersistance_SectionName, mLoggerPersistance_StartTime, QString());
    setDuration(
        settings.value(mLoggerPersistance_SectionName, mLoggerPersistance_Duration, QStringLiteral("0")).toInt(),
        false);
    invalidateDateTime(mPlannedStartPoint);
    if (!startTime.isEmpty())
        mPlannedStartPoint = QDateTime::fromString(startTime, QLatin1String(START_TIME_FORMAT));
    setLogMode(
        EnLogMode(quint8(
            settings.value(mLoggerPersistance_SectionName, mLoggerPersistance_LogMode, QStringLiteral("1")).toInt())),
        false);
    refreshLogfileStartTimeView();
    setStartTime(mPlannedStartPoint, false);
}

void TLogfileController::setInterval(int pIntervalMilliseconds, bool pPersistSetting)
{
    mInterval = pIntervalMilliseconds;
    const QString seconds = TDecimalDisplayController::instance().Double2Str(mInterval / 1000.0, 1, false);
    mBtnIntervalValue->setText(seconds);
    //: seconds
    mLblInterval->setText(seconds + tr("s"));
    if (pPersistSetting)
        storeSetting(mLoggerPersistance_Interval, QString::number(mInterval));
}

void TLogfileController::setLogMode(EnLogMode pMode, bool pPersistSetting)
{
    mLogMode = pMode;
    QZELKContainerRadioButton* button = pMode == lmAutomatic ? mBtnLogMode_Automatic
                                        : pMode == lmManual  ? mBtnLogMode_Manual
                                                             : nullptr;
    if (button)
        button->setCheckedAdvanced(true, false);
    displaySelectedLogMode();
    if (pPersistSetting)
        storeSetting(mLoggerPersistance_LogMode, QString::number(int(pMode)));
}

void TLogfileController::setStartTime(const QDateTime& pStartTime, bool pPersistSetting)
{
    mPlannedStartPoint = pStartTime;
    const TTamarindClock& clock = TTamarindClock::instance();
    if (mPlannedStartPoint.isValid())
        mLblStartTime->setText(clock.getDateString(mPlannedStartPoint) + QLatin1Char(' ') +
                               clock.getTimeString(mPlannedStartPoint, false));
    else
        mLblStartTime->clear();
    if (pPersistSetting)
        storeSetting(mLoggerPersistance_StartTime, mPlannedStartPoint.isValid()
                                                       ? mPlannedStartPoint.toString(QLatin1String(START_TIME_FORMAT))
                                                       : QString());
}

TLogfileController::EnLogStartResult TLogfileController::startLogger()
{
    if (mInterval < 1)
        return lsrInvalidInterval;
    // A start while a log runs (the remote start does not ask) ends that log
    // as the Stop button would, so that it is complete and a failed start
    // leaves no run behind.
    if (mLoggerStarted)
        stopLogger();

    const QDateTime now = mCurrentDateTime();
    const QString name = TTamarindClock::instance().getDateTimeFileName(now);
    const QString path = mLogfileDir + QLatin1Char('/') + name;
    if (QFileInfo::exists(path))
        return lsrLogfileAlreadyExists;

    // The header is put together before the file is created: reading the SMART
    // probes lets pending events run, and a manual line must not reach the
    // file before its header.
    const QDateTime startTime = mPlannedStartPoint.isValid() && mLogMode == lmAutomatic ? mPlannedStartPoint : now;
    const QByteArray header = logfileHeader(startTime).toUtf8();
    // Open for the whole run; every line is appended to the end.
    mCurrentLogfile.setFileName(path);
    if (!mCurrentLogfile.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::NewOnly | QIODevice::Unbuffered)) {
        mCurrentLogfile.setFileName(QString());
        return lsrUnableToCreateLogfile;
    }
    // A header that did not reach the disk whole would make a file no reader
    // understands: it goes again, and the start fails.
    const bool written = mCurrentLogfile.write(header) == header.size();
    if (!written || !TFileSystemSync::syncOpenFile(mCurrentLogfile)) {
        mCurrentLogfile.close();
        QFile::remove(path);
        mCurrentLogfile.setFileName(QString());
        return lsrUnableToCreateLogfile;
    }

    invalidateDateTime(mActualStartPoint);
    mWidgetControllerLoggerMenu->activateWidget(addCreatedLogfileToList(name));
    selectLogfile(name, true);

    mLoggerStarted = true;
    mMultiplyCounter = 0;
    emit loggerStatusActiveChanged(true);
    setButtons();
    return lsrSuccess;
}

void TLogfileController::stopLogger()
{
    if (QLabel* label = countdownLabel())
        label->clear();
    if (!mCurrentLogfile.fileName().isEmpty())
        TFileSystemSync::sync(mCurrentLogfile);
    mCurrentLogfile.setFileName(QString());
    mLoggerStarted = false;
    invalidateDateTime(mActualStartPoint);
    emit loggerStatusActiveChanged(false);
    setButtons();
}

QLabel* TLogfileController::countdownLabel() const
{
    if (mCurrentLogfile.fileName().isEmpty())
        return nullptr;
    const auto entry = mStartTimeLabels.find(QFileInfo(mCurrentLogfile).fileName());
    return entry == mStartTimeLabels.end() ? nullptr : entry->second.data();
}

void TLogfileController::channelRead(TAbstractChannel* pChannel)
{
    if (!mLoggerStarted || mLogMode != lmAutomatic)
        return;
    QLabel* label = countdownLabel();
    const QDateTime now = mCurrentDateTime();

    if (mPlannedStartPoint.isValid() && now < mPlannedStartPoint) {
        if (label)
            label->setText(tr("Starts in") + QLatin1Char(' ') + secondsToString(int(now.secsTo(mPlannedStartPoint))));
        return;
    }

    bool firstRead = false;
    if (!mActualStartPoint.isValid()) {
        mActualStartPoint = now;
        if (label)
            label->clear();
        firstRead = true;
    }

    if (mDuration > 0) {
        const QDateTime end = mActualStartPoint.addSecs(mDuration);
        if (now >= end) {
            stopLogger();
            return;
        }
        if (label)
            label->setText(tr("Stops in") + QLatin1Char(' ') + secondsToString(int(now.secsTo(end))));
    }

    ++mMultiplyCounter;
    if (mMultiplyCounter < mInterval / mBaseReadInterval && !firstRead)
        return;

    mMultiplyCounter = 0;
    if (!mCurrentLogfile.exists()) {
        stopLogger();
        reportAfterPoll(true);
        return;
    }
    if (!writeChannelValueToLogfile(pChannel)) {
        stopLogger();
        reportAfterPoll(false);
    }
}

void TLogfileController::reportAfterPoll(bool pLogfileVanished)
{
    mReportLogfileVanished = mReportLogfileVanished || pLogfileVanished;
    if (mReportScheduled)
        return;
    mReportScheduled = true;
    // Not inside the poll, nor inside a remote command (a scan polls while it
    // runs): told once the command is over.
    TWarningGate::instance().showLater(this, [this]() {
        mReportScheduled = false;
        const bool vanished = mReportLogfileVanished;
        mReportLogfileVanished = false;
        // The disk check looks at "/" only: a full "/home" beside it would
        // otherwise stop the logger without a word. A full disk is the cause
        // and is read first: its message comes up on top of the logger's, at
        // once and from an entry of its own, not once the logger's has
        // returned, which a client that keeps remote commands queued in its
        // event loop would put off until it stops.
        if (!vanished)
            TWarningGate::instance().showLater(nullptr, []() { TDiskSpaceController::instance().checkDiskspace(); });
        TWarningGate::instance().showMessage(tr("Unable to write to logfile. Logger has been stopped."),
                                             TMessageDialog::dtWarning);
    });
}

bool TLogfileController::writeChannelValueToLogfile(TAbstractChannel* pChannel)
{
    if (!pChannel || mCurrentLogfile.fileName().isEmpty() || !mCurrentLogfile.exists())
        return false;
    const QString line = logfileLine(*pChannel, mCurrentDateTime());
    if (!appendToCurrentLogfile(line.toUtf8()))
        return false;
    if (!mSelectedLogfile.fileName().isEmpty() && mSelectedLogfile.fileName() == mCurrentLogfile.fileName())
        addLinesToLogfileContentDisplay(splitLogfileLineForDisplay(line));
    return true;
}

bool TLogfileController::appendToCurrentLogfile(const QByteArray& pBytes)
{
    if (!mCurrentLogfile.isOpen())
        return false;
    const qint64 completeSize = mCurrentLogfile.size();
    const bool written = mCurrentLogfile.write(pBytes) == pBytes.size();
    // A full disk or a size limit may take part of the line: the file goes
    // back to its last complete line.
    if (!written)
        mCurrentLogfile.resize(completeSize);
    const bool synced = TFileSystemSync::syncOpenFile(mCurrentLogfile);
    return written && synced;
}

void TLogfileController::factoryReset()
{
    stopLogger();
    QDateTime none;
    invalidateDateTime(none);
    setStartTime(none, true);
    setDuration(0, true);
    setLogMode(lmAutomatic, true);
    setInterval(1000, true);
}

void TLogfileController::returnToMainMenuClicked()
{
    mWidgetControllerLoggerMenu->deactivateAll();
}

bool TLogfileController::cancelClicked()
{
    mWidgetControllerLoggerMenu->deactivateAll();
    return true;
}

bool TLogfileController::storeClicked()
{
    QWidget* page = mWidgetControllerLoggerMenu->activeWidget();
    bool result = true;
    if (page == mBtnStartTime)
        result = storeStartTimePage();
    else if (page == mBtnInterval)
        result = storeIntervalPage();
    else if (page == mBtnDuration)
        result = storeDurationPage();
    if (result)
        mWidgetControllerLoggerMenu->deactivateAll();
    return result;
}

bool TLogfileController::storeStartTimePage()
{
    QDateTime start;
    invalidateDateTime(start);
    if (mBtnLogStartTime_On->isChecked()) {
        QString error;
        if (mBtnLogStartTime_DateVal1->text().isEmpty() || mBtnLogStartTime_DateVal2->text().isEmpty() ||
            mBtnLogStartTime_DateYear->text().isEmpty())
            error += QLatin1Char(' ') + tr("Please enter a valid date.");
        if (mBtnLogStartTime_Hours->text().isEmpty() || mBtnLogStartTime_Minutes->text().isEmpty())
            error += QLatin1Char(' ') + tr("Please enter a valid time.");
        if (!error.isEmpty()) {
            TMessageDialog().showError(error.trimmed());
            return false;
        }
        const int year = mBtnLogStartTime_DateYear->text().toInt();
        const bool dayFirst = TTamarindClock::instance().dateFormat() == dfDDMMYYYY;
        const int day = (dayFirst ? mBtnLogStartTime_DateVal1 : mBtnLogStartTime_DateVal2)->text().toInt();
        const int month = (dayFirst ? mBtnLogStartTime_DateVal2 : mBtnLogStartTime_DateVal1)->text().toInt();
        int hour = mBtnLogStartTime_Hours->text().toInt();
        if (mBtnStartTime_AM->isChecked() && hour == 12)
            hour = 0;
        if (mBtnStartTime_PM->isChecked() && hour <= 11)
            hour += 12;
        const int minute = mBtnLogStartTime_Minutes->text().toInt();
        // A day beyond the month's end runs into the next month.
        start = QDateTime(QDate(year, month, 1), QTime(hour, minute, 0), Qt::LocalTime).addDays(day - 1);
    }
    setStartTime(start, true);
    return true;
}

bool TLogfileController::storeIntervalPage()
{
    bool number = false;
    const double seconds = TDecimalDisplayController::instance().Str2Double(mBtnIntervalValue->text(), number);
    if (!number)
        return false;
    setInterval(int(seconds * 1000.0), true);
    return true;
}

bool TLogfileController::storeDurationPage()
{
    int seconds = 0;
    if (mBtnLogDuration_On->isChecked()) {
        const int days = mBtnLogDuration_Days->text().toInt();
        const int hours = mBtnLogDuration_Hours->text().toInt();
        const int minutes = mBtnLogDuration_Minutes->text().toInt();
        if (days == 0 && hours == 0 && minutes == 0) {
            TMessageDialog().showError(tr("Please enter a valid duration!"));
            return false;
        }
        seconds = days * 86400 + hours * 3600 + minutes * 60;
    }
    setDuration(seconds, true);
    return true;
}

void TLogfileController::onStartClicked()
{
    switch (startLogger()) {
    case lsrSuccess:
        break;
    case lsrLogfileAlreadyExists:
        TMessageDialog().showError(tr("Unable to create logfile, the logfile already exists!"));
        break;
    case lsrUnableToCreateLogfile:
        TMessageDialog().showError(tr("Unable to create logfile."));
        break;
    case lsrInvalidInterval:
        TMessageDialog().showError(tr("Please enter a valid interval!"));
        break;
    }
}

void TLogfileController::onStopClicked()
{
    stopLogger();
}
