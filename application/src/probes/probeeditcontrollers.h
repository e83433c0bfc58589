#pragma once

#include "submenuconfirmationreceiver.h"
#include "zelkvector.h"

#include <QDate>
#include <QObject>
#include <QString>

#include <memory>

class ISubMenuController;
class QLabel;
class QRadioButton;
class QScrollArea;
class QWidget;
class QZELKContainerRadioButton;
class QZELKDialogButton;
class TAbstractChannel;
class TAbstractProbe;
class TChannelController;
class TClickableWidgetController;
class TInternalSCPIHandler;
class TProbeController;
class TStandardProbeSettingController;

// The common part of the probe edit pages: the rows every probe has, the
// page's row registry, Save/Cancel/Return, the default-probe mode and the
// restore from backup. The labels are the page's model: the text is what the
// user sees, the tool tip the exact value, an empty label a value not entered.
// The main window builds one page per probe kind; the probe controller owns it.
class TProbeEditController : public QObject, public ISubMenuConfirmationReceiver
{
    Q_OBJECT

public:
    TProbeEditController(TChannelController* pChannelController,
                         TStandardProbeSettingController* pStandardProbeSettingsController,
                         TInternalSCPIHandler* pSCPIHandler, QWidget* pPageEditor, QScrollArea* pScrollArea,
                         QWidget* pWgtDefaultProbe, QLabel* pLblDefaultProbeCaption, QWidget* pBtnProbeName,
                         QLabel* pLblProbeName, QLabel* pLblReference, QWidget* pBtnRefYes, QWidget* pBtnRefNo,
                         QWidget* pBtnTmin, QLabel* pLblTmin, QWidget* pBtnTmax, QLabel* pLblTmax, QWidget* pBtnCalDate,
                         QLabel* pLblCalDate, QZELKDialogButton* pBtnRestore, ISubMenuController* pSubMenuController);
    ~TProbeEditController() override;

    bool storeClicked() override;
    bool cancelClicked() override;
    void returnToMainMenuClicked() override;
    // Fills the page for a new probe under the reserved number.
    virtual void newProbe(int pProbeNumber) = 0;
    virtual void showEditSubMenu();

    void setProbeController(TProbeController* pProbeController) { mProbeController = pProbeController; }
    // Shows a stored probe; the caller opens the page with showEditSubMenu().
    void editProbe(TAbstractProbe* pProbe);
    short probeNumber() const { return mProbeNumber; }
    TAbstractProbe* existingProbe() const { return mExistingProbe; }

    // Label helpers, also for pages outside the editors.
    // Up to 8 characters whole, longer ones as 7 and "..."; the tool tip keeps the name.
    static void setProbeName(const QString& pProbeName, QLabel& pLabel);
    static void clearLabel(QLabel& pLabel);
    // The tool tip read as "dd.MM.yyyy"; an invalid date when empty or malformed.
    static QDate dateFromLabel(QLabel& pLabel);
    static void dateToLabel(QLabel& pLabel, const QDate& pDate);
    // The date dialog under pTitle, in the user's date format, from the label's date.
    static void editDate(const QString& pTitle, QLabel& pLabel);
    // Eight significant digits.
    static void setResistanceCoefficient(double pValue, QLabel& pLabel);
    // Scientific notation with five decimals.
    static void setCoefficient(double pValue, QLabel& pLabel);
    // The label's tool tip (or text) with "." as decimal point; 0 when empty or no number.
    static double labelValue(const QLabel& pLabel, bool pFromToolTip);
    // The pad of a coefficient row: the row's tool tip as caption while it is
    // open, the label's display text to start from, no limits. The set's radio
    // button is checked whether the pad was confirmed or not: touching a
    // coefficient chooses its conversion.
    static void editCoefficient(ISubMenuController& pSubMenuController, const QWidget& pButton, QLabel& pLabel,
                                bool pResistance, QRadioButton& pSet);

signals:
    void widgetActivated(short pGroup, QWidget* pPrevious, QWidget* pCurrent);

protected slots:
    void onBtnRestoreClicked();

public:
    // Fills the page from a probe of the page's kind; ignores any other.
    virtual void displayProbe(TAbstractProbe* pProbe) = 0;

protected:
    virtual void setDefaultProbeModeSpecific(bool) {}
    virtual void checkSpecificFields(zelk::vector<QString>&) {}
    virtual void beforeShowSubMenu() {}
    virtual std::unique_ptr<TAbstractProbe> createSpecificProbeFromGUI() = 0;
    virtual void storeSpecificDefaultProbeSettings(TAbstractProbe*) {}
    virtual bool isDefaultProbeReferenceFlagSelected() const = 0;
    virtual QString getSubMenuCaption() const = 0;

