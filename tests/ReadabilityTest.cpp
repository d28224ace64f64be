// Every window is readable on the desktop's palette and keeps its layout under the desktop's
// font. Each text is measured on the rendered window: the window is drawn with the text and
// without it, and the pixels that differ are the text's, each against what was drawn behind
// it. A text's figure is that of its strongest pixel (the full colour of its strokes; the
// anti-aliased edges measure lower).
#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <set>

#include "TestSupport.h"
#include "app/Catalogue.h"
#include "app/Unidadpresentacion.h"
#include "platform/Edit.h"
#include "platform/Form.h"
#include "platform/Grid.h"
#include "platform/Panel.h"
#include "platform/Readable.h"

namespace {

// A dark colour scheme of a platform theme, role by role in QPalette's order (WindowText,
// Button, Light, Midlight, Dark, Mid, Text, BrightText, ButtonText, Base, Window, Shadow,
// Highlight, HighlightedText, Link, LinkVisited, AlternateBase, NoRole, ToolTipBase,
// ToolTipText, PlaceholderText), with its disabled texts.
QPalette DarkPalette() {
  const char* active[] = {"#ffffff", "#424245", "#979797",  "#5e5c5b", "#302f2e", "#4a4947",
                          "#ffffff", "#ffffff", "#ffffff",  "#3d3d3d", "#222020", "#e7e4e0",
                          "#12608a", "#f9f9f9", "#0986d3",  "#a70b06", "#5c5b5a", "#ffffff",
                          "#3f3f36", "#ffffff", "#80ffffff"};
  QPalette p;
  for (int role = 0; role < QPalette::NColorRoles; ++role) {
    if (role == QPalette::NoRole) continue;
    const QColor color = QColor::fromString(QLatin1String(active[role]));
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
      p.setColor(group, static_cast<QPalette::ColorRole>(role), color);
  }
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    p.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
  return p;
}

// WCAG 2's contrast ratio, written out here on its own.
double Linear(int channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
double Ratio(QRgb a, QRgb b) {
  auto luminance = [](QRgb c) {
    return 0.2126 * Linear(qRed(c)) + 0.7152 * Linear(qGreen(c)) + 0.0722 * Linear(qBlue(c));
  };
  double la = luminance(a), lb = luminance(b);
  if (la < lb) std::swap(la, lb);
  return (la + 0.05) / (lb + 0.05);
}

// One text of a window: where it is drawn, and how to take it away and give it back.
struct Text {
  QString name;
  QRect rect;  // in the window
  std::function<void(bool shown)> show;
  std::function<void()> after = [] {};  // once both drawings are taken
};

struct Figure {
  QString name;
  double contrast;
};

class Measure {
 public:
  explicit Measure(QWidget* window) : window_(window) {}

  // Every text the window shows now, those already measured (another tab) left out.
  void Take() {
    for (Text& text : Texts()) {
      if (!seen_.insert(text.name).second) continue;
      const QRect rect = text.rect.intersected(window_->rect());
      if (rect.isEmpty()) continue;
      text.show(false);
      const QImage without = Shot(rect);
      text.show(true);
      const QImage with = Shot(rect);
      text.after();
      double best = 0;
      for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
          if (with.pixel(x, y) != without.pixel(x, y))
            best = std::max(best, Ratio(with.pixel(x, y), without.pixel(x, y)));
        }
      }
      if (best > 0) figures.push_back({text.name, best});
    }
  }

  std::vector<Figure> figures;

