#pragma once

#include "channelcontrollerlistener.h"
#include "newestfiles.h"
#include "submenuconfirmationreceiver.h"
#include "zelkvector.h"

#include <QDateTime>
#include <QFile>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class QLabel;
class QVBoxLayout;
class QWidget;
class QZELKContainerRadioButton;
class QZELKDialogButton;
class TAbstractChannel;
class TAbstractProbe;
class TChannelController;
class TClickableWidgetController;
class TLogfileLines;
class TProbeController;
class TScanModeController;
class Ui_TTamarindMainForm;
class ISubMenuController;

// The pages of the logger as the window layout holds them: the list page with
// its four settings rows, the content view and the four settings pages.
struct TLogfileControllerWidgets
{
    static TLogfileControllerWidgets fromForm(const Ui_TTamarindMainForm& pUi);

    QWidget* PageLogfileContent = nullptr;
    QWidget* LogfileContentParent = nullptr;
    QWidget* LogfileListParent = nullptr;
    QWidget* BtnLogMode = nullptr;
    QWidget* BtnInterval = nullptr;
    QWidget* BtnStartTime = nullptr;
    QWidget* BtnDuration = nullptr;
    QZELKDialogButton* BtnStart = nullptr;
    QZELKDialogButton* BtnStop = nullptr;
    QZELKDialogButton* BtnDownload = nullptr;
    QZELKDialogButton* BtnDelete = nullptr;
    QLabel* LblMode = nullptr;
    QLabel* LblInterval = nullptr;
    QLabel* LblStartTime = nullptr;
    QLabel* LblDuration = nullptr;

    QWidget* PageLoggerMode = nullptr;
    QZELKContainerRadioButton* BtnLogMode_Automatic = nullptr;
    QZELKContainerRadioButton* BtnLogMode_Manual = nullptr;

    QWidget* PageLoggerStartTime = nullptr;
    QZELKContainerRadioButton* BtnLogStartTime_On = nullptr;
    QZELKContainerRadioButton* BtnLogStartTime_Off = nullptr;
    QWidget* WgtStartTimePanel = nullptr;
    QZELKDialogButton* BtnLogStartTime_DateVal1 = nullptr;
    QZELKDialogButton* BtnLogStartTime_DateVal2 = nullptr;
    QZELKDialogButton* BtnLogStartTime_DateYear = nullptr;
    QZELKDialogButton* BtnLogStartTime_Hours = nullptr;
    QZELKDialogButton* BtnLogStartTime_Minutes = nullptr;
    QLabel* LblStartTime_DateFormat = nullptr;
    QZELKContainerRadioButton* BtnStartTime_24h = nullptr;
    QZELKContainerRadioButton* BtnStartTime_AM = nullptr;
    QZELKContainerRadioButton* BtnStartTime_PM = nullptr;

    QWidget* PageLogInterval = nullptr;
    QZELKDialogButton* BtnIntervalValue = nullptr;

    QWidget* PageLogDuration = nullptr;
    QZELKContainerRadioButton* BtnLogDuration_On = nullptr;
    QZELKContainerRadioButton* BtnLogDuration_Off = nullptr;
    QWidget* WgtLogFileDuration = nullptr;
    QZELKDialogButton* BtnLogDuration_Days = nullptr;
    QZELKDialogButton* BtnLogDuration_Hours = nullptr;
    QZELKDialogButton* BtnLogDuration_Minutes = nullptr;
};

// The data logger: writes the values of the measured channel into log files,
// on the channel controller's cadence or on request, and serves the logger
// page (log file list, content view, download and delete) and its four
// settings pages. One instance, built and owned by the main window and
// registered there as a listener of the channel controller.
class TLogfileController : public QObject, public ISubMenuConfirmationReceiver, public IChannelControllerListener
{
    Q_OBJECT

public:
    enum EnLogMode : quint8 { lmAutomatic = 1, lmManual = 2 };
    enum EnLogStartResult {
        lsrSuccess = 0,
        lsrInvalidInterval = 1,
        lsrLogfileAlreadyExists = 2,
        lsrUnableToCreateLogfile = 3
    };

    // The limits of the logging interval; the interval page and the remote
    // command check against them, the setters do not.
    static constexpr double MIN_INTERVAL_SECONDS = 0.5;
    static constexpr double MAX_INTERVAL_SECONDS = 3600.0;
    // The content view keeps the last lines of a file, two labels each, and
    // the stretch at its end.
    static constexpr int MAX_DISPLAYED_LINES = 100;
    static constexpr int MAX_CONTENT_LAYOUT_ITEMS = 401;

