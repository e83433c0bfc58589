#pragma once

#include <QObject>

class TChannelController;

// Fails the row that runs now when the channel controller's reading is on
// while a calibration progress dialog shows: an item that measures has the
// board to itself, and a poll among its readings would be answered in their
// place or move the board to another channel. Checked as the dialog shows and
// at every step of its bar, not by what the board was asked: the rows time
// their polls beyond any load, so none falls due whether reading is on or not.
class TReadingPausedCheck : public QObject
{
public:
    explicit TReadingPausedCheck(const TChannelController& pController);
    ~TReadingPausedCheck() override;

    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    void check(int pPercent);

    const TChannelController& mController;
};
