#include "zelkgreypanel.h"

QZELKGreyPanel::QZELKGreyPanel(QWidget* pParent) : QPushButton(pParent) {}

QString QZELKGreyPanel::defaultStylesheet()
{
    return QStringLiteral("border: 2px solid #252525; border-radius: 5px; background-color: #414141; outline: none;");
}
