// Labels and frames whose text changes (a comment, "Active Library is Main") keep a fixed
// accessible name and offer their current text as the description, so that screen readers
// can find them by name even while they are empty.
#pragma once

#include <QString>

class QWidget;

namespace fotivo {

// Registers the accessibility factory once per process.
void installCaptionAccessibility();
// Gives the label or group box the fixed accessible name.
void setCaptionAccessible(QWidget* widget, const QString& name);

}  // namespace fotivo
