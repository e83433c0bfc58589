#pragma once

#include <QDialog>
#include <QList>
#include <QPointer>

class QPainter;
class QRegion;

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
    void paintWindowsBelow(QPainter& pPainter, const QRegion& pRegion);
    // Where pWindow stands, in the dialog's coordinates.
    QRect placeOf(const QWidget* pWindow) const;
    bool isBelow(const QWidget* pWindow) const;
    // The part of pRegion (the dialog's coordinates) where pWindow is not
    // covered by a window below the dialog that stands over it: the screen
    // blends no window, so what those cover is not seen.
    QRegion shownOfBelow(const QWidget* pWindow, const QRegion& pRegion) const;

    void findWindowsBelow();
    void stopWatchingBelow();

    // Where the screen cannot blend windows, the dialog is opaque and paints
    // the windows below it, the main window and whatever of the program
    // stands over it (the run view of a calibration routine, the dialog under
    // a pad), copied from what each of them last painted. A dialog may stay
    // for minutes over the title bar's clock and the readings, which must not
    // stand still meanwhile: what a window below paints, the dialog paints
    // again over that place only.
    QList<QPointer<QWidget>> mBelow;
    bool mWatching = false;
    // A window below without an image to copy from is rendered instead,
    // which sends its widgets paint events that change nothing on the screen.
    bool mTakingPicture = false;
};
