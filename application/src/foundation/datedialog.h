#pragma once

#include "tamarindclock.h"

#include "fullscreendialog.h"
#include <QDate>

#include <QString>

#include <memory>

class Ui_TDateDialog;

// Lets the user set a calendar date as day, month and year, each typed on the
// numeric pad, in the order of the date format in force. Created per use.
class TDateDialog : public TFullScreenDialog
{
    Q_OBJECT

public:
    // Keys offered, as a mask for showDateDialog.
    static constexpr short BTN_HOME = 1;
    static constexpr short BTN_CANCEL = 2;
    static constexpr short BTN_OK = 4;

    explicit TDateDialog(QWidget* parent);
    ~TDateDialog() override;

    // True on OK with the entered date in oDate; false otherwise, oDate then
    // unchanged. An undefined format returns false without showing anything.
    // A day beyond the end of the month runs on into the next month; OK with
    // a field still empty returns false.
    bool showDateDialog(const QString& pTitle, EnDateFormat pDateFormat, QDate& oDate, short pButtons);

public slots:
    void on_BtnSetDate_Val1_clicked();
    void on_BtnSetDate_Val2_clicked();
    void on_BtnSetDate_Year_clicked();
    void on_BtnSave_clicked();
    void on_BtnCancel_clicked();
    void on_BtnReturnToMainMenu_clicked();

private:
    std::unique_ptr<Ui_TDateDialog> ui;
    EnDateFormat mDateFormat = dfUndefined;
};
