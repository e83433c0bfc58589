#pragma once

#include <QDialog>
#include <QImage>
#include <QList>
#include <QPointer>
#include <QRegion>

class QPainter;

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
    // Whether the dialog tells the user something over where they work, as a
    // message does, rather than being a place they work in: a dialog with a
    // backdrop over it covers it. By default one that lays a backdrop.
    virtual bool isMessage() const;

    void showEvent(QShowEvent* pEvent) override;
    void hideEvent(QHideEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;
    bool event(QEvent* pEvent) override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    // A window below and where it stands, in the dialog's coordinates.
    struct TWindowBelow
    {
        QPointer<QWidget> mWindow;
        QRect mPlace;
    };

    void paintWindowsBelow(QPainter& pPainter, const QRegion& pRegion);
    const TWindowBelow* findBelow(const QWidget* pWindow) const;
    // The part of pRegion (the dialog's coordinates) where pWindow is not
    // covered by a window below the dialog that stands over it: the screen
    // blends no window, so what those cover is not seen.
    QRegion shownOfBelow(const QWidget* pWindow, const QRegion& pRegion) const;

    void findWindowsBelow();
    // Whether the dialog lays a backdrop of its own over what it covers.
    bool laysBackdrop() const;
    void placeWindowsBelow();
    void stopWatchingBelow();

    // pRegion of pWindow below (its own coordinates) changed on the screen.
    void followChangeBelow(const QWidget* pWindow, const QRegion& pRegion);
    // Paints what changed below into the dialog's window directly, with the
    // dialog's foreground laid over it.
    void paintChangesBelow();
    void paintDueChangesBelow();
    void renderForeground(const QRegion& pRegion);

    // Where the screen cannot blend windows, the dialog is opaque and paints
    // the windows below it, the main window and whatever of the program
    // stands over it (the run view of a calibration routine, the dialog under
    // a pad), copied from what each of them last painted. A dialog may stay
    // for minutes over the title bar's clock and the readings, which must not
    // stand still meanwhile: what a window below paints, the dialog paints
    // again over that place only.
    QList<TWindowBelow> mBelow;
    bool mWatching = false;
    // What changed below since the dialog last painted it, and whether the
    // dialog has asked itself to paint it.
    QRegion mChangedBelow;
    bool mChangesBelowDue = false;
    // The dialog's own look, its backdrop and widgets over nothing: a change
    // below is painted as the windows below with this image laid over them,
    // which does not draw the dialog's widgets again on every reading. Where
    // the dialog's widgets have painted since it was made, it is made again
    // once a change below reaches there.
    QImage mForeground;
    QRegion mForegroundOutdated;
    bool mRenderingForeground = false;
};
