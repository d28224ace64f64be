#include "app/Pictures.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <functional>

namespace pictures {
namespace {

// The main window's pictures are drawn, never looked up: a theme lookup costs several
// milliseconds of start-up.
QIcon Drawn(const std::function<void(QPainter&)>& draw) {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  draw(p);
  return QIcon(pixmap);
}

QIcon Standard(const char* themeName, QStyle::StandardPixmap standard) {
  const QIcon themed = QIcon::fromTheme(QLatin1String(themeName));
  return themed.isNull() ? QApplication::style()->standardIcon(standard) : themed;
}

}  // namespace

QIcon Calculator() {
  return Drawn([](QPainter& p) {
    p.setPen(QPen(QColor(40, 40, 60), 1.5));
    p.setBrush(QColor(225, 228, 236));
    p.drawRoundedRect(QRectF(6.5, 2.5, 19, 27), 2.5, 2.5);
    p.setBrush(QColor(170, 205, 160));
    p.drawRect(QRectF(9.5, 5.5, 13, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 70, 100));
    for (int row = 0; row < 3; ++row) {
      for (int col = 0; col < 3; ++col)
        p.drawRect(QRectF(9.5 + col * 4.7, 14 + row * 4.8, 3.4, 3.2));
    }
  });
}

QIcon Exit() {
  return Drawn([](QPainter& p) {
    p.setPen(QPen(QColor(90, 60, 30), 1.5));
    p.setBrush(QColor(196, 150, 90));
    p.drawRect(QRectF(5.5, 3.5, 14, 25));
    p.setPen(QPen(QColor(190, 30, 30), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(14, 16), QPointF(28, 16));
    p.drawLine(QPointF(23, 11), QPointF(28, 16));
    p.drawLine(QPointF(23, 21), QPointF(28, 16));
  });
}

QIcon Open() { return QApplication::windowIcon(); }
QIcon Back() { return Standard("go-previous", QStyle::SP_ArrowBack); }
QIcon Forward() { return Standard("go-next", QStyle::SP_ArrowForward); }
QIcon Reload() { return Standard("view-refresh", QStyle::SP_BrowserReload); }
QIcon Save() { return Standard("document-save-as", QStyle::SP_DialogSaveButton); }

QIcon Print() {
  const QIcon themed = QIcon::fromTheme(QStringLiteral("document-print"));
  if (!themed.isNull()) return themed;
  return Drawn([](QPainter& p) {
    p.setPen(QPen(QColor(50, 50, 60), 1.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9.5, 3.5, 13, 10));
    p.setBrush(QColor(150, 155, 170));
    p.drawRoundedRect(QRectF(3.5, 12.5, 25, 11), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9.5, 19.5, 13, 9));
    p.setPen(QPen(QColor(120, 120, 130), 1));
    p.drawLine(QPointF(12, 23), QPointF(20, 23));
    p.drawLine(QPointF(12, 26), QPointF(20, 26));
  });
}

}  // namespace pictures