    void editProbeName();
    void editTmin();
    void editTmax();
    void editCalDate();
    // A coefficient row and the conversion its entry chooses.
    struct TCoefficientRow
    {
        QWidget* mButton;
        QLabel* mLabel;
        bool mResistance;
        QRadioButton* mSet;
    };
    // The name, Tmin, Tmax and calibration-date rows; false for another widget.
    // pLimitCaption shows the row's tool tip as caption while a limit is entered.
    bool onCommonRowClick(QWidget* pButton, bool pLimitCaption);
    // The decimal pad on the clicked one of pRows with its button's tool tip as
    // caption. Its conversion is chosen also when the pad is cancelled; false
    // when pButton is none of the rows.
    bool onCoefficientClick(const zelk::vector<TCoefficientRow>& pRows, QWidget* pButton);
    static void clearLabels(const zelk::vector<TCoefficientRow>& pRows);

    void setDefaultProbeMode(bool pDefaultProbe);
    void setBackupButton(int pProbeNumber);
    // Shows every message in one dialog; false when there was one.
    bool checkFields();
    std::unique_ptr<TAbstractProbe> createProbeFromGUI();
    // The common part of a new page: number, mode, name, flag and limits.
    void resetCommonRows(int pProbeNumber);
    // The common part of a stored probe's page, after the mode and backup row.
    void displayCommonRows(TAbstractProbe* pProbe);

    short mProbeNumber = 0;
    TProbeController* mProbeController = nullptr;
    TChannelController* mChannelController;
    TStandardProbeSettingController* mStandardProbeSettingsController;
    TInternalSCPIHandler* mSCPIHandler;
    TAbstractProbe* mExistingProbe = nullptr;
    QWidget* mPageEditor;
    QScrollArea* mScrollArea;
    QWidget* mWgtDefaultProbe;
    QLabel* mLblDefaultProbeCaption;
    QWidget* mBtnProbeName;
    QLabel* mLblProbeName;
    QLabel* mLblReference;
    QWidget* mBtnRefYes;
    QWidget* mBtnRefNo;
    QWidget* mBtnTmin;
    QLabel* mLblTmin;
    QWidget* mBtnTmax;
    QLabel* mLblTmax;
    QWidget* mBtnCalDate;
    QLabel* mLblCalDate;
    QZELKDialogButton* mBtnRestore;
    ISubMenuController* mSubMenuController;
    std::unique_ptr<TClickableWidgetController> mWidgetController;

private:
    void editTemperatureLimit(QLabel* pLabel);
};

