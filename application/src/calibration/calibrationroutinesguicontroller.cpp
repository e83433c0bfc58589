#include "calibrationroutinesguicontroller.h"

#include "blockcalibratorfactory.h"
#include "blockcalibratorinfo.h"
#include "calibrationroutine.h"
#include "calibrationroutineview.h"
#include "calibrationsetup.h"
#include "channel.h"
#include "channelcontroller.h"
#include "channelselectdialog.h"
#include "decimaldisplaycontroller.h"
#include "deviceroot.h"
#include "filesystemsync.h"
#include "ftdi_usb_serial_device.h"
#include "ipaddressdialog.h"
#include "messagedialog.h"
#include "newestfiles.h"
#include "numpad.h"
#include "probe.h"
#include "searchpattern.h"
#include "submenucontroller.h"
#include "textpad.h"
#include "usbstickcontroller.h"
#include "zelkcontainerpushbutton.h"
#include "zelkcontainerradiobutton.h"
#include "zelkdialogbutton.h"

#include <QCoreApplication>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QTextStream>
#include <QVBoxLayout>

#include <algorithm>

using namespace Electrical_temperature_units;

namespace
{
// Characters a FAT stick refuses in a file name; the export names its files after the setup.
const QString REFUSED_NAME_CHARACTERS = QStringLiteral("/\\:*?\"<>|");

QZELKContainerRadioButton* firstRadioButton(const QWidget* pParent)
{
    return pParent ? pParent->findChild<QZELKContainerRadioButton*>() : nullptr;
}

QLabel* firstLabel(const QWidget* pButton)
{
    return pButton ? pButton->findChild<QLabel*>() : nullptr;
}

// Leaves the layout's last item (its spacer) and deletes everything before it.
void emptyListLayout(QWidget* pParent)
{
    auto* layout = pParent ? qobject_cast<QVBoxLayout*>(pParent->layout()) : nullptr;
    if (!layout)
        return;
    while (layout->count() >= 2) {
        QLayoutItem* item = layout->takeAt(0);
        if (QWidget* widget = item->widget())
            delete widget;
        else if (QLayout* inner = item->layout()) {
            while (QLayoutItem* child = inner->takeAt(0)) {
                delete child->widget();
                delete child;
            }
        }
        delete item;
    }
}

void insertBeforeLast(QWidget* pParent, QWidget* pWidget)
{
    if (auto* layout = qobject_cast<QVBoxLayout*>(pParent->layout()))
        layout->insertWidget(std::max(0, layout->count() - 1), pWidget);
}

const TBlockcalibratorInfo* calibratorInfo(EnCalibratorType pType)
{
    return TBlockcalibratorFactory::instance()->calibratorInfo(pType);
}

bool isEthernetCalibrator(EnCalibratorType pType)
{
    return dynamic_cast<const TBlockcalibratorInfo_Ethernet*>(calibratorInfo(pType)) != nullptr;
}

// A row button: fixed height and border radius of its model, a centred label.
QZELKContainerPushButton* rowButton(QWidget* pParent, const QZELKContainerPushButton* pModel, const QString& pText)
{
    auto* button = new QZELKContainerPushButton(pParent);
    button->setFixedHeight(pModel->maximumHeight());
    button->setBorderRadius(pModel->getBorderRadius());
    QLabel* label = button->label();
    if (auto* layout = qobject_cast<QBoxLayout*>(button->layout())) {
        layout->setSpacing(0);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    label->setAlignment(Qt::AlignCenter);
    label->setText(pText);
    return button;
}

void setCalPointLabel(QLabel& pLabel, double pValue)
{
    pLabel.setText(TDecimalDisplayController::instance().Double2Str(pValue));
    pLabel.setToolTip(QString::number(pValue, 'g', 6));
}
} // namespace

// --- the editor's rows ------------------------------------------------------------------

TCalRoutineDynamicControls::TCalRoutineDynamicControls(QGridLayout* pContainingLayout,
                                                       QZELKContainerPushButton* pBtnSelect,
                                                       QWidget* pWgtAddRemoveContainer,
                                                       QZELKContainerPushButton* pBtnAdd,
                                                       QZELKContainerPushButton* pBtnRemove)
    : mContainingLayout(pContainingLayout)
    , mBtnSelect(pBtnSelect)
    , mWgtAddRemoveContainer(pWgtAddRemoveContainer)
    , mBtnAdd(pBtnAdd)
    , mBtnRemove(pBtnRemove)
{
}

// A row goes while the press of its own "-" is still being delivered: its
// widgets leave the page at once and are deleted once the press is done.
TCalRoutineDynamicControls::~TCalRoutineDynamicControls()
{
    if (mContainingLayout) {
        mContainingLayout->removeWidget(mBtnSelect.get());
        mContainingLayout->removeWidget(mWgtAddRemoveContainer.get());
    }
    for (QWidget* widget :
         {static_cast<QWidget*>(mWgtAddRemoveContainer.release()), static_cast<QWidget*>(mBtnSelect.release())}) {
        widget->hide();
        widget->deleteLater();
    }
}

// --- construction ------------------------------------------------------------------------

TCalibrationRoutinesGUIController::TCalibrationRoutinesGUIController(
    ISubMenuController* pSubMenuController, TChannelController* pChannelController,
    TScanModeController* pScanModeController, QZELKContainerRadioButton* pBtnNewRoutine,
    QWidget* pNewRoutineSubMenuWidget, QWidget* pShowCalFileSubMenuWidget, QWidget* pCalSetupsParentWidget,
    QWidget* pCalFilesParentWidget, QWidget* pCalRoutineFilterWidget, QLabel* pLblShowCalFile_RoutineName,
    QLabel* pLblShowCalFile_ReferenceProbe, QLabel* pLblShowCalFile_CalSource, QLabel* pLblShowCalFile_Stability,
    QLabel* pLblShowCalFile_StabilityTime, QLabel* pLblShowCalFile_HoldTime, QWidget* pWgtShowCalFile_DUTParent,
    QZELKContainerPushButton* pBtnRoutineName, QZELKContainerRadioButton* pBtnDWK4400_COOL,
    QZELKContainerRadioButton* pBtnDWK4400_165, QZELKContainerRadioButton* pBtnDWK4400_450,
    QZELKContainerRadioButton* pBtnDWK4400_650, QZELKContainerRadioButton* pBtnDWK4400_1100,
    QZELKContainerRadioButton* pBtnDWK4600_650, QZELKContainerRadioButton* pBtnDWK4600_165,
    QZELKContainerRadioButton* pBtnMBK2700_165, QZELKContainerRadioButton* pBtnMBK2700_225,
    QZELKContainerRadioButton* pBtnMBK2800, QZELKContainerRadioButton* pBtnMBK2900,
    QZELKContainerRadioButton* pBtnMFK5100_150, QZELKContainerRadioButton* pBtnRefChan1,
    QZELKContainerRadioButton* pBtnRefChan2, QZELKContainerRadioButton* pBtnRefChan3,
    QZELKContainerRadioButton* pBtnRefChan4, QZELKContainerPushButton* pBtnAddDUTChannel,
    QZELKContainerPushButton* pBtnStability, QZELKContainerPushButton* pBtnStabilityTime,
    QZELKContainerPushButton* pBtnHoldTime, QZELKContainerPushButton* pBtnAddCalPoint,
    QZELKContainerPushButton* pBtnChangeFilter, QZELKContainerPushButton* pBtnClearFilter,
    QWidget* pWgtActiveFilterParent, QLabel* pLblSearchPattern, QZELKDialogButton* pBtnDeleteCalSetup,
    QZELKDialogButton* pBtnDeleteCalFile, QZELKDialogButton* pBtnDownloadCalFile, QLabel* pLblIPAddress,
    QZELKContainerPushButton* pBtnIPAddress, QLabel* pLblPort, QZELKContainerPushButton* pBtnPort)
    : mSubMenuController(pSubMenuController)
    , mChannelController(pChannelController)
    , mScanModeController(pScanModeController)
    , mFileStore(*pChannelController)
    , mBtnNewRoutine(pBtnNewRoutine)
    , mNewRoutineSubMenuWidget(pNewRoutineSubMenuWidget)
    , mShowCalFileSubMenuWidget(pShowCalFileSubMenuWidget)
    , mCalSetupsParentWidget(pCalSetupsParentWidget)
    , mCalFilesParentWidget(pCalFilesParentWidget)
    , mCalRoutineFilterWidget(pCalRoutineFilterWidget)
    , mBtnRoutineName(pBtnRoutineName)
    , mBtnDWK4400_COOL(pBtnDWK4400_COOL)
    , mBtnDWK4400_165(pBtnDWK4400_165)
    , mBtnDWK4400_450(pBtnDWK4400_450)
    , mBtnDWK4400_650(pBtnDWK4400_650)
    , mBtnDWK4400_1100(pBtnDWK4400_1100)
    , mBtnDWK4600_650(pBtnDWK4600_650)
    , mBtnDWK4600_165(pBtnDWK4600_165)
    , mBtnMBK2700_165(pBtnMBK2700_165)
    , mBtnMBK2700_225(pBtnMBK2700_225)
    , mBtnMBK2800(pBtnMBK2800)
    , mBtnMBK2900(pBtnMBK2900)
    , mBtnMFK5100_150(pBtnMFK5100_150)
    , mBtnRefChan1(pBtnRefChan1)
    , mBtnRefChan2(pBtnRefChan2)
    , mBtnRefChan3(pBtnRefChan3)
    , mBtnRefChan4(pBtnRefChan4)
    , mBtnAddDUTChannel(pBtnAddDUTChannel)
    , mBtnStability(pBtnStability)
    , mBtnStabilityTime(pBtnStabilityTime)
    , mBtnHoldTime(pBtnHoldTime)
    , mBtnAddCalPoint(pBtnAddCalPoint)
    , mBtnDeleteCalSetup(pBtnDeleteCalSetup)
    , mBtnDeleteCalFile(pBtnDeleteCalFile)
    , mBtnDownloadCalFile(pBtnDownloadCalFile)
    , mBtnChangeFilter(pBtnChangeFilter)
    , mBtnClearFilter(pBtnClearFilter)
    , mWgtActiveFilterParent(pWgtActiveFilterParent)
    , mLblSearchPattern(pLblSearchPattern)
    , mLblShowCalFile_RoutineName(pLblShowCalFile_RoutineName)
    , mLblShowCalFile_ReferenceProbe(pLblShowCalFile_ReferenceProbe)
    , mLblShowCalFile_CalSource(pLblShowCalFile_CalSource)
    , mLblShowCalFile_Stability(pLblShowCalFile_Stability)
    , mLblShowCalFile_StabilityTime(pLblShowCalFile_StabilityTime)
    , mLblShowCalFile_HoldTime(pLblShowCalFile_HoldTime)
    , mWgtShowCalFile_DUTParent(pWgtShowCalFile_DUTParent)
    , mLblIPAddress(pLblIPAddress)
    , mBtnIPAddress(pBtnIPAddress)
    , mLblPort(pLblPort)
    , mBtnPort(pBtnPort)
{
    connect(mBtnNewRoutine, &QZELKContainerRadioButton::checkedChanged, this,
            &TCalibrationRoutinesGUIController::onNewRoutineCheckChanged);
    connect(mBtnRoutineName, &QZELKContainerPushButton::clicked, this,
            &TCalibrationRoutinesGUIController::onChangeSetupName);
    connect(mBtnAddDUTChannel, &QZELKContainerPushButton::clicked, this,
            &TCalibrationRoutinesGUIController::addDynamicControlsDUT);
    connect(mBtnAddCalPoint, &QZELKContainerPushButton::clicked, this,
            &TCalibrationRoutinesGUIController::addDynamicControlsCalPoint);
    connect(mBtnStability, &QZELKContainerPushButton::clicked, this,
            &TCalibrationRoutinesGUIController::onChangeStability);
    connect(mBtnStabilityTime, &QZELKContainerPushButton::clicked, this,
            &TCalibrationRoutinesGUIController::onChangeStabilityTime);
    connect(mBtnHoldTime, &QZELKContainerPushButton::clicked, this,
            &TCalibrationRoutinesGUIController::onChangeHoldTime);
    connect(mBtnChangeFilter, &QZELKContainerPushButton::clicked, this,
            &TCalibrationRoutinesGUIController::onChangeFilterClicked);
    connect(mBtnClearFilter, &QZELKContainerPushButton::clicked, this,
            &TCalibrationRoutinesGUIController::onClearFilterClicked);
    connect(mBtnDeleteCalSetup, &QZELKDialogButton::clicked, this,
            &TCalibrationRoutinesGUIController::onDeleteCalSetupClicked);
    connect(mBtnDeleteCalFile, &QZELKDialogButton::clicked, this,
            &TCalibrationRoutinesGUIController::onDeleteCalFileClicked);
    connect(mBtnDownloadCalFile, &QZELKDialogButton::clicked, this,
            &TCalibrationRoutinesGUIController::onDownloadCalFileClicked);
    connect(mBtnIPAddress, &QZELKContainerPushButton::clicked, this,
            &TCalibrationRoutinesGUIController::onChangeIPAddress);
    connect(mBtnPort, &QZELKContainerPushButton::clicked, this, &TCalibrationRoutinesGUIController::onChangePort);

    setupCalibratorTypes();
    mCalRoutineFilterWidget->hide();
    setEthernetControlsVisible(false);
    reloadAndDisplaySetups();
    reloadAndDisplayCalFiles();
}

TCalibrationRoutinesGUIController::~TCalibrationRoutinesGUIController()
{
    clearDynamicControls();
    mCurrentDisplayedRoutine.reset();
    mCalRoutineView.reset();
    mCurrentRunningRoutine.reset();
    mEditedSetup.reset();
}

bool TCalibrationRoutinesGUIController::isCommunicationLibraryAvailable() const
{
    return TFTDI_Usb_Serial_Device::instance()->isLibraryAvailable();
}

std::unique_ptr<TCalibrationRoutine>
TCalibrationRoutinesGUIController::createCalRoutineFromName(const QString& pName) const
{
    return mFileStore.createCalRoutineFromName(pName);
}

// --- sub-menu protocol ------------------------------------------------------------------------

void TCalibrationRoutinesGUIController::afterSubMenuDone()
{
    mEditedSetup.reset();
    mCurrentDisplayedRoutine.reset();
    QZELKContainerRadioButton* opener = nullptr;
    switch (mSubMenu) {
    case smNewRoutine:
        opener = mBtnNewRoutine;
        break;
    case smEditRoutine:
        opener = firstRadioButton(mCalSetupsParentWidget);
        break;
    case smShowCalFile:
        opener = firstRadioButton(mCalFilesParentWidget);
        break;
    case smNone:
        break;
    }
    if (opener)
        opener->uncheckGroup();
    mBtnDeleteCalSetup->setEnabled(false);
    mBtnDeleteCalFile->setEnabled(false);
    mBtnDownloadCalFile->setEnabled(false);
    mSubMenu = smNone;
}

void TCalibrationRoutinesGUIController::returnToMainMenuClicked()
{
    afterSubMenuDone();
}

bool TCalibrationRoutinesGUIController::cancelClicked()
{
    afterSubMenuDone();
    return true;
}

bool TCalibrationRoutinesGUIController::storeClicked()
{
    std::unique_ptr<TCalibrationSetup> setup = createSetupFromGUI();
    if (!setup)
        return false;
    // The store replaces a file of that name only once the new one is complete,
    // so nothing is deleted beforehand: a failed store keeps the old setup.
    const bool ownName = mSubMenu != smNewRoutine && mEditedSetup && setup->name() == mEditedSetup->name();
    if (mFileStore.setupFileExists(setup->name()) && !ownName &&
        !TMessageDialog().showQuestion(
            tr("A calibration routine named %1 already exists. Would you like to overwrite it?").arg(setup->name())))
        return false;
    if (!mFileStore.storeSetup(setup.get()))
        return false;
    reloadAndDisplaySetups();
    afterSubMenuDone();
    return true;
}

void TCalibrationRoutinesGUIController::onNewRoutineCheckChanged(bool pChecked)
{
    if (!pChecked)
        return;
    mSubMenuController->cancelSubMenu(this);
    mSubMenu = smNewRoutine;
    QLabel* source = mBtnNewRoutine->findChild<QLabel*>();
    const QString caption = source ? source->toolTip() : QString();
    clearEditor();
    mSubMenuController->showSubMenu(caption, mNewRoutineSubMenuWidget, this, smtEditor);
}

// --- lists -----------------------------------------------------------------------------------

QWidget* TCalibrationRoutinesGUIController::createCalSetupWidget(QWidget* pParent)
{
    auto* row = new QWidget(pParent);
    auto* layout = new QHBoxLayout(row);
    layout->setSpacing(2);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* select = new QZELKContainerRadioButton(row);
    select->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    select->setBorderRadius(6);
    select->setRadioGroupParentDistance(2);
    connect(select, &QZELKContainerRadioButton::checkedChanged, this,
            &TCalibrationRoutinesGUIController::onEditRoutineCheckChanged);
    layout->addWidget(select);

    auto* play = new QZELKContainerPushButton(row);
    play->setBorderRadius(6);
    play->setMinimumSize(36, 34);
    QLabel* icon = play->label();
    icon->setAlignment(Qt::AlignCenter);
    icon->setPixmap(QPixmap(QStringLiteral(":/common/playicon")));
    connect(play, &QZELKContainerPushButton::clicked, this, &TCalibrationRoutinesGUIController::onStartRoutineClicked);
    layout->addWidget(play);
    return row;
}

void TCalibrationRoutinesGUIController::reloadAndDisplaySetups()
{
    emptyListLayout(mCalSetupsParentWidget);
    if (!qobject_cast<QVBoxLayout*>(mCalSetupsParentWidget->layout()))
        return;
    // As many rows as the other file lists, the newest of the setups the
    // filter matches: a restore may bring thousands, and the filter still
    // finds an older one.
    for (const QString& name :
         mFileStore.storedSetups(TSearchPattern(mLblSearchPattern->text()), TNewestFiles::MAX_LISTED_FILES)) {
        QWidget* row = createCalSetupWidget(mCalSetupsParentWidget);
        insertBeforeLast(mCalSetupsParentWidget, row);
        firstRadioButton(row)->label()->setText(name);
    }
}

void TCalibrationRoutinesGUIController::setCalSetupFilter(const QString& pFilter)
{
    mLblSearchPattern->setText(pFilter);
    mWgtActiveFilterParent->setVisible(!pFilter.isEmpty());
    reloadAndDisplaySetups();
}

void TCalibrationRoutinesGUIController::onChangeFilterClicked()
{
    QString text;
    if (TTextpad(nullptr).showTextpad(text, MAX_FILTER_LENGTH) && !text.isEmpty())
        setCalSetupFilter(text);
}

void TCalibrationRoutinesGUIController::onClearFilterClicked()
{
    setCalSetupFilter(QString());
}

void TCalibrationRoutinesGUIController::reloadAndDisplayCalFiles()
{
    emptyListLayout(mCalFilesParentWidget);
    if (!qobject_cast<QVBoxLayout*>(mCalFilesParentWidget->layout()))
        return;
    for (const QString& name : mFileStore.storedCalFiles(TNewestFiles::MAX_LISTED_FILES)) {
        auto* button = new QZELKContainerRadioButton(mCalFilesParentWidget);
        button->setBorderRadius(6);
        insertBeforeLast(mCalFilesParentWidget, button);
        button->label()->setText(name);
        connect(button, &QZELKContainerRadioButton::checkedChanged, this,
                &TCalibrationRoutinesGUIController::onSelectCalFileCheckChanged);
    }
}

QString TCalibrationRoutinesGUIController::selectedCalFileName() const
{
    for (QZELKContainerRadioButton* button : mCalFilesParentWidget->findChildren<QZELKContainerRadioButton*>()) {
        if (button->isChecked())
            return button->label()->text();
    }
    return QString();
}

void TCalibrationRoutinesGUIController::setSetupName(const QString& pName, QLabel& pLabel)
{
    pLabel.setToolTip(pName);
    pLabel.setText(pName.size() > 8 ? pName.left(7) + QStringLiteral("...") : pName);
}

// --- result page ----------------------------------------------------------------------------

void TCalibrationRoutinesGUIController::onSelectCalFileCheckChanged(bool pChecked)
{
    auto* button = qobject_cast<QZELKContainerRadioButton*>(sender());
    if (!pChecked || !button)
        return;
    if (mSubMenu != smShowCalFile)
        mSubMenuController->cancelSubMenu(this);
    mSubMenu = smShowCalFile;
    mCurrentDisplayedRoutine = mFileStore.createCalRoutineFromName(button->label()->text());
    if (!mCurrentDisplayedRoutine)
        return;
    displayCalibrationRoutine(*mCurrentDisplayedRoutine);
    mSubMenuController->showSubMenu(tr("Calibration file"), mShowCalFileSubMenuWidget, this, smtViewer);
    mBtnDeleteCalFile->setEnabled(true);
    mBtnDownloadCalFile->setEnabled(true);
}

void TCalibrationRoutinesGUIController::displayCalibrationRoutine(const TCalibrationRoutine& pRoutine)
{
    emptyListLayout(mWgtShowCalFile_DUTParent);
    const TCalibrationSetup* setup = pRoutine.setup();
    if (!setup)
        return;
    // A result file that lacks a probe shows an empty name rather than failing.
    const auto probeName = [](const TAbstractProbe* pProbe) { return pProbe ? pProbe->probeName() : QString(); };
    const TDecimalDisplayController& decimals = TDecimalDisplayController::instance();
    mLblShowCalFile_RoutineName->setText(setup->name());
    mLblShowCalFile_ReferenceProbe->setText(probeName(pRoutine.referenceProbe()));
    mLblShowCalFile_CalSource->setText(
        TBlockcalibratorFactory::instance()->calibratorTypeToText(setup->calibratorType()));
    mLblShowCalFile_Stability->setText(QString::number(setup->stabilityKelvin(), 'g', 6));
    mLblShowCalFile_StabilityTime->setText(QString::number(setup->stabilityTimeMinutes()));
    mLblShowCalFile_HoldTime->setText(QString::number(setup->holdTimeMinutes()));

    for (const TChannelDescription& channel : setup->deviceUnderTestChannels()) {
        const TAbstractProbe* probe = pRoutine.dutProbe(channel.internalChannelNumber(), *mChannelController);
        auto* frame = new QWidget(mWgtShowCalFile_DUTParent);
        frame->setStyleSheet(QStringLiteral(".QWidget{    border: 2px solid #252525;    border-radius: 5px;    "
                                            "background-color: #414141;    outline: none;}"));
        auto* layout = new QVBoxLayout(frame);
        layout->setSpacing(2);
        layout->setContentsMargins(11, 11, 11, 11);
        const auto addLabel = [frame, layout](const QString& pText, bool pBold) {
            auto* label = new QLabel(pText, frame);
            if (pBold) {
                QFont font = label->font();
                font.setWeight(75);
                label->setFont(font);
            }
            layout->addWidget(label);
        };
        addLabel(tr("DUT probe"), true);
        addLabel(probeName(probe), false);
        addLabel(tr("DUT channel"), true);
        addLabel(channel.channelCaption(), false);

        for (const auto& point : pRoutine.calibrationPointsResults()) {
            auto* grid = new QGridLayout();
            grid->setSpacing(6);
            int left = 0, top = 0, right = 0, bottom = 0;
            grid->getContentsMargins(&left, &top, &right, &bottom);
            grid->setContentsMargins(left, 12, right, bottom);
            const TDUTValue* dut = point.second.dutValue(channel);
            const QString values[3] = {decimals.Double2Str(point.first.value()) + QStringLiteral(" °C"),
                                       decimals.Double2Str(point.second.valueReferenceChannel().value()) +
                                           QStringLiteral(" °C"),
                                       dut ? decimals.Double2Str(dut->valTemperature().value()) + QLatin1Char(' ') +
                                                 TAbstractChannel::unitToText(dut->valTemperature().unit())
                                           : QString()};
            const QString captions[3] = {tr("Cal. point:"), tr("Ref. value:"), tr("DUT value:")};
            for (int row = 0; row < 3; ++row) {
                grid->addWidget(new QLabel(captions[row], frame), row, 0);
                grid->addWidget(new QLabel(values[row], frame), row, 1, Qt::AlignRight | Qt::AlignVCenter);
            }
            layout->addLayout(grid);
        }
        insertBeforeLast(mWgtShowCalFile_DUTParent, frame);
    }
}

void TCalibrationRoutinesGUIController::onDeleteCalFileClicked()
{
    const QString name = selectedCalFileName();
    if (!mCurrentDisplayedRoutine || name.isEmpty())
        return;
    if (!TMessageDialog().showQuestion(tr("Would you like to delete the calibration file %1?").arg(name)))
        return;
    mSubMenuController->cancelSubMenu(this);
    mFileStore.deleteCalFile(name);
    reloadAndDisplayCalFiles();
}

void TCalibrationRoutinesGUIController::onDeleteCalSetupClicked()
{
    if (!mEditedSetup)
        return;
    const QString name = mEditedSetup->name();
    if (!TMessageDialog().showQuestion(tr("Would you like to delete calibration routine %1?").arg(name)))
        return;
    mSubMenuController->cancelSubMenu(this);
    mFileStore.deleteSetupFile(name);
    reloadAndDisplaySetups();
}

void TCalibrationRoutinesGUIController::onDownloadCalFileClicked()
{
    if (!mCurrentDisplayedRoutine)
        return;
    TAbstractUSBStickController* stick = TUSBStickControllerProvider::getUSBStickController();
    if (!stick || !stick->isUSBStickConnected()) {
        TMessageDialog().showInfo(tr("No USB stick connected!"));
        return;
    }
    const QString name = selectedCalFileName();
    const QString directory = QStringLiteral("calibration_files");
    const QByteArray table = TCalibrationRoutine::encodeCSV(mCurrentDisplayedRoutine->toCSV(*mChannelController));
    // The copy reports its own failure; the table's would otherwise pass unnoticed.
    if (!stick->storeFile(directory, name + QStringLiteral(".csv"), table)) {
        TMessageDialog().showError(tr("The result table could not be written to the USB stick."));
        return;
    }
    stick->copyFiles(mFileStore.storedRoutinesDir(), directory, zelk::vector<QString>{name + QStringLiteral(".xml")});
}

// --- starting a routine ----------------------------------------------------------------------

void TCalibrationRoutinesGUIController::onStartRoutineClicked()
{
    // A press reaching here from a running routine's event processing would
    // delete the routine that is running.
    if (mRunning)
        return;
    auto* button = qobject_cast<QWidget*>(sender());
    QZELKContainerRadioButton* select = button ? firstRadioButton(button->parentWidget()) : nullptr;
    if (!select)
        return;
    const QString name = select->label()->text();
    std::unique_ptr<TCalibrationSetup> setup = mFileStore.loadSetup(name);
    if (!setup) {
        TMessageDialog().showError(invalidSetupText(name));
        return;
    }
    startRoutine(std::move(setup));
}

QString TCalibrationRoutinesGUIController::invalidSetupText(const QString& pName)
{
    return tr("Calibration setup \"%1\" is not valid, please correct the setup and try again.").arg(pName);
}

void TCalibrationRoutinesGUIController::destroyRoutineView()
{
    if (!mCalRoutineView)
        return;
    mCalRoutineView->close();
    mCalRoutineView.reset();
}

void TCalibrationRoutinesGUIController::startRoutine(std::unique_ptr<TCalibrationSetup> pSetup)
{
    using namespace Calibrationroutine;
    // From here on: a frame-buffer screen hands the input that waited in its queue on while it shows or hides a
    // window, so a second tap on play can reach the page as the view appears, and would take the view away in
    // the middle of its showing.
    mRunning = true;
    // The view goes before the routine it watches.
    destroyRoutineView();
    mCurrentRunningRoutine = std::make_unique<TCalibrationRoutine>(pSetup.get());
    pSetup.reset();
    mCalRoutineView = std::make_unique<TCalibrationRoutineView>(mCurrentRunningRoutine.get());
    mCalRoutineView->show();

    QString errorText;
    const EnRoutineResult result =
        mCurrentRunningRoutine->startRoutine(mChannelController, mScanModeController, errorText);
    mRunning = false;

    const TCalibrationSetup* setup = mCurrentRunningRoutine->setup();
    const QString reference =
        setup && setup->referenceChannel() ? setup->referenceChannel()->channelCaption() : QString();
    if (result == rrSuccess) {
        if (mFileStore.storeRoutine(mCurrentRunningRoutine.get())) {
            reloadAndDisplayCalFiles();
            TMessageDialog().showConfirmation(tr("Calibration routine completed successfully."));
        } else {
            TMessageDialog().showError(
                tr("The calibration routine has completed, but its result could not be stored."));
        }
        return;
    }
    destroyRoutineView();
    QString message;
    switch (result) {
    case rrInvalidCalibrationSetup:
        message = invalidSetupText(setup ? setup->name() : QString());
        break;
    case rrCalibratorInitFailed:
        message = tr("Unable to initialize the calibrator. Please check if the calibrator of type %1 is connected "
                     "and switched on.")
                      .arg(TBlockcalibratorFactory::instance()->calibratorTypeToText(
                          setup ? setup->calibratorType() : EnCalibratorType::ctUndefined));
        if (!errorText.isEmpty())
            message += QLatin1Char(' ') + errorText;
        break;
    case rrUnableToSelectReferenceChannel:
        message = tr("Unable to select reference channel %1. Please make sure this is a valid reference channel.")
                      .arg(reference);
        break;
    case rrInvalidCalibrationPoint:
        message = tr("The calibrator did not accept one of the calibration points. Please check the calibration "
                     "setup.");
        if (!errorText.isEmpty())
            message += QLatin1Char(' ') + errorText;
        break;
    case rrUnableToSelectDUTChannel:
        message = tr("One of the DUT channels could not be selected. Please check if the calibration setup "
                     "contains only valid channels.");
        break;
    case rrUnableToReadReferenceValue:
        message = tr("Unable to read value from reference channel %1. Please check if there is a valid probe "
                     "assigned and connected.")
                      .arg(reference);
        break;
    default:
        break;
    }
    if (!message.isEmpty())
        TMessageDialog().showError(message);
}

// --- the editor ---------------------------------------------------------------------------------

void TCalibrationRoutinesGUIController::setupCalibratorTypes()
{
    mBtn2CalibratorType = {
        {mBtnDWK4400_COOL, EnCalibratorType::ctDWK4400_COOL}, {mBtnDWK4400_165, EnCalibratorType::ctDWK4400_165},
        {mBtnDWK4400_450, EnCalibratorType::ctDWK4400_450},   {mBtnDWK4400_650, EnCalibratorType::ctDWK4400_650},
        {mBtnDWK4400_1100, EnCalibratorType::ctDWK4400_1100}, {mBtnDWK4600_165, EnCalibratorType::ctDWK4600_165},
        {mBtnDWK4600_650, EnCalibratorType::ctDWK4600_650},   {mBtnMBK2700_165, EnCalibratorType::ctMBK2700_165},
        {mBtnMBK2700_225, EnCalibratorType::ctMBK2700_225},   {mBtnMBK2800, EnCalibratorType::ctMBK2800},
        {mBtnMBK2900, EnCalibratorType::ctMBK2900},           {mBtnMFK5100_150, EnCalibratorType::ctMFK5100_150}};
    for (const auto& entry : mBtn2CalibratorType) {
        mCalibratorType2Btn[entry.second] = entry.first;
        connect(entry.first, &QZELKContainerRadioButton::checkedChanged, this,
                &TCalibrationRoutinesGUIController::onCalibratorTypeCheckChanged);
    }
}

void TCalibrationRoutinesGUIController::setEthernetControlsVisible(bool pVisible)
{
    mLblIPAddress->setVisible(pVisible);
    mLblPort->setVisible(pVisible);
    mBtnIPAddress->setVisible(pVisible);
    mBtnPort->setVisible(pVisible);
}

void TCalibrationRoutinesGUIController::onCalibratorTypeCheckChanged(bool pChecked)
{
    auto* button = qobject_cast<QZELKContainerRadioButton*>(sender());
    const auto entry = mBtn2CalibratorType.find(button);
    if (!pChecked || entry == mBtn2CalibratorType.end())
        return;
    const auto* ethernet = dynamic_cast<const TBlockcalibratorInfo_Ethernet*>(calibratorInfo(entry->second));
    setEthernetControlsVisible(ethernet != nullptr);
    if (ethernet)
        mBtnPort->label()->setText(QString::number(ethernet->defaultPort()));
}

EnCalibratorType TCalibrationRoutinesGUIController::selectedCalibratorTypeInEditor() const
{
    const auto entry = mBtn2CalibratorType.find(mBtnDWK4400_COOL->checkedButtonInGroup());
    return entry == mBtn2CalibratorType.end() ? EnCalibratorType::ctUndefined : entry->second;
}

void TCalibrationRoutinesGUIController::clearEditor()
{
    clearDynamicControls();
    mBtnRoutineName->label()->clear();
    mBtnRoutineName->label()->setToolTip(QString());
    mBtnDWK4400_COOL->setChecked(true);
    mBtnRefChan1->setChecked(true);
    for (QZELKContainerPushButton* button : {mBtnStability, mBtnStabilityTime, mBtnHoldTime}) {
        button->label()->clear();
        button->label()->setToolTip(QString());
    }
    mBtnIPAddress->label()->clear();
    mBtnPort->label()->clear();
}

void TCalibrationRoutinesGUIController::onChangeSetupName()
{
    QString text = mBtnRoutineName->label()->toolTip();
    if (TTextpad(nullptr).showTextpad(text, MAX_SETUPNAME_LENGTH))
        setSetupName(text, *mBtnRoutineName->label());
}

void TCalibrationRoutinesGUIController::onChangeStability()
{
    QString text;
    double value = 0.0;
    if (!TNumpad(nullptr).exec_float(text, value, 0.0001, 1.0, true))
        return;
    mBtnStability->label()->setText(text);
    mBtnStability->label()->setToolTip(QString::number(value, 'g', 6));
}

void TCalibrationRoutinesGUIController::onChangeStabilityTime()
{
    QString text;
    int value = 0;
    if (TNumpad(nullptr).exec_int(text, value, 1, 60, true))
        mBtnStabilityTime->label()->setText(text);
}

void TCalibrationRoutinesGUIController::onChangeHoldTime()
{
    QString text;
    int value = 0;
    if (TNumpad(nullptr).exec_int(text, value, 1, 60, true))
        mBtnHoldTime->label()->setText(text);
}

void TCalibrationRoutinesGUIController::onChangePort()
{
    QString text;
    int value = 0;
    if (TNumpad(nullptr).exec_int(text, value, 1, 65535, true))
        mBtnPort->label()->setText(QString::number(value, 10));
}

void TCalibrationRoutinesGUIController::onChangeIPAddress()
{
    unsigned char bytes[4] = {0, 0, 0, 0};
    const QStringList parts = mBtnIPAddress->label()->text().split(QLatin1Char('.'));
    if (parts.size() == 4) {
        for (int i = 0; i < 4; ++i)
            bytes[i] = static_cast<unsigned char>(parts[i].toInt(nullptr, 10) & 0xFF);
    }
    if (TIPAddressDialog(nullptr).showDialog(bytes[0], bytes[1], bytes[2], bytes[3]))
        mBtnIPAddress->label()->setText(
            QStringLiteral("%1.%2.%3.%4").arg(bytes[0]).arg(bytes[1]).arg(bytes[2]).arg(bytes[3]));
}

bool TCalibrationRoutinesGUIController::checkUserInput()
{
    QStringList messages;
    const QString name = mBtnRoutineName->label()->toolTip();
    if (name.isEmpty())
        messages << tr("Please enter a calibration routine name.");
    else if (name == QLatin1String(".") || name == QLatin1String("..") ||
             std::any_of(name.begin(), name.end(), [](QChar c) { return REFUSED_NAME_CHARACTERS.contains(c); }))
        // The name becomes the setup's file name on the instrument and the
        // export's on the stick; these would leave the directory or be refused.
        messages << tr("A calibration routine name must not be \".\" or \"..\" nor contain any of %1")
                        .arg(QStringLiteral("/ \\ : * ? \" < > |"));
    if (mDynamicControlsDUT.empty())
        messages << tr("Please enter at least one DUT channel.");
    if (mBtnStability->label()->toolTip().isEmpty())
        messages << tr("Please enter a value for stability.");
    if (mBtnStabilityTime->label()->text().isEmpty())
        messages << tr("Please enter a value for stability time.");
    if (mBtnHoldTime->label()->text().isEmpty())
        messages << tr("Please enter a value for hold time.");
    zelk::vector<TElectricalTemperatureValue> points;
    calPointsFromGUI(points);
    const EnCalibratorType type = selectedCalibratorTypeInEditor();
    // A setup with more would be refused when it is read again.
    if (points.size() > size_t(TCalibrationSetup::MAX_CALIBRATION_POINTS))
        messages
            << tr("Please enter no more than %1 calibration points.").arg(TCalibrationSetup::MAX_CALIBRATION_POINTS);
    if (points.empty()) {
        messages << tr("Please enter at least one calibration point.");
    } else if (const TBlockcalibratorInfo* info = calibratorInfo(type)) {
        for (const TElectricalTemperatureValue& point : points) {
            if (point.value() < info->tmin() || point.value() > info->tmax())
                messages << tr("Calibration point %1 °C is outside the specified range [%2 °C, %3 °C].")
                                .arg(point.value())
                                .arg(info->tmin())
                                .arg(info->tmax());
        }
        if (isEthernetCalibrator(type)) {
            if (mBtnIPAddress->label()->text().isEmpty())
                messages << tr("Please enter a valid IP address.");
            if (mBtnPort->label()->text().isEmpty())
                messages << tr("Please enter a valid port.", "TCP port for TCP/IP connection!");
        }
    }
    if (messages.isEmpty())
        return true;
    QString text;
    for (const QString& message : messages)
        text += message + QLatin1Char('\n');
    TMessageDialog().showError(text);
    return false;
}

void TCalibrationRoutinesGUIController::calPointsFromGUI(zelk::vector<TElectricalTemperatureValue>& oCalPoints) const
{
    oCalPoints.clear();
    for (const auto& row : mDynamicControlsCalPoints) {
        if (QLabel* label = firstLabel(row->btnSelect()))
            oCalPoints << TElectricalTemperatureValue(label->toolTip().toDouble(), uCelsius);
    }
}

std::unique_ptr<TCalibrationSetup> TCalibrationRoutinesGUIController::createSetupFromGUI()
{
    if (!checkUserInput())
        return nullptr;
    const EnCalibratorType type = selectedCalibratorTypeInEditor();
    TPhysicalChannel* reference = nullptr;
    const QZELKContainerRadioButton* referenceButtons[4] = {mBtnRefChan1, mBtnRefChan2, mBtnRefChan3, mBtnRefChan4};
    for (int number = 1; number <= 4; ++number) {
        if (referenceButtons[number - 1]->isChecked()) {
            reference = dynamic_cast<TPhysicalChannel*>(mChannelController->channel(number));
            break;
        }
    }
    zelk::vector<TChannelDescription> duts;
    for (const auto& row : mDynamicControlsDUT) {
        if (QLabel* label = firstLabel(row->btnSelect()))
            duts << TChannelDescription(label->toolTip().toInt(), label->text());
    }
    zelk::vector<TElectricalTemperatureValue> points;
    calPointsFromGUI(points);
    QString address;
    unsigned int port = 0;
    if (isEthernetCalibrator(type)) {
        address = mBtnIPAddress->label()->text();
        port = mBtnPort->label()->text().toUInt();
    }
    return std::make_unique<TCalibrationSetup>(
        mBtnRoutineName->label()->toolTip(), type, reference, duts, mBtnStabilityTime->label()->text().toUInt(),
        mBtnStability->label()->toolTip().toDouble(), mBtnHoldTime->label()->text().toUInt(), points, address, port);
}

void TCalibrationRoutinesGUIController::onEditRoutineCheckChanged(bool pChecked)
{
    auto* button = qobject_cast<QZELKContainerRadioButton*>(sender());
    if (!pChecked || !button)
        return;
    if (mSubMenu != smEditRoutine)
        mSubMenuController->cancelSubMenu(this);
    mSubMenu = smEditRoutine;
    const QString name = button->label()->text();
    mEditedSetup = mFileStore.loadSetup(name);
    if (!mEditedSetup) {
        // Nothing stays open: an editor still showing the setup tapped before
        // would be saved under that one's name.
        mSubMenuController->cancelSubMenu(this);
        afterSubMenuDone();
        TMessageDialog().showError(invalidSetupText(name));
        return;
    }
    clearEditor();
    const TCalibrationSetup& setup = *mEditedSetup;
    setSetupName(setup.name(), *mBtnRoutineName->label());
    const auto typeButton = mCalibratorType2Btn.find(setup.calibratorType());
    if (typeButton != mCalibratorType2Btn.end())
        typeButton->second->setChecked(true);
    const int reference = setup.referenceChannel() ? setup.referenceChannel()->internalChannelNumber() : 0;
    QZELKContainerRadioButton* referenceButtons[4] = {mBtnRefChan1, mBtnRefChan2, mBtnRefChan3, mBtnRefChan4};
    if (reference >= 1 && reference <= 4)
        referenceButtons[reference - 1]->setChecked(true);

    addDUTRowsAfter(mBtnAddDUTChannel, setup.deviceUnderTestChannels());
    mBtnStability->label()->setText(TDecimalDisplayController::instance().Double2Str(setup.stabilityKelvin()));
    mBtnStability->label()->setToolTip(QString::number(setup.stabilityKelvin(), 'g', 6));
    mBtnStabilityTime->label()->setText(QString::number(setup.stabilityTimeMinutes()));
    mBtnHoldTime->label()->setText(QString::number(setup.holdTimeMinutes()));
    addCalPointRowsAfter(mBtnAddCalPoint, setup.calibrationPoints());
    if (isEthernetCalibrator(setup.calibratorType())) {
        mBtnIPAddress->label()->setText(setup.calibratorIPAddress());
        mBtnPort->label()->setText(QString::number(setup.calibratorPort()));
    }
    mSubMenuController->showSubMenu(tr("Edit routine"), mNewRoutineSubMenuWidget, this, smtEditor);
    mBtnDeleteCalSetup->setEnabled(true);
}

// --- the editor's rows ----------------------------------------------------------------------

void TCalibrationRoutinesGUIController::insertRow(QGridLayout* pLayout, int pIndex, int pCount)
{
    // A grid never gives up a row, and its layout works through all of them:
    // rows left empty by removed entries are filled again before anything
    // moves down, so that the grid does not grow with every setup opened. One
    // pass over the items, not over the rows.
    struct TPlacedItem
    {
        int mIndex;
        int mRow;
        int mColumn;
    };
    zelk::vector<TPlacedItem> below;
    int firstOccupied = pIndex + pCount;
    for (int index = 0; index < pLayout->count(); ++index) {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        pLayout->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
        if (row >= pIndex) {
            below.push_back({index, row, column});
            firstOccupied = std::min(firstOccupied, row);
        }
    }
    const int shift = pIndex + pCount - firstOccupied;
    if (shift <= 0)
        return;
    // Taken from the back, so that the indexes of the items still to take hold.
    zelk::vector<std::pair<QLayoutItem*, TPlacedItem>> moved;
    for (auto item = below.rbegin(); item != below.rend(); ++item)
        moved.emplace_back(pLayout->takeAt(item->mIndex), *item);
    for (auto item = moved.rbegin(); item != moved.rend(); ++item)
        pLayout->addItem(item->first, item->second.mRow + shift, item->second.mColumn, 1, 1, Qt::Alignment());
}

TCalRoutineDynamicControls* TCalibrationRoutinesGUIController::addDynamicControlsAfter(
    QZELKContainerPushButton* pSender, zelk::vector<std::unique_ptr<TCalRoutineDynamicControls>>& pControlsList)
{
    const zelk::vector<TCalRoutineDynamicControls*> rows = addDynamicControlsAfter(pSender, pControlsList, 1);
    return rows.empty() ? nullptr : rows.front();
}

zelk::vector<TCalRoutineDynamicControls*> TCalibrationRoutinesGUIController::addDynamicControlsAfter(
    QZELKContainerPushButton* pSender, zelk::vector<std::unique_ptr<TCalRoutineDynamicControls>>& pControlsList,
    int pCount)
{
    auto* scrollArea = mNewRoutineSubMenuWidget->findChild<QScrollArea*>();
    QWidget* viewport = scrollArea ? scrollArea->findChild<QWidget*>() : nullptr;
    QWidget* content = viewport ? viewport->findChild<QWidget*>() : nullptr;
    auto* grid = content ? qobject_cast<QGridLayout*>(content->layout()) : nullptr;
    if (!grid || !pSender || pCount <= 0)
        return {};
    QWidget* inGrid = pSender;
    int index = grid->indexOf(inGrid);
    while (index < 0 && inGrid) {
        inGrid = inGrid->parentWidget();
        index = inGrid ? grid->indexOf(inGrid) : -1;
    }
    if (index < 0)
        return {};
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);

