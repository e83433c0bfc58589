// The probe menu and the probe selection page of the probe database, and the
// rules for probe names and temperature limits.

#include "probecontroller.h"

#include "channel.h"
#include "clickablewidgetcontroller.h"
#include "fontmetricshelper.h"
#include "messagedialog.h"
#include "probe.h"
#include "probeeditcontrollers.h"
#include "smartprobeenablingcontroller.h"
#include "submenucontroller.h"

#include <QLabel>
#include <QRegularExpression>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

// --- building the lists -------------------------------------------------------------

QVBoxLayout* TProbeController::rowLayout(QScrollArea* pScrollArea)
{
    if (!pScrollArea || !pScrollArea->widget())
        return nullptr;
    return qobject_cast<QVBoxLayout*>(pScrollArea->widget()->layout());
}

// A rebuild may run inside a nested event loop (a question, the probe editor's
// dialogs) while the release of the row that started it is still being
// delivered; the row therefore leaves the list at once and is deleted later.
void TProbeController::releaseRow(QWidget* pRow)
{
    if (!pRow)
        return;
    if (QWidget* parent = pRow->parentWidget()) {
        if (parent->layout())
            parent->layout()->removeWidget(pRow);
    }
    pRow->hide();
    pRow->deleteLater();
}

void TProbeController::fillRows(zelk::vector<QPointer<QWidget>>& ioRows, TClickableWidgetController& pRegistry,
                                QVBoxLayout* pLayout, const zelk::vector<TAbstractProbe*>& pProbes, bool pSelectionPage)
{
    // Rows that went with their page are gone already.
    ioRows.erase(std::remove(ioRows.begin(), ioRows.end(), QPointer<QWidget>()), ioRows.end());
    const std::size_t wanted = pLayout ? pProbes.size() : 0;
    while (ioRows.size() > wanted) {
        pRegistry.removeWidget(ioRows.back());
        releaseRow(ioRows.back());
        ioRows.pop_back();
    }
    auto& buttonByProbe = pSelectionPage ? mButtonByProbe_PrbSelection : mButtonByProbe_PrbMenu;
    auto& probeByButton = pSelectionPage ? mProbeByButton_PrbSelection : mProbeByButton_PrbMenu;
    for (std::size_t index = 0; index < wanted; ++index) {
        TAbstractProbe* probe = pProbes[index];
        if (index == ioRows.size()) {
            QWidget* row = TClickableWidgetController::createClickableWidget(pLayout->parentWidget(), QString()).first;
            // The menu's rows stand first in its list; the selection page's
            // after its default-probe buttons, before the closing spacer.
            pLayout->insertWidget(
                pSelectionPage ? pLayout->count() - 1 : PROBE_MENU_FIRST_CUSTOM_PROBE_INDEX + int(index), row);
            pRegistry.addWidget(row, nullptr);
            ioRows << row;
        }
        QWidget* row = ioRows[index];
        QLabel* label = pRegistry.getLabelFromWidget(row);
        if (pSelectionPage)
            updateProbeNameLabel(*label, probe->probeName());
        else if (label->text() != probe->probeName())
            label->setText(probe->probeName());
        buttonByProbe[probe] = row;
        probeByButton[row] = probe;
    }
}

void TProbeController::updateProbeListViews()
{
    const QString filter = mLblFilterValue ? mLblFilterValue->text() : QString();
    if (mWgtFilter)
        mWgtFilter->setVisible(!filter.isEmpty());
    if (!mProbeSelectWidgetController || !mProbeMenuWidgetController)
        return;

    // A row used again for another probe must not stay lit as the old one's.
    for (const auto* rows : {&mCreatedCustomProbeButtonsSelection, &mCreatedProbeButtonsMenu}) {
        for (const QPointer<QWidget>& row : *rows) {
            for (TClickableWidgetController* registry :
                 {mProbeSelectWidgetController.get(), mProbeMenuWidgetController.get()}) {
                if (row && registry->isWidgetActive(row))
                    registry->deactivateWidget(row);
            }
        }
    }
    for (auto row = mProbeByButton_PrbSelection.begin(); row != mProbeByButton_PrbSelection.end();) {
        if (isDefaultProbeButton(row->first)) {
            ++row;
            continue;
        }
        mButtonByProbe_PrbSelection.erase(row->second);
        row = mProbeByButton_PrbSelection.erase(row);
    }
    mProbeByButton_PrbMenu.clear();
    mButtonByProbe_PrbMenu.clear();

    QVBoxLayout* menuLayout = rowLayout(mScrollAreaProbeMenu);
    QVBoxLayout* selectionLayout = rowLayout(mScrollAreaProbeSelect);
    if (!menuLayout || !selectionLayout)
        menuLayout = selectionLayout = nullptr;
    zelk::vector<TAbstractProbe*> menu;
    zelk::vector<TAbstractProbe*> selection;
    for (const auto& entry : mDefaultProbes) {
        if (entry.second->nameMatchesSearchPattern(filter))
            menu << entry.second.get();
    }
    for (const auto& entry : mCustomProbes) {
        if (!entry.second->nameMatchesSearchPattern(filter))
            continue;
        menu << entry.second.get();
        selection << entry.second.get();
    }
    fillRows(mCreatedCustomProbeButtonsSelection, *mProbeSelectWidgetController, selectionLayout, selection, true);
    fillRows(mCreatedProbeButtonsMenu, *mProbeMenuWidgetController, menuLayout, menu, false);
}

