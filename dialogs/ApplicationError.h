#pragma once
#include <functional>

#include <QString>

class QWidget;

namespace lumivra {

// The application's error report: a modal box titled "Lumivra" with the error
// icon, one OK button and the text with a full stop appended unless it
// already ends in one.
void ShowApplicationError(const QString& text);

// The text as the report shows it.
QString ErrorReportText(const QString& text);

// Replaces where the reports go (a test records them); an empty handler
// restores the message box.
using ApplicationErrorHandler = std::function<void(const QString& text)>;
void SetApplicationErrorHandler(ApplicationErrorHandler handler);

}  // namespace lumivra
