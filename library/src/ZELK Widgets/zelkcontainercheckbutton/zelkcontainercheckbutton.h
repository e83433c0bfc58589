#pragma once

#include "zelkabstractbutton.h"

class QLabel;

// A painted button that toggles on every tap and is painted highlighted while
// checked: the option rows of the settings pages. When it becomes checked it
// copies the status text of its option (the tool tip of its status source
// label) into the page's status label, so the page shows what is chosen.
class QZELKContainerCheckButton : public QZELKAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(bool checked READ isChecked WRITE setChecked NOTIFY checkedChanged)
    Q_PROPERTY(QString statusLabelName READ getStatusLabelName WRITE setStatusLabelName)
    Q_PROPERTY(QString statusSourceLabelName READ getStatusSourceLabelName WRITE setStatusSourceLabelName)

public:
    explicit QZELKContainerCheckButton(QWidget* pParent = nullptr);

    bool isChecked() const { return mChecked; }
    void setChecked(bool pChecked);
    virtual void setCheckedAdvanced(bool pChecked, bool pFireCheckedEvent);

    QString getStatusLabelName() const { return mStatusLabelName; }
    void setStatusLabelName(const QString& pName) { mStatusLabelName = pName; }
    QString getStatusSourceLabelName() const { return mStatusSourceLabelName; }
    void setStatusSourceLabelName(const QString& pName) { mStatusSourceLabelName = pName; }

    // The top-most ancestor, or the button itself.
    QWidget* rootWidget() const;
    // The label named by statusLabelName anywhere under the root widget;
    // null without a name or without such a label.
    QLabel* statusLabel() const;
    // The label named by statusSourceLabelName under the root widget, or
    // without a name the button's only label; null when there is none or,
    // without a name, several.
    QLabel* statusSourceLabel() const;
    void updateStatusLabel();
    void setStatusText(const QString& pText);

signals:
    void checkedChanged(bool pChecked);

protected:
    void mouseReleaseEvent(QMouseEvent* pEvent) override;

private:
    bool mChecked = false;
    QString mStatusLabelName;
    QString mStatusSourceLabelName;
};