void TProbeController::setProbeFilter(const QString& pattern)
{
    if (mLblFilterValue)
        mLblFilterValue->setText(pattern);
    updateProbeListViews();
    setProbeMenuButtons();
}

void TProbeController::updateProbeNameLabel(QLabel& label, const QString& name)
{
    QFont font = label.font();
    QString text = name;
    TFontMetricsHelper::calculateFontSize(text, font, PROBE_SELECTION_LIST_MAX_PROBENAME_WIDTH,
                                          PROBE_SELECTION_LIST_DEFAULT_FONT_SIZE,
                                          PROBE_SELECTION_LIST_MINIMUM_FONT_SIZE, true);
    // Unchanged texts are left alone: a new style sheet costs the label its polish.
    const QString sheet = TFontMetricsHelper::fontsizeStylesheetEntry(font);
    if (label.styleSheet() != sheet)
        label.setStyleSheet(sheet);
    if (label.text() != text)
        label.setText(text);
}

void TProbeController::updateProbeNameWidgets(TAbstractProbe* probe)
{
    const auto refresh = [probe](const std::map<TAbstractProbe*, QWidget*>& pRows,
                                 TClickableWidgetController* pRegistry) {
        const auto found = pRows.find(probe);
        if (found == pRows.end() || !pRegistry)
            return;
        if (QLabel* label = pRegistry->getLabelFromWidget(found->second))
            updateProbeNameLabel(*label, probe->probeName());
    };
    refresh(mButtonByProbe_PrbSelection, mProbeSelectWidgetController.get());
    refresh(mButtonByProbe_PrbMenu, mProbeMenuWidgetController.get());
}

// --- the selection page ----------------------------------------------------------------

void TProbeController::selectProbe(TPhysicalChannel* pTargetChannel, TAbstractProbe* pCurrentlySelectedProbe)
{
    mProbeSelectionTargetChannel = pTargetChannel;
    zelk::vector<TAbstractProbe*> probes;
    compatibleProbes(pTargetChannel, probes);
    if (!mProbeSelectWidgetController)
        return;
    mProbeSelectWidgetController->hideAll();
    mProbeSelectWidgetController->resetActiveWidget();
    if (probes.empty())
        return;
    for (TAbstractProbe* probe : probes) {
        const auto row = mButtonByProbe_PrbSelection.find(probe);
        if (row == mButtonByProbe_PrbSelection.end())
            continue;
        row->second->show();
        if (probe == pCurrentlySelectedProbe)
            mProbeSelectWidgetController->activateWidget(row->second);
    }
    mSubMenuController->showSubMenu(tr("Probe"), mPageProbeSelection, this, smtViewer);
}

// The page closes on every press, also when the board refused: the channel
// view is told in either case and shows what the channel now measures with.
void TProbeController::probeSelectionBtnClick(QWidget* pButton)
{
    const auto row = mProbeByButton_PrbSelection.find(pButton);
    if (row != mProbeByButton_PrbSelection.end() && mProbeSelectionTargetChannel) {
        TAbstractProbe* probe = row->second;
        TPhysicalChannel* channel = mProbeSelectionTargetChannel;
        assignProbeToChannel(probe, channel, true, true);
        notifyProbeAssignmentListeners(probe, channel);
    }
    mSubMenuController->cancelSubMenu(this);
}

bool TProbeController::isDefaultProbeButton(QWidget* button) const
{
    return button && (button == mBtnDefaultProbe_3WPT100 || button == mBtnDefaultProbe_4WPT100 ||
                      button == mBtnDefaultProbe_4WPT25 || button == mBtnDefaultProbe_Thermistor ||
                      button == mBtnDefaultProbe_TC);
}