    // pLogfileDir is the device path of the log directory; it is placed under
    // the device root. Fills the log file list; reads no settings.
    TLogfileController(ISubMenuController* pSubMenuController, int pBaseReadInterval,
                       TChannelController* pChannelController, TProbeController* pProbeController,
                       TScanModeController* pScanController, const QString& pLogfileDir,
                       const TLogfileControllerWidgets& pWidgets,
                       std::unique_ptr<TClickableWidgetController> pWidgetControllerLoggerMenu,
                       const QString& pInstrumentSerialNumber);
    // Does not stop a running log: the file is complete after every line.
    ~TLogfileController() override;

    // Where the logger takes the local time from; tests set a clock of their own.
    void setCurrentDateTime(std::function<QDateTime()> pCurrentDateTime);

    void loadSettings();
    bool isLoggerStarted() const { return mLoggerStarted; }
    EnLogMode logMode() const { return mLogMode; }
    int interval() const { return mInterval; }
    const QDateTime& plannedStartPoint() const { return mPlannedStartPoint; }
    int duration() const { return mDuration; }

    // The setters do not check their value; with pPersistSetting it is stored.
    void setLogMode(EnLogMode pMode, bool pPersistSetting);
    void setInterval(int pIntervalMilliseconds, bool pPersistSetting);
    void setStartTime(const QDateTime& pStartTime, bool pPersistSetting);
    void setDuration(int pSeconds, bool pPersistSetting);

    // Ends a running log first. The new log counts as started only once its
    // header is complete on disk; a file that could not be written whole is
    // removed again (lsrUnableToCreateLogfile).
    EnLogStartResult startLogger();
    // Safe without a running log; announces the stop in any case.
    void stopLogger();
    // Appends one line for the channel to the current log file, whole or not
    // at all; false without a current file or when the line could not be
    // written and synchronised.
    bool writeChannelValueToLogfile(TAbstractChannel* pChannel);

    // Names of all entries matching "*_*" in the log directory (created when
    // missing), newest first. The list page shows the newest of them only.
    QStringList getLogfileList() const;
    // Tests shorten the list page; refreshLogfileList() applies the new length.
    void setMaximumListedLogfiles(int pCount) { mMaximumListedLogfiles = pCount; }
    // The file's path when it exists in the log directory, else empty. Only a
    // plain name is looked up: an empty name, "." or "..", and names holding a
    // path separator give an empty text.
    QString logfilePath(const QString& pLogfileName) const;
    // The file being written; its name is empty while the logger is stopped.
    const QFile& currentLogfile() const { return mCurrentLogfile; }
    const QString& logfileDir() const { return mLogfileDir; }

    void factoryReset();

    // The log file list and the content view.
    void refreshLogfileList();
    QWidget* addCreatedLogfileToList(const QString& pLogfile);
    QWidget* createLogfileButton(const QString& pLogfile, QVBoxLayout* pLayout, int pIndex);
    void destroyLogfileListButtons();
    void removeOldestLogfileFromList();
    QString logfileNameByWidget(QWidget* pWidget) const;
    zelk::vector<QString> logfiles() const { return mLogfiles; }
    void selectLogfile(const QString& pLogfileName, bool pShowMainMenuIfLogfileEmpty);
    void displayLogfileContent(QFile& pFile);
    void showLogfileContentTexts(QStringList pTexts);
    static QStringList splitLogfileLineForDisplay(const QString& pLine);
    void addLinesToLogfileContentDisplay(const QStringList& pLines);
    void setButtons(bool pUSBStickConnected);
    void setButtons();

    // The settings pages.
    void displaySelectedLogMode();
    void retranslate();
    void refreshLogfileStartTimeView();
    // The countdown "hh:mm:ss", hours unlimited.
    static QString secondsToString(int pSeconds);

    void returnToMainMenuClicked() override;
    bool cancelClicked() override;
    bool storeClicked() override;
    void channelRead(TAbstractChannel* pChannel) override;

signals:
    void loggerStatusActiveChanged(bool pActive);

public slots:
    void onStartClicked();
    void onStopClicked();
    void onLoggerMenuMouseBtnReleased(QWidget* pButton);
    void onDownloadClicked();
    void onDeleteClicked();
    // Copies the files with ".log" added and their MD5 side files into the
    // stick's "Logfiles"; nothing without a stick.
    void downloadLogfiles(const zelk::vector<QString>& pLogfileNames);

    void onLogModeCheckedChanged(bool pChecked);
    void onLogStartTimeModeCheckedChanged(bool pChecked);
    void onLogDurationModeCheckedChanged(bool pChecked);
    void selectDateVal1();
    void selectDateVal2();
    void selectYear();
    void selectHour();
    void selectMinute();
    void onIntervalValueClicked();
    void onDurationDaysClicked();
    void onDurationHoursClicked();
    void onDurationMinutesClicked();

private:
    struct TLogfileRow
    {
        QPointer<QWidget> mRow;
        QString mName;
    };

