// The logger page: the list of log files, the content view of one of them,
// and Download and Delete.

#include "logfilecontroller.h"

#include "clickablewidgetcontroller.h"
#include "logfilelines.h"
#include "logfiletail.h"
#include "messagedialog.h"
#include "submenucontroller.h"
#include "usbstickcontroller.h"
#include "zelkdialogbutton.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

void TLogfileController::refreshLogfileList()
{
    mLogfiles.clear();
    destroyLogfileListButtons();
    auto* layout = mLogfileListParent ? qobject_cast<QVBoxLayout*>(mLogfileListParent->layout()) : nullptr;
    for (const QString& name : newestLogfiles(mMaximumListedLogfiles)) {
        mLogfiles << name;
        if (layout)
            createLogfileButton(name, layout, layout->count() - 1);
    }
}

namespace
{
void destroyRow(TClickableWidgetController& pWidgetController, QWidget* pRow)
{
    if (!pRow)
        return;
    pWidgetController.removeWidget(pRow);
    delete pRow;
}
} // namespace

void TLogfileController::destroyLogfileListButtons()
{
    for (TLogfileRow& row : mLogfileListButtons)
        destroyRow(*mWidgetControllerLoggerMenu, row.mRow);
    mLogfileListButtons.clear();
    mStartTimeLabels.clear();
}

QWidget* TLogfileController::addCreatedLogfileToList(const QString& pLogfile)
{
    const int existing = int(mLogfiles.size());
    mLogfiles.insert(mLogfiles.begin(), pLogfile);
    auto* layout = mLogfileListParent ? qobject_cast<QVBoxLayout*>(mLogfileListParent->layout()) : nullptr;
    QWidget* row = layout ? createLogfileButton(pLogfile, layout, layout->count() - existing - 1) : nullptr;
    // The list keeps its length while the logger adds files: the oldest leaves it.
    while (int(mLogfiles.size()) > mMaximumListedLogfiles)
        removeOldestLogfileFromList();
    return row;
}

void TLogfileController::removeOldestLogfileFromList()
{
    const QString name = mLogfiles.back();
    mLogfiles.pop_back();
    const auto row = std::find_if(mLogfileListButtons.begin(), mLogfileListButtons.end(),
                                  [&name](const TLogfileRow& pRow) { return pRow.mName == name; });
    if (row == mLogfileListButtons.end())
        return;
    destroyRow(*mWidgetControllerLoggerMenu, row->mRow);
    mLogfileListButtons.erase(row);
    mStartTimeLabels.erase(name);
}

QWidget* TLogfileController::createLogfileButton(const QString& pLogfile, QVBoxLayout* pLayout, int pIndex)
{
    const QPair<QWidget*, QLabel*> row =
        TClickableWidgetController::createClickableWidget(mLogfileListParent, pLogfile);
    mWidgetControllerLoggerMenu->addWidget(row.first, row.second, false);
    pLayout->insertWidget(pIndex, row.first);
    mLogfileListButtons.push_back({row.first, pLogfile});
    if (auto* grid = qobject_cast<QGridLayout*>(row.first->layout())) {
        // The layout's usual margins would cut the "_" of the name off.
        TClickableWidgetController::giveCaptionFullHeight(row.first);
        auto* countdown = new QLabel(row.first);
        grid->addWidget(countdown, 0, 1);
        countdown->setAlignment(Qt::AlignRight | Qt::AlignCenter);
        mStartTimeLabels[pLogfile] = countdown;
    }
    return row.first;
}

QString TLogfileController::logfileNameByWidget(QWidget* pWidget) const
{
    if (!pWidget)
        return QString();
    const auto row = std::find_if(mLogfileListButtons.begin(), mLogfileListButtons.end(),
                                  [pWidget](const TLogfileRow& pRow) { return pRow.mRow == pWidget; });
    return row == mLogfileListButtons.end() ? QString() : row->mName;
}

void TLogfileController::selectLogfile(const QString& pLogfileName, bool pShowMainMenuIfLogfileEmpty)
{
    mSelectedLogfile.close();
    if (!pLogfileName.isEmpty()) {
        mSelectedLogfile.setFileName(mLogfileDir + QLatin1Char('/') + pLogfileName);
        displayLogfileContent(mSelectedLogfile);
        mSubMenuController->showSubMenu(pLogfileName, mPageLogfileContent, this, smtViewer);
        return;
    }
    mSelectedLogfile.setFileName(QString());
    if (pShowMainMenuIfLogfileEmpty)
        mSubMenuController->cancelSubMenu(this);
}

void TLogfileController::displayLogfileContent(QFile& pFile)
{
    // Newest line on top, each as its date label over its values label.
    QStringList texts;
    if (pFile.exists() && (pFile.isOpen() || pFile.open(QIODevice::ReadOnly))) {
        const QStringList lines = TLogfileTail::lastDataLines(pFile, MAX_DISPLAYED_LINES);
        pFile.close();
        for (auto line = lines.crbegin(); line != lines.crend(); ++line)
            texts << splitLogfileLineForDisplay(*line);
    }
    showLogfileContentTexts(texts);
}

