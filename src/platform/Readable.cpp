#include "platform/Readable.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <cmath>
#include <optional>

namespace platform {
namespace {

// What the kit last did to a widget: the colour the program gave it (invalid: none, the
// palette's own) and the colour it is drawn in.
constexpr const char* kDesigned = "tarvelDesignedText";
constexpr const char* kShown = "tarvelShownText";
constexpr const char* kEdge = "tarvelFrameEdge";
constexpr const char* kKept = "tarvelKeptReadable";
constexpr const char* kThin = "tarvelThinText";
constexpr const char* kPane = "tarvelPaneColor";
constexpr const char* kPaneKey = "tarvelPanePalette";
// An edge shows when it stands out this much from the colour beside it.
constexpr double kEdgeContrast = 1.3;

std::optional<QFont>& Designed() {
  static std::optional<QFont> font;
  return font;
}

double Channel(double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); }

// The role a widget's text is drawn in and the colour right behind it.
QPalette::ColorRole TextRole(const QWidget* widget) {
  if (qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractItemView*>(widget) ||
      qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QTextEdit*>(widget))
    return QPalette::Text;
  if (qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QComboBox*>(widget)) {
    if (qobject_cast<const QRadioButton*>(widget) || qobject_cast<const QCheckBox*>(widget))
      return QPalette::WindowText;
    return QPalette::ButtonText;
  }
  return QPalette::WindowText;
}

bool PaintsOwnFace(const QWidget* widget) {
  if (auto* button = qobject_cast<const QPushButton*>(widget)) return !button->isFlat();
  if (auto* tool = qobject_cast<const QToolButton*>(widget)) return !tool->autoRaise();
  return qobject_cast<const QComboBox*>(widget) != nullptr;
}

QColor Behind(const QWidget* widget, QPalette::ColorRole role) {
  if (role == QPalette::Text) return widget->palette().color(QPalette::Active, QPalette::Base);
  if (role == QPalette::ButtonText && PaintsOwnFace(widget))
    return widget->palette().color(QPalette::Active, QPalette::Button);
  return BackgroundBehind(widget);
}

// A tab's page lies on the tab control's pane, which the style paints in a colour of its
// own (often a tone of the button colour): the middle of a pane drawn by the style.
QColor PaneColor(const QTabWidget* tabs) {
  // Drawn once per palette of the tab control: every text on its pages asks for it.
  const qint64 key = tabs->palette().cacheKey();
  if (tabs->property(kPaneKey).toLongLong() == key) return tabs->property(kPane).value<QColor>();
  QStyleOptionTabWidgetFrame option;
  option.initFrom(tabs);
  option.rect = QRect(0, 0, 48, 48);
  QImage image(option.rect.size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(tabs->palette().color(QPalette::Active, QPalette::Window));
  QPainter painter(&image);
  tabs->style()->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &painter, tabs);
  painter.end();
  const QColor pane = image.pixelColor(24, 24);
  auto* cache = const_cast<QTabWidget*>(tabs);
  cache->setProperty(kPaneKey, key);
  cache->setProperty(kPane, pane);
  return pane;
}

QPalette Inherited(const QWidget* widget) {
  return widget->parentWidget() ? widget->parentWidget()->palette() : QApplication::palette(widget);
}

void FitText(QWidget* widget) {
  const QPalette::ColorRole role = TextRole(widget);
  const QPalette own = widget->palette();
  const QColor current = own.color(QPalette::Active, role);
  const QVariant shown = widget->property(kShown);
  QColor designed;
  if (shown.isValid() && shown.value<QColor>() == current) {
    designed = widget->property(kDesigned).value<QColor>();
  } else if (own.isBrushSet(QPalette::Active, role)) {
    designed = current;  // the program's own colour, new since the last fit
  }
  const QPalette inherited = Inherited(widget);
  const QColor base = designed.isValid() ? designed : inherited.color(QPalette::Active, role);
  const QColor fitted = TextColor(widget, base, Behind(widget, role));
  if (!designed.isValid() && !shown.isValid() && fitted == base) return;
  QPalette p = own;
  p.setColor(QPalette::Active, role, fitted);
  p.setColor(QPalette::Inactive, role, fitted);
  // A disabled control shows the palette's disabled colour, never the designed one.
  p.setColor(QPalette::Disabled, role, inherited.color(QPalette::Disabled, role));
  widget->setProperty(kDesigned, designed);
  widget->setProperty(kShown, fitted);
  if (!(p == own)) widget->setPalette(p);
}

bool HasBevel(const QWidget* widget) {
  if (qobject_cast<const QGroupBox*>(widget)) return true;
  auto* frame = qobject_cast<const QFrame*>(widget);
  if (!frame || qobject_cast<const QAbstractItemView*>(widget)) return false;
  return frame->frameShape() != QFrame::NoFrame && frame->frameShadow() != QFrame::Plain;
}

void FitEdges(QWidget* widget) {
  if (!HasBevel(widget)) return;
  const QPalette inherited = Inherited(widget);
  const QColor beside = BackgroundBehind(widget->parentWidget() ? widget->parentWidget() : widget);
  QColor edge = inherited.color(QPalette::Active, QPalette::Light);
  if (Contrast(edge, beside) < kEdgeContrast) {
    edge = inherited.color(QPalette::Active, QPalette::Midlight);
    if (Contrast(edge, beside) < kEdgeContrast)
      edge = inherited.color(QPalette::Active, QPalette::Mid);
  }
  const QPalette own = widget->palette();
  if (!widget->property(kEdge).isValid() && edge == own.color(QPalette::Active, QPalette::Light))
    return;
  QPalette p = own;
  p.setColor(QPalette::Light, edge);
  widget->setProperty(kEdge, edge);
  if (!(p == own)) widget->setPalette(p);
}

void FitOne(QWidget* widget) {
  FitEdges(widget);
  FitText(widget);
}

// Watches one window: the first show, and every change of the palette.
class Keeper : public QObject {
 public:
  explicit Keeper(QWidget* window) : QObject(window), window_(window) {
    window->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != window_) return false;
    switch (event->type()) {
      case QEvent::Show:
        if (!fitted_) {
          fitted_ = true;
          FitColors(window_);
        }
        break;
      case QEvent::PaletteChange:
      case QEvent::ApplicationPaletteChange:
      case QEvent::StyleChange:
        // The new palette reaches the window's children after the window itself.
        if (fitted_ && !queued_) {
          queued_ = true;
          QTimer::singleShot(0, this, [this] {
            queued_ = false;
            if (window_) FitColors(window_);
          });
        }
        break;
      default: break;
    }
    return false;
  }

