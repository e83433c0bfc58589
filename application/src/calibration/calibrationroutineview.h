#pragma once

#include "calibrationroutine.h"
#include "calibrationroutineobserver.h"
#include "electrical_temperature_units.h"

#include <QObject>
#include <QString>
#include <QWidget>

#include <map>
#include <memory>

class QLabel;
class QProgressBar;
class QScrollArea;
class TChannelDescription;
class Ui_TCalibrationRoutineView;

namespace Calibrationroutineview
{
// How the panel of a set point looks.
enum EnPanelState : quint8 { psInactive = 0, psSelected = 1, psStable = 2, psUnstable = 3 };
} // namespace Calibrationroutineview

// The widgets of one set point in the run view: a header line with title,
// status and progress above a coloured panel with the reference reading, its
// stability and one row per channel under test. The widgets belong to the
// parent given at construction; this object only refers to them.
class TCalPointControls : public QObject
{
    Q_OBJECT

public:
    // Builds nothing unless pParent has a vertical box layout; the new lines
    // go before the layout's last item, so a trailing spacer keeps the panels
    // stacked from the top.
    explicit TCalPointControls(QWidget* pParent);

    // Created on the channel's first value, below the rows there are; null
    // for a panel that could not be built.
    QLabel* dutChannelValueLabel(const TChannelDescription& pChannelDescription);
    void setCalPointTitle(const QString& pTitle);
    // A negative progress hides the bar; above 100 shows it full.
    void setStatus(const QString& pStatusText, int pProgressPercent);
    void setReferenceValueAndStability(const QString& pRefValue, const QString& pStability);
    void setPanelState(Calibrationroutineview::EnPanelState pVal);
    void ensureVisible(QScrollArea* pScrollArea);

    // For tests and the run view's own checks.
    QLabel* statusLabel() const { return mLblStatus; }
    QProgressBar* progressBar() const { return mProgressBar; }
    QLabel* titleLabel() const { return mLblCalPointTitle; }
    QLabel* referenceLabel() const { return mLblRefValue; }
    QLabel* stabilityLabel() const { return mLblStability; }
    QWidget* mainPanel() const { return mMainPanel; }
    int dutRowCount() const { return int(mDUTChannelValueLabels.size()); }

    static QString panelStyleSheet(Calibrationroutineview::EnPanelState pState);

private:
    QLabel* mLblStatus = nullptr;
    QProgressBar* mProgressBar = nullptr;
    QLabel* mLblCalPointTitle = nullptr;
    QLabel* mLblRefValue = nullptr;
    QLabel* mLblStability = nullptr;
    std::map<int, QLabel*> mDUTChannelValueLabels;
    QWidget* mMainPanel = nullptr;
    QString mMainPanelStylesheet;
    QString mMainPanelStylesheetActive;
    QString mMainPanelStylesheetStable;
    QString mMainPanelStylesheetUnstable;
};

// The window that shows a calibration routine while it runs and after it has
// ended, one panel per set point. It only watches the routine; the one thing
// it does to it is abort it when the user confirms Cancel. Its owner shows it
// before the run and destroys it only after the run has returned.
class TCalibrationRoutineView : public QWidget, private ICalibrationRoutineObserver
{
    Q_OBJECT

public:
    explicit TCalibrationRoutineView(TCalibrationRoutine* pCalRoutine);
    ~TCalibrationRoutineView() override;

    // The panel shown for a set point; null when the setup has none.
    TCalPointControls* calPointControls(const TElectricalTemperatureValue& pCalPoint) const;
    Ui_TCalibrationRoutineView& form() const { return *ui; }
    // Placed over the main window as it is shown.
    void setVisible(bool pVisible) override;

private slots:
    void on_BtnCancel_clicked();

private:
    void calibrationRoutineStatusChanged(const TCalibrationRoutine& pRoutine,
                                         const TElectricalTemperatureValue& pCalPoint) override;
    void referenceValueUpdated(const TElectricalTemperatureValue& pCalPoint,
                               const TElectricalTemperatureValue& pReferenceValue, double pStability) override;
    void dutValueUpdated(const TElectricalTemperatureValue& pCalPoint, const TChannelDescription& pChannelDescription,
                         const TElectricalTemperatureValue& pDUTValue) override;
    void calPointComplete(const TElectricalTemperatureValue& pCalPoint) override;

    void setCurrentCalPointControls(TCalPointControls* pControls, const Calibrationroutine::EnRoutineStatus& pStatus);
    void showRoutineCompleted();
    static QString timeStamp();

    std::unique_ptr<Ui_TCalibrationRoutineView> ui;
    // An equal set point replaces the entry; the replaced panel is still owned.
    std::map<TElectricalTemperatureValue, TCalPointControls*> mCalPointControlsMap;
    std::vector<std::unique_ptr<TCalPointControls>> mOwnedCalPointControls;
    TCalibrationRoutine* mCalRoutine;
    TCalPointControls* mCurrentCalPointControls = nullptr;
};