// --- the probe menu ----------------------------------------------------------------------

void TProbeController::probeMenuBtnClick(QWidget* pButton)
{
    if (pButton && (pButton == mBtnNewProbe_PRT || pButton == mBtnNewProbe_TC || pButton == mBtnNewProbe_Thermistor)) {
        const int number = nextFreeProbeNumber();
        if (number == 0) {
            TMessageDialog().showError(
                noFreeProbeNumberText(tr("Maximum number of probes reached. Please delete an existing probe first.")));
        } else if (TProbeEditController* editor = editorByButton(pButton)) {
            editor->newProbe(number);
            editor->showEditSubMenu();
        }
    } else if (pButton && pButton == mBtnListSmartProbes) {
        if (mSmartProbeEnablingController)
            mSmartProbeEnablingController->showSubMenu();
    } else {
        const auto row = mProbeByButton_PrbMenu.find(pButton);
        if (row != mProbeByButton_PrbMenu.end())
            editProbe(row->second);
    }
    setProbeMenuButtons();
}

void TProbeController::editProbe(TAbstractProbe* probe)
{
    // Without an editor for the probe's kind nothing opens.
    if (TProbeEditController* editor = editorByProbe(probe)) {
        editor->editProbe(probe);
        editor->showEditSubMenu();
    }
}

TProbeEditController* TProbeController::editorByProbe(TAbstractProbe* probe) const
{
    // A SMART probe keeps its data in its own memory, which only the service
    // screen writes: the PRT page would store it into the probe database under
    // a number it does not have, and keep a backup of it there.
    if (qobject_cast<TSmartProbePRT*>(probe))
        return nullptr;
    if (qobject_cast<TPRTProbe*>(probe))
        return mProbeEditControllerPRT.get();
    if (qobject_cast<TTCProbe*>(probe))
        return mProbeEditControllerTC.get();
    if (qobject_cast<TThermistorProbe*>(probe))
        return mProbeEditControllerThermistor.get();
    return nullptr;
}

TProbeEditController* TProbeController::editorByButton(QWidget* button) const
{
    if (!button)
        return nullptr;
    if (button == mBtnNewProbe_PRT)
        return mProbeEditControllerPRT.get();
    if (button == mBtnNewProbe_TC)
        return mProbeEditControllerTC.get();
    if (button == mBtnNewProbe_Thermistor)
        return mProbeEditControllerThermistor.get();
    return nullptr;
}

TAbstractProbe* TProbeController::probeMenuSelectedProbe() const
{
    if (!mProbeMenuWidgetController)
        return nullptr;
    const auto row = mProbeByButton_PrbMenu.find(mProbeMenuWidgetController->activeWidget());
    return row == mProbeByButton_PrbMenu.end() ? nullptr : row->second;
}

void TProbeController::setProbeMenuButtons()
{
    const TAbstractProbe* probe = probeMenuSelectedProbe();
    if (mBtnDelete)
        mBtnDelete->setEnabled(probe && !probe->isDefaultProbe());
}

void TProbeController::deactivateAllProbeButtons()
{
    if (mProbeMenuWidgetController)
        mProbeMenuWidgetController->deactivateAll();
}

void TProbeController::probeEditAborted()
{
    deactivateAllProbeButtons();
    setProbeMenuButtons();
}

void TProbeController::defaultProbeEditDone()
{
    deactivateAllProbeButtons();
    setProbeMenuButtons();
}

void TProbeController::returnToMainMenuClicked() {}

bool TProbeController::cancelClicked()
{
    return true;
}

bool TProbeController::storeClicked()
{
    return true;
}

// --- rules ---------------------------------------------------------------------------------

// Only the blank counts as white space and only 0-9 as digits: a tab or a line
// break in a name would split the columns of the coefficient file and the
// lines of log headers and probe files.
bool TProbeController::isValidProbeName(const QString& name)
{
    static const QRegularExpression rule(QRegularExpression::anchoredPattern(
        QStringLiteral("[A-Za-z0-9 ./\\-*\u00C4\u00D6\u00DC\u00E4\u00F6\u00FC]{1,%1}").arg(MAX_PROBE_NAME_LENGTH)));
    return rule.match(name).hasMatch();
}

bool TProbeController::isValidTMinMaxValue(double value)
{
    return !std::isnan(value) && value >= MIN_PROBE_TEMPERATURE_LIMIT && value <= MAX_PROBE_TEMPERATURE_LIMIT;
}
