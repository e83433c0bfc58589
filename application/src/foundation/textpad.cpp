#include "textpad.h"

#include "languagecontroller.h"
#include "ui_textpad.h"

#include <QTextCursor>
#include <QTimer>

namespace
{
// Holding Back this long clears the whole text.
constexpr int ERASE_HOLD_TIME = 1500;
} // namespace

TTextpad::TTextpad(QWidget* parent)
    : TFullScreenDialog(parent), ui(std::make_unique<Ui_TTextpad>()), mEraseTimer(std::make_unique<QTimer>(this))
{
    ui->setupUi(this);
    mEraseTimer->setSingleShot(true);
    mEraseTimer->setInterval(ERASE_HOLD_TIME);
    connect(mEraseTimer.get(), &QTimer::timeout, this, &TTextpad::clearEdit);

    const QList<QZELKDialogButton*> characterKeys = {
        ui->BtnUp_Q,         ui->BtnUp_W,   ui->BtnUp_E,  ui->BtnUp_R,  ui->BtnUp_T,  ui->BtnUp_Z,      ui->BtnUp_U,
        ui->BtnUp_I,         ui->BtnUp_O,   ui->BtnUp_P,  ui->BtnUp_UE, ui->BtnUp_A,  ui->BtnUp_S,      ui->BtnUp_D,
        ui->BtnUp_F,         ui->BtnUp_G,   ui->BtnUp_H,  ui->BtnUp_J,  ui->BtnUp_K,  ui->BtnUp_L,      ui->BtnUp_OE,
        ui->BtnUp_AE,        ui->BtnUp_Y,   ui->BtnUp_X,  ui->BtnUp_C,  ui->BtnUp_V,  ui->BtnUp_B,      ui->BtnUp_N,
        ui->BtnUp_M,         ui->BtnLo_q,   ui->BtnLo_w,  ui->BtnLo_e,  ui->BtnLo_r,  ui->BtnLo_t,      ui->BtnLo_z,
        ui->BtnLo_u,         ui->BtnLo_i,   ui->BtnLo_o,  ui->BtnLo_p,  ui->BtnLo_ue, ui->BtnLo_a,      ui->BtnLo_s,
        ui->BtnLo_d,         ui->BtnLo_f,   ui->BtnLo_g,  ui->BtnLo_h,  ui->BtnLo_j,  ui->BtnLo_k,      ui->BtnLo_l,
        ui->BtnLo_oe,        ui->BtnLo_ae,  ui->BtnLo_y,  ui->BtnLo_x,  ui->BtnLo_c,  ui->BtnLo_v,      ui->BtnLo_b,
        ui->BtnLo_n,         ui->BtnLo_m,   ui->BtnNum_1, ui->BtnNum_2, ui->BtnNum_3, ui->BtnNum_4,     ui->BtnNum_5,
        ui->BtnNum_6,        ui->BtnNum_7,  ui->BtnNum_8, ui->BtnNum_9, ui->BtnNum_0, ui->BtnNum_Slash, ui->BtnNum_Dash,
        ui->BtnNum_Asterisk, ui->BtnNum_Dot};
    for (QZELKDialogButton* key : characterKeys)
        connect(key, &QAbstractButton::clicked, this, &TTextpad::onKeyBtnClicked);

    for (QZELKDialogButton* key : {ui->BtnUp_Space, ui->BtnLo_Space})
        connect(key, &QAbstractButton::clicked, this, &TTextpad::onSpaceBtnClicked);
    for (QZELKDialogButton* key : {ui->BtnUp_Back, ui->BtnLo_Back, ui->BtnNum_Back}) {
        connect(key, &QAbstractButton::pressed, this, &TTextpad::onBackBtnPressed);
        connect(key, &QAbstractButton::released, this, &TTextpad::onBackBtnReleased);
    }
    for (QZELKDialogButton* key : {ui->BtnUp_Accept, ui->BtnLo_Accept, ui->BtnNum_Accept})
        connect(key, &QAbstractButton::clicked, this, &TTextpad::onAcceptBtnClicked);
    for (QZELKDialogButton* key : {ui->BtnUp_Cancel, ui->BtnLo_Cancel, ui->BtnNum_Cancel})
        connect(key, &QAbstractButton::clicked, this, &TTextpad::onCancelBtnClicked);
    for (QZELKDialogButton* key : {ui->BtnUp_SwitchNumbers, ui->BtnLo_SwitchNumbers})
        connect(key, &QAbstractButton::clicked, this, &TTextpad::onSwitchNumbersBtnClicked);
    for (QZELKDialogButton* key : {ui->BtnLo_SwitchUpper, ui->BtnNum_SwitchUpper})
        connect(key, &QAbstractButton::clicked, this, &TTextpad::onSwitchUpperBtnClicked);
    for (QZELKDialogButton* key : {ui->BtnUp_SwitchLower, ui->BtnNum_SwitchLower})
        connect(key, &QAbstractButton::clicked, this, &TTextpad::onSwitchLowerBtnClicked);

    ui->stackedWidget->setCurrentWidget(ui->PageUpper);
}

