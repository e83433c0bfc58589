#include "readingpausedcheck.h"

#include "calibrationprogressdialog.h"
#include "channelcontroller.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QEvent>
#include <QProgressBar>

TReadingPausedCheck::TReadingPausedCheck(const TChannelController& pController) : mController(pController)
{
    QCoreApplication::instance()->installEventFilter(this);
}

TReadingPausedCheck::~TReadingPausedCheck()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool TReadingPausedCheck::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    auto* progress = qobject_cast<TCalibrationProgressDialog*>(pWatched);
    if (progress && pEvent->type() == QEvent::Show) {
        auto* bar = progress->findChild<QProgressBar*>();
        check(bar->value());
        connect(bar, &QProgressBar::valueChanged, this, &TReadingPausedCheck::check, Qt::UniqueConnection);
    }
    return false;
}

void TReadingPausedCheck::check(int pPercent)
{
    if (mController.isReadingActive())
        failCurrentRow(
            "!isReadingActive()",
            QStringLiteral("the channel controller reads while the calibration progress shows %1 %").arg(pPercent));
}
