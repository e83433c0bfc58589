#include "refreshdialog.h"

#include "ui_refreshdialog.h"

TRefreshDialog::TRefreshDialog(QWidget* pParent)
    : TFullScreenDialog(pParent), mUi(std::make_unique<Ui_TRefreshDialog>())
{
    mUi->setupUi(this);
}

TRefreshDialog::~TRefreshDialog() = default;

void TRefreshDialog::showDialog(const QString& pCaption)
{
    setModal(true);
    mUi->LblCaption->setText(pCaption);
    show();
}
