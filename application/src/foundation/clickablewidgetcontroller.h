#pragma once

#include "widgetcontainerinterface.h"

#include <QObject>
#include <QPair>

#include <map>

class QLabel;
class QWidget;

// What the clickable widget controller knows of a registered widget.
class TWidgetContext
{
public:
    TWidgetContext() = default;
    TWidgetContext(QLabel* pLabel, short pGroup, bool pToggleButton)
        : mLabel(pLabel), mGroup(pGroup), mToggleButton(pToggleButton)
    {
    }

    QLabel* label() const { return mLabel; }
    short group() const { return mGroup; }
    bool toggleButton() const { return mToggleButton; }

private:
    QLabel* mLabel = nullptr;
    short mGroup = 0;
    bool mToggleButton = false;
};

// Turns plain widgets (panels, frames, rows) into lists that behave like
// radio buttons without subclassing them: it watches their releases, keeps
// one active widget per group, optionally shows the active entry's text in an
// indicator label and reports every change. Each screen controller owns one;
// the widgets and labels belong to their pages.
class TClickableWidgetController : public QObject, public IWidgetContainerInterface
{
    Q_OBJECT

public:
    explicit TClickableWidgetController(QLabel* pActiveWidgetIndicatorLabel = nullptr);

    // Registers the widget, or replaces what is known of it.
    void addWidget(short pGroupNumber, QWidget* pWidget, QLabel* pCaptionLabel, bool pToggleButton);
    void addWidget(QWidget* pWidget, QLabel* pCaptionLabel);
    void addWidget(QWidget* pWidget, QLabel* pCaptionLabel, bool pToggleButton);
    // Leaves its group without an active widget if it was the one; no signal.
    void removeWidget(QWidget* pWidget);
    void clear();
    void hideAll();
    void activateAll();

    // Nothing happens for an unknown widget or the one already active.
    void activateWidget(QWidget* pWidget) override;
    void deactivateWidget(QWidget* pWidget);
    void deactivateAll();
    void toggleWidget(QWidget* pWidget);
    bool isWidgetActive(QWidget* pWidget) const;
    QWidget* activeWidget(short pGroup) const;
    QWidget* activeWidget() override;
    void resetActiveWidget() override;
    void indicateActiveWidget() override;

    // The label registered with the widget, else its first direct child label.
    QLabel* getLabelFromWidget(QWidget* pWidget) const;
    // The tool tip of the registered label, or its text when the tool tip is
    // empty; empty for an unknown widget or one without a label.
    QString getIndicationText(QWidget* pWidget) const;

    // A new row for such a list under pParent: a dark rounded widget with the
    // caption in a label. It is not registered; the caller owns it.
    static QPair<QWidget*, QLabel*> createClickableWidget(QWidget* pParent, const QString& pCaption);
    // Gives the caption of such a row the whole height inside its border, for a line taller than a Latin one,
    // while the row keeps the height its sheet allows, that of the form's own rows. A row whose sheet sets no
    // maximum height is left as it is.
    static void giveCaptionFullHeight(QWidget* pRow);

signals:
    void widgetMouseBtnReleased(QWidget* pWidget);
    // Emitted while the previous widget is still the recorded active one.
    void widgetActivated(short pGroup, QWidget* pPrevious, QWidget* pCurrent);

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    void forgetWidget(QObject* pWidget);

    std::map<short, QWidget*> mActiveWidgets;
    QLabel* mActiveWidgetIndicatorLabel;
    std::map<QWidget*, TWidgetContext> mWidgetMap;
};
