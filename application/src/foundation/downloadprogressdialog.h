#pragma once

#include "fullscreendialog.h"

#include <memory>

class Ui_TDownloadProgressDialog;

// "Downloading..." while files are copied to the USB stick, then a "Download
// complete" confirmation that the user closes. A caller that fails before the
// end closes it instead.
class TDownloadProgressDialog : public TFullScreenDialog
{
    Q_OBJECT

public:
    explicit TDownloadProgressDialog(QWidget* pParent = nullptr);
    ~TDownloadProgressDialog() override;

    // Shows the dialog without blocking; the caller processes pending events
    // while it copies.
    void showDownloadDialog();
    // Returns once the user has confirmed.
    void showDownloadComplete();

private slots:
    void on_BtnDownloadComplete_clicked();

private:
    std::unique_ptr<Ui_TDownloadProgressDialog> mUi;
};