// The edit page of a platinum resistance thermometer (PagePRTEdit).
class TProbeEditController_PRT : public TProbeEditController
{
    Q_OBJECT

public:
    static constexpr short WIDGET_GROUP_NAME = 1;
    static constexpr short WIDGET_GROUP_REFERENCE = 2;
    static constexpr short WIDGET_GROUP_PROBE_TYPE = 3;
    static constexpr short WIDGET_GROUP_WIRING = 4;
    static constexpr short WIDGET_GROUP_INT_RESISTOR = 5;
    static constexpr short WIDGET_GROUP_CHANNEL = 6;
    static constexpr short WIDGET_GROUP_T_MIN = 7;
    static constexpr short WIDGET_GROUP_T_MAX = 8;
    static constexpr short WIDGET_GROUP_CAL_DATE = 9;
    static constexpr short WIDGET_GROUP_CVD_R0 = 10;
    static constexpr short WIDGET_GROUP_CVD_A = 11;
    static constexpr short WIDGET_GROUP_CVD_B = 12;
    static constexpr short WIDGET_GROUP_CVD_C = 13;
    static constexpr short WIDGET_GROUP_ITS90_R001 = 14;
    static constexpr short WIDGET_GROUP_ITS90_A = 15;
    static constexpr short WIDGET_GROUP_ITS90_B = 16;
    static constexpr short WIDGET_GROUP_ITS90_AP = 17;
    static constexpr short WIDGET_GROUP_ITS90_BP = 18;
    static constexpr short WIDGET_GROUP_ITS90_CP = 19;
    static constexpr short WIDGET_GROUP_ITS90_DP = 20;
    static constexpr short WIDGET_GROUP_KEEP_WARM_CURRENT = 21;

    TProbeEditController_PRT(
        TChannelController* pChannelController, TStandardProbeSettingController* pStandardProbeSettingsController,
        TInternalSCPIHandler* pSCPIHandler, QWidget* pPageEditor, QScrollArea* pScrollArea, QWidget* pWgtDefaultProbe,
        QLabel* pLblDefaultProbeCaption, QWidget* pBtnProbeName, QLabel* pLblProbeName, QLabel* pLblReference,
        QWidget* pBtnRefYes, QWidget* pBtnRefNo, QWidget* pBtnTmin, QLabel* pLblTmin, QWidget* pBtnTmax,
        QLabel* pLblTmax, QWidget* pBtnCalDate, QLabel* pLblCalDate, QZELKDialogButton* pBtnRestore,
        ISubMenuController* pSubMenuController, QWidget* pBtnPt25, QWidget* pBtnPt100, QLabel* pLblCurrent,
        QLabel* pLblCurentValue, QWidget* pBtn3wire, QWidget* pBtn4wire, QLabel* pLblKeepWarmCurrent,
        QWidget* pBtnKWC_On, QWidget* pBtnKWC_Off, QWidget* pBtnRes25Ohm, QWidget* pBtnRes100Ohm,
        QRadioButton* pRbEN60751, QRadioButton* pRbCvD, QRadioButton* pRbITS90, QWidget* pBtnCvD_R0, QLabel* pLblCvD_R0,
        QWidget* pBtnCvD_A, QLabel* pLblCvD_A, QWidget* pBtnCvD_B, QLabel* pLblCvD_B, QWidget* pBtnCvD_C,
        QLabel* pLblCvD_C, QWidget* pBtnITS90_R001, QLabel* pLblITS90_R001, QWidget* pBtnITS90_A, QLabel* pLblITS90_A,
        QWidget* pBtnITS90_B, QLabel* pLblITS90_B, QWidget* pBtnITS90_Ap, QLabel* pLblITS90_Ap, QWidget* pBtnITS90_Bp,
        QLabel* pLblITS90_Bp, QWidget* pBtnITS90_Cp, QLabel* pLblITS90_Cp, QWidget* pBtnITS90_Dp, QLabel* pLblITS90_Dp,
        QZELKContainerRadioButton* pBtnExcCurr0_5mA, QZELKContainerRadioButton* pBtnExcCurr1mA,
        QZELKContainerRadioButton* pBtnExcCurr2mA);

    void newProbe(int pProbeNumber) override;
    void displayProbe(TAbstractProbe* pProbe) override;

protected:
    std::unique_ptr<TAbstractProbe> createSpecificProbeFromGUI() override;
    bool isDefaultProbeReferenceFlagSelected() const override;
    QString getSubMenuCaption() const override;

private slots:
    void onButtonClick(QWidget* pButton);

private:
    zelk::vector<TCoefficientRow> coefficientRows() const;

