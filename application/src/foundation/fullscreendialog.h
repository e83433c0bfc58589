#pragma once

#include <QDialog>
#include <QList>
#include <QPixmap>
#include <QPointer>

// Base of the program's dialogs: frameless, covering the screen, with the
// translucent grey backdrop of their style sheet laid over what is behind.
class TFullScreenDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TFullScreenDialog(QWidget* pParent = nullptr);
    ~TFullScreenDialog() override;

    // Placed over the main window as it is shown.
    void setVisible(bool pVisible) override;

protected:
    void showEvent(QShowEvent* pEvent) override;
    void hideEvent(QHideEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    void takePictureBehind();

    void stopWatchingBelow();

    // Where the screen cannot blend windows, the dialog is opaque and paints
    // a picture of the windows below it, the main window and whatever of the
    // program stands over it (the run view of a calibration routine). The
    // picture is taken anew whenever one of them repaints: a dialog may stay
    // for minutes over the title bar's clock and indicators, which must not
    // stand still meanwhile.
    QPixmap mBehind;
    QList<QPointer<QWidget>> mBelow;
    bool mPictureDue = false;
};
