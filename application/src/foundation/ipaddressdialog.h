#pragma once

#include "fullscreendialog.h"

#include <memory>

class QZELKAbstractButton;
class Ui_TIPAddressDialog;

// Lets the user enter an IPv4 address as four decimal bytes, each typed on the
// numeric pad. Created per use.
class TIPAddressDialog : public TFullScreenDialog
{
    Q_OBJECT

public:
    explicit TIPAddressDialog(QWidget* parent);
    ~TIPAddressDialog() override;

    // True on OK with the entered bytes; false otherwise, the bytes unchanged.
    bool showDialog(unsigned char& pIPAddressByte1, unsigned char& pIPAddressByte2, unsigned char& pIPAddressByte3,
                    unsigned char& pIPAddressByte4);

public slots:
    void on_btnGrp1_clicked();
    void on_btnGrp2_clicked();
    void on_btnGrp3_clicked();
    void on_btnGrp4_clicked();
    void on_BtnSave_clicked();
    void on_BtnCancel_clicked();
    void on_BtnReturnToMainMenu_clicked();

private:
    void editByte(QZELKAbstractButton* pButton);
    void byteToButton(unsigned char pByte, QZELKAbstractButton* pButton);
    unsigned char buttonToByte(QZELKAbstractButton* pButton);
    void showStoredBytes();

    std::unique_ptr<Ui_TIPAddressDialog> ui;
    unsigned char mIPAddressByte1 = 0;
    unsigned char mIPAddressByte2 = 0;
    unsigned char mIPAddressByte3 = 0;
    unsigned char mIPAddressByte4 = 0;
};
