#pragma once
// The application's single fault box.
#include <QString>
#include <string>

// The program file's name without folder and extension, first character as it
// is and the rest in lower case: ".../VOLTARIS.EXE" gives "Voltaris".
QString TitleFromProgramPath(const QString& programPath);

// The title derived from this program's file; the fault box's caption.
QString ApplicationTitle();

// Shows the message, with its closing period, in a modal stop box.
void ReportFault(const std::string& message);
