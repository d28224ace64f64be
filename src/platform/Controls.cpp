#include "platform/Controls.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <algorithm>

#include "platform/Accessibility.h"
#include "platform/Edit.h"
#include "platform/Form.h"
#include "platform/Messages.h"
#include "platform/Readable.h"

TLabel::TLabel(QWidget* parent, const QString& name, const QString& caption)
    : QLabel(caption, parent) {
  setObjectName(name);
  setTextFormat(Qt::PlainText);
  // The mouse moving over a label is an event even with no button down.
  setMouseTracking(true);
}

void TLabel::SetFontColor(const QColor& color) {
  // Windows set a label's colour on every key stroke; the same colour again is already fitted.
  if (platform::ShowsDesignedText(this, color)) return;
  QPalette p = palette();
  p.setColor(QPalette::WindowText, color);
  setPalette(p);
  platform::FitColors(this);
}

QColor TLabel::FontColor() const { return palette().color(QPalette::WindowText); }

void TLabel::SetBold(bool bold) {
  QFont f = font();
  f.setBold(bold);
  setFont(f);
}

void TLabel::SetUnderline(bool underline) {
  QFont f = font();
  f.setUnderline(underline);
  setFont(f);
}

void TLabel::PlaceAt(int x, int y, Qt::Alignment alignment) {
  adjustSize();
  setAlignment(alignment | Qt::AlignVCenter);
  move((alignment & Qt::AlignRight) ? x - width() : x, y);
}

void TLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
      OnClick) {
    platform::Guard([this] { OnClick(); });
  }
}

void TLabel::mouseMoveEvent(QMouseEvent* event) {
  if (!OnMouseMove) {
    QLabel::mouseMoveEvent(event);
    return;
  }
  platform::Guard([&] { OnMouseMove(event); });
  // The move is the label's own: the window under it does not see it too.
  event->accept();
}

namespace {
TLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption, const QColor& color,
                  bool bold) {
  auto* label = new TLabel(parent, name, caption);
  if (color.isValid()) label->SetFontColor(color);
  if (bold) label->SetBold(true);
  label->adjustSize();
  return label;
}
}  // namespace

TLabel* AttachLabel(QWidget* edit, const QString& name, const QString& caption, const QColor& color,
                    bool bold) {
  TLabel* label = MakeLabel(edit->parentWidget(), name, caption, color, bold);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setGeometry(edit->x() - 6 - label->width(), edit->y(), label->width(), edit->height());
  // Its caption names the edit for a screen reader (a buddy would also turn an ampersand of
  // the caption into an accelerator).
  edit->setProperty(platform::kLabelledBy, QVariant::fromValue<QObject*>(label));
  return label;
}

TLabel* PlaceLabel(QWidget* parent, const QString& name, const QString& caption, int x, int y,
                   const QColor& color, bool bold) {
  TLabel* label = MakeLabel(parent, name, caption, color, bold);
  label->move(x, y);
  return label;
}

int PlaceEditColumn(QWidget* parent, std::span<const int> numbers, int x, int y, int pitch, int gap,
                    TEdit** edits, QSize size) {
  for (int n : numbers) {
    if (n == 0) {
      y += gap;
      continue;
    }
    edits[n] = new TEdit(parent, QStringLiteral("Edit%1").arg(n));
    edits[n]->setGeometry(x, y, size.width(), size.height());
    y += pitch;
  }
  return y;
}

