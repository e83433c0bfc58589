#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QTimer;

// The buzzer on its GPIO line, switched by writing "1" or "0" into the line's
// value file: a key click, an alarm for a while, an alarm until muted. Sounds
// only what the user has enabled; silent until the value file is known.
class TBuzzerController : public QObject
{
    Q_OBJECT

public:
    static TBuzzerController& instance();
    ~TBuzzerController() override;

    // The device path of the line's value file ("/sys/class/gpio/gpio7/value").
    void initialize(const QString& pGPIOFile);

    void setKeystrokesActive(bool pActive);
    bool keystrokesActive() const { return mKeystrokesActive; }
    void setAlarmsActive(bool pActive);
    bool alarmsActive() const { return mAlarmsActive; }

    // The click lasts as long as the two writes take; there is none while an
    // alarm sounds, which it would end.
    void soundKeystroke();
    // A new alarm while one sounds lasts the given time from now.
    void soundAlarm(int pMilliseconds);
    // Sounds until mute().
    void soundAlarm();
    void mute();
    void setActive(bool pOn);

private slots:
    void timeout();

private:
    TBuzzerController();

    bool mKeystrokesActive = false;
    bool mAlarmsActive = false;
    bool mAlarmSounding = false;
    QString mGPIO_file;
    std::unique_ptr<QTimer> mTimer;
};
