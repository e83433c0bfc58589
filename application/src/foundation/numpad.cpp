#include "numpad.h"

#include "decimaldisplaycontroller.h"
#include "ui_numpad.h"

#include <QAbstractButton>
#include <QTimer>

namespace
{
// Holding Back this long clears the field being edited.
constexpr int CLEAR_HOLD_TIME = 1500;

const QLatin1Char EXPONENT_MARK('e');

QString fieldStyleSheet(const char* pBorder, const char* pTop, const char* pBottom)
{
    return QStringLiteral("QFrame#EditBackground, QFrame#EditBackgroundExp { border: 2px solid %1; "
                          "border-radius: 5px; background-color: qlineargradient(spread:pad, x1:0, y1:0, x2:0, "
                          "y2:1, stop:0 %2, stop:1 %3); outline: none; }")
        .arg(QLatin1String(pBorder), QLatin1String(pTop), QLatin1String(pBottom));
}
} // namespace

TNumpad::TNumpad(QWidget* parent)
    : TFullScreenDialog(parent)
    , ui(std::make_unique<Ui_TNumpad>())
    , mStylesheetValidValue(fieldStyleSheet("#0F385E", "#227FD3", "#104474"))
    , mStylesheetInvalidValue(fieldStyleSheet("#720000", "#FF2626", "#A00000"))
    , mClearTimer(std::make_unique<QTimer>(this))
{
    ui->setupUi(this);
    mClearTimer->setSingleShot(true);
    mClearTimer->setInterval(CLEAR_HOLD_TIME);
    connect(mClearTimer.get(), &QTimer::timeout, this, &TNumpad::clearEdit);
    setNewValue(QString());
}

TNumpad::~TNumpad() = default;

bool TNumpad::exec_float(QString& pStringValue, double& pOutput, double pMinVal, double pMaxVal, bool pShowMinMax)
{
    const TDecimalDisplayController& decimal = TDecimalDisplayController::instance();
    const QString separator(decimal.decimalSeparator());
    mType = ntFloat;

    const QString minText = QString::number(pMinVal, 'g', 6).replace(QLatin1Char('.'), separator);
    const QString maxText = QString::number(pMaxVal, 'g', 6).replace(QLatin1Char('.'), separator);
    ui->BtnDecSep->setText(separator);
    ui->BtnDecSep->setVisible(true);
    ui->LblMin->setVisible(pShowMinMax);
    ui->LblMax->setVisible(pShowMinMax);
    ui->LblMin->setText(QStringLiteral("|< ") + minText);
    ui->LblMax->setText(maxText + QStringLiteral(" >|"));
    ui->BtnExponent->setVisible(true);
    ui->EditBackgroundExp->setVisible(true);

    mCheckBoundaries = pShowMinMax;
    mMinVal_dbl = pMinVal;
    mMaxVal_dbl = pMaxVal;
    mMinVal_int = 0;
    mMaxVal_int = 0;
    pOutput = 0.0;

    setNewValue(pStringValue);
    if (exec() != QDialog::Accepted)
        return false;
    pStringValue = valueText();
    bool parsed = false;
    pOutput = decimal.Str2Double(pStringValue, parsed);
    return true;
}

bool TNumpad::exec_int(QString& pStringValue, int& pOutput, int pMinVal, int pMaxVal, bool pShowMinMax)
{
    mType = ntInteger;
    ui->LblMin->setVisible(pShowMinMax);
    ui->LblMax->setVisible(pShowMinMax);
    ui->LblMin->setText(QStringLiteral("|< ") + QString::number(pMinVal));
    ui->LblMax->setText(QString::number(pMaxVal) + QStringLiteral(" >|"));
    ui->BtnDecSep->setVisible(false);
    ui->BtnExponent->setVisible(false);
    ui->EditBackgroundExp->setVisible(false);

    mCheckBoundaries = pShowMinMax;
    mMinVal_int = pMinVal;
    mMaxVal_int = pMaxVal;
    mMinVal_dbl = 0.0;
    mMaxVal_dbl = 0.0;
    pOutput = 0;

    setNewValue(pStringValue);
    if (exec() != QDialog::Accepted)
        return false;
    pStringValue = ui->LblValue->text();
    bool parsed = false;
    const int value = pStringValue.toInt(&parsed, 10);
    pOutput = parsed ? value : 0;
    return true;
}

bool TNumpad::enterInteger(QWidget* pParent, int pMinVal, int pMaxVal, int& oValue)
{
    QString text;
    TNumpad pad(pParent);
    return pad.exec_int(text, oValue, pMinVal, pMaxVal, true);
}

bool TNumpad::enterIntegerOnKey(QAbstractButton* pKey, int pMinVal, int pMaxVal, int pDigits)
{
    int value = 0;
    if (!enterInteger(pKey->window(), pMinVal, pMaxVal, value))
        return false;
    pKey->setText(QStringLiteral("%1").arg(value, pDigits, 10, QLatin1Char('0')));
    return true;
}

bool TNumpad::isAcceptable(const QString& pValue) const
{
    bool parsed = false;
    if (mType == ntFloat) {
        const double value = TDecimalDisplayController::instance().Str2Double(pValue, parsed);
        return parsed && (!mCheckBoundaries || (mMinVal_dbl <= value && value <= mMaxVal_dbl));
    }
    if (mType == ntInteger) {
        const int value = pValue.toInt(&parsed, 10);
        return parsed && (!mCheckBoundaries || (mMinVal_int <= value && value <= mMaxVal_int));
    }
    return true;
}

