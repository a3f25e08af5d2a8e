#pragma once
// Reading and writing numbers in boxes, with the user's decimal separator.
#include <QString>

class QLineEdit;

double ReadNumber(const QString& text);
double ReadNumber(const QLineEdit& box);
void WriteNumber(QLineEdit& box, double value);
