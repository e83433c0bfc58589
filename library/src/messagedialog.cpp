#include "messagedialog.h"

#include "ui_messagedialog.h"

#include <QFontMetrics>

#include <utility>

namespace
{
int textHeight(const QString& pText, const QFont& pFont)
{
    // Laid out as the label shows it: centred and wrapped within the screen.
    return QFontMetrics(pFont).boundingRect(QRect(0, 0, 800, 480), Qt::AlignCenter | Qt::TextWordWrap, pText).height();
}
} // namespace

TMessageDialog::TMessageDialog(QWidget* pParent)
    : TFullScreenDialog(pParent), mUi(std::make_unique<Ui_TMessageDialog>())
{
    mUi->setupUi(this);
}

TMessageDialog::~TMessageDialog() = default;

TMessageDialog::EnDialogReturnValue TMessageDialog::showDialog(const QString& pText, EnDialogType pDialogType,
                                                               int pButtons)
{
    prepare(pText, pDialogType, pButtons);
    exec();
    return mReturnValue;
}

void TMessageDialog::showMessage(const QString& pText, EnDialogType pDialogType, bool pWait,
                                 std::function<void()> pClosed)
{
    if (pWait) {
        TMessageDialog dialog;
        // Remote commands that come while the message is open run inside its
        // event loop, and it returns only after them: what follows the
        // message follows the user's OK, not the end of a scan begun meanwhile.
        bool closed = false;
        const auto close = [&closed, &pClosed]() {
            if (!std::exchange(closed, true) && pClosed)
                pClosed();
        };
        connect(&dialog, &QDialog::finished, &dialog, close);
        dialog.showDialog(pText, pDialogType, dbOK);
        close();
        return;
    }
    auto* dialog = new TMessageDialog;
    connect(dialog, &QDialog::finished, dialog, [dialog, pClosed]() {
        if (pClosed)
            pClosed();
        dialog->deleteLater();
    });
    dialog->prepare(pText, pDialogType, dbOK);
    // As exec() would have it: nothing else takes input while it is open.
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
}

void TMessageDialog::prepare(const QString& pText, EnDialogType pDialogType, int pButtons)
{
    mReturnValue = drvUndefined;

    QString icon;
    switch (pDialogType) {
    case dtInfo:
        icon = QStringLiteral(":/dialogs/info");
        break;
    case dtStorage:
        icon = QStringLiteral(":/dialogs/storage");
        break;
    case dtConfirmation:
        icon = QStringLiteral(":/dialogs/accept");
        break;
    default:
        icon = QStringLiteral(":/dialogs/warning");
        break;
    }
    mUi->label->setPixmap(QPixmap(icon));

    mUi->BtnOK->setVisible(pButtons & dbOK);
    mUi->BtnYes->setVisible(pButtons & dbYes);
    mUi->BtnNo->setVisible(pButtons & dbNo);
    mUi->BtnCancel->setVisible(pButtons & dbCancel);

    QFont font = mUi->LblText->font();
    mUi->LblText->setText(fitText(pText, font));
    mUi->LblText->setFont(font);
}

QString TMessageDialog::fitText(const QString& pText, QFont& pFont)
{
    int pixelSize = DEFAULT_FONT_PIXEL_SIZE;
    pFont.setPixelSize(pixelSize);
    while (textHeight(pText, pFont) > MAXIMUM_TEXT_HEIGHT && pixelSize > MINIMUM_FONT_PIXEL_SIZE) {
        --pixelSize;
        pFont.setPixelSize(pixelSize);
    }
    if (textHeight(pText, pFont) <= MAXIMUM_TEXT_HEIGHT)
        return pText;

    QString shortened = pText;
    while (textHeight(shortened, pFont) > MAXIMUM_TEXT_HEIGHT && !shortened.isEmpty())
        shortened.chop(1);
    // Room for the marker, which is about five characters wide.
    shortened.chop(5);
    return shortened + QStringLiteral("[...]");
}

void TMessageDialog::showError(const QString& pText)
{
    showDialog(pText, dtWarning, dbOK);
}

void TMessageDialog::showConfirmation(const QString& pText)
{
    showDialog(pText, dtConfirmation, dbOK);
}

void TMessageDialog::showInfo(const QString& pText)
{
    showDialog(pText, dtInfo, dbOK);
}

bool TMessageDialog::showQuestion(const QString& pText)
{
    return showDialog(pText, dtWarning, dbYes | dbNo) == drvYes;
}

void TMessageDialog::on_BtnOK_clicked()
{
    mReturnValue = drvOK;
    accept();
}

void TMessageDialog::on_BtnYes_clicked()
{
    mReturnValue = drvYes;
    accept();
}

void TMessageDialog::on_BtnNo_clicked()
{
    mReturnValue = drvNo;
    reject();
}

void TMessageDialog::on_BtnCancel_clicked()
{
    mReturnValue = drvCancel;
    reject();
}
