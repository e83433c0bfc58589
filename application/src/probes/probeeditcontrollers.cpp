#include "probeeditcontrollers.h"

#include "clickablewidgetcontroller.h"
#include "datedialog.h"
#include "decimaldisplaycontroller.h"
#include "messagedialog.h"
#include "numpad.h"
#include "probe.h"
#include "probecontroller.h"
#include "submenucontroller.h"
#include "tamarindclock.h"
#include "textpad.h"
#include "zelkdialogbutton.h"

#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

namespace
{
const QString CAL_DATE_FORMAT = QStringLiteral("dd.MM.yyyy");
// Names longer than this are cut to make room for "...".
constexpr int PROBE_NAME_SHOWN_LENGTH = 8;
constexpr int MAX_PROBE_NAME_LENGTH = 20;
constexpr int MIN_TEMPERATURE_LIMIT = -999;
constexpr int MAX_TEMPERATURE_LIMIT = 9999;
// The date dialog with Cancel and Save, without its main-menu key.
constexpr short CAL_DATE_DIALOG_BUTTONS = TDateDialog::BTN_CANCEL | TDateDialog::BTN_OK;
} // namespace

TProbeEditController::TProbeEditController(
    TChannelController* pChannelController, TStandardProbeSettingController* pStandardProbeSettingsController,
    TInternalSCPIHandler* pSCPIHandler, QWidget* pPageEditor, QScrollArea* pScrollArea, QWidget* pWgtDefaultProbe,
    QLabel* pLblDefaultProbeCaption, QWidget* pBtnProbeName, QLabel* pLblProbeName, QLabel* pLblReference,
    QWidget* pBtnRefYes, QWidget* pBtnRefNo, QWidget* pBtnTmin, QLabel* pLblTmin, QWidget* pBtnTmax, QLabel* pLblTmax,
    QWidget* pBtnCalDate, QLabel* pLblCalDate, QZELKDialogButton* pBtnRestore, ISubMenuController* pSubMenuController)
    : mChannelController(pChannelController)
    , mStandardProbeSettingsController(pStandardProbeSettingsController)
    , mSCPIHandler(pSCPIHandler)
    , mPageEditor(pPageEditor)
    , mScrollArea(pScrollArea)
    , mWgtDefaultProbe(pWgtDefaultProbe)
    , mLblDefaultProbeCaption(pLblDefaultProbeCaption)
    , mBtnProbeName(pBtnProbeName)
    , mLblProbeName(pLblProbeName)
    , mLblReference(pLblReference)
    , mBtnRefYes(pBtnRefYes)
    , mBtnRefNo(pBtnRefNo)
    , mBtnTmin(pBtnTmin)
    , mLblTmin(pLblTmin)
    , mBtnTmax(pBtnTmax)
    , mLblTmax(pLblTmax)
    , mBtnCalDate(pBtnCalDate)
    , mLblCalDate(pLblCalDate)
    , mBtnRestore(pBtnRestore)
    , mSubMenuController(pSubMenuController)
    , mWidgetController(std::make_unique<TClickableWidgetController>(nullptr))
{
    connect(mBtnRestore, &QZELKDialogButton::clicked, this, &TProbeEditController::onBtnRestoreClicked);
    connect(mWidgetController.get(), &TClickableWidgetController::widgetActivated, this,
            &TProbeEditController::widgetActivated);
}

TProbeEditController::~TProbeEditController() = default;

// --- label helpers ------------------------------------------------------------------

void TProbeEditController::setProbeName(const QString& pProbeName, QLabel& pLabel)
{
    if (pProbeName.isEmpty())
        pLabel.clear();
    else if (pProbeName.length() <= PROBE_NAME_SHOWN_LENGTH)
        pLabel.setText(pProbeName);
    else
        pLabel.setText(pProbeName.left(PROBE_NAME_SHOWN_LENGTH - 1) + QStringLiteral("..."));
    pLabel.setToolTip(pProbeName);
}

void TProbeEditController::clearLabel(QLabel& pLabel)
{
    pLabel.clear();
    pLabel.setToolTip(QString());
}

QDate TProbeEditController::dateFromLabel(QLabel& pLabel)
{
    // Year 0 does not exist: the date dialog opens with empty fields.
    const QDate date = QDate::fromString(pLabel.toolTip(), CAL_DATE_FORMAT);
    return date.isValid() ? date : QDate(0, 2, 31);
}

void TProbeEditController::dateToLabel(QLabel& pLabel, const QDate& pDate)
{
    if (!pDate.isValid()) {
        clearLabel(pLabel);
        return;
    }
    pLabel.setText(TTamarindClock::instance().getDateString(pDate));
    pLabel.setToolTip(pDate.toString(CAL_DATE_FORMAT));
}

void TProbeEditController::setResistanceCoefficient(double pValue, QLabel& pLabel)
{
    const QString exact = QString::number(pValue, 'g', 8);
    pLabel.setToolTip(exact);
    pLabel.setText(QString(exact).replace(QLatin1Char('.'), TDecimalDisplayController::instance().decimalSeparator()));
}

