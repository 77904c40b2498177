#pragma once
#include <QString>

namespace lumivra {

// The application's error report: a modal box titled "Lumivra" with the error
// icon, one OK button and the text with a full stop appended unless it
// already ends in one.
void ShowApplicationError(const QString& text);

// The text as the report shows it.
QString ErrorReportText(const QString& text);

}  // namespace lumivra