    QWidget* mBtnPt25;
    QWidget* mBtnPt100;
    QLabel* mLblCurrent;
    QLabel* mLblCurentValue;
    QWidget* mBtn3wire;
    QWidget* mBtn4wire;
    QLabel* mLblKeepWarmCurrent;
    QWidget* mBtnKWC_On;
    QWidget* mBtnKWC_Off;
    QWidget* mBtnRes25Ohm;
    QWidget* mBtnRes100Ohm;
    QRadioButton* mRbEN60751;
    QRadioButton* mRbCvD;
    QRadioButton* mRbITS90;
    QWidget* mBtnCvD_R0;
    QLabel* mLblCvD_R0;
    QWidget* mBtnCvD_A;
    QLabel* mLblCvD_A;
    QWidget* mBtnCvD_B;
    QLabel* mLblCvD_B;
    QWidget* mBtnCvD_C;
    QLabel* mLblCvD_C;
    QWidget* mBtnITS90_R001;
    QLabel* mLblITS90_R001;
    QWidget* mBtnITS90_A;
    QLabel* mLblITS90_A;
    QWidget* mBtnITS90_B;
    QLabel* mLblITS90_B;
    QWidget* mBtnITS90_Ap;
    QLabel* mLblITS90_Ap;
    QWidget* mBtnITS90_Bp;
    QLabel* mLblITS90_Bp;
    QWidget* mBtnITS90_Cp;
    QLabel* mLblITS90_Cp;
    QWidget* mBtnITS90_Dp;
    QLabel* mLblITS90_Dp;
    QZELKContainerRadioButton* mBtnExcCurr0_5mA;
    QZELKContainerRadioButton* mBtnExcCurr1mA;
    QZELKContainerRadioButton* mBtnExcCurr2mA;
};

// The edit page of a thermocouple (PageTCEdit). Types C and D are not offered
// but a probe of either type keeps it when saved.
class TProbeEditController_TC : public TProbeEditController
{
    Q_OBJECT

public:
    TProbeEditController_TC(TChannelController* pChannelController,
                            TStandardProbeSettingController* pStandardProbeSettingsController,
                            TInternalSCPIHandler* pSCPIHandler, QWidget* pPageEditor, QScrollArea* pScrollArea,
                            QWidget* pWgtDefaultProbe, QLabel* pLblDefaultProbeCaption, QWidget* pBtnProbeName,
                            QLabel* pLblProbeName, QLabel* pLblReference, QWidget* pBtnRefYes, QWidget* pBtnRefNo,
                            QWidget* pBtnTmin, QLabel* pLblTmin, QWidget* pBtnTmax, QLabel* pLblTmax,
                            QWidget* pBtnCalDate, QLabel* pLblCalDate, QZELKDialogButton* pBtnRestore,
                            ISubMenuController* pSubMenuController, const zelk::vector<QWidget*>& pTypeButtons,
                            QWidget* pBtnRefInternal, QWidget* pBtnRefExternal, QWidget* pBtnRefChannel,
                            QLabel* pLblCJCChannel, QLabel* pLblCJCProbeName, QRadioButton* pRbIEC584,
                            QRadioButton* pRbPolynomial, const zelk::vector<QWidget*>& pPolynomialButtons,
                            const zelk::vector<QLabel*>& pPolynomialLabels);

    void newProbe(int pProbeNumber) override;
    void displayProbe(TAbstractProbe* pProbe) override;

protected:
    void setDefaultProbeModeSpecific(bool) override;
    void checkSpecificFields(zelk::vector<QString>& pErrors) override;
    void beforeShowSubMenu() override;
    std::unique_ptr<TAbstractProbe> createSpecificProbeFromGUI() override;
    bool isDefaultProbeReferenceFlagSelected() const override;
    QString getSubMenuCaption() const override;

private slots:
    void onButtonClick(QWidget* pButton);

private:
    // The ten type buttons B, C, D, E, J, K, N, R, S, T and their codes.
    static constexpr int TYPE_COUNT = 10;
    static constexpr int POLYNOMIAL_ROWS = 18;
    void hideUnofferedTypes();
    void clearReferenceChannel();
    void showReferenceChannel(TAbstractChannel* pChannel);
    // Channel compensation on that channel, internal when the channel is unknown.
    void activateChannelCompensation(int pChannelNumber);
    void chooseReferenceChannel();
    zelk::vector<TCoefficientRow> polynomialRows() const;

