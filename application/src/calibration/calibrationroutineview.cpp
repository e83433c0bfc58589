#include "calibrationroutineview.h"

#include "calibrationsetup.h"
#include "channeldescription.h"
#include "decimaldisplaycontroller.h"
#include "desktopbackground.h"
#include "messagedialog.h"
#include "tamarindclock.h"
#include "ui_calibrationroutineview.h"
#include "windowplacement.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QScrollArea>
#include <QSpacerItem>
#include <QVBoxLayout>

#include <cmath>

using namespace Calibrationroutine;
using namespace Calibrationroutineview;

namespace
{
// The margins the view scrolls with wherever it brings a panel into view.
constexpr int VISIBLE_MARGIN_X = 50;
constexpr int VISIBLE_MARGIN_Y = 2;

QString number(double pValue)
{
    return TDecimalDisplayController::instance().Double2Str(pValue);
}

void layOutNow(QScrollArea& pScrollArea)
{
    // A serial calibrator's exchange handles no events, so a run can add a
    // point's DUT rows and go on to the next point before the list is laid
    // out: a scroll would then go by where the panels stood before, and by a
    // scroll range that ends there. Only what changed is laid out again.
    QWidget* contents = pScrollArea.widget();
    QLayout* list = contents ? contents->layout() : nullptr;
    if (!list)
        return;
    for (int i = 0; i < list->count(); ++i) {
        QWidget* line = list->itemAt(i)->widget();
        if (line && line->layout())
            line->layout()->activate();
    }
    list->activate();
    // The scroll area takes the new height of the list, and the range with it.
    QCoreApplication::sendPostedEvents(pScrollArea.viewport(), QEvent::LayoutRequest);
}
} // namespace

TCalPointControls::TCalPointControls(QWidget* pParent)
    : mMainPanelStylesheet(panelStyleSheet(psInactive))
    , mMainPanelStylesheetActive(panelStyleSheet(psSelected))
    , mMainPanelStylesheetStable(panelStyleSheet(psStable))
    , mMainPanelStylesheetUnstable(panelStyleSheet(psUnstable))
{
    auto* list = pParent ? qobject_cast<QVBoxLayout*>(pParent->layout()) : nullptr;
    if (!list)
        return;

    auto* header = new QWidget(pParent);
    auto* headerLayout = new QHBoxLayout(header);
    headerLayout->setContentsMargins(0, 16, 0, 0);
    headerLayout->setSpacing(6);
    mLblCalPointTitle = new QLabel(header);
    mLblCalPointTitle->setStyleSheet(QStringLiteral("margin-left: 4px;"));
    mLblStatus = new QLabel(header);
    mLblStatus->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    mProgressBar = new QProgressBar(header);
    mProgressBar->setRange(0, 100);
    mProgressBar->setFixedSize(128, 24);
    mProgressBar->setTextVisible(false);
    mProgressBar->hide();
    // The line keeps its height whether the bar shows or not: a bar that
    // comes and goes would move every panel below it, the current one out of
    // the place it was scrolled to.
    mLblCalPointTitle->setMinimumHeight(mProgressBar->height());
    headerLayout->addWidget(mLblCalPointTitle);
    headerLayout->addWidget(mLblStatus);
    headerLayout->addWidget(mProgressBar);
    list->insertWidget(list->count() - 1, header);

    mMainPanel = new QWidget(pParent);
    mMainPanel->setStyleSheet(mMainPanelStylesheet);
    auto* grid = new QGridLayout(mMainPanel);
    grid->setContentsMargins(9, 9, 9, 9);
    grid->setVerticalSpacing(6);
    grid->setHorizontalSpacing(9);
    grid->addWidget(new QLabel(tr("Reference value:"), mMainPanel), 0, 0);
    mLblRefValue = new QLabel(mMainPanel);
    mLblRefValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(mLblRefValue, 0, 1);
    grid->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum), 0, 2);
    grid->addWidget(new QLabel(tr("Stability:"), mMainPanel), 0, 3);
    mLblStability = new QLabel(mMainPanel);
    grid->addWidget(mLblStability, 0, 4);
    list->insertWidget(list->count() - 1, mMainPanel);
}

QString TCalPointControls::panelStyleSheet(EnPanelState pState)
{
    switch (pState) {
    case psInactive:
        return QStringLiteral(
            ".QWidget { border: 2px solid #252525; border-radius: 5px; background-color: #414141; outline: none;}");
    case psSelected:
        return QStringLiteral(
            ".QWidget {border: 2px solid #0F385E; border-radius: 5px; background-color: #104474; outline: none;}");
    case psStable:
        return QStringLiteral(
            ".QWidget {border: 2px solid #006304; border-radius: 5px; background-color: #005B0A; outline: none;}");
    case psUnstable:
        return QStringLiteral(
            ".QWidget {border: 2px solid #560512; border-radius: 5px; background-color: #7A1312; outline: none;}");
    }
    return QString();
}

