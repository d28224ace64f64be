#pragma once
// Names for assistive technology. A screen reader reads an edit by its accessible name,
// which Qt does not take from a label that merely stands beside it; buttons that show only a
// picture have no text to read at all.

class QWidget;
class QString;

namespace platform {

// The property of a control that holds the label naming it, where the label was made for it.
inline constexpr const char* kLabelledBy = "labelledBy";

// Gives every edit, list and button of the window that has no accessible name yet the name a
// sighted user reads: an edit's or a list's is the caption of its label (the labels on its
// line at its left, else the label just above it), a button's is its caption or, failing
// that, its hint.
void NameControlsForAccessibility(QWidget* window);

// A caption as a screen reader should speak it: without markup or the ampersand of a
// keyboard accelerator.
QString PlainCaption(const QString& caption);

}  // namespace platform
