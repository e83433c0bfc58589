#include "calibrationprogressdialog.h"

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

void TCalibrationProgressDialog::on_BtnAbort_clicked()
{
    mAborted = true;
}
