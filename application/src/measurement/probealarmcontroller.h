#pragma once

#include <QObject>
#include <QString>

#include <utility>

#include "zelkvector.h"

class QWidget;
class TAbstractProbe;
class TClickableWidgetController;

// The probe alarm: when a measured probe leaves its temperature range the
// buzzer sounds and a caution names the probe, unless the user switched probe
// alarms off on the settings page. Holds that setting (section
// "probe_alarms", key "alarms") and drives its two buttons.
class TProbeAlarmController : public QObject
{
    Q_OBJECT

public:
    static TProbeAlarmController& instance();
    // The program uses instance(); a separate controller reads the setting as
    // the next start would.
    TProbeAlarmController();

    // The On and Off buttons of the settings page and the controller that
    // groups exactly these two.
    void initializeGUIComponents(QWidget* pBtnOn, QWidget* pBtnOff, TClickableWidgetController* pWidgetController);
    void factoryReset();
    // Sounds the buzzer as soon as a probe has left its range: the caution
    // may have to wait for a remote command, the buzzer does not. Each alarm
    // raised is followed by exactly one doProbeAlarm, or one closeAlarm where
    // its caution will not come: the buzzer sounds until every alarm raised
    // is closed.
    void raiseAlarm();
    // Shows the caution with the buzzer sounding and mutes it once the user
    // has closed it and no other alarm's caution is open or still to come;
    // the event loop runs meanwhile, or, during a calibration run, the call
    // returns at once (TWarningGate::showMessage). A probe gone (null),
    // alarms switched off since the alarm was raised, or a probe whose
    // caution is still open only close the alarm.
    void doProbeAlarm(const TAbstractProbe* pProbe);
    // Closes a raised alarm without a caution.
    void closeAlarm();

public slots:
    void onBtnClicked(QWidget* pButton);

private:
    // Each of the channel controller's rows starts with no alarm raised, whatever a failed row before it left.
    friend class tst_ChannelController;

    void updateGUI();
    void storeAlarmSetting();

    bool mAlarmForProbesActive = true;
    // Raised and not yet closed by the user (or dropped).
    int mAlarmsNotClosed = 0;
    // Probes whose caution is open. A reading that keeps crossing a limit, or
    // a loose wire between readings beyond it, starts a new excursion every
    // few polls; a caution for each would pile up without bound, unattended,
    // and bury whatever the user must see under them. A probe is known by its
    // number and name, which is all the user sees of it: one deleted and
    // made again under both while its caution is open (production's
    // commands do so in a loop) is the same probe, and another one given the
    // number meanwhile is not.
    using TProbeKey = std::pair<int, QString>;
    zelk::vector<TProbeKey> mProbesWithCautionOpen;
    QWidget* mBtnOn = nullptr;
    QWidget* mBtnOff = nullptr;
    TClickableWidgetController* mWidgetController = nullptr;
    const QString mPersistance_Section = QStringLiteral("probe_alarms");
    const QString mPersistance_Setting_alarms = QStringLiteral("alarms");
};
