#include "downloadprogressdialog.h"

#include "ui_downloadprogressdialog.h"

TDownloadProgressDialog::TDownloadProgressDialog(QWidget* pParent)
    : TFullScreenDialog(pParent), mUi(std::make_unique<Ui_TDownloadProgressDialog>())
{
    mUi->setupUi(this);
    mUi->BtnDownloadComplete->hide();
}

TDownloadProgressDialog::~TDownloadProgressDialog() = default;

void TDownloadProgressDialog::showDownloadDialog()
{
    setModal(true);
    mUi->BtnDownloadComplete->hide();
    mUi->LblDownloading->show();
    show();
}

void TDownloadProgressDialog::showDownloadComplete()
{
    mUi->LblDownloading->hide();
    mUi->BtnDownloadComplete->show();
    exec();
}

void TDownloadProgressDialog::on_BtnDownloadComplete_clicked()
{
    accept();
}