std::vector<TLabel*> AttachLabelPieces(QWidget* edit, const std::vector<LabelPiece>& pieces,
                                       const QColor& color, bool bold, int gap) {
  std::vector<TLabel*> labels;
  for (const LabelPiece& piece : pieces) {
    TLabel* label = MakeLabel(edit->parentWidget(), piece.name, piece.caption, color, bold);
    if (piece.scale != 1) {
      QFont font = label->font();
      if (font.pixelSize() > 0) {
        font.setPixelSize(static_cast<int>(font.pixelSize() * piece.scale));
      } else {
        font.setPointSizeF(font.pointSizeF() * piece.scale);
      }
      label->setFont(font);
      label->adjustSize();
    }
    labels.push_back(label);
  }
  // From the edit leftwards, the last piece first.
  int right = edit->x() - gap;
  for (std::size_t i = labels.size(); i-- > 0;) {
    TLabel* label = labels[i];
    // A piece's text meets the next piece's; a raised piece that ends the caption has none
    // after it and meets the letters before it.
    const bool lastRaised = i > 0 && i + 1 == labels.size() && pieces[i].rise > 0;
    label->setAlignment((lastRaised ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    label->setGeometry(right - label->width(), edit->y() - pieces[i].rise, label->width(),
                       edit->height());
    right -= label->width();
  }
  // The caption as it reads, a raised piece as raised characters ("metro cúbico [m³]"): the
  // edit's name for assistive technology and for whatever copies it.
  static const QString kRaised = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
  QString reading;
  for (const LabelPiece& piece : pieces) {
    for (const QChar c : piece.caption) {
      const bool raise = piece.rise > 0 && c >= u'0' && c <= u'9';
      reading += raise ? kRaised[c.unicode() - u'0'] : c;
    }
  }
  edit->setAccessibleName(platform::PlainCaption(reading));
  return labels;
}

TButton::TButton(QWidget* parent, const QString& name, const QString& caption)
    : QPushButton(caption, parent) {
  setObjectName(name);
  setAutoDefault(false);
  connect(this, &QPushButton::clicked, this, [this] { Clicked(); });
}

void TButton::Clicked() {
  platform::Guard([this] {
    if (OnClick) OnClick();
  });
  if (ModalResult != 0) {
    if (auto* form = qobject_cast<TForm*>(window())) form->SetModalResult(ModalResult);
  }
}

TBitBtn::TBitBtn(QWidget* parent, const QString& name, const QString& caption, Kind kind)
    : TButton(parent, name, caption) {
  if (kind == Kind::OK) {
    setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    ModalResult = TForm::mrOk;
    setDefault(true);
    if (auto* form = qobject_cast<TForm*>(parent ? parent->window() : nullptr)) {
      form->SetDefaultButton(this);
    }
  } else if (kind == Kind::Cancel) {
    setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    ModalResult = TForm::mrCancel;
    if (auto* form = qobject_cast<TForm*>(parent ? parent->window() : nullptr)) {
      form->SetCancelButton(this);
    }
  }
}

TBevel::TBevel(QWidget* parent, const QString& name, Shape shape, bool raised) : QFrame(parent) {
  setObjectName(name);
  switch (shape) {
    case Shape::Box:
    case Shape::Frame: setFrameShape(QFrame::Panel); break;
    case Shape::TopLine:
    case Shape::BottomLine: setFrameShape(QFrame::HLine); break;
    case Shape::LeftLine:
    case Shape::RightLine: setFrameShape(QFrame::VLine); break;
  }
  setFrameShadow(raised ? QFrame::Raised : QFrame::Sunken);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

TGauge::TGauge(QWidget* parent, const QString& name)
    : QWidget(parent), back_(palette().color(QPalette::Button)), fore_(Qt::black) {
  setObjectName(name);
}

void TGauge::SetRange(int minValue, int maxValue) {
  min_ = minValue;
  max_ = std::max(minValue, maxValue);
  SetProgress(progress_);
}

void TGauge::SetProgress(int progress) {
  const int clamped = std::clamp(progress, min_, max_);
  if (clamped == progress_) return;
  progress_ = clamped;
  update();
}

int TGauge::PercentDone() const {
  if (max_ == min_) return 0;
  return static_cast<int>(static_cast<long long>(progress_ - min_) * 100 / (max_ - min_));
}

void TGauge::SetBackColor(const QColor& color) {
  back_ = color;
  update();
}

void TGauge::SetForeColor(const QColor& color) {
  fore_ = color;
  update();
}

QString TGauge::PositionText() const {
  return QStringLiteral("%1 (%2 %)").arg(progress_).arg(PercentDone());
}

void TGauge::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF circle = QRectF(rect()).adjusted(1, 1, -1, -1);
  painter.setPen(QPen(palette().color(QPalette::Shadow), 1));
  painter.setBrush(back_);
  painter.drawEllipse(circle);
  const int percent = PercentDone();
  if (percent <= 0) return;
  painter.setBrush(fore_);
  if (percent >= 100) {
    painter.drawEllipse(circle);
  } else {
    // Qt's angles are sixteenths of a degree, counter-clockwise from three o'clock.
    painter.drawPie(circle, 90 * 16, -percent * 360 * 16 / 100);
  }
}
