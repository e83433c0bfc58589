#include "ipaddressdialog.h"

#include "numpad.h"
#include "ui_ipaddressdialog.h"

#include <QLabel>

TIPAddressDialog::TIPAddressDialog(QWidget* parent)
    : TFullScreenDialog(parent), ui(std::make_unique<Ui_TIPAddressDialog>())
{
    ui->setupUi(this);
    for (QZELKAbstractButton* button : {ui->btnGrp1, ui->btnGrp2, ui->btnGrp3, ui->btnGrp4})
        button->label()->setAlignment(Qt::AlignCenter);
}

TIPAddressDialog::~TIPAddressDialog() = default;

bool TIPAddressDialog::showDialog(unsigned char& pIPAddressByte1, unsigned char& pIPAddressByte2,
                                  unsigned char& pIPAddressByte3, unsigned char& pIPAddressByte4)
{
    mIPAddressByte1 = pIPAddressByte1;
    mIPAddressByte2 = pIPAddressByte2;
    mIPAddressByte3 = pIPAddressByte3;
    mIPAddressByte4 = pIPAddressByte4;
    showStoredBytes();
    if (exec() != QDialog::Accepted)
        return false;
    pIPAddressByte1 = buttonToByte(ui->btnGrp1);
    pIPAddressByte2 = buttonToByte(ui->btnGrp2);
    pIPAddressByte3 = buttonToByte(ui->btnGrp3);
    pIPAddressByte4 = buttonToByte(ui->btnGrp4);
    return true;
}

void TIPAddressDialog::showStoredBytes()
{
    byteToButton(mIPAddressByte1, ui->btnGrp1);
    byteToButton(mIPAddressByte2, ui->btnGrp2);
    byteToButton(mIPAddressByte3, ui->btnGrp3);
    byteToButton(mIPAddressByte4, ui->btnGrp4);
}

void TIPAddressDialog::byteToButton(unsigned char pByte, QZELKAbstractButton* pButton)
{
    pButton->label()->setText(QString::number(pByte));
}

unsigned char TIPAddressDialog::buttonToByte(QZELKAbstractButton* pButton)
{
    // An empty label reads as 0; the pad never lets more than 255 through.
    return static_cast<unsigned char>(pButton->label()->text().toInt() & 0xFF);
}

void TIPAddressDialog::editByte(QZELKAbstractButton* pButton)
{
    int value = 0;
    if (TNumpad::enterInteger(this, 0, 255, value))
        pButton->label()->setText(QString::number(value));
}

void TIPAddressDialog::on_btnGrp1_clicked()
{
    editByte(ui->btnGrp1);
}

void TIPAddressDialog::on_btnGrp2_clicked()
{
    editByte(ui->btnGrp2);
}

void TIPAddressDialog::on_btnGrp3_clicked()
{
    editByte(ui->btnGrp3);
}

void TIPAddressDialog::on_btnGrp4_clicked()
{
    editByte(ui->btnGrp4);
}

void TIPAddressDialog::on_BtnSave_clicked()
{
    accept();
}

void TIPAddressDialog::on_BtnCancel_clicked()
{
    // Cancel takes back the edits and keeps the dialog open.
    showStoredBytes();
}

void TIPAddressDialog::on_BtnReturnToMainMenu_clicked()
{
    reject();
}
