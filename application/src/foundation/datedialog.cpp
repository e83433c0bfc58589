#include "datedialog.h"

#include "numpad.h"
#include "ui_datedialog.h"

namespace
{
QString withLeadingZeros(int pValue, int pDigits)
{
    return QStringLiteral("%1").arg(pValue, pDigits, 10, QLatin1Char('0'));
}
} // namespace

TDateDialog::TDateDialog(QWidget* parent) : TFullScreenDialog(parent), ui(std::make_unique<Ui_TDateDialog>())
{
    ui->setupUi(this);
}

TDateDialog::~TDateDialog() = default;

bool TDateDialog::showDateDialog(const QString& pTitle, EnDateFormat pDateFormat, QDate& oDate, short pButtons)
{
    ui->LblTitle->setText(pTitle);
    mDateFormat = pDateFormat;
    ui->BtnReturnToMainMenu->setVisible(pButtons & BTN_HOME);
    ui->BtnCancel->setVisible(pButtons & BTN_CANCEL);
    ui->BtnSave->setVisible(pButtons & BTN_OK);

    QString day;
    QString month;
    QString year;
    if (oDate.isValid()) {
        day = withLeadingZeros(oDate.day(), 2);
        month = withLeadingZeros(oDate.month(), 2);
        year = QString::number(oDate.year());
    }
    if (mDateFormat == dfDDMMYYYY) {
        ui->LblDateFormat->setText(tr("dd/mm/yyyy"));
        ui->BtnSetDate_Val1->setText(day);
        ui->BtnSetDate_Val2->setText(month);
    } else if (mDateFormat == dfMMDDYYYY) {
        ui->LblDateFormat->setText(tr("mm/dd/yyyy"));
        ui->BtnSetDate_Val1->setText(month);
        ui->BtnSetDate_Val2->setText(day);
    } else {
        return false;
    }
    ui->BtnSetDate_Year->setText(year);

    if (exec() != QDialog::Accepted)
        return false;

    // A field left empty (opened without a date) makes no date: nothing is
    // returned. An empty day alone would otherwise give the last day of the
    // month before.
    for (const QAbstractButton* field : {ui->BtnSetDate_Val1, ui->BtnSetDate_Val2, ui->BtnSetDate_Year}) {
        if (field->text().isEmpty())
            return false;
    }
    const bool dayFirst = mDateFormat == dfDDMMYYYY;
    const int enteredDay = (dayFirst ? ui->BtnSetDate_Val1 : ui->BtnSetDate_Val2)->text().toInt();
    const int enteredMonth = (dayFirst ? ui->BtnSetDate_Val2 : ui->BtnSetDate_Val1)->text().toInt();
    const int enteredYear = ui->BtnSetDate_Year->text().toInt();
    const QDate entered = QDate(enteredYear, enteredMonth, 1).addDays(enteredDay - 1);
    if (!entered.isValid())
        return false;
    oDate = entered;
    return true;
}

void TDateDialog::on_BtnSetDate_Val1_clicked()
{
    if (mDateFormat == dfDDMMYYYY)
        TNumpad::enterIntegerOnKey(ui->BtnSetDate_Val1, 1, 31, 2);
    else
        TNumpad::enterIntegerOnKey(ui->BtnSetDate_Val1, 1, 12, 2);
}

void TDateDialog::on_BtnSetDate_Val2_clicked()
{
    if (mDateFormat == dfDDMMYYYY)
        TNumpad::enterIntegerOnKey(ui->BtnSetDate_Val2, 1, 12, 2);
    else
        TNumpad::enterIntegerOnKey(ui->BtnSetDate_Val2, 1, 31, 2);
}

void TDateDialog::on_BtnSetDate_Year_clicked()
{
    TNumpad::enterIntegerOnKey(ui->BtnSetDate_Year, 1900, 9999, 4);
}

void TDateDialog::on_BtnSave_clicked()
{
    accept();
}

void TDateDialog::on_BtnCancel_clicked()
{
    reject();
}

void TDateDialog::on_BtnReturnToMainMenu_clicked()
{
    reject();
}