 private:
  QPointer<QWidget> window_;
  bool fitted_ = false;
  bool queued_ = false;
};

}  // namespace

double Luminance(const QColor& color) {
  const QColor rgb = color.toRgb();
  return 0.2126 * Channel(rgb.redF()) + 0.7152 * Channel(rgb.greenF()) +
         0.0722 * Channel(rgb.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
  double la = Luminance(a), lb = Luminance(b);
  if (la < lb) std::swap(la, lb);
  return (la + 0.05) / (lb + 0.05);
}

bool IsDark(const QPalette& palette) {
  return Luminance(palette.color(QPalette::Active, QPalette::Window)) <
         Luminance(palette.color(QPalette::Active, QPalette::WindowText));
}

QColor ToneOn(const QColor& text, const QColor& background, double contrast) {
  if (Contrast(text, background) >= contrast) return text;
  // Towards white on a background darker than the middle grey (where black and white
  // contrast with it equally), towards black on a lighter one.
  const bool lighten = Luminance(background) < 0.179;
  const QColor hsl = text.toHsl();
  const double hue = std::max(0.0, static_cast<double>(hsl.hslHueF()));
  const double saturation = hsl.hslSaturationF();
  auto tone = [&](double lightness) {
    QColor c = QColor::fromHslF(hue, saturation, lightness);
    c.setAlphaF(text.alphaF());
    return c;
  };
  double from = hsl.lightnessF();
  double to = lighten ? 1.0 : 0.0;
  if (Contrast(tone(to), background) < contrast) return tone(to);
  // The least change of lightness that reaches the contrast.
  for (int i = 0; i < 24; ++i) {
    const double middle = (from + to) / 2;
    if (Contrast(tone(middle), background) >= contrast) {
      to = middle;
    } else {
      from = middle;
    }
  }
  return tone(to);
}

QColor TextColor(const QWidget* where, const QColor& text, const QColor& background) {
  if (!where || !IsDark(where->window()->palette())) return text;
  return ToneOn(text, background,
                where->property(kThin).toBool() ? kThinTextContrast : kReadableContrast);
}

void MarkThinText(QWidget* widget) {
  widget->setProperty(kThin, true);
  FitColors(widget);
}

QColor BackgroundBehind(const QWidget* widget) {
  for (const QWidget* at = widget; at; at = at->parentWidget()) {
    if (at->parentWidget()) {
      if (auto* tabs = qobject_cast<const QTabWidget*>(at->parentWidget()->parentWidget()))
        return PaneColor(tabs);
    }
    if (at->autoFillBackground() || at->isWindow())
      return at->palette().color(QPalette::Active, at->backgroundRole());
    if (auto* view = qobject_cast<const QAbstractItemView*>(at))
      return view->palette().color(QPalette::Active, QPalette::Base);
  }
  return QApplication::palette().color(QPalette::Active, QPalette::Window);
}

bool ShowsDesignedText(const QWidget* widget, const QColor& designed) {
  const QVariant shown = widget->property(kShown);
  return shown.isValid() && widget->property(kDesigned).value<QColor>() == designed &&
         shown.value<QColor>() == widget->palette().color(QPalette::Active, TextRole(widget));
}

void FitColors(QWidget* widget) {
  if (!widget) return;
  FitOne(widget);
  // Parents before their children: a child's palette comes from its parent's.
  for (QWidget* child : widget->findChildren<QWidget*>()) FitOne(child);
}

void KeepReadable(QWidget* window) {
  if (!window || window->property(kKept).toBool()) return;
  window->setProperty(kKept, true);
  if (Designed()) window->setFont(*Designed());
  new Keeper(window);
}

void SetDesignedFont(const QFont& font) {
  QFont whole = font;
  // Every property is the designed one, none taken from a font the desktop sets later.
  whole.setResolveMask(QFont::AllPropertiesResolved);
  Designed() = whole;
  QApplication::setFont(whole);
}

QFont FittingFont(const QFont& font, const QString& text, int width) {
  if (QFontMetrics(font).horizontalAdvance(text) <= width) return font;
  QFont narrow = font;
  narrow.setFamily(QStringLiteral("Liberation Sans Narrow"));
  return narrow;
}

QFont DesignedFont() { return Designed() ? *Designed() : QApplication::font(); }

}  // namespace platform