    // The grid moves once for all the rows: a setup's rows built one by one
    // would move everything below them once per row.
    insertRow(grid, row + 1, pCount);
    QWidget* parent = inGrid->parentWidget();
    zelk::vector<std::unique_ptr<TCalRoutineDynamicControls>> rows;
    zelk::vector<TCalRoutineDynamicControls*> created;
    for (int i = 0; i < pCount; ++i) {
        QZELKContainerPushButton* select = rowButton(parent, pSender, QString());
        auto* container = new QWidget(parent);
        auto* containerLayout = new QHBoxLayout(container);
        containerLayout->setSpacing(2);
        containerLayout->setContentsMargins(0, 0, 0, 0);
        QZELKContainerPushButton* add = rowButton(container, pSender, QStringLiteral("+"));
        QZELKContainerPushButton* remove = rowButton(container, pSender, QStringLiteral("-"));
        containerLayout->addWidget(add);
        containerLayout->addWidget(remove);
        grid->addWidget(select, row + 1 + i, 0);
        grid->addWidget(container, row + 1 + i, 1);
        select->show();
        container->show();
        rows.push_back(std::make_unique<TCalRoutineDynamicControls>(grid, select, container, add, remove));
        created.push_back(rows.back().get());
    }
    auto after = findItemByAddButton(pSender, pControlsList);
    const auto position = after == pControlsList.end() ? pControlsList.begin() : after + 1;
    pControlsList.insert(position, std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
    return created;
}

zelk::vector<std::unique_ptr<TCalRoutineDynamicControls>>::iterator
TCalibrationRoutinesGUIController::findItemByAddButton(
    QZELKContainerPushButton* pButton, zelk::vector<std::unique_ptr<TCalRoutineDynamicControls>>& pControlsList)
{
    return std::find_if(
        pControlsList.begin(), pControlsList.end(),
        [pButton](const std::unique_ptr<TCalRoutineDynamicControls>& pRow) { return pRow->btnAdd() == pButton; });
}

TCalRoutineDynamicControls* TCalibrationRoutinesGUIController::addDynamicDUTControlsAfter(
    QZELKContainerPushButton* pSender, const QString& pInternalChannelNr, const QString& pChannelCaption)
{
    TCalRoutineDynamicControls* row = addDynamicControlsAfter(pSender, mDynamicControlsDUT);
    if (row)
        setUpDUTRow(*row, pInternalChannelNr, pChannelCaption);
    return row;
}

TCalRoutineDynamicControls*
TCalibrationRoutinesGUIController::addDynamicCalPointControlsAfter(QZELKContainerPushButton* pSender, double pValue)
{
    TCalRoutineDynamicControls* row = addDynamicControlsAfter(pSender, mDynamicControlsCalPoints);
    if (row)
        setUpCalPointRow(*row, pValue);
    return row;
}

zelk::vector<TCalRoutineDynamicControls*>
TCalibrationRoutinesGUIController::addDUTRowsAfter(QZELKContainerPushButton* pSender,
                                                   const zelk::vector<TChannelDescription>& pChannels)
{
    const zelk::vector<TCalRoutineDynamicControls*> rows =
        addDynamicControlsAfter(pSender, mDynamicControlsDUT, int(pChannels.size()));
    for (size_t i = 0; i < rows.size(); ++i)
        setUpDUTRow(*rows[i], QString::number(pChannels[i].internalChannelNumber()), pChannels[i].channelCaption());
    return rows;
}

void TCalibrationRoutinesGUIController::addCalPointRowsAfter(QZELKContainerPushButton* pSender,
                                                             const zelk::vector<TElectricalTemperatureValue>& pPoints)
{
    const zelk::vector<TCalRoutineDynamicControls*> rows =
        addDynamicControlsAfter(pSender, mDynamicControlsCalPoints, int(pPoints.size()));
    for (size_t i = 0; i < rows.size(); ++i)
        setUpCalPointRow(*rows[i], pPoints[i].value());
}

void TCalibrationRoutinesGUIController::setUpDUTRow(TCalRoutineDynamicControls& pRow, const QString& pInternalChannelNr,
                                                    const QString& pChannelCaption)
{
    connect(pRow.btnSelect(), &QZELKContainerPushButton::clicked, this,
            &TCalibrationRoutinesGUIController::onChangeDUTChannel);
    connect(pRow.btnAdd(), &QZELKContainerPushButton::clicked, this,
            &TCalibrationRoutinesGUIController::addDynamicControlsDUT);
    connect(pRow.btnRemove(), &QZELKContainerPushButton::clicked, this,
            &TCalibrationRoutinesGUIController::removeDynamicControls);
    QLabel* label = firstLabel(pRow.btnSelect());
    label->setText(pChannelCaption);
    label->setToolTip(pInternalChannelNr);
}

void TCalibrationRoutinesGUIController::setUpCalPointRow(TCalRoutineDynamicControls& pRow, double pValue)
{
    connect(pRow.btnSelect(), &QZELKContainerPushButton::clicked, this,
            &TCalibrationRoutinesGUIController::onChangeCalPoint);
    connect(pRow.btnAdd(), &QZELKContainerPushButton::clicked, this,
            &TCalibrationRoutinesGUIController::addDynamicControlsCalPoint);
    connect(pRow.btnRemove(), &QZELKContainerPushButton::clicked, this,
            &TCalibrationRoutinesGUIController::removeDynamicControls);
    setCalPointLabel(*firstLabel(pRow.btnSelect()), pValue);
}

void TCalibrationRoutinesGUIController::ensureWidgetVisibleAfterAdd(QWidget* pWidget)
{
    auto* scrollArea = mNewRoutineSubMenuWidget->findChild<QScrollArea*>();
    if (!scrollArea)
        return;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    scrollArea->ensureWidgetVisible(pWidget, 50, 2);
}

void TCalibrationRoutinesGUIController::destroyDynamicControlsByButton(QZELKContainerPushButton* pBtn)
{
    for (auto* list : {&mDynamicControlsDUT, &mDynamicControlsCalPoints}) {
        const auto found =
            std::find_if(list->begin(), list->end(), [pBtn](const std::unique_ptr<TCalRoutineDynamicControls>& pRow) {
                return pRow->btnRemove() == pBtn;
            });
        if (found != list->end()) {
            list->erase(found);
            return;
        }
    }
}

void TCalibrationRoutinesGUIController::clearDynamicControls()
{
    mDynamicControlsDUT.clear();
    mDynamicControlsCalPoints.clear();
}

bool TCalibrationRoutinesGUIController::selectMultipleChannels(zelk::vector<TAbstractChannel*>& oSelectedChannels)
{
    oSelectedChannels.clear();
    return TChannelSelectDialog(nullptr).showPhysicalChannelSelection(
        tr("Select DUT channels"), true, false, false, QString(), QString(),
        TChannelSelectDialog::BTN_CANCEL | TChannelSelectDialog::BTN_OK, ctUndefined, false, *mChannelController,
        oSelectedChannels);
}

TAbstractChannel* TCalibrationRoutinesGUIController::selectSingleChannel(TAbstractChannel* pCurrentChannel)
{
    zelk::vector<TAbstractChannel*> selection;
    if (pCurrentChannel)
        selection << pCurrentChannel;
    const bool confirmed = TChannelSelectDialog(nullptr).showPhysicalChannelSelection(
        tr("Change DUT channel"), false, false, false, QString(), QString(),
        TChannelSelectDialog::BTN_CANCEL | TChannelSelectDialog::BTN_OK, ctUndefined, false, *mChannelController,
        selection);
    return confirmed && !selection.empty() ? selection.front() : nullptr;
}

void TCalibrationRoutinesGUIController::addDynamicControlsDUT()
{
    auto* pressed = qobject_cast<QZELKContainerPushButton*>(sender());
    zelk::vector<TAbstractChannel*> channels;
    if (!pressed || !selectMultipleChannels(channels) || channels.empty())
        return;
    zelk::vector<TChannelDescription> descriptions;
    for (TAbstractChannel* channel : channels)
        descriptions.push_back(TChannelDescription(channel->internalChannelNumber(), channel->channelCaption()));
    const zelk::vector<TCalRoutineDynamicControls*> rows = addDUTRowsAfter(pressed, descriptions);
    if (!rows.empty())
        ensureWidgetVisibleAfterAdd(rows.back()->btnSelect());
}

bool TCalibrationRoutinesGUIController::enterCalPoint(double& oValue) const
{
    const TBlockcalibratorInfo* info = calibratorInfo(selectedCalibratorTypeInEditor());
    QString text;
    return TNumpad(nullptr).exec_float(text, oValue, info ? info->tmin() : 0.0, info ? info->tmax() : 0.0, true);
}

void TCalibrationRoutinesGUIController::addDynamicControlsCalPoint()
{
    auto* pressed = qobject_cast<QZELKContainerPushButton*>(sender());
    double value = 0.0;
    if (!pressed || !enterCalPoint(value))
        return;
    if (TCalRoutineDynamicControls* row = addDynamicCalPointControlsAfter(pressed, value))
        ensureWidgetVisibleAfterAdd(row->btnSelect());
}

void TCalibrationRoutinesGUIController::removeDynamicControls()
{
    destroyDynamicControlsByButton(qobject_cast<QZELKContainerPushButton*>(sender()));
}

void TCalibrationRoutinesGUIController::onChangeDUTChannel()
{
    QLabel* label = firstLabel(qobject_cast<QWidget*>(sender()));
    if (!label)
        return;
    TAbstractChannel* channel = selectSingleChannel(mChannelController->channel(label->toolTip().toInt()));
    if (!channel)
        return;
    label->setText(channel->channelCaption());
    label->setToolTip(QString::number(channel->internalChannelNumber(), 10));
}

void TCalibrationRoutinesGUIController::onChangeCalPoint()
{
    double value = 0.0;
    if (!enterCalPoint(value))
        return;
    if (QLabel* label = firstLabel(qobject_cast<QWidget*>(sender())))
        setCalPointLabel(*label, value);
}
