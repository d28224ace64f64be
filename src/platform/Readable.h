#pragma once
// The windows on the desktop's palette and font, whatever the desktop sets after start-up.
//
// Colours: the windows were designed in fixed colours (navy and blue labels, a teal unit,
// white cells) for a light window colour. On a light palette every one of them is drawn
// exactly as designed. On a dark palette each text is drawn in the nearest tone of its own
// hue that stands out from what is behind it by kReadableContrast (the WCAG AA level of 4.5,
// with a margin for thin glyphs, which measure lower than their colour).
//
// Frames: a sunken or raised edge drawn in the palette's light colour vanishes on a light
// window colour (white on light grey); such edges are drawn in a tone that shows.
//
// Disabled controls look disabled: a designed text colour holds for the enabled states only.
//
// Font: the windows are laid out in pixels for the designed font. A platform theme that
// replaces the application's font after start-up leaves them in that font.

#include <QColor>
#include <QFont>
#include <QString>

class QPalette;
class QWidget;

namespace platform {

constexpr double kReadableContrast = 4.8;
// A text of small thin signs only (a degree sign) never shows its full colour at all: its
// strokes are all edge. On a dark palette its tone reaches this higher contrast instead.
constexpr double kThinTextContrast = 7.0;

// WCAG 2 relative luminance and contrast ratio (1 to 21).
double Luminance(const QColor& color);
double Contrast(const QColor& a, const QColor& b);

// A palette whose window colour is darker than its text.
bool IsDark(const QPalette& palette);

// The nearest tone of the text's hue (its lightness changed, away from the background) that
// reaches the contrast against the background; the text itself when it already does.
QColor ToneOn(const QColor& text, const QColor& background, double contrast = kReadableContrast);

// The colour in which a text designed in `text` is drawn on `background` inside `where`:
// the designed colour on a light palette, ToneOn on a dark one (to kThinTextContrast where
// the widget's text is marked thin).
QColor TextColor(const QWidget* where, const QColor& text, const QColor& background);

// The colour drawn behind a widget's text: its own background where it paints one, else
// that of the first parent that paints one, else its window's.
QColor BackgroundBehind(const QWidget* widget);

// Whether the widget's text already shows the colour designed, fitted to its palette as
// FitColors fits it: setting that colour again would change nothing.
bool ShowsDesignedText(const QWidget* widget, const QColor& designed);

// Brings one widget's text colours and frame edges into line with its palette (see above).
// The kit's controls call it when the program changes a colour.
void FitColors(QWidget* widget);

// Marks the widget's text as one of small thin signs only, and fits its colours again.
void MarkThinText(QWidget* widget);

// Keeps a window's texts readable, its frames visible and its font the designed one: now,
// when it is shown and whenever the palette changes.
void KeepReadable(QWidget* window);

// The font in which a text is drawn whole in a width: the font itself, or its narrow face
// when the text is too wide for it.
QFont FittingFont(const QFont& font, const QString& text, int width);

// The font the windows are laid out for: set as the application's font, and given to every
// window that KeepReadable watches.
void SetDesignedFont(const QFont& font);
QFont DesignedFont();

}  // namespace platform