    static void invalidateDateTime(QDateTime& pDateTime);
    // getLogfileList's names, the newest pMaximum only when it is not negative.
    QStringList newestLogfiles(int pMaximum) const;
    void storeSetting(const QString& pKey, const QString& pValue);
    // Header and data lines as the log file holds them.
    QString logfileHeader(const QDateTime& pStartTime);
    QString logfileLine(TAbstractChannel& pChannel, const QDateTime& pNow) const;
    void appendProbeBlocks(QString& oHeader, const zelk::vector<TAbstractProbe*>& pProbes, bool pSmartBlock) const;
    // Writes the bytes at the end of the current file and synchronises it; a
    // line that does not fit whole is taken back, so that no part of it stays.
    bool appendToCurrentLogfile(const QByteArray& pBytes);
    QLabel* countdownLabel() const;
    // The message of a failed automatic write waits until the poll that
    // found it has returned: a modal dialog there would hold up the cycle.
    void reportAfterPoll(bool pLogfileVanished);
    bool isSelectedLogfileInUse() const;
    static void enterNumber(QZELKDialogButton* pButton, int pMinimum, int pMaximum, int pWidth);
    bool storeStartTimePage();
    bool storeIntervalPage();
    bool storeDurationPage();

    const QString mLoggerPersistance_SectionName = QStringLiteral("logger");
    const QString mLoggerPersistance_Interval = QStringLiteral("interval");
    const QString mLoggerPersistance_StartTime = QStringLiteral("start_time");
    const QString mLoggerPersistance_Duration = QStringLiteral("duration");
    const QString mLoggerPersistance_LogMode = QStringLiteral("mode");

    bool mLoggerStarted = false;
    int mBaseReadInterval;
    int mInterval = 1000;
    EnLogMode mLogMode = lmAutomatic;
    int mMultiplyCounter = 0;
    QString mLogfileDir;
    QFile mCurrentLogfile;
    QFile mSelectedLogfile;
    QDateTime mPlannedStartPoint;
    QDateTime mActualStartPoint;
    int mDuration = 0;

    ISubMenuController* mSubMenuController;
    TProbeController* mProbeController;
    TScanModeController* mScanController;
    TChannelController* mChannelController;
    std::unique_ptr<TClickableWidgetController> mWidgetControllerLoggerMenu;
    QString mInstrumentSerialNumber;

    zelk::vector<QString> mLogfiles;
    std::vector<TLogfileRow> mLogfileListButtons;
    std::map<QString, QPointer<QLabel>> mStartTimeLabels;
    int mMaximumListedLogfiles = TNewestFiles::MAX_LISTED_FILES;

    std::function<QDateTime()> mCurrentDateTime;
    bool mReportScheduled = false;
    bool mReportLogfileVanished = false;

    QWidget* mPageLogfileContent;
    QWidget* mLogfileContentParent;
    std::unique_ptr<TLogfileLines> mLogfileContentLines;
    QWidget* mLogfileListParent;
    QWidget* mBtnLogMode;
    QWidget* mBtnInterval;
    QWidget* mBtnStartTime;
    QWidget* mBtnDuration;
    QZELKDialogButton* mBtnStart;
    QZELKDialogButton* mBtnStop;
    QZELKDialogButton* mBtnDownload;
    QZELKDialogButton* mBtnDelete;
    QLabel* mLblMode;
    QLabel* mLblInterval;
    QLabel* mLblStartTime;
    QLabel* mLblDuration;

    QWidget* mPageLoggerMode;
    QZELKContainerRadioButton* mBtnLogMode_Automatic;
    QZELKContainerRadioButton* mBtnLogMode_Manual;

    QWidget* mPageLoggerStartTime;
    QZELKContainerRadioButton* mBtnLogStartTime_On;
    QZELKContainerRadioButton* mBtnLogStartTime_Off;
    QWidget* mWgtStartTimePanel;
    QZELKDialogButton* mBtnLogStartTime_DateVal1;
    QZELKDialogButton* mBtnLogStartTime_DateVal2;
    QZELKDialogButton* mBtnLogStartTime_DateYear;
    QZELKDialogButton* mBtnLogStartTime_Hours;
    QZELKDialogButton* mBtnLogStartTime_Minutes;
    QLabel* mLblStartTime_DateFormat;
    QZELKContainerRadioButton* mBtnStartTime_24h;
    QZELKContainerRadioButton* mBtnStartTime_AM;
    QZELKContainerRadioButton* mBtnStartTime_PM;

    QWidget* mPageLogInterval;
    QZELKDialogButton* mBtnIntervalValue;

    QWidget* mPageLogDuration;
    QZELKContainerRadioButton* mBtnLogDuration_On;
    QZELKContainerRadioButton* mBtnLogDuration_Off;
    QWidget* mWgtLogFileDuration;
    QZELKDialogButton* mBtnLogDuration_Days;
    QZELKDialogButton* mBtnLogDuration_Hours;
    QZELKDialogButton* mBtnLogDuration_Minutes;
};