void TNumpad::setNewValue(const QString& pValue)
{
    // A text that is no number cannot be confirmed even without limits: "-"
    // alone would otherwise be taken as 0.
    mValidValueEntered = pValue.isEmpty() || isAcceptable(pValue);

    const QString& style = mValidValueEntered ? mStylesheetValidValue : mStylesheetInvalidValue;
    ui->EditBackground->setStyleSheet(style);
    ui->EditBackgroundExp->setStyleSheet(style);

    if (pValue.isEmpty()) {
        ui->LblValue->clear();
        ui->LblValueExp->clear();
    } else {
        const QStringList parts = pValue.split(EXPONENT_MARK);
        ui->LblValue->setText(parts.at(0));
        QString exponent;
        if (parts.size() > 1) {
            exponent = parts.at(1);
            int strip = 0;
            while (strip < exponent.size() &&
                   (exponent.at(strip) == QLatin1Char('+') || exponent.at(strip) == QLatin1Char('0')))
                ++strip;
            exponent.remove(0, strip);
        }
        ui->LblValueExp->setText(exponent);
    }
    ui->BtnAccept->setVisible(mValidValueEntered);
}

bool TNumpad::exponentMode() const
{
    return ui->BtnExponent->isVisibleTo(this) && ui->BtnExponent->isFlat();
}

QString TNumpad::valueText() const
{
    const QString exponent = ui->LblValueExp->text();
    return exponent.isEmpty() ? ui->LblValue->text() : ui->LblValue->text() + EXPONENT_MARK + exponent;
}

QString TNumpad::activeField() const
{
    return exponentMode() ? ui->LblValueExp->text() : ui->LblValue->text();
}

QString TNumpad::valueTextWithActiveField(const QString& pField) const
{
    if (exponentMode())
        return pField.isEmpty() ? ui->LblValue->text() : ui->LblValue->text() + EXPONENT_MARK + pField;
    const QString exponent = ui->LblValueExp->text();
    return exponent.isEmpty() ? pField : pField + EXPONENT_MARK + exponent;
}

QString TNumpad::appendDigit(const QString& pDigit)
{
    const QString value = valueTextWithActiveField(activeField() + pDigit);
    setNewValue(value);
    return value;
}

void TNumpad::on_Btn0_clicked()
{
    appendDigit(QStringLiteral("0"));
}

void TNumpad::on_Btn1_clicked()
{
    appendDigit(QStringLiteral("1"));
}

void TNumpad::on_Btn2_clicked()
{
    appendDigit(QStringLiteral("2"));
}

void TNumpad::on_Btn3_clicked()
{
    appendDigit(QStringLiteral("3"));
}

void TNumpad::on_Btn4_clicked()
{
    appendDigit(QStringLiteral("4"));
}

void TNumpad::on_Btn5_clicked()
{
    appendDigit(QStringLiteral("5"));
}

void TNumpad::on_Btn6_clicked()
{
    appendDigit(QStringLiteral("6"));
}

void TNumpad::on_Btn7_clicked()
{
    appendDigit(QStringLiteral("7"));
}

void TNumpad::on_Btn8_clicked()
{
    appendDigit(QStringLiteral("8"));
}

void TNumpad::on_Btn9_clicked()
{
    appendDigit(QStringLiteral("9"));
}

void TNumpad::on_BtnDecSep_clicked()
{
    const QChar separator = TDecimalDisplayController::instance().decimalSeparator();
    QString mantissa = ui->LblValue->text();
    if (mantissa.contains(separator))
        return;
    if (mantissa.isEmpty())
        mantissa = QStringLiteral("0");
    // The separator starts a new mantissa part; an exponent typed before is dropped.
    setNewValue(mantissa + separator);
}

void TNumpad::on_BtnChangeSign_clicked()
{
    QString field = activeField();
    if (field.startsWith(QLatin1Char('-')))
        field.remove(0, 1);
    else
        field.prepend(QLatin1Char('-'));
    setNewValue(valueTextWithActiveField(field));
}

void TNumpad::on_BtnExponent_clicked()
{
    ui->BtnExponent->setFlat(!ui->BtnExponent->isFlat());
    // Re-applying the style sheet makes the [flat="true"] rule show the new state.
    ui->BtnExponent->setStyleSheet(ui->BtnExponent->styleSheet());
    ui->BtnDecSep->setVisible(!exponentMode());
}

void TNumpad::on_BtnBack_pressed()
{
    mClearTimer->start();
}

void TNumpad::on_BtnBack_released()
{
    mClearTimer->stop();
    eraseDigit();
}

void TNumpad::clearEdit()
{
    if (exponentMode())
        ui->LblValueExp->clear();
    else
        ui->LblValue->clear();
}

bool TNumpad::containsNonZeroDigit(const QString& pText) const
{
    for (const QChar character : pText) {
        if (character >= QLatin1Char('1') && character <= QLatin1Char('9'))
            return true;
    }
    return false;
}

void TNumpad::eraseDigit()
{
    QString field = activeField();
    field.chop(1);
    // -5 erased leaves nothing rather than a lone "-"; -0.5 leaves 0 and the separator.
    if (!containsNonZeroDigit(field) && field.startsWith(QLatin1Char('-')))
        field.remove(0, 1);
    setNewValue(valueTextWithActiveField(field));
}

void TNumpad::on_BtnAccept_clicked()
{
    if (ui->LblValue->text().isEmpty())
        reject();
    else
        accept();
}

void TNumpad::on_BtnCancel_clicked()
{
    reject();
}
