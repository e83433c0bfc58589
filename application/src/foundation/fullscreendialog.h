#pragma once

#include <QDialog>

// Base of the program's dialogs: frameless, covering the screen, with the
// translucent grey backdrop of their style sheet laid over what is behind.
class TFullScreenDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TFullScreenDialog(QWidget* pParent = nullptr);

protected:
    void paintEvent(QPaintEvent* pEvent) override;
};
