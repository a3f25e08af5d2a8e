#include "app/fault_box.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

#include "calc/fault.h"

QString TitleFromProgramPath(const QString& programPath)
{
    const QString name = QFileInfo(programPath).completeBaseName();
    if (name.isEmpty())
        return name;
    return name.left(1) + name.mid(1).toLower();
}

QString ApplicationTitle()
{
    static const QString title = TitleFromProgramPath(QCoreApplication::applicationFilePath());
    return title;
}

void ReportFault(const std::string& message)
{
    QMessageBox box(QMessageBox::Critical, ApplicationTitle(),
                    QString::fromStdString(calc::WithClosingPeriod(message)), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
