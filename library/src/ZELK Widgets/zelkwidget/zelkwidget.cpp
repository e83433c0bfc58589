#include "zelkwidget.h"

QZELKWidget::QZELKWidget(QWidget* pParent) : QFrame(pParent) {}
