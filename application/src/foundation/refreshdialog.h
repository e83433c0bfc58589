#pragma once

#include "fullscreendialog.h"

#include <memory>

class Ui_TRefreshDialog;

// A notice shown without blocking while a list is being rebuilt. The caller
// processes pending events so that it is drawn, does its work and closes it.
class TRefreshDialog : public TFullScreenDialog
{
    Q_OBJECT

public:
    explicit TRefreshDialog(QWidget* pParent = nullptr);
    ~TRefreshDialog() override;

    void showDialog(const QString& pCaption);

private:
    std::unique_ptr<Ui_TRefreshDialog> mUi;
};
