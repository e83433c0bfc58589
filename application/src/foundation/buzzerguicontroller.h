#pragma once

#include <QObject>
#include <QString>

class IWidgetContainerInterface;
class QLabel;
class QWidget;

// The sound page: the on/off choices of the key click and of the alarm sound.
// Keeps them in the settings, switches the buzzer accordingly and writes the
// page's summary line. Created by the main window with the page's widgets,
// none of which it owns.
class TBuzzerGUIController : public QObject
{
    Q_OBJECT

public:
    TBuzzerGUIController(IWidgetContainerInterface* pKeystrokeContainer, QWidget* pKeystrokeOnWidget,
                         QLabel* pKeystrokeOnLabel, QWidget* pKeystrokeOffWidget, QLabel* pKeystrokeOffLabel,
                         IWidgetContainerInterface* pAlarmContainer, QWidget* pAlarmOnWidget, QLabel* pAlarmOnLabel,
                         QWidget* pAlarmOffWidget, QLabel* pAlarmOffLabel, QLabel* pSelectedSettingIndicator);

    // Marks the current choices on the page and writes the summary.
    void updateGUI();
    void indicateSelectedSettings();
    void storeKeystrokes();
    void storeAlarms();
    // Key click off, alarm sound on.
    void factoryReset();

public slots:
    void keystrokeSettingBtnClick(QWidget* pWidget);
    void alarmSettingBtnClick(QWidget* pWidget);

private:
    void storeFlag(const QString& pKey, bool pOn);

    IWidgetContainerInterface* mKeystrokeContainer;
    QWidget* mKeystrokeOnWidget;
    QLabel* mKeystrokeOnLabel;
    QWidget* mKeystrokeOffWidget;
    QLabel* mKeystrokeOffLabel;
    IWidgetContainerInterface* mAlarmContainer;
    QWidget* mAlarmOnWidget;
    QLabel* mAlarmOnLabel;
    QWidget* mAlarmOffWidget;
    QLabel* mAlarmOffLabel;
    QLabel* mSelectedSettingIndicator;
    const QString mSectionName = QStringLiteral("sound");
    const QString mSetting_keystrokes = QStringLiteral("keystrokes");
    const QString mSetting_alarms = QStringLiteral("alarms");
};