void TProbeEditController::setCoefficient(double pValue, QLabel& pLabel)
{
    pLabel.setToolTip(QString::number(pValue, 'e', 5));
    pLabel.setText(TDecimalDisplayController::instance().Double2ScientificStr(pValue, 5));
}

double TProbeEditController::labelValue(const QLabel& pLabel, bool pFromToolTip)
{
    bool ok = false;
    const double value = (pFromToolTip ? pLabel.toolTip() : pLabel.text()).toDouble(&ok);
    return ok ? value : 0.0;
}

// --- opening ----------------------------------------------------------------------------

void TProbeEditController::editProbe(TAbstractProbe* pProbe)
{
    if (!pProbe)
        return;
    mExistingProbe = pProbe;
    mProbeNumber = short(pProbe->internalProbeNumber());
    displayProbe(pProbe);
}

void TProbeEditController::showEditSubMenu()
{
    beforeShowSubMenu();
    if (mScrollArea)
        mScrollArea->verticalScrollBar()->setValue(0);
    mSubMenuController->showSubMenu(getSubMenuCaption(), mPageEditor, this, smtEditorWithMainMenuButton);
}

void TProbeEditController::resetCommonRows(int pProbeNumber)
{
    mProbeNumber = short(pProbeNumber);
    mExistingProbe = nullptr;
    setDefaultProbeMode(false);
    mBtnRestore->hide();
    clearLabel(*mLblProbeName);
    mWidgetController->activateWidget(mBtnRefNo);
    clearLabel(*mLblTmin);
    clearLabel(*mLblTmax);
    clearLabel(*mLblCalDate);
}

void TProbeEditController::displayCommonRows(TAbstractProbe* pProbe)
{
    setProbeName(pProbe->probeName(), *mLblProbeName);
    mWidgetController->activateWidget(pProbe->isReference() ? mBtnRefYes : mBtnRefNo);
    mLblTmin->setText(QString::number(pProbe->Tmin(), 'g', 6));
    mLblTmax->setText(QString::number(pProbe->Tmax(), 'g', 6));
    dateToLabel(*mLblCalDate, pProbe->lastCalDate());
}