 private:
  // The window drawn at twice its size: a glyph's strokes, thinner than a pixel at the
  // window's size, show their full colour.
  QImage Shot(const QRect& rect) const {
    QImage image(rect.size() * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    image.fill(Qt::black);
    window_->render(&image, QPoint(), QRegion(rect));
    return image;
  }

  QRect InWindow(QWidget* widget, const QRect& rect) const {
    return QRect(widget->mapTo(window_, rect.topLeft()), rect.size());
  }

  static bool InsideGrid(QWidget* widget) {
    for (QWidget* at = widget->parentWidget(); at; at = at->parentWidget())
      if (qobject_cast<TStringGrid*>(at)) return true;
    return false;
  }

  QString Name(QWidget* widget) const {
    const QString name = widget->objectName();
    return name.isEmpty() ? QLatin1String(widget->metaObject()->className()) : name;
  }

  std::vector<Text> Texts() {
    std::vector<Text> texts;
    for (QWidget* w : window_->findChildren<QWidget*>()) {
      if (!w->isVisibleTo(window_) || !w->isEnabled()) continue;
      const QRect whole = InWindow(w, w->rect());
      if (auto* label = qobject_cast<QLabel*>(w)) {
        const QString saved = label->text();
        if (saved.isEmpty()) continue;
        texts.push_back(
            {Name(w), whole, [label, saved](bool on) { label->setText(on ? saved : QString()); }});
      } else if (auto* panel = qobject_cast<TPanel*>(w)) {
        const QString saved = panel->Caption();
        if (saved.isEmpty()) continue;
        texts.push_back({Name(w), whole,
                         [panel, saved](bool on) { panel->SetCaption(on ? saved : QString()); }});
      } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        const QString saved = button->text();
        if (saved.isEmpty()) continue;
        // Its picture is no text: it is left out of both drawings.
        const QIcon icon = button->icon();
        texts.push_back({Name(w), whole,
                         [button, saved](bool on) {
                           button->setIcon(QIcon());
                           button->setText(on ? saved : QString());
                         },
                         [button, icon] { button->setIcon(icon); }});
      } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
        const QString saved = box->title();
        if (saved.isEmpty()) continue;
        const QRect title = InWindow(w, QRect(0, 0, w->width(), w->fontMetrics().height() + 2));
        texts.push_back(
            {Name(w), title, [box, saved](bool on) { box->setTitle(on ? saved : QString()); }});
      } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        const QString saved = edit->text();
        if (saved.isEmpty() || InsideGrid(w)) continue;
        texts.push_back({Name(w), whole, [edit, saved](bool on) {
                           const QSignalBlocker quiet(edit);
                           edit->setText(on ? saved : QString());
                         }});
      } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        const int index = combo->currentIndex();
        const QString saved = combo->currentText();
        if (index < 0 || saved.isEmpty() || combo->isEditable()) continue;
        texts.push_back({Name(w), whole, [combo, index, saved](bool on) {
                           const QSignalBlocker quiet(combo);
                           combo->setItemText(index, on ? saved : QString());
                         }});
      } else if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) {
        const QString saved = memo->toPlainText();
        if (saved.isEmpty()) continue;
        texts.push_back(
            {Name(w), InWindow(memo->viewport(), memo->viewport()->rect()), [memo, saved](bool on) {
               const QSignalBlocker quiet(memo);
               memo->setPlainText(on ? saved : QString());
             }});
      } else if (auto* grid = qobject_cast<TStringGrid*>(w)) {
        GridTexts(grid, texts);
      } else if (auto* list = qobject_cast<QListWidget*>(w)) {
        for (int i = 0; i < list->count(); ++i) {
          QListWidgetItem* item = list->item(i);
          const QRect cell = list->visualItemRect(item).intersected(list->viewport()->rect());
          if (cell.isEmpty() || item->text().isEmpty()) continue;
          const QString saved = item->text();
          texts.push_back({Name(w) + QStringLiteral("[%1]").arg(i),
                           InWindow(list->viewport(), cell), [list, item, saved](bool on) {
                             const QSignalBlocker quiet(list);
                             item->setText(on ? saved : QString());
                           }});
        }
      } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
        for (int i = 0; i < tabs->count(); ++i) {
          const QString saved = tabs->tabText(i);
          texts.push_back({Name(w->parentWidget()) + QStringLiteral(" tab ") + saved,
                           InWindow(tabs, tabs->tabRect(i)), [tabs, i, saved](bool on) {
                             tabs->setTabText(i, on ? saved : QString());
                           }});
        }
      }
    }
    return texts;
  }

  void GridTexts(TStringGrid* grid, std::vector<Text>& texts) {
    QHeaderView* header = grid->horizontalHeader();
    for (int row = 0; row < grid->RowCount(); ++row) {
      for (int col = 0; col < grid->ColCount(); ++col) {
        const QString saved = grid->Cell(col, row);
        if (saved.isEmpty()) continue;
        QRect cell;
        if (row == 0 && header->isVisible()) {
          cell = InWindow(header, QRect(header->sectionViewportPosition(col), 0,
                                        header->sectionSize(col), header->height()));
        } else {
          const QRect at = grid->visualRect(grid->model()->index(row, col));
          if (!at.intersects(grid->viewport()->rect())) continue;
          cell = InWindow(grid->viewport(), at.intersected(grid->viewport()->rect()));
        }
        texts.push_back({Name(grid) + QStringLiteral("[%1,%2]").arg(col).arg(row), cell,
                         [grid, col, row, saved](bool on) {
                           grid->SetCell(col, row, on ? saved : QString());
                         }});
      }
    }
  }

  QWidget* window_;
  std::set<QString> seen_;
};

