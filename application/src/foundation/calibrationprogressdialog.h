#pragma once

#include "fullscreendialog.h"

#include <memory>

class Ui_TCalibrationProgressDialog;

// Progress of a long board operation (calibration, storing a probe, an
// import), shown without blocking. The caller updates it between steps,
// processes pending events and polls isAborted(); one dialog serves one
// operation, and destroying it closes it.
class TCalibrationProgressDialog : public TFullScreenDialog
{
    Q_OBJECT

public:
    enum EnProgressDialogType : quint8 { pdtCalibration = 0, pdtStore = 1, pdtUpload = 2 };

    explicit TCalibrationProgressDialog(QWidget* pParent = nullptr);
    ~TCalibrationProgressDialog() override;

    // Another type keeps the current picture.
    void show(EnProgressDialogType pDialogType, bool pShowAbort);
    using TFullScreenDialog::show;
    // In percent.
    void updateProgress(int pValue);
    // True from the moment Abort was pressed or the program was told to end;
    // Abort leaves the dialog open.
    bool isAborted() const;

private slots:
    void on_BtnAbort_clicked();

private:
    std::unique_ptr<Ui_TCalibrationProgressDialog> mUi;
    bool mAborted = false;
};