    zelk::vector<QWidget*> mTypeButtons;
    QWidget* mBtnRefInternal;
    QWidget* mBtnRefExternal;
    QWidget* mBtnRefChannel;
    QLabel* mLblCJCChannel;
    QLabel* mLblCJCProbeName;
    QRadioButton* mRbIEC584;
    QRadioButton* mRbPolynomial;
    zelk::vector<QWidget*> mPolynomialButtons;
    zelk::vector<QLabel*> mPolynomialLabels;
};

// The edit page of a thermistor (PageThermEdit), with the range and current
// the board reports for a stored probe.
class TProbeEditController_Thermistor : public TProbeEditController
{
    Q_OBJECT

public:
    TProbeEditController_Thermistor(
        TChannelController* pChannelController, TStandardProbeSettingController* pStandardProbeSettingsController,
        TInternalSCPIHandler* pSCPIHandler, QWidget* pPageEditor, QScrollArea* pScrollArea, QWidget* pWgtDefaultProbe,
        QLabel* pLblDefaultProbeCaption, QWidget* pBtnProbeName, QLabel* pLblProbeName, QLabel* pLblReference,
        QWidget* pBtnRefYes, QWidget* pBtnRefNo, QWidget* pBtnTmin, QLabel* pLblTmin, QWidget* pBtnTmax,
        QLabel* pLblTmax, QWidget* pBtnCalDate, QLabel* pLblCalDate, QZELKDialogButton* pBtnRestore,
        ISubMenuController* pSubMenuController, QLabel* pLblRange, QLabel* pLblRangeValue, QLabel* pLblCurrent,
        QLabel* pLblCurrentValue, QRadioButton* pRbConvNone, QRadioButton* pRbConvSteinhartHart,
        QRadioButton* pRbConvPolynomial, QWidget* pBtnSHa, QLabel* pLblSHa, QWidget* pBtnSHb, QLabel* pLblSHb,
        QWidget* pBtnSHc, QLabel* pLblSHc, QWidget* pBtnPolyC0, QLabel* pLblPolyC0, QWidget* pBtnPolyC1,
        QLabel* pLblPolyC1, QWidget* pBtnPolyC2, QLabel* pLblPolyC2, QWidget* pBtnPolyC3, QLabel* pLblPolyC3);

    void newProbe(int pProbeNumber) override;
    void displayProbe(TAbstractProbe* pProbe) override;

protected:
    std::unique_ptr<TAbstractProbe> createSpecificProbeFromGUI() override;
    bool isDefaultProbeReferenceFlagSelected() const override;
    QString getSubMenuCaption() const override;

private slots:
    void onButtonClick(QWidget* pButton);

private:
    // a, b, c, then c0 to c3.
    zelk::vector<TCoefficientRow> coefficientRows() const;

    QLabel* mLblRange;
    QLabel* mLblRangeValue;
    QLabel* mLblCurrent;
    QLabel* mLblCurrentValue;
    QRadioButton* mRbConvNone;
    QRadioButton* mRbConvSteinhartHart;
    QRadioButton* mRbConvPolynomial;
    QWidget* mBtnSHa;
    QLabel* mLblSHa;
    QWidget* mBtnSHb;
    QLabel* mLblSHb;
    QWidget* mBtnSHc;
    QLabel* mLblSHc;
    QWidget* mBtnPolyC0;
    QLabel* mLblPolyC0;
    QWidget* mBtnPolyC1;
    QLabel* mLblPolyC1;
    QWidget* mBtnPolyC2;
    QLabel* mLblPolyC2;
    QWidget* mBtnPolyC3;
    QLabel* mLblPolyC3;
};