// Every tab of the window shown in turn, its pages' own tabs included.
std::vector<Figure> MeasureWindow(QWidget* window) {
  Measure measure(window);
  user::Settle();
  measure.Take();
  for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
    // The pages that hold this tab control come first.
    for (QWidget* at = tabs; at && at != window; at = at->parentWidget()) {
      auto* outer = qobject_cast<QTabWidget*>(
          at->parentWidget() ? at->parentWidget()->parentWidget() : nullptr);
      if (outer) outer->setCurrentWidget(at);
    }
    for (int i = 0; i < tabs->count(); ++i) {
      tabs->setCurrentIndex(i);
      user::Settle();
      measure.Take();
    }
    tabs->setCurrentIndex(0);
  }
  return measure.figures;
}

// A window of the catalogue, shown.
std::unique_ptr<TForm> Open(const MenuRow& row, QWidget* owner) {
  std::unique_ptr<TForm> form(row.opens(owner));
  user::Show(form.get());
  return form;
}
std::unique_ptr<TForm> Open(const char* item, QWidget* owner) {
  return Open(*FindMenuRow(QLatin1String(item)), owner);
}

// Every window of the catalogue in turn, shown.
void ForEachWindow(const std::function<void(TForm*)>& visit) {
  QWidget owner;
  for (int i = 0; i < kMenuRowCount; ++i) {
    if (kMenu[i].opens) visit(Open(kMenu[i], &owner).get());
  }
}

struct Survey {
  int texts = 0;
  Figure lowest{QString(), 99};
  std::vector<Figure> below;  // under WCAG AA
};

// Every window of the catalogue and the main window, under the application's palette now.
Survey SurveyAll(const char* palette) {
  Survey survey;
  auto add = [&](const QString& window, const std::vector<Figure>& figures) {
    double least = 99;
    for (const Figure& f : figures) {
      ++survey.texts;
      least = std::min(least, f.contrast);
      const Figure named{window + QLatin1Char('/') + f.name, f.contrast};
      if (f.contrast < survey.lowest.contrast) survey.lowest = named;
      if (f.contrast < 4.5) survey.below.push_back(named);
    }
    std::cout << "[" << palette << "] " << window.toStdString() << ": " << figures.size()
              << " texts, lowest " << QString::number(least, 'f', 2).toStdString() << ":1\n";
  };
  {
    TFormPrincipal main;
    user::Show(&main);
    add(main.objectName(), MeasureWindow(&main));
  }
  ForEachWindow([&](TForm* form) { add(form->objectName(), MeasureWindow(form)); });
  std::cout << "[" << palette << "] " << survey.texts << " texts; lowest "
            << QString::number(survey.lowest.contrast, 'f', 2).toStdString() << ":1 ("
            << survey.lowest.name.toStdString() << "); " << survey.below.size() << " below 4.5:1\n";
  for (const Figure& f : survey.below)
    std::cout << "  " << f.name.toStdString() << " "
              << QString::number(f.contrast, 'f', 2).toStdString() << ":1\n";
  return survey;
}

class Readability : public HostFixture {
 protected:
  void TearDown() override {
    QApplication::setPalette(light_);
    QApplication::setFont(platform::DesignedFont());
    user::Settle();
    HostFixture::TearDown();
  }
  const QPalette light_ = QApplication::palette();
};