// The labels shown before take the new texts: making and deleting a label each costs far more than its text.
void TLogfileController::showLogfileContentTexts(QStringList pTexts)
{
    auto* layout = qobject_cast<QVBoxLayout*>(mLogfileContentParent->layout());
    if (!layout) {
        for (QLabel* label : mLogfileContentParent->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
            delete label;
        return;
    }
    // The last item is the spacer that keeps the labels at the top.
    while (pTexts.size() > MAX_CONTENT_LAYOUT_ITEMS - 1)
        pTexts.removeLast();
    int index = 0;
    for (const QString& text : pTexts) {
        QWidget* line = index < layout->count() - 1 ? layout->itemAt(index)->widget() : nullptr;
        if (auto* label = qobject_cast<QLabel*>(line)) {
            label->setText(text);
            label->show();
        } else {
            layout->insertWidget(index, mLogfileContentLines->newLine(text));
        }
        ++index;
    }
    // A shorter log leaves lines over: hidden in their places, where a longer one shows them again without laying
    // them out anew.
    for (; index < layout->count() - 1; ++index)
        layout->itemAt(index)->widget()->hide();
}

QStringList TLogfileController::splitLogfileLineForDisplay(const QString& pLine)
{
    const QStringList fields = pLine.split(QLatin1Char(';'), Qt::KeepEmptyParts, Qt::CaseSensitive);
    if (fields.size() <= 6)
        return QStringList();
    return {(fields[0] + QLatin1Char(' ') + fields[1] + QLatin1Char(' ') + fields[2]).trimmed(),
            (fields[3] + fields[4] + QLatin1Char(' ') + fields[5] + fields[6]).trimmed()};
}

void TLogfileController::addLinesToLogfileContentDisplay(const QStringList& pLines)
{
    auto* layout = qobject_cast<QVBoxLayout*>(mLogfileContentParent->layout());
    if (!layout)
        return;
    for (int i = 0; i < pLines.size(); ++i)
        layout->insertWidget(i, mLogfileContentLines->newLine(pLines[i]));
    // The lines that leave at the bottom serve the next ones at the top.
    while (layout->count() > MAX_CONTENT_LAYOUT_ITEMS) {
        QLayoutItem* item = layout->takeAt(layout->count() - 2);
        mLogfileContentLines->keep(qobject_cast<QLabel*>(item->widget()));
        delete item;
    }
}

bool TLogfileController::isSelectedLogfileInUse() const
{
    return !mCurrentLogfile.fileName().isEmpty() && mSelectedLogfile.fileName() == mCurrentLogfile.fileName();
}

void TLogfileController::setButtons(bool pUSBStickConnected)
{
    const bool selectable =
        !mSelectedLogfile.fileName().isEmpty() && mSelectedLogfile.exists() && !isSelectedLogfileInUse();
    mBtnDownload->setEnabled(selectable && pUSBStickConnected);
    mBtnDelete->setEnabled(selectable);
}

void TLogfileController::setButtons()
{
    setButtons(TUSBStickControllerProvider::getUSBStickController()->isUSBStickConnected());
    mBtnStart->setEnabled(!mLoggerStarted);
    mBtnStop->setEnabled(mLoggerStarted);
}

void TLogfileController::onLoggerMenuMouseBtnReleased(QWidget* pButton)
{
    const QString name = logfileNameByWidget(pButton);
    if (!name.isEmpty()) {
        selectLogfile(name, true);
        return;
    }
    struct TSettingsPage
    {
        QWidget* mRow;
        QWidget* mPage;
        EnSubMenuType mType;
    };
    const TSettingsPage pages[] = {{mBtnLogMode, mPageLoggerMode, smtViewer},
                                   {mBtnStartTime, mPageLoggerStartTime, smtEditor},
                                   {mBtnInterval, mPageLogInterval, smtEditor},
                                   {mBtnDuration, mPageLogDuration, smtEditor}};
    for (const TSettingsPage& page : pages) {
        if (page.mRow != pButton)
            continue;
        if (page.mRow == mBtnStartTime)
            refreshLogfileStartTimeView();
        QLabel* caption = mWidgetControllerLoggerMenu->getLabelFromWidget(pButton);
        mSubMenuController->showSubMenu(caption ? caption->text() : QString(), page.mPage, this, page.mType);
    }
    selectLogfile(QString(), false);
}

void TLogfileController::onDownloadClicked()
{
    QString name = logfileNameByWidget(mWidgetControllerLoggerMenu->activeWidget());
    // After Return from the content view no row is active, while the file
    // stays selected and the button enabled: the button means that file.
    if (name.isEmpty() && !mSelectedLogfile.fileName().isEmpty() && !isSelectedLogfileInUse())
        name = QFileInfo(mSelectedLogfile).fileName();
    if (!name.isEmpty())
        downloadLogfiles({name});
}

void TLogfileController::downloadLogfiles(const zelk::vector<QString>& pLogfileNames)
{
    const TAbstractUSBStickController* stick = TUSBStickControllerProvider::getUSBStickController();
    if (!stick->isUSBStickConnected())
        return;
    std::map<QString, QString> names;
    for (const QString& name : pLogfileNames)
        names[name] = name + QStringLiteral(".log");
    stick->copyFiles(mLogfileDir, QStringLiteral("Logfiles"), names, true, false);
}

void TLogfileController::onDeleteClicked()
{
    if (mLoggerStarted && isSelectedLogfileInUse()) {
        TMessageDialog().showError(tr("The selected logfile is currently in use and cannot be deleted."));
        return;
    }
    if (mSelectedLogfile.fileName().isEmpty())
        return;
    if (!TMessageDialog().showQuestion(tr("Would you really like to delete the selected logfile?")))
        return;
    mSelectedLogfile.close();
    mSelectedLogfile.remove();
    selectLogfile(QString(), true);
    mWidgetControllerLoggerMenu->deactivateAll();
    refreshLogfileList();
}
