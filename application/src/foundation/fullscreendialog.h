#pragma once

#include <QDialog>
#include <QPixmap>

// Base of the program's dialogs: frameless, covering the screen, with the
// translucent grey backdrop of their style sheet laid over what is behind.
class TFullScreenDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TFullScreenDialog(QWidget* pParent = nullptr);

protected:
    void showEvent(QShowEvent* pEvent) override;
    void hideEvent(QHideEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;

private:
    // Where the screen cannot blend windows, the dialog is opaque and paints
    // a picture of the window below, taken when it is shown.
    QPixmap mBehind;
    QPoint mBehindTopLeft;
};
