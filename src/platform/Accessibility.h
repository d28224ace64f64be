#pragma once
// Names for assistive technology. A screen reader reads an edit by its accessible name,
// which Qt does not take from a label that merely stands beside it; buttons that show only a
// picture have no text to read at all.

#include <QString>

class QWidget;
class TLabel;

namespace platform {

// The property of a control that holds the label naming it, where the label was made for it.
inline constexpr const char* kLabelledBy = "labelledBy";
// The property of an edit that holds the other names a search may find its unit by (a
// QStringList: "$" and "dólar" for the US dollar), beyond its caption.
inline constexpr const char* kSearchNames = "searchNames";
// The properties of a window whose figures depend on data of a date (QString): the line a
// search's answer gives instead of the window's title ("Tipos del BCE del 4 de diciembre de
// 2026"); and (bool) that the answer's figures are written as the window shows them.
inline constexpr const char* kAnswerSource = "answerSource";
inline constexpr const char* kFiguresAsShown = "figuresAsShown";

// Gives every control of the window that can take the focus and has no accessible name yet
// the name a sighted user reads: an edit's, a drop-down's, a list's or a slider's is the
// caption of its label (the labels on its line at its left, else the label just above it),
// a table's its label's or else its tab's or window's caption, a button's its caption or,
// failing that, its hint. Two controls that would share a name are told apart by the
// caption over their group ("Lado A:"). Only the controls in view are named: a page of tabs
// names its own when it comes into view.
void NameControlsForAccessibility(QWidget* window);

// A cell of a table laid out as separate panels: a screen reader reads it by its caption
// followed by the headings of its row and column.
void SetCellHeadings(QWidget* cell, const QString& row, const QString& column);

// A label that acts as a link: Tab reaches it, Enter or Space runs its OnClick as a click
// would, it shows the focus, and a screen reader meets it as a link.
void MakeLink(TLabel* label);

// The program's own faces for assistive technology: panels read by their caption (and
// headings), labels made links. Installed once; every form does it.
void InstallAccessibleFaces();

// A caption as a screen reader should speak it: without markup or the ampersand of a
// keyboard accelerator.
QString PlainCaption(const QString& caption);

}  // namespace platform
