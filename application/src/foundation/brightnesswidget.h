#pragma once

#include "zelkvector.h"

#include <QString>
#include <QWidget>

#include <map>

class QLabel;
class QVBoxLayout;
class QZELKPushButton;
class TBrightnessController;

// The brightness control of the settings page: a column of bars, one per
// level (brightest on top), lit from the bottom up to the current level,
// with the level in percent in the page's label. Tapping a bar or dragging a
// finger along the column sets the level. A child of the main window.
class TBrightnessWidget : public QWidget
{
    Q_OBJECT

public:
    TBrightnessWidget(TBrightnessController* pBrightnessController, const zelk::vector<int>& pBrightnessValues,
                      int pButtonSpacing, QLabel* pBrightnessValueLabel, QWidget* pParent);

    void setBrightness(int pBrightness);
    void updateBrightnessVisualisation(int pBrightness);
    // Back to the controller's default level of this platform.
    void factoryReset();

public slots:
    void brightness_button_click();

protected:
    bool event(QEvent* pEvent) override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    void followFinger(const QPoint& pPosition);

    QVBoxLayout* mLayout;
    TBrightnessController* mBrightnessController;
    QLabel* mBrightnessValueLabel;
    std::map<int, QZELKPushButton*> mButtonsByValue;
    std::map<QWidget*, int> mValuesByButton;
    QString mStylesheet_active;
    QString mStylesheet_inactive;
};