TEST_F(Readability, EveryTextOfEveryWindowReadableOnADarkPalette) {
  QApplication::setPalette(DarkPalette());
  const Survey survey = SurveyAll("dark");
  EXPECT_GT(survey.texts, 1000);
  EXPECT_TRUE(survey.below.empty())
      << survey.below.size() << " texts below 4.5:1, the lowest "
      << survey.lowest.name.toStdString() << " at " << survey.lowest.contrast;
}

// On the light palette the designed colours stay as they are, the low ones included: this
// only records the figures.
TEST_F(Readability, FiguresOnTheLightPalette) {
  const Survey survey = SurveyAll("light");
  EXPECT_GT(survey.texts, 1000);
}

// The degree sign of the angle window's row is all edge at the window's own size: drawn so,
// its strongest pixel still stands out from the window by 4.5:1, as its neighbours' do.
TEST_F(Readability, TheAngleRowsSignsReadableAtTheWindowsOwnSizeOnADarkPalette) {
  QApplication::setPalette(DarkPalette());
  QWidget owner;
  std::unique_ptr<TForm> form = Open("ngulo1", &owner);
  user::Settle();
  const QImage image = form->grab().toImage();
  const QRgb window = form->palette().color(QPalette::Window).rgb();
  for (const char* name : {"Label8", "Label9", "Label10"}) {
    auto* label = form->findChild<QLabel*>(QLatin1String(name));
    ASSERT_NE(label, nullptr) << name;
    const QRect at(label->mapTo(form.get(), QPoint()), label->size());
    double best = 0;
    for (int y = at.top(); y <= at.bottom(); ++y)
      for (int x = at.left(); x <= at.right(); ++x)
        best = std::max(best, Ratio(image.pixel(x, y), window));
    EXPECT_GE(best, 4.5) << name << " \"" << label->text().toStdString() << "\"";
  }
}

// A window already open when the palette turns dark follows it, and back.
TEST_F(Readability, AnOpenWindowFollowsAChangeOfPalette) {
  QWidget owner;
  std::unique_ptr<TForm> form = Open("Volumenycapacidad1", &owner);
  auto* label = form->findChild<QLabel*>(QStringLiteral("Label1"));
  ASSERT_NE(label, nullptr);
  const QColor designed = label->palette().color(QPalette::Active, QPalette::WindowText);
  QApplication::setPalette(DarkPalette());
  user::Settle();
  const QColor dark = label->palette().color(QPalette::Active, QPalette::WindowText);
  EXPECT_GE(platform::Contrast(dark, QColor(0x22, 0x20, 0x20)), platform::kReadableContrast);
  EXPECT_EQ(dark.hue(), designed.hue());
  QApplication::setPalette(light_);
  user::Settle();
  EXPECT_EQ(label->palette().color(QPalette::Active, QPalette::WindowText), designed);
}

// A platform theme that sets another font after start-up: the windows keep their designed
// fonts, the open ones and those opened later, and no label is cut.
TEST_F(Readability, ADesktopFontSetAfterStartLeavesTheLayoutsWhole) {
  auto fontOf = [](QWidget* window) {
    return window->font().family() + QStringLiteral(" %1").arg(window->font().pixelSize());
  };
  std::map<QString, QString> designed;
  ForEachWindow([&](TForm* form) { designed[form->objectName()] = fontOf(form); });
  QWidget owner;
  std::unique_ptr<TForm> open = Open("Volumenycapacidad1", &owner);

  QFont desktop(QStringLiteral("DejaVu Serif"));
  desktop.setPointSize(13);
  QApplication::setFont(desktop);
  user::Settle();
  int labels = 0;
  auto check = [&](QWidget* window) {
    const std::string name = window->objectName().toStdString();
    EXPECT_EQ(fontOf(window), designed[window->objectName()]) << name;
    for (QLabel* label : window->findChildren<QLabel*>()) {
      if (label->wordWrap() || label->text().isEmpty() || !label->isVisibleTo(window)) continue;
      ++labels;
      EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()),
                label->contentsRect().width())
          << name << "/" << label->objectName().toStdString() << " \""
          << label->text().toStdString() << "\" is cut";
    }
  };
  check(open.get());
  ForEachWindow(check);
  EXPECT_GT(labels, 300);
}