void TProbeEditController::setDefaultProbeMode(bool pDefaultProbe)
{
    if (QWidget* content = mScrollArea ? mScrollArea->widget() : nullptr) {
        for (QWidget* child : content->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            child->setVisible(!pDefaultProbe);
    }
    mWgtDefaultProbe->setVisible(pDefaultProbe);
    mLblDefaultProbeCaption->setVisible(pDefaultProbe);
    mLblReference->show();
    mBtnRefYes->show();
    mBtnRefNo->show();
    setDefaultProbeModeSpecific(pDefaultProbe);
}

void TProbeEditController::setBackupButton(int pProbeNumber)
{
    QDateTime timeStamp;
    mBtnRestore->setVisible(mProbeController && mProbeController->createProbeFromBackup(pProbeNumber, timeStamp));
}

// --- field editors ---------------------------------------------------------------------------

void TProbeEditController::editProbeName()
{
    QString name = mLblProbeName->toolTip();
    TTextpad pad(nullptr);
    if (pad.showTextpad(name, MAX_PROBE_NAME_LENGTH))
        setProbeName(name, *mLblProbeName);
}

void TProbeEditController::editTemperatureLimit(QLabel* pLabel)
{
    QString text;
    int value = 0;
    TNumpad pad(nullptr);
    if (pad.exec_int(text, value, MIN_TEMPERATURE_LIMIT, MAX_TEMPERATURE_LIMIT, true))
        pLabel->setText(text);
}

void TProbeEditController::editTmin()
{
    editTemperatureLimit(mLblTmin);
}

void TProbeEditController::editTmax()
{
    editTemperatureLimit(mLblTmax);
}

void TProbeEditController::editCalDate()
{
    editDate(tr("Last cal."), *mLblCalDate);
}

void TProbeEditController::editDate(const QString& pTitle, QLabel& pLabel)
{
    QDate date = dateFromLabel(pLabel);
    TDateDialog dialog(nullptr);
    if (dialog.showDateDialog(pTitle, TTamarindClock::instance().dateFormat(), date, CAL_DATE_DIALOG_BUTTONS))
        dateToLabel(pLabel, date);
}

bool TProbeEditController::onCommonRowClick(QWidget* pButton, bool pLimitCaption)
{
    const bool limit = pButton == mBtnTmin || pButton == mBtnTmax;
    if (!limit && pButton != mBtnProbeName && pButton != mBtnCalDate)
        return false;
    if (limit && pLimitCaption)
        mSubMenuController->setSubMenuCaption(pButton->toolTip());
    if (pButton == mBtnProbeName)
        editProbeName();
    else if (pButton == mBtnTmin)
        editTmin();
    else if (pButton == mBtnTmax)
        editTmax();
    else
        editCalDate();
    mWidgetController->deactivateWidget(pButton);
    if (limit && pLimitCaption)
        mSubMenuController->restoreSubMenuCaption();
    return true;
}

bool TProbeEditController::onCoefficientClick(const zelk::vector<TCoefficientRow>& pRows, QWidget* pButton)
{
    const auto row = std::find_if(pRows.begin(), pRows.end(),
                                  [pButton](const TCoefficientRow& pRow) { return pRow.mButton == pButton; });
    if (row == pRows.end())
        return false;
    if (QLabel* label = mWidgetController->getLabelFromWidget(pButton))
        editCoefficient(*mSubMenuController, *pButton, *label, row->mResistance, *row->mSet);
    mWidgetController->deactivateWidget(pButton);
    return true;
}

void TProbeEditController::editCoefficient(ISubMenuController& pSubMenuController, const QWidget& pButton,
                                           QLabel& pLabel, bool pResistance, QRadioButton& pSet)
{
    pSubMenuController.setSubMenuCaption(pButton.toolTip());
    QString text = pLabel.text();
    double value = 0.0;
    TNumpad pad(nullptr);
    // Limits 0 and 0 with the check off: a coefficient may take any value.
    if (pad.exec_float(text, value, 0.0, 0.0, false)) {
        if (pResistance)
            setResistanceCoefficient(value, pLabel);
        else
            setCoefficient(value, pLabel);
    }
    pSubMenuController.restoreSubMenuCaption();
    pSet.setChecked(true);
}

void TProbeEditController::clearLabels(const zelk::vector<TCoefficientRow>& pRows)
{
    for (const TCoefficientRow& row : pRows)
        clearLabel(*row.mLabel);
}

// --- checking and storing -----------------------------------------------------------------

bool TProbeEditController::checkFields()
{
    zelk::vector<QString> errors;
    if (mLblProbeName->toolTip().isEmpty())
        errors.push_back(tr("Please enter a probe name."));
    if (mLblTmin->text().isEmpty())
        errors.push_back(tr("Please enter a value for Tmin."));
    if (mLblTmax->text().isEmpty())
        errors.push_back(tr("Please enter a value for Tmax."));
    if (!mLblTmin->text().isEmpty() && !mLblTmax->text().isEmpty() &&
        labelValue(*mLblTmin, false) >= labelValue(*mLblTmax, false))
        errors.push_back(tr("Tmax must be greater than Tmin."));
    checkSpecificFields(errors);
    if (errors.empty())
        return true;
    QStringList texts;
    for (const QString& error : errors)
        texts << error;
    TMessageDialog().showError(texts.join(QLatin1Char(' ')));
    return false;
}

std::unique_ptr<TAbstractProbe> TProbeEditController::createProbeFromGUI()
{
    if (!checkFields())
        return nullptr;
    return createSpecificProbeFromGUI();
}

bool TProbeEditController::storeClicked()
{
    if (mExistingProbe && mExistingProbe->isDefaultProbe()) {
        const bool reference = isDefaultProbeReferenceFlagSelected();
        if (reference != mExistingProbe->isReference() && mProbeController)
            mProbeController->defaultProbeReferenceStatusChanged(mExistingProbe, reference);
        storeSpecificDefaultProbeSettings(mExistingProbe);
        if (mProbeController)
            mProbeController->defaultProbeEditDone();
        return true;
    }
    if (!checkFields())
        return false;
    std::unique_ptr<TAbstractProbe> probe = createSpecificProbeFromGUI();
    if (!probe || !mProbeController)
        return false;
    QString error;
    if (mProbeController->newProbeCreated(mExistingProbe, std::move(probe), error))
        return true;
    // A board refusal comes with no text of its own; without one the page would look as if Save did nothing.
    TMessageDialog().showError(error.isEmpty() ? tr("The probe could not be stored on the measurement board.") : error);
    return false;
}

bool TProbeEditController::cancelClicked()
{
    if (mExistingProbe)
        editProbe(mExistingProbe);
    else
        newProbe(mProbeNumber);
    return false;
}

void TProbeEditController::returnToMainMenuClicked()
{
    if (mProbeController)
        mProbeController->probeEditAborted();
}

void TProbeEditController::onBtnRestoreClicked()
{
    if (!mExistingProbe || !mProbeController)
        return;
    QDateTime timeStamp;
    std::unique_ptr<TAbstractProbe> backup =
        mProbeController->createProbeFromBackup(mExistingProbe->internalProbeNumber(), timeStamp);
    if (!backup)
        return;
    if (!mExistingProbe->isSameProbeType(backup.get())) {
        TMessageDialog().showError(tr("The probe data cannot be restored due to a probe type mismatch."));
        return;
    }
    const TTamarindClock& clock = TTamarindClock::instance();
    QString question =
        tr("The previous version of the probe data is dated %1. Would you like to restore the probe "
           "data? The restored probe data will not be updated until you store them.")
            .arg(clock.getDateString(timeStamp) + QLatin1Char(' ') + clock.getTimeString(timeStamp, false));
    if (backup->probeName() != mExistingProbe->probeName())
        question += QLatin1Char(' ') +
                    tr("WARNING: the probe name has changed since the last backup, it will be renamed to %1!")
                        .arg(backup->probeName());
    if (!TMessageDialog().showQuestion(question))
        return;
    backup->setChannelNumber(mExistingProbe->channelNumber());
    displayProbe(backup.get());
}
