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
    // The veil loses this much opacity per step, in percent.
    static constexpr int OPACITY_STEP = 10;
    static constexpr int STEP_INTERVAL = 100;

    explicit TTamarindScreenshotConfirmation(QWidget* pParent);
    ~TTamarindScreenshotConfirmation() override;

    int opacity() const { return mOpacity; }

public slots:
    void timer_fired();

protected:
    void showEvent(QShowEvent* pEvent) override;

private:
    int mOpacity = 100;
    std::unique_ptr<QTimer> mTimer;
};