QLabel* TCalPointControls::dutChannelValueLabel(const TChannelDescription& pChannelDescription)
{
    const auto found = mDUTChannelValueLabels.find(pChannelDescription.internalChannelNumber());
    if (found != mDUTChannelValueLabels.end())
        return found->second;
    auto* grid = mMainPanel ? qobject_cast<QGridLayout*>(mMainPanel->layout()) : nullptr;
    if (!grid)
        return nullptr;
    const int row = grid->rowCount();
    auto* caption = new QLabel(tr("Value channel %1:").arg(pChannelDescription.channelCaption()), mMainPanel);
    grid->addWidget(caption, row, 0);
    auto* value = new QLabel(mMainPanel);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(value, row, 1);
    // A layout shows what is added to a shown panel only once events are
    // handled; until then the row takes no room, and a scroll to the panel
    // would leave it out.
    caption->show();
    value->show();
    mDUTChannelValueLabels[pChannelDescription.internalChannelNumber()] = value;
    return value;
}

void TCalPointControls::setCalPointTitle(const QString& pTitle)
{
    if (mLblCalPointTitle)
        mLblCalPointTitle->setText(pTitle);
}

void TCalPointControls::setStatus(const QString& pStatusText, int pProgressPercent)
{
    if (!mLblStatus)
        return;
    mLblStatus->setText(pStatusText);
    if (pProgressPercent >= 0) {
        mProgressBar->setValue(qMin(pProgressPercent, 100));
        mProgressBar->show();
    } else {
        mProgressBar->hide();
    }
}

void TCalPointControls::setReferenceValueAndStability(const QString& pRefValue, const QString& pStability)
{
    if (!mLblRefValue)
        return;
    mLblRefValue->setText(pRefValue + QStringLiteral(" °C"));
    mLblStability->setText(pStability.isEmpty() ? pStability : pStability + QStringLiteral(" K"));
}

void TCalPointControls::setPanelState(EnPanelState pVal)
{
    if (!mMainPanel)
        return;
    switch (pVal) {
    case psInactive:
        mMainPanel->setStyleSheet(mMainPanelStylesheet);
        break;
    case psSelected:
        mMainPanel->setStyleSheet(mMainPanelStylesheetActive);
        break;
    case psStable:
        mMainPanel->setStyleSheet(mMainPanelStylesheetStable);
        break;
    case psUnstable:
        mMainPanel->setStyleSheet(mMainPanelStylesheetUnstable);
        break;
    }
}

void TCalPointControls::ensureVisible(QScrollArea* pScrollArea)
{
    if (!pScrollArea || !mMainPanel)
        return;
    layOutNow(*pScrollArea);
    pScrollArea->ensureWidgetVisible(mMainPanel, VISIBLE_MARGIN_X, VISIBLE_MARGIN_Y);
}

TCalibrationRoutineView::TCalibrationRoutineView(TCalibrationRoutine* pCalRoutine)
    : QWidget(nullptr), ui(std::make_unique<Ui_TCalibrationRoutineView>()), mCalRoutine(pCalRoutine)
{
    ui->setupUi(this);
    // A dialog-type window: a window manager keeps only those above the window they stand for (the
    // main window), also when the main window is clicked or gets the focus back from a message. A plain
    // window would drop behind the full-screen main window while the run goes on, out of reach.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    // The header strip lets the main window's title bar (clock, status icons) show through. A screen
    // that cannot blend windows would paint it black for the whole run; there the view leaves that strip
    // of the window below uncovered instead.
    if (!TDesktopBackground::translucentWindowsShowWhatIsBehind()) {
        ui->WgtHeader->hide();
        resize(width(), height() - ui->WgtHeader->minimumHeight());
    }
    // It covers the screen as the main window does; its layout must not resize it.
    setFixedSize(size());

    const TCalibrationSetup* setup = mCalRoutine->setup();
    if (setup) {
        ui->LblRoutineName->setText(setup->name());
        ui->LblStabilityTime->setText(QString::number(setup->stabilityTimeMinutes()));
        ui->LblHoldTime->setText(QString::number(setup->holdTimeMinutes()));
        ui->LblStability->setText(number(setup->stabilityKelvin()));
        for (const TElectricalTemperatureValue& point : setup->calibrationPoints()) {
            auto controls = std::make_unique<TCalPointControls>(ui->scrollAreaWidgetContents);
            controls->setCalPointTitle(tr("Calibration point:") + QLatin1Char(' ') + number(point.value()) +
                                       QStringLiteral(" °C"));
            mCalPointControlsMap[point] = controls.get();
            mOwnedCalPointControls.push_back(std::move(controls));
        }
    }
    mCalRoutine->addObserver(this);
}