TTextpad::~TTextpad() = default;

bool TTextpad::isMessage() const
{
    return false;
}

bool TTextpad::showTextpad(QString& pValue, int pMaxLength)
{
    adaptTextPadLayout();
    mMaxLength = pMaxLength;
    // Shown unchanged even when longer than the maximum: it can then only shrink.
    ui->textEdit->setPlainText(pValue);
    moveCursorToEnd();
    ui->textEdit->setFocus();
    if (exec() != QDialog::Accepted)
        return false;
    pValue = ui->textEdit->toPlainText();
    return true;
}

void TTextpad::adaptTextPadLayout()
{
    const bool german = TLanguageController::instance().getTextPadLayout() == Languagecontroller::lytQWERTZ;
    // The keys type what they show, so exchanging the texts exchanges the letters.
    ui->BtnUp_Z->setText(german ? QStringLiteral("Z") : QStringLiteral("Y"));
    ui->BtnUp_Y->setText(german ? QStringLiteral("Y") : QStringLiteral("Z"));
    ui->BtnLo_z->setText(german ? QStringLiteral("z") : QStringLiteral("y"));
    ui->BtnLo_y->setText(german ? QStringLiteral("y") : QStringLiteral("z"));
}

void TTextpad::moveCursorToEnd()
{
    ui->textEdit->moveCursor(QTextCursor::End);
}

void TTextpad::zeichenHinzufuegen(const QString& pString)
{
    const QString text = ui->textEdit->toPlainText();
    if (mMaxLength < 0 || text.length() + pString.length() <= mMaxLength) {
        ui->textEdit->setPlainText(text + pString);
        moveCursorToEnd();
    }
    ui->textEdit->setFocus();
}

void TTextpad::eraseCharacter()
{
    QString text = ui->textEdit->toPlainText();
    text.chop(1);
    ui->textEdit->setPlainText(text);
    moveCursorToEnd();
    ui->textEdit->setFocus();
}

void TTextpad::onKeyBtnClicked()
{
    if (auto* key = qobject_cast<QAbstractButton*>(sender()))
        zeichenHinzufuegen(key->text());
}

void TTextpad::onSpaceBtnClicked()
{
    zeichenHinzufuegen(QStringLiteral(" "));
}

void TTextpad::onBackBtnPressed()
{
    mEraseTimer->start();
}

void TTextpad::onBackBtnReleased()
{
    mEraseTimer->stop();
    eraseCharacter();
}

void TTextpad::clearEdit()
{
    ui->textEdit->clear();
}

void TTextpad::onAcceptBtnClicked()
{
    accept();
}

void TTextpad::onCancelBtnClicked()
{
    reject();
}

void TTextpad::showPage(QWidget* pPage)
{
    ui->stackedWidget->setCurrentWidget(pPage);
    ui->textEdit->setFocus();
}

void TTextpad::onSwitchUpperBtnClicked()
{
    showPage(ui->PageUpper);
}

void TTextpad::onSwitchLowerBtnClicked()
{
    showPage(ui->PageLower);
}

void TTextpad::onSwitchNumbersBtnClicked()
{
    showPage(ui->PageNumbers);
}
