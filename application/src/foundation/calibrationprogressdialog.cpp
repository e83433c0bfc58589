#include "calibrationprogressdialog.h"

#include "terminationsignals.h"
#include "ui_calibrationprogressdialog.h"

TCalibrationProgressDialog::TCalibrationProgressDialog(QWidget* pParent)
    : TFullScreenDialog(pParent), mUi(std::make_unique<Ui_TCalibrationProgressDialog>())
{
    mUi->setupUi(this);
    mUi->progressBar->setValue(0);
}

TCalibrationProgressDialog::~TCalibrationProgressDialog() = default;

void TCalibrationProgressDialog::show(EnProgressDialogType pDialogType, bool pShowAbort)
{
    switch (pDialogType) {
    case pdtCalibration:
        mUi->label->setPixmap(QPixmap(QStringLiteral(":/common/res/icon_calibration.png")));
        break;
    case pdtStore:
        mUi->label->setPixmap(QPixmap(QStringLiteral(":/dialogs/storage")));
        break;
    case pdtUpload:
        mUi->label->setPixmap(QPixmap(QStringLiteral(":/common/res/upload_dialog.png")));
        break;
    }
    mUi->BtnAbort->setVisible(pShowAbort);
    QDialog::show();
}

void TCalibrationProgressDialog::updateProgress(int pValue)
{
    mUi->progressBar->setValue(pValue);
}

// A terminate ends the operation as Abort does, at its next step: its loop
// would otherwise go on to the end after the event loop was told to quit.
bool TCalibrationProgressDialog::isAborted() const
{
    return mAborted || TTerminationSignals::terminationRequested();
}

void TCalibrationProgressDialog::on_BtnAbort_clicked()
{
    mAborted = true;
}