TCalibrationRoutineView::~TCalibrationRoutineView() = default;

void TCalibrationRoutineView::setVisible(bool pVisible)
{
    if (pVisible && !isVisible())
        TWindowPlacement::placeOverMainWindow(this, ui->WgtHeader->isHidden() ? ui->WgtHeader->minimumHeight() : 0);
    QWidget::setVisible(pVisible);
}

TCalPointControls* TCalibrationRoutineView::calPointControls(const TElectricalTemperatureValue& pCalPoint) const
{
    const auto found = mCalPointControlsMap.find(pCalPoint);
    return found == mCalPointControlsMap.end() ? nullptr : found->second;
}

QString TCalibrationRoutineView::timeStamp()
{
    const QDateTime now = QDateTime::currentDateTime();
    const TTamarindClock& clock = TTamarindClock::instance();
    return clock.getDateString(now) + QLatin1Char(' ') + clock.getTimeString(now, true);
}

void TCalibrationRoutineView::setCurrentCalPointControls(TCalPointControls* pControls, const EnRoutineStatus& pStatus)
{
    if (pControls != mCurrentCalPointControls) {
        if (mCurrentCalPointControls)
            mCurrentCalPointControls->setPanelState(psInactive);
        mCurrentCalPointControls = pControls;
        if (!pControls)
            return;
        pControls->ensureVisible(ui->scrollArea);
    }
    if (!mCurrentCalPointControls)
        return;
    switch (pStatus) {
    case rsStable:
        mCurrentCalPointControls->setPanelState(psStable);
        break;
    case rsUnstable:
        mCurrentCalPointControls->setPanelState(psUnstable);
        break;
    default:
        mCurrentCalPointControls->setPanelState(psSelected);
        break;
    }
}

void TCalibrationRoutineView::calibrationRoutineStatusChanged(const TCalibrationRoutine& pRoutine,
                                                              const TElectricalTemperatureValue& pCalPoint)
{
    const EnRoutineStatus status = pRoutine.status();
    if (status == rsCompleted) {
        showRoutineCompleted();
        return;
    }
    TCalPointControls* controls = calPointControls(pCalPoint);
    if (!controls)
        return;
    setCurrentCalPointControls(controls, status);
    if (ui->LblRunningSince->text().isEmpty())
        ui->LblRunningSince->setText(tr("Started: %1", "Calibration routine is running since...").arg(timeStamp()));

    switch (status) {
    case rsCollectingStabilitySamples:
        controls->setStatus(tr("Collecting samples"), pRoutine.sampleCollectionProgressPercent());
        break;
    case rsUnstable:
        controls->setStatus(tr("Unstable"), -1);
        break;
    case rsReadingDUTChannels:
        controls->setStatus(tr("Reading DUT channels"), -1);
        break;
    case rsStable:
        controls->setStatus(tr("Hold time running"), pRoutine.holdTimeProgressPercent());
        break;
    default:
        controls->setStatus(QString(), -1);
        break;
    }
}

void TCalibrationRoutineView::referenceValueUpdated(const TElectricalTemperatureValue& pCalPoint,
                                                    const TElectricalTemperatureValue& pReferenceValue,
                                                    double pStability)
{
    TCalPointControls* controls = calPointControls(pCalPoint);
    if (!controls)
        return;
    controls->setReferenceValueAndStability(number(pReferenceValue.value()),
                                            std::isnan(pStability) ? QString() : number(pStability));
}

void TCalibrationRoutineView::dutValueUpdated(const TElectricalTemperatureValue& pCalPoint,
                                              const TChannelDescription& pChannelDescription,
                                              const TElectricalTemperatureValue& pDUTValue)
{
    TCalPointControls* controls = calPointControls(pCalPoint);
    if (!controls)
        return;
    if (QLabel* label = controls->dutChannelValueLabel(pChannelDescription))
        label->setText(number(pDUTValue.value()) + QStringLiteral(" °C"));
    controls->ensureVisible(ui->scrollArea);
}

void TCalibrationRoutineView::calPointComplete(const TElectricalTemperatureValue& pCalPoint)
{
    if (TCalPointControls* controls = calPointControls(pCalPoint))
        controls->setStatus(tr("Done"), -1);
}

void TCalibrationRoutineView::showRoutineCompleted()
{
    ui->LblCompleted->setText(
        tr("Completed: %1", "Calibration routine has completed at this point of time").arg(timeStamp()));
    ui->label->setText(tr("Close"));
    setCurrentCalPointControls(nullptr, rsNone);
}

void TCalibrationRoutineView::on_BtnCancel_clicked()
{
    if (mCalRoutine->status() == rsCompleted) {
        close();
        return;
    }
    TMessageDialog dialog;
    if (dialog.showQuestion(tr("Would you like to abort the calibration routine?"))) {
        mCalRoutine->abort();
        close();
    }
}