// Sunken and raised frames are closed on every side: their edges stand out from the
// window colour beside them, the light edges included.
TEST_F(Readability, FrameEdgesShowOnTheWindowColour) {
  int frames = 0;
  ForEachWindow([&](TForm* form) {
    const QImage image = form->grab().toImage();
    for (QFrame* frame : form->findChildren<QFrame*>()) {
      if (!frame->isVisibleTo(form) || frame->frameShadow() == QFrame::Plain ||
          (frame->frameShape() != QFrame::Panel && frame->frameShape() != QFrame::Box))
        continue;
      ++frames;
      const QRect r(frame->mapTo(form, QPoint()), frame->size());
      const QColor beside = platform::BackgroundBehind(frame->parentWidget());
      for (const QPoint& edge :
           {QPoint(r.center().x(), r.top()), QPoint(r.left(), r.center().y()),
            QPoint(r.center().x(), r.bottom()), QPoint(r.right(), r.center().y())}) {
        EXPECT_GE(platform::Contrast(image.pixelColor(edge), beside), 1.2)
            << form->objectName().toStdString() << "/" << frame->objectName().toStdString()
            << " edge at " << edge.x() << "," << edge.y();
      }
    }
  });
  EXPECT_GT(frames, 100);
}

// The name of the selected analyte, too wide for its cell in bold italic, is drawn in the
// narrow face, and the cell shows it whole as its tool tip.
TEST_F(Readability, ALongCellTextShowsWholeAsToolTip) {
  QWidget owner;
  std::unique_ptr<TForm> form = Open("Cnicas1", &owner);
  auto* grid = form->findChild<TStringGrid*>(QStringLiteral("StringGrid1"));
  ASSERT_NE(grid, nullptr);
  int row = 1;
  while (row < grid->RowCount() && !grid->Cell(1, row).startsWith(QLatin1String("High-density")))
    ++row;
  ASSERT_LT(row, grid->RowCount());
  grid->SetRow(row);
  user::Settle();
  const QString whole = grid->Cell(1, row);
  const QRect cell = grid->visualRect(grid->model()->index(row, 1));
  QHelpEvent help(QEvent::ToolTip, cell.center(), grid->viewport()->mapToGlobal(cell.center()));
  QApplication::sendEvent(grid->viewport(), &help);
  EXPECT_EQ(QToolTip::text(), whole);
  // A short one has none of its own.
  QToolTip::hideText();
  const QRect shortCell = grid->visualRect(grid->model()->index(1, 0));
  QHelpEvent other(QEvent::ToolTip, shortCell.center(),
                   grid->viewport()->mapToGlobal(shortCell.center()));
  QApplication::sendEvent(grid->viewport(), &other);
  EXPECT_NE(QToolTip::text(), grid->Cell(0, 1));
}

TEST(ReadableTone, SameHueReachingTheContrastOnlyWhereNeeded) {
  const QColor dark(0x22, 0x20, 0x20);
  for (const QColor& designed : {QColor(0, 0, 0x80), QColor(0, 0x80, 0x80), QColor(0, 0x80, 0),
                                 QColor(0xff, 0, 0), QColor(0, 0, 0xff), QColor(0x80, 0, 0x80)}) {
    const QColor tone = platform::ToneOn(designed, dark);
    EXPECT_GE(platform::Contrast(tone, dark), platform::kReadableContrast)
        << designed.name().toStdString();
    EXPECT_LT(platform::Contrast(tone, dark), platform::kReadableContrast + 0.1)
        << designed.name().toStdString() << ": more than the least change";
    EXPECT_EQ(tone.hue(), designed.hue()) << designed.name().toStdString();
  }
  // Already readable: unchanged; on a light background a light text goes darker.
  EXPECT_EQ(platform::ToneOn(Qt::white, dark), QColor(Qt::white));
  const QColor onYellow = platform::ToneOn(Qt::white, QColor(255, 255, 225));
  EXPECT_GE(platform::Contrast(onYellow, QColor(255, 255, 225)), platform::kReadableContrast);
}

}  // namespace
