#pragma once

#include "fullscreendialog.h"

#include <memory>

class QTimer;

// The flash that confirms a screenshot: a white veil over the whole screen
// that fades out within about a second and then closes itself.
class TTamarindScreenshotConfirmation : public TFullScreenDialog
{
    Q_OBJECT

public:
    // Every 100 ms the veil loses 10 % of its opacity.
    static constexpr int OPACITY_STEP = 10;
    static constexpr int STEP_INTERVAL = 100;

    explicit TTamarindScreenshotConfirmation(QWidget* pParent);
    ~TTamarindScreenshotConfirmation() override;

public slots:
    void timer_fired();

protected:
    void showEvent(QShowEvent* pEvent) override;

private:
    int mOpacity = 100;
    std::unique_ptr<QTimer> mTimer;
};
